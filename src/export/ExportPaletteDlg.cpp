#include "export/ExportPaletteDlg.h"

#include <string>

namespace pixolan {
namespace {

constexpr const char* kSection = "ExportPalette";

std::string EntryName(int palette) { return "Palette" + std::to_string(palette); }

}  // namespace

void CExportPaletteDlg::DoDataExchange(CDataExchange& dx) {
  for (int n = 0; n < kPalettes; ++n) {
    std::int32_t& start = m_nStart[static_cast<std::size_t>(n)];
    DDX_Text(dx, IDC_PALETTE0 + n, start);
    DDV_MinMaxInt(dx, start, 0, kMaxStart);
  }
  DDX_Text(dx, IDC_LABEL_PREFIX, m_strLabelPrefix);
}

void CExportPaletteDlg::ReadSettings(ISettings& settings) {
  for (int n = 0; n < kPalettes; ++n) {
    m_nStart[static_cast<std::size_t>(n)] = settings.GetProfileInt(kSection, EntryName(n), 16 * n);
  }
  m_strLabelPrefix = settings.GetProfileString(kSection, "LabelPrefix", "");
}

void CExportPaletteDlg::WriteSettings(ISettings& settings) const {
  for (int n = 0; n < kPalettes; ++n) {
    settings.WriteProfileInt(kSection, EntryName(n), m_nStart[static_cast<std::size_t>(n)]);
  }
  settings.WriteProfileString(kSection, "LabelPrefix", m_strLabelPrefix);
}

}  // namespace pixolan
