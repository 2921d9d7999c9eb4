#include "view/ViewOptions.h"

namespace pixolan {
namespace {

constexpr const char* kSection = "View";

}  // namespace

ViewOptions ViewOptions::Load(ISettings& settings) {
  ViewOptions options;
  options.bGrid = settings.GetProfileInt(kSection, "Grid", 0) != 0;
  options.bOnionSkin = settings.GetProfileInt(kSection, "OnionSkin", 0) != 0;
  options.bOnionSkinNext = settings.GetProfileInt(kSection, "OnionSkinNext", 0) != 0;
  return options;
}

void ViewOptions::Save(ISettings& settings) const {
  settings.WriteProfileInt(kSection, "Grid", bGrid ? 1 : 0);
  settings.WriteProfileInt(kSection, "OnionSkin", bOnionSkin ? 1 : 0);
  settings.WriteProfileInt(kSection, "OnionSkinNext", bOnionSkinNext ? 1 : 0);
}

}  // namespace pixolan
