#pragma once
// The animation export's options: palette file, forced first block, first-colour
// rule, remap and label prefix, kept in the "ExportOptions" settings section between exports.
#include <cstdint>
#include <string>

#include "export/ExportOptions.h"
#include "framework/Dialog.h"
#include "framework/Settings.h"

namespace pixolan {

class CExportOptionsDlg : public CDialog {
 public:
  enum { IDD = 139 };
  enum ControlId { IDC_FORCE_FIRST = 1013, IDC_PALETTE_NAME = 1014, IDC_BROWSE = 1015, IDC_USE_PALETTE = 1016,
                   IDC_FIRST_TRANS = 1017, IDC_REMAP = 1018, IDC_LABEL_PREFIX = 1019 };

  CExportOptionsDlg() : CDialog(IDD, "Export Options") {}

  void DoDataExchange(CDataExchange& dx) override;
  bool OnCommand(int controlId, IPrompts& prompts, DialogControls& controls) override;
  void OnBrowse(IPrompts& prompts, DialogControls& controls);

  // The fields as the export's options, and back.
  ExportOptions Options() const;
  void SetOptions(const ExportOptions& options);
  void ReadSettings(ISettings& settings) { SetOptions(ReadExportOptions(settings)); }
  void WriteSettings(ISettings& settings) const { WriteExportOptions(settings, Options()); }

  std::string m_strPaletteName;
  std::int32_t m_bUsePalette = 0;
  std::int32_t m_bForceFirst = 0;
  std::int32_t m_bFirstTrans = 0;
  std::int32_t m_bRemap = 0;
  std::string m_strLabelPrefix;  // checked by the export, which names the fault
};

}  // namespace pixolan
