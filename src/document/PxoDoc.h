#pragma once
// The art document: the sprite sheet and its path, the selection, the animations
// with their frames, the current animation and frame, the canvas geometry.
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "document/Animation.h"
#include "document/EditHistory.h"
#include "framework/Document.h"
#include "framework/Rect.h"
#include "framework/Settings.h"
#include "framework/UpdateHint.h"
#include "image/ImageReaderList.h"
#include "image/RasterImage.h"

namespace pixolan {

// Import Image, the document's sheet and every other sheet the program reads.
inline constexpr const char* kMsgUnableToLoadImage = "FATAL: Unable to load image file";

// The canvas zooms the application offers. A file may hold any zoom: it is kept
// as read and limited to these wherever it is used.
inline constexpr std::int32_t kMinZoom = 1;
inline constexpr std::int32_t kMaxZoom = 16;
constexpr std::int32_t ClampZoom(std::int32_t zoom) {
  return zoom < kMinZoom ? kMinZoom : zoom > kMaxZoom ? kMaxZoom : zoom;
}


class CPxoDoc : public CDocument {
 public:
  CPxoDoc(IPrompts& prompts, ISettings& settings);
  ~CPxoDoc() override;

  // Model
  void SetSelection(const CRect& r);
  bool GetSelection(CRect& out) const;
  // Placing: a "Place Frame" step when the frame changes, which also uses up the
  // selection (undo gives it back). Sends no hint.
  void SetCurrentFrameData(const CRect& source, std::int32_t offsetX, std::int32_t offsetY);
  void SetCurrentAnimation(CAnimation* animation);
  int GetCurrentFrame() const;
  void SetCurrentFrame(int n);
  // The current frame record, or null when there is none or its number is out of range.
  CAnimFrame* CurrentFrameRecord();
  // Clears the current frame's valid flag and makes its rectangle the selection
  // (the sprite view picks the frame up); its rectangle and offsets stay in memory.
  // A "Lift Frame" step; sends no hint. False when there is nothing to lift or
  // the rectangle cannot be a selection.
  bool LiftCurrentFrame();
  // The animation at index i of the list, or null; the current one's index.
  CAnimation* AnimationAt(std::size_t i);
  std::optional<std::size_t> CurrentAnimationIndex() const;
  // A document without views (the command line) never shows its sheet: loading
  // then skips the display bitmap, a second copy of every pixel.
  void SetBuildDisplayBitmap(bool build) { m_bBuildDisplayBitmap = build; }
  CRasterImage* LoadImage(const std::string& path);
  // Reads the sheet's file again into a new image and, only when that succeeds,
  // puts it in place of the old one, keeping everything else (history included);
  // sends HINT_SHEET_RELOADED. Not an edit: the document stays as modified as it was.
  bool ReloadImage();
  // The file the sheet is read from: its path or, when nothing is there, the
  // same file name beside the document (where opening the document found it).
  std::string SheetFilePath() const;

  bool OnNewDocument() override;
  void DeleteContents() override;
  void Serialize(CArchive& ar) override;
  bool OnSaveDocument(const std::string& path) override;
  FileDialogRequest DocumentFileRequest(bool open) const override;
  std::string DocumentTypeName() const override { return "Pixolan"; }

  // Document commands
  void OnImportImage();
  void OnAddAnimation();
  void OnAnimProperties();
  void OnInsertFrame();
  // The commands applied, once their dialogs are answered: each change is a step.
  // A failed import (false) drops the old sheet and is no step; an import path
  // the document file cannot hold is refused before that.
  // False when the sheet is refused; then refusal (when given) says why.
  bool ImportImage(const std::string& path, std::string* refusal = nullptr);
  void AddAnimation(const std::string& name, std::uint32_t frameCount);
  // On the current animation; views are refreshed even when nothing changes.
  void SetAnimProperties(const std::string& name, std::uint32_t frameCount);
  void InsertFrameAfter(std::int32_t after);
  // Editing on the canvas (PxoDocEdits.cpp).
  // The canvas zoom, limited to kMinZoom..kMaxZoom: a "Zoom" step when it changes.
  void SetZoom(std::int32_t zoom);
  // The current frame's offsets: a "Move Frame" step when they change, or, with
  // extendLast, a change of the last step when that moved this frame too and is
  // not the saved state (a held arrow key). False when there is no placed frame.
  bool MoveCurrentFrame(std::int32_t offsetX, std::int32_t offsetY, bool extendLast = false);
  // The selection stops following the pointer; its rectangle stays as the one
  // shown on the sheet. Not a step: picking one on the sheet is none either.
  // Sends HINT_SELECTION_DROPPED.
  void DropSelection();

  // Frame and animation list edits on the current frame or animation, each a
  // step that leaves the edited frame (or animation) current. An animation keeps
  // at least one frame: delete the animation instead.
  enum class ListEdit {
    kDeleteFrame,
    kDuplicateFrame,
    kMoveFrameEarlier,
    kMoveFrameLater,
    kDeleteAnimation,
    kMoveAnimationUp,
    kMoveAnimationDown,
  };
  // Whether the edit applies to the current frame or animation now.
  bool CanEditList(ListEdit edit) const;
  // False (and nothing done) when it does not.
  bool EditList(ListEdit edit);

  // Undo and redo. The modified flag follows the history: saving marks its
  // position, and the document is modified exactly when it is elsewhere.
  // Every move of the history is told to the document's observers.
  CEditHistory& History() { return m_history; }
  void OnEditUndo() {
    m_history.Undo(*this);
    NotifyStateChanged();
  }
  void OnEditRedo() {
    m_history.Redo(*this);
    NotifyStateChanged();
  }

  ISettings& Settings() { return m_settings; }

 private:
  // The document file's reader and writer.
  void StoreDocument(CArchive& ar);
  void LoadDocument(CArchive& ar);
  // The sheet for the stored path (see SheetCandidates); m_strLoadedImagePath
  // then says which file it was.
  bool LoadStoredImage(const std::string& storedPath, const std::string& documentPath);
  // A sheet read from a file, with its display bitmap when one is built; null on failure.
  std::unique_ptr<CRasterImage> ReadImage(const std::string& path, std::string* refusal = nullptr) const;
  // Records a step and makes its change.
  void Apply(std::unique_ptr<CEditStep> step);

 public:

  std::int32_t m_nCanvasWidth = 160;
  std::int32_t m_nCanvasHeight = 144;
  std::int32_t m_nZoom = 4;
  std::unique_ptr<CRasterImage> m_pImage;
  std::string m_strImagePath;
  // The file the sheet in memory was read from (a relative stored path is
  // resolved against the document's folder); empty without a sheet.
  std::string m_strLoadedImagePath;
  bool m_bSelectionValid = false;
  CRect m_rectSelection{0, 0, -1, 0};
  CImageReaderList m_readers;

  std::vector<std::unique_ptr<CAnimation>> m_animations;
  CAnimation* m_pCurrentAnim = nullptr;
  std::int32_t m_nCurrentFrame = 1;
  bool m_bBuildDisplayBitmap = true;

 private:
  ISettings& m_settings;
  CEditHistory m_history;
};

}  // namespace pixolan
