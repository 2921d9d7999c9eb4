#pragma once
// Where to insert an empty frame: after frame number m_nAfterFrame (0: first).
#include <cstdint>

#include "framework/Dialog.h"

namespace pixolan {

class CInsertFrameDlg : public CDialog {
 public:
  enum { IDD = 141 };
  enum ControlId { IDC_AFTER_FRAME = 1017 };
  static constexpr std::int32_t kMinAfter = 0;
  static constexpr std::int32_t kMaxAfter = 65536;

  CInsertFrameDlg() : CDialog(IDD, "Insert Frame") {}

  void DoDataExchange(CDataExchange& dx) override;

  std::int32_t m_nAfterFrame = 0;
};

}  // namespace pixolan
