#include "export/ExportOptionsDlg.h"

#include <optional>

#include "export/AsmFileDialog.h"

namespace pixolan {
namespace {

constexpr const char* kSection = "ExportOptions";

}  // namespace

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

void CExportOptionsDlg::ReadSettings(ISettings& settings) {
  m_strPaletteName = settings.GetProfileString(kSection, "PaletteName", "");
  m_bUsePalette = settings.GetProfileInt(kSection, "UsePalette", 0);
  m_bForceFirst = settings.GetProfileInt(kSection, "ForceFirst", 0);
  m_bFirstTrans = settings.GetProfileInt(kSection, "FirstTrans", 0);
  m_bRemap = settings.GetProfileInt(kSection, "Remap", 0);
  m_strLabelPrefix = settings.GetProfileString(kSection, "LabelPrefix", "");
}

void CExportOptionsDlg::WriteSettings(ISettings& settings) const {
  settings.WriteProfileString(kSection, "PaletteName", m_strPaletteName);
  settings.WriteProfileInt(kSection, "UsePalette", m_bUsePalette);
  settings.WriteProfileInt(kSection, "ForceFirst", m_bForceFirst);
  settings.WriteProfileInt(kSection, "FirstTrans", m_bFirstTrans);
  settings.WriteProfileInt(kSection, "Remap", m_bRemap);
  settings.WriteProfileString(kSection, "LabelPrefix", m_strLabelPrefix);
}

}  // namespace pixolan
