#include "document/PxoDoc.h"

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
  CAnimFrame* frame = CurrentFrameRecord();
  if (frame == nullptr) return;
  frame->Set(source, offsetX, offsetY);
  SetModifiedFlag();
}

void CPxoDoc::LiftCurrentFrame() {
  CAnimFrame* frame = CurrentFrameRecord();
  if (frame == nullptr || !frame->m_bValid) return;
  frame->m_bValid = false;
  SetModifiedFlag();
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

CRasterImage* CPxoDoc::LoadImage(const std::string& path) {
  CImageReaderList::DestroyImage(m_pImage);
  m_bSelectionValid = false;
  m_pImage = m_readers.OpenImage(path.c_str());
  if (!m_pImage) return nullptr;
  if (m_bBuildDisplayBitmap && m_pImage->CreateDisplayBitmap() == nullptr) {
    CImageReaderList::DestroyImage(m_pImage);
    return nullptr;
  }
  return m_pImage.get();
}

bool CPxoDoc::OnNewDocument() { return CDocument::OnNewDocument(); }

FileDialogRequest CPxoDoc::DocumentFileRequest(bool open) const {
  return PxoFileRequest(open, open ? std::string() : SuggestedFileName());
}

void CPxoDoc::DeleteContents() {
  CImageReaderList::DestroyImage(m_pImage);
  m_animations.clear();
  // A current animation must never outlive its record.
  m_pCurrentAnim = nullptr;
  m_pCellMap.clear();
  m_pBlocks.clear();
  m_pUniqueBlocks.clear();
  m_nUniqueBlocks = 0;
  m_nBlocks = 0;
  m_nPalettes = 0;
  m_strImagePath.clear();
  m_bSelectionValid = false;
}

}  // namespace pixolan
