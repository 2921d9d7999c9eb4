// The document's own commands: Import Image, Add Animation, Properties, Insert
// Frame. Each asks through its dialog, then applies the answer as an undoable step.
#include "document/AddAnimationDlg.h"
#include "document/AddAnimationStep.h"
#include "document/AnimPropertiesStep.h"
#include "document/ImportImageStep.h"
#include "document/InsertFrameDlg.h"
#include "document/InsertFrameStep.h"
#include "document/PxoDoc.h"
#include "document/SheetFileDialog.h"

namespace pixolan {

void CPxoDoc::OnImportImage() {
  const std::optional<std::string> path = m_prompts.FileDialog(SheetFileRequest(".lbm"));
  if (!path) return;
  if (!ImportImage(*path)) m_prompts.MessageBox(kMsgUnableToLoadImage);
}

bool CPxoDoc::ImportImage(const std::string& path) {
  // A path the document file cannot hold is refused before the old sheet is dropped.
  if (path.size() >= kMaxDocumentString || path.find('\0') != std::string::npos) return false;
  std::unique_ptr<CRasterImage> image = ReadImage(path);
  if (!image) {
    // The old sheet is gone; the path keeps naming it, so the file would say the same.
    CImageReaderList::DestroyImage(m_pImage);
    m_bSelectionValid = false;
    return false;
  }
  Apply(std::make_unique<CImportImageStep>(std::move(image), path, m_rectSelection));
  return true;
}

void CPxoDoc::OnAddAnimation() {
  CAddAnimationDlg dialog;
  if (m_prompts.DoModal(dialog) != IDOK) return;
  AddAnimation(dialog.m_strName, dialog.m_nNumFrames);
}

void CPxoDoc::AddAnimation(const std::string& name, std::uint32_t frameCount) {
  auto animation = std::make_unique<CAnimation>();
  animation->SetName(name);
  animation->SetFrameCount(frameCount);
  Apply(std::make_unique<CAddAnimationStep>(std::move(animation), m_animations.size()));
}

void CPxoDoc::OnAnimProperties() {
  CAnimation* animation = m_pCurrentAnim;
  if (animation == nullptr) return;
  CAddAnimationDlg dialog;
  dialog.m_strName = animation->Name();
  dialog.m_nNumFrames = animation->m_nFrameCount;
  if (m_prompts.DoModal(dialog) != IDOK) return;
  SetAnimProperties(dialog.m_strName, dialog.m_nNumFrames);
}

void CPxoDoc::SetAnimProperties(const std::string& name, std::uint32_t frameCount) {
  const std::optional<std::size_t> index = CurrentAnimationIndex();
  if (!index) return;
  CAnimation* animation = m_pCurrentAnim;
  CAnimation changed = *animation;
  changed.SetName(name);
  changed.SetFrameCount(frameCount);
  if (changed.Name() != animation->Name() || changed.m_nFrameCount != animation->m_nFrameCount ||
      changed.HasFrameArray() != animation->HasFrameArray()) {
    Apply(std::make_unique<CAnimPropertiesStep>(*index, std::move(changed)));
    return;
  }
  // Accepted unchanged: the file would say the same, so no step; the views refresh.
  animation->SetName(name);
  animation->SetFrameCount(frameCount);
  UpdateAllViews(nullptr, HINT_ANIM_CHANGED);
}

void CPxoDoc::OnInsertFrame() {
  CAnimation* animation = m_pCurrentAnim;
  if (animation == nullptr) return;
  CInsertFrameDlg dialog;
  dialog.m_nAfterFrame = m_nCurrentFrame;
  if (m_prompts.DoModal(dialog) != IDOK) return;
  InsertFrameAfter(dialog.m_nAfterFrame);
}

void CPxoDoc::InsertFrameAfter(std::int32_t after) {
  const std::optional<std::size_t> index = CurrentAnimationIndex();
  if (!index) return;
  const CAnimation* animation = m_pCurrentAnim;
  // A number past the last frame inserts nothing but still refreshes the views.
  const bool inserts = after >= 0 && static_cast<std::uint32_t>(after) <= animation->m_nFrameCount &&
                       animation->HasFrameArray();
  if (inserts) {
    Apply(std::make_unique<CInsertFrameStep>(*index, static_cast<std::uint32_t>(after)));
  } else {
    UpdateAllViews(nullptr, HINT_ANIM_CHANGED);
  }
}

}  // namespace pixolan
