#include "document/AddAnimationDlg.h"

namespace pixolan {

void CAddAnimationDlg::DoDataExchange(CDataExchange& dx) {
  DDX_Text(dx, IDC_ANIM_NAME, m_strName);  // any name, empty too
  DDX_Text(dx, IDC_NUM_FRAMES, m_nNumFrames);
  DDV_MinMaxUInt(dx, m_nNumFrames, kMinFrames, kMaxFrames);
}

}  // namespace pixolan
