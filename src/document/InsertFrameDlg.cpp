#include "document/InsertFrameDlg.h"

namespace pixolan {

void CInsertFrameDlg::DoDataExchange(CDataExchange& dx) {
  DDX_Text(dx, IDC_AFTER_FRAME, m_nAfterFrame);
  DDV_MinMaxInt(dx, m_nAfterFrame, kMinAfter, kMaxAfter);
}

}  // namespace pixolan
