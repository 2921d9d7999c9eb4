#pragma once
// What the animation pane computes: the list's entries and selection by hint, the
// frame number and count shown, the six frame buttons, the spin control and
// playback. The widget owns the list, the buttons and the 33 ms timer; this
// class says what they show and when the timer runs.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "framework/UpdateHint.h"

namespace pixolan {

class CPxoDoc;
class CAnimation;

inline constexpr int kPlaybackTimerId = 1;
inline constexpr int kPlaybackIntervalMs = 33;

// Frame arithmetic. Frame numbers count from 1; comparisons are unsigned.
std::uint32_t NextFrameWrapped(std::uint32_t frame, std::uint32_t count);     // frame < count ? frame + 1 : 1
std::uint32_t PreviousFrameWrapped(std::uint32_t frame, std::uint32_t count);  // frame < 2 ? count : frame - 1

// The keys that step frames and start playback while the canvas or the animation
// pane has the focus (never while a field is being typed into).
enum class FrameKey { kPrevious, kNext, kFirst, kLast, kPlayStop };

// What the list shows after a hint: the entries and which one is selected.
struct ListState {
  std::vector<CAnimation*> entries;  // document order
  std::optional<int> nSelected;
};

class CAnimDetailsModel {
 public:
  explicit CAnimDetailsModel(CPxoDoc& doc) : m_doc(doc) {}

  // The list's texts, in document order.
  std::vector<std::string> EntryNames() const;

  // Hints 0, 2 and 4 refill the list: 4 keeps the selected index, 2 selects the
  // last entry, 0 does both in that order; then the selection becomes current at
  // frame 1. A list edit refills it and shows the document's current animation
  // and frame as they are. Hints 1 and 3 change nothing (nullopt).
  std::optional<ListState> OnUpdate(UpdateHint hint, std::optional<int> selectedIndex);
  // The user selected list entry `index` (nullopt: none).
  void OnSelChange(std::optional<int> index);

  void OnFirstFrame();
  void OnPreviousFrame();
  void OnNextFrame();
  void OnLastFrame();
  // delta -1 (upper arrow) steps forward with wrap, +1 back with wrap.
  void OnSpinDelta(int delta);

  // A number typed into the frame field: clamped to the current animation's
  // frames (0 gives the first, past the last the last); anything but digits is
  // refused. False when nothing changed: the field should show the frame again.
  bool OnFrameTyped(const std::string& text);
  // A frame key: the button it stands for.
  void OnFrameKey(FrameKey key);

  // Play: starts playback with a current animation, otherwise (or when playing) stops.
  void OnPlay();
  void OnStop();
  // One tick of the playback timer.
  void OnTimer();
  bool IsPlaying() const { return m_bPlaying; }

  // The two edit fields, as unsigned decimal text.
  std::string FrameText() const;
  std::string FramesText() const;

  std::uint32_t m_nFrame = 0;
  std::uint32_t m_nFrames = 0;
  bool m_bPlaying = false;

 private:
  CAnimation* Current() const;
  // m_nFrame = frame, and the document's current frame with it.
  void SetFrame(std::uint32_t frame);
  // Refills the entries from the document; `select` is kept when it names one.
  ListState Fill(std::optional<int> select);
  // After a list edit: the document's current animation and frame, unchanged.
  ListState ShowDocumentsCurrent();

  CPxoDoc& m_doc;
  std::vector<CAnimation*> m_entries;
};

}  // namespace pixolan
