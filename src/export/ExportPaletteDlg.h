#pragma once
// The palette export's dialog: the start index in the sheet's palette of each
// of the eight exported palettes and the label prefix, kept in the "ExportPalette" settings section.
#include <array>
#include <cstdint>
#include <string>

#include "export/ExportOptions.h"
#include "framework/Dialog.h"
#include "framework/Settings.h"

namespace pixolan {

class CExportPaletteDlg : public CDialog {
 public:
  enum { IDD = 140 };
  static constexpr int kPalettes = 8;
  static constexpr int IDC_PALETTE0 = 1016;  // palette n has the edit field 1016 + n
  static constexpr int IDC_LABEL_PREFIX = 1024;
  // The highest start index still addresses four entries: 252..255.
  static constexpr std::int32_t kMaxStart = 252;

  CExportPaletteDlg() : CDialog(IDD, "Export Palette") {}

  void DoDataExchange(CDataExchange& dx) override;

  // Missing entries default to 16 times the palette number.
  void ReadSettings(ISettings& settings) {
    m_nStart = ReadPaletteStarts(settings);
    m_strLabelPrefix = ReadPaletteLabelPrefix(settings);
  }
  void WriteSettings(ISettings& settings) const {
    WritePaletteStarts(settings, m_nStart);
    WritePaletteLabelPrefix(settings, m_strLabelPrefix);
  }

  PaletteStarts m_nStart{};
  std::string m_strLabelPrefix;  // checked by the export, which names the fault
};

}  // namespace pixolan
