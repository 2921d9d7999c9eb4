#include "export/ExportPaletteDlg.h"

namespace pixolan {
void CExportPaletteDlg::DoDataExchange(CDataExchange& dx) {
  for (int n = 0; n < kPalettes; ++n) {
    std::int32_t& start = m_nStart[static_cast<std::size_t>(n)];
    DDX_Text(dx, IDC_PALETTE0 + n, start);
    DDV_MinMaxInt(dx, start, 0, kMaxStart);
  }
  DDX_Text(dx, IDC_LABEL_PREFIX, m_strLabelPrefix);
}

}  // namespace pixolan
