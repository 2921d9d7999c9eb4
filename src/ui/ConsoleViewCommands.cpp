#include "ui/ConsoleViewCommands.h"

#include "ui/BudgetDock.h"
#include "ui/ChildFrame.h"
#include "ui/CommandIds.h"
#include "ui/CommandRowBuilder.h"
#include "ui/MainFrame.h"
#include "ui/PxoApp.h"
#include "view/DisplayFlags.h"

namespace pixolan {
namespace {

using C = const CommandContext&;

// The menus are first built without an application.
DisplayFlags Flags(C c) { return c.app != nullptr ? ReadDisplayFlags(c.app->Settings()) : DisplayFlags{}; }

// Keeps the flags and shows them in every window.
void Apply(C c, const DisplayFlags& flags) {
  if (c.app == nullptr || c.mainFrame == nullptr) return;
  WriteDisplayFlags(c.app->Settings(), flags);
  for (CChildFrame* frame : c.mainFrame->ChildFrames()) frame->ApplyDisplayFlags();
  if (auto* dock = c.mainFrame->findChild<CBudgetDock*>()) dock->setVisible(flags.bBudget);
}

// A checked View row that turns one display flag over.
template <bool DisplayFlags::*kFlag>
CommandRowBuilder Toggle(int id, const char* text, const char* keys, const char* tip) {
  return CommandRowBuilder(id, "&View", text).Keys(keys).Tip(tip)
      .Run([](C c) {
        DisplayFlags f = Flags(c);
        f.*kFlag = !(f.*kFlag);
        Apply(c, f);
      })
      .Checked([](C c) { return Flags(c).*kFlag; });
}

}  // namespace

std::vector<CommandRow> ConsoleViewCommands() {
  return {
      Toggle<&DisplayFlags::bShowTransparency>(ID_VIEW_TRANSPARENCY, "Show &Transparency", "Ctrl+Shift+T",
                                               "Show the sheet's transparent colour as a checkerboard")
          .Separated(),
      Toggle<&DisplayFlags::bConsoleColours>(ID_VIEW_CONSOLE_COLOURS, "&Console Colours", "Ctrl+Shift+C",
                                             "Show the sheet and the frames as the Game Boy Color shows the exported data"),
      Toggle<&DisplayFlags::bLcdColours>(ID_VIEW_LCD_COLOURS, "&LCD Colours", "Ctrl+Shift+L",
                                         "Imitate the colour LCD's washed-out look")
          .Enabled([](C c) { return Flags(c).bConsoleColours; }),
      Toggle<&DisplayFlags::bBudget>(ID_VIEW_BUDGET, "&Budget", "Ctrl+Shift+B",
                                     "Show what the console's limits allow and what is used"),
  };
}

}  // namespace pixolan
