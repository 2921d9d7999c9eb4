// The document's own commands: Import Image, Add Animation, Properties, Insert Frame.
#include "document/AddAnimationDlg.h"
#include "document/InsertFrameDlg.h"
#include "document/PxoDoc.h"

namespace pixolan {
namespace {

constexpr const char* kMsgUnableToLoadImage = "FATAL: Unable to load image file";

}  // namespace

void CPxoDoc::OnImportImage() {
  FileDialogRequest request;
  request.bOpen = true;
  request.strDefaultExt = ".lbm";
  request.bHideReadOnly = true;
  request.bOverwritePrompt = true;
  request.strFilter = kSheetFileFilter;
  const std::optional<std::string> path = m_prompts.FileDialog(request);
  if (!path) return;
  // A path the document file cannot hold is refused before the old sheet is dropped.
  if (path->size() >= kMaxDocumentString || path->find('\0') != std::string::npos) {
    m_prompts.MessageBox(kMsgUnableToLoadImage);
    return;
  }
  // The old sheet is gone whatever the outcome; the path keeps naming it on failure.
  if (LoadImage(*path) == nullptr) {
    m_prompts.MessageBox(kMsgUnableToLoadImage);
    return;
  }
  m_strImagePath = *path;
  SetModifiedFlag();
  UpdateAllViews(nullptr, HINT_IMAGE_CHANGED);
}

void CPxoDoc::OnAddAnimation() {
  CAddAnimationDlg dialog;
  if (m_prompts.DoModal(dialog) != IDOK) return;
  auto animation = std::make_unique<CAnimation>();
  animation->SetName(dialog.m_strName);
  animation->SetFrameCount(dialog.m_nNumFrames);
  m_animations.push_back(std::move(animation));
  SetModifiedFlag();
  UpdateAllViews(nullptr, HINT_ANIM_ADDED);
}

void CPxoDoc::OnAnimProperties() {
  CAnimation* animation = m_pCurrentAnim;
  if (animation == nullptr) return;
  CAddAnimationDlg dialog;
  dialog.m_strName = animation->Name();
  dialog.m_nNumFrames = animation->m_nFrameCount;
  if (m_prompts.DoModal(dialog) != IDOK) return;
  const std::string oldName = animation->Name();
  const std::uint32_t oldCount = animation->m_nFrameCount;
  animation->SetName(dialog.m_strName);
  animation->SetFrameCount(dialog.m_nNumFrames);
  if (animation->Name() != oldName || animation->m_nFrameCount != oldCount) SetModifiedFlag();
  UpdateAllViews(nullptr, HINT_ANIM_CHANGED);
}

void CPxoDoc::OnInsertFrame() {
  CAnimation* animation = m_pCurrentAnim;
  if (animation == nullptr) return;
  CInsertFrameDlg dialog;
  dialog.m_nAfterFrame = m_nCurrentFrame;
  if (m_prompts.DoModal(dialog) != IDOK) return;
  // A number past the last frame inserts nothing but still refreshes the views.
  if (dialog.m_nAfterFrame >= 0 && static_cast<std::uint32_t>(dialog.m_nAfterFrame) <= animation->m_nFrameCount) {
    const std::size_t framesBefore = animation->m_pFrames.size();
    animation->InsertFrame(static_cast<std::uint32_t>(dialog.m_nAfterFrame));
    if (animation->m_pFrames.size() != framesBefore) SetModifiedFlag();
  }
  UpdateAllViews(nullptr, HINT_ANIM_CHANGED);
}

}  // namespace pixolan
