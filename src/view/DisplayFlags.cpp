#include "view/DisplayFlags.h"

namespace pixolan {
namespace {
constexpr const char* kSection = "View";
}

DisplayFlags ReadDisplayFlags(ISettings& settings) {
  DisplayFlags flags;
  flags.bShowTransparency = settings.GetProfileInt(kSection, "ShowTransparency", 1) != 0;
  flags.bConsoleColours = settings.GetProfileInt(kSection, "ConsoleColours", 0) != 0;
  flags.bLcdColours = settings.GetProfileInt(kSection, "LcdColours", 0) != 0;
  flags.bBudget = settings.GetProfileInt(kSection, "Budget", 0) != 0;
  return flags;
}

void WriteDisplayFlags(ISettings& settings, const DisplayFlags& flags) {
  settings.WriteProfileInt(kSection, "ShowTransparency", flags.bShowTransparency ? 1 : 0);
  settings.WriteProfileInt(kSection, "ConsoleColours", flags.bConsoleColours ? 1 : 0);
  settings.WriteProfileInt(kSection, "LcdColours", flags.bLcdColours ? 1 : 0);
  settings.WriteProfileInt(kSection, "Budget", flags.bBudget ? 1 : 0);
}

}  // namespace pixolan
