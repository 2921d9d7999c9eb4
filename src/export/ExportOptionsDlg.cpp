#include "export/ExportOptionsDlg.h"

#include <optional>

#include "export/AsmFileDialog.h"

namespace pixolan {
void CExportOptionsDlg::DoDataExchange(CDataExchange& dx) {
  DDX_Text(dx, IDC_PALETTE_NAME, m_strPaletteName);
  DDX_Check(dx, IDC_USE_PALETTE, m_bUsePalette);
  DDX_Check(dx, IDC_FORCE_FIRST, m_bForceFirst);
  DDX_Check(dx, IDC_FIRST_TRANS, m_bFirstTrans);
  DDX_Check(dx, IDC_REMAP, m_bRemap);
  DDX_Text(dx, IDC_LABEL_PREFIX, m_strLabelPrefix);
}

bool CExportOptionsDlg::OnCommand(int controlId, IPrompts& prompts, DialogControls& controls) {
  if (controlId != IDC_BROWSE) return false;
  OnBrowse(prompts, controls);
  return true;
}

void CExportOptionsDlg::OnBrowse(IPrompts& prompts, DialogControls& controls) {
  const std::optional<std::string> path = prompts.FileDialog(AsmFileRequest(true, "spritedata.asm"));
  if (!path) return;
  // Take the controls first so check boxes changed before browsing are kept.
  UpdateData(true, controls);
  m_strPaletteName = *path;
  UpdateData(false, controls);
}

ExportOptions CExportOptionsDlg::Options() const {
  ExportOptions options;
  options.m_strPaletteName = m_strPaletteName;
  options.m_bUsePalette = m_bUsePalette != 0;
  options.m_bForceFirst = m_bForceFirst != 0;
  options.m_bFirstTrans = m_bFirstTrans != 0;
  options.m_bRemap = m_bRemap != 0;
  options.m_strLabelPrefix = m_strLabelPrefix;
  return options;
}

void CExportOptionsDlg::SetOptions(const ExportOptions& options) {
  m_strPaletteName = options.m_strPaletteName;
  m_bUsePalette = options.m_bUsePalette ? 1 : 0;
  m_bForceFirst = options.m_bForceFirst ? 1 : 0;
  m_bFirstTrans = options.m_bFirstTrans ? 1 : 0;
  m_bRemap = options.m_bRemap ? 1 : 0;
  m_strLabelPrefix = options.m_strLabelPrefix;
}

}  // namespace pixolan
