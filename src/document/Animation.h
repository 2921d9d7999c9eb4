#pragma once
// A named animation: an ordered array of frames, numbered from 1 by the user.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "document/AnimFrame.h"

namespace pixolan {

// A string in a document file holds at most this many bytes, its NUL included.
inline constexpr std::size_t kMaxDocumentString = 2048;

class CAnimation {
 public:
  virtual ~CAnimation() = default;

  // Keeps the text up to its first NUL, cut to kMaxDocumentString - 1 bytes so
  // that every name can be saved and read back.
  void SetName(const std::string& name);
  // Keeps the first min(old, n) frames; new frames are invalid.
  void SetFrameCount(std::uint32_t n);
  // Puts an invalid frame at element `after` (0: first, count: last). Nothing
  // happens before the record has a frame array or when `after` is past the end.
  void InsertFrame(std::uint32_t after);
  // Takes element `index` out again (undoing an insertion); nothing happens
  // before the record has a frame array or when `index` is past the end.
  void RemoveFrame(std::uint32_t index);
  // Puts a copy of element `index` right after it; exchanges elements a and b.
  // Nothing happens before the record has a frame array or for an index past the end.
  void DuplicateFrame(std::uint32_t index);
  void SwapFrames(std::uint32_t a, std::uint32_t b);

  // Frame number n (from 1), or null when n is outside 1..m_nFrameCount or the
  // record has no frame array yet.
  CAnimFrame* Frame(std::int32_t n);
  const CAnimFrame* Frame(std::int32_t n) const;
  // Frame index i (from 0) of m_nFrameCount as readers see it: a frame the record
  // holds no array for yet reads as a frame never set (invalid, all zero).
  const CAnimFrame& FrameOrNeverSet(std::uint32_t i) const;
  const std::string& Name() const;
  // The memory the record holds, for the undo history's bound.
  std::size_t Bytes() const { return sizeof(*this) + (m_pszName ? m_pszName->capacity() : 0) + m_frames.capacity() * sizeof(CAnimFrame); }  // empty for a record without a name

  std::optional<std::string> m_pszName;  // no name until SetName
  // The number of frames; read it, change it only through the members above.
  std::uint32_t m_nFrameCount = 1;  // a fresh record says one frame but has no array
  // Once made, the array holds exactly m_nFrameCount frames; a fresh record has none.
  bool HasFrameArray() const { return m_frames.size() == m_nFrameCount; }

 private:

  std::vector<CAnimFrame> m_frames;
};

}  // namespace pixolan
