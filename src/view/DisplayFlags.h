#pragma once
// How the panes show the sheet: its transparent colour as a checkerboard, the
// console's own result instead of the sheet's colours, the colour LCD's look,
// and whether the budget pane is shown. Kept in the settings section "View".
#include "framework/Settings.h"

namespace pixolan {

struct DisplayFlags {
  bool bShowTransparency = true;
  bool bConsoleColours = false;
  bool bLcdColours = false;  // only with console colours
  bool bBudget = false;

  bool Lcd() const { return bConsoleColours && bLcdColours; }
  bool operator==(const DisplayFlags&) const = default;
};

DisplayFlags ReadDisplayFlags(ISettings& settings);
void WriteDisplayFlags(ISettings& settings, const DisplayFlags& flags);

}  // namespace pixolan
