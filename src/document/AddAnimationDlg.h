#pragma once
// The name and frame count of an animation, asked when adding one and again,
// unchanged, for its properties.
#include <cstdint>
#include <string>

#include "framework/Dialog.h"

namespace pixolan {

class CAddAnimationDlg : public CDialog {
 public:
  enum { IDD = 133 };
  enum ControlId { IDC_ANIM_NAME = 1002, IDC_NUM_FRAMES = 1003 };
  static constexpr std::uint32_t kMinFrames = 1;
  static constexpr std::uint32_t kMaxFrames = 128;

  CAddAnimationDlg() : CDialog(IDD, "Add New Animation") {}

  void DoDataExchange(CDataExchange& dx) override;

  std::string m_strName = "Unnamed";
  std::uint32_t m_nNumFrames = 1;
};

}  // namespace pixolan
