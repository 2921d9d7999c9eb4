#include "document/PxoDoc.h"

#include <filesystem>
#include <system_error>

#include "document/FrameStep.h"
#include "document/PxoFileDialog.h"

namespace pixolan {

CPxoDoc::CPxoDoc(IPrompts& prompts, ISettings& settings) : CDocument(prompts), m_settings(settings) {}

CPxoDoc::~CPxoDoc() { DeleteContents(); }

void CPxoDoc::SetSelection(const CRect& r) {
  // A negative width withdraws the selection but keeps the last rectangle.
  // Compared, not subtracted, so extreme edges cannot overflow.
  if (r.right >= r.left) {
    m_rectSelection = r;
    m_bSelectionValid = true;
  } else {
    m_bSelectionValid = false;
  }
}

bool CPxoDoc::GetSelection(CRect& out) const {
  out = m_rectSelection;
  return m_bSelectionValid;
}

CAnimFrame* CPxoDoc::CurrentFrameRecord() {
  return m_pCurrentAnim != nullptr ? m_pCurrentAnim->Frame(m_nCurrentFrame) : nullptr;
}

void CPxoDoc::SetCurrentFrameData(const CRect& source, std::int32_t offsetX, std::int32_t offsetY) {
  const CAnimFrame* frame = CurrentFrameRecord();
  const std::optional<std::size_t> animation = CurrentAnimationIndex();
  if (frame == nullptr || !animation) return;
  // A frame placed again exactly where it is changes nothing but the selection,
  // which is used up all the same.
  if (frame->m_bValid && frame->m_rectSource == source && frame->m_nOffsetX == offsetX && frame->m_nOffsetY == offsetY) {
    m_bSelectionValid = false;
    return;
  }
  CAnimFrame placed = *frame;
  placed.Set(source, offsetX, offsetY);
  Apply(CFrameStep::Place(*animation, m_nCurrentFrame, placed, {m_rectSelection, false}));
}

bool CPxoDoc::LiftCurrentFrame() {
  const CAnimFrame* frame = CurrentFrameRecord();
  const std::optional<std::size_t> animation = CurrentAnimationIndex();
  // A damaged rectangle (negative width) cannot be carried as a selection.
  if (frame == nullptr || !animation || !frame->m_bValid || frame->m_rectSource.right < frame->m_rectSource.left) {
    return false;
  }
  CAnimFrame lifted = *frame;
  lifted.m_bValid = false;
  Apply(CFrameStep::Lift(*animation, m_nCurrentFrame, lifted, {frame->m_rectSource, true}));
  return true;
}

CAnimation* CPxoDoc::AnimationAt(std::size_t i) { return i < m_animations.size() ? m_animations[i].get() : nullptr; }

std::optional<std::size_t> CPxoDoc::CurrentAnimationIndex() const {
  for (std::size_t i = 0; i < m_animations.size(); ++i) {
    if (m_animations[i].get() == m_pCurrentAnim && m_pCurrentAnim != nullptr) return i;
  }
  return std::nullopt;
}

void CPxoDoc::Apply(std::unique_ptr<CEditStep> step) {
  CEditStep& applied = *step;  // kept by the history, which never drops its newest step
  m_history.Push(std::move(step));
  SetModifiedFlag(!m_history.IsAtSaved());
  applied.Do(*this);
  NotifyStateChanged();
}

void CPxoDoc::SetCurrentAnimation(CAnimation* animation) {
  m_pCurrentAnim = animation;
  UpdateAllViews(nullptr, HINT_CURRENT_CHANGED);
}

int CPxoDoc::GetCurrentFrame() const { return m_pCurrentAnim != nullptr ? m_nCurrentFrame : -1; }

void CPxoDoc::SetCurrentFrame(int n) {
  m_nCurrentFrame = n;
  UpdateAllViews(nullptr, HINT_CURRENT_CHANGED);
}

std::unique_ptr<CRasterImage> CPxoDoc::ReadImage(const std::string& path) const {
  std::unique_ptr<CRasterImage> image = m_readers.OpenImage(path.c_str());
  if (image && m_bBuildDisplayBitmap && image->CreateDisplayBitmap() == nullptr) CImageReaderList::DestroyImage(image);
  return image;
}

CRasterImage* CPxoDoc::LoadImage(const std::string& path) {
  CImageReaderList::DestroyImage(m_pImage);
  m_strLoadedImagePath.clear();
  m_bSelectionValid = false;
  m_pImage = ReadImage(path);
  if (m_pImage) m_strLoadedImagePath = path;
  return m_pImage.get();
}

std::string CPxoDoc::SheetFilePath() const {
  // The file the sheet was read from (a relative stored path means the document's folder).
  if (!m_strLoadedImagePath.empty()) return m_strLoadedImagePath;
  std::error_code ec;
  if (m_strImagePath.empty() || std::filesystem::exists(m_strImagePath, ec) || GetPathName().empty()) {
    return m_strImagePath;
  }
  // A path written on another system may separate its folders either way.
  const std::string name = m_strImagePath.substr(m_strImagePath.find_last_of("/\\") + 1);
  const std::filesystem::path beside = std::filesystem::path(GetPathName()).parent_path() / name;
  return !name.empty() && std::filesystem::exists(beside, ec) ? beside.string() : m_strImagePath;
}

bool CPxoDoc::ReloadImage() {
  if (m_strImagePath.empty()) return false;
  const std::string path = SheetFilePath();
  std::unique_ptr<CRasterImage> image = ReadImage(path);
  // A file missing, half written or refused leaves the sheet shown so far.
  if (!image) return false;
  CImageReaderList::DestroyImage(m_pImage);
  m_pImage = std::move(image);
  m_strLoadedImagePath = path;
  UpdateAllViews(nullptr, HINT_SHEET_RELOADED);
  return true;
}

bool CPxoDoc::OnNewDocument() { return CDocument::OnNewDocument(); }

bool CPxoDoc::OnSaveDocument(const std::string& path) {
  if (!CDocument::OnSaveDocument(path)) return false;
  m_history.MarkSaved();
  NotifyStateChanged();
  return true;
}

FileDialogRequest CPxoDoc::DocumentFileRequest(bool open) const {
  return PxoFileRequest(open, open ? std::string() : SuggestedFileName());
}

void CPxoDoc::DeleteContents() {
  // Steps refer to the records about to go.
  m_history.Clear();
  CImageReaderList::DestroyImage(m_pImage);
  m_strLoadedImagePath.clear();
  m_animations.clear();
  // A current animation must never outlive its record.
  m_pCurrentAnim = nullptr;
  m_strImagePath.clear();
  m_bSelectionValid = false;
}

}  // namespace pixolan
