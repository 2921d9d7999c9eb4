#pragma once
// What the View menu shows in every document window: the block grid and the
// onion skin. Kept in the settings, so the next start shows the same.
#include "framework/Settings.h"

namespace pixolan {

struct ViewOptions {
  bool bGrid = false;
  bool bOnionSkin = false;      // the previous frame under the current one
  bool bOnionSkinNext = false;  // and the next frame, while bOnionSkin is on

  static ViewOptions Load(ISettings& settings);
  void Save(ISettings& settings) const;
};

}  // namespace pixolan
