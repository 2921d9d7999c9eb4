#include "ui/ConsoleViewCommands.h"

#include "ui/BudgetDock.h"
#include "ui/ChildFrame.h"
#include "ui/CommandIds.h"
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

CommandRow Toggle(int id, const char* text, const char* keys, const char* tip, CommandHandler run, CommandRule checked) {
  CommandRow row;
  row.id = id;
  row.menu = "&View";
  row.text = text;
  row.keys = keys;
  row.statusTip = tip;
  row.run = run;
  row.checked = checked;
  return row;
}

}  // namespace

std::vector<CommandRow> ConsoleViewCommands() {
  std::vector<CommandRow> rows = {
      Toggle(ID_VIEW_TRANSPARENCY, "Show &Transparency", "Ctrl+Shift+T",
             "Show the sheet's transparent colour as a checkerboard",
             [](C c) {
               DisplayFlags f = Flags(c);
               f.bShowTransparency = !f.bShowTransparency;
               Apply(c, f);
             },
             [](C c) { return Flags(c).bShowTransparency; }),
      Toggle(ID_VIEW_CONSOLE_COLOURS, "&Console Colours", "Ctrl+Shift+C",
             "Show the sheet and the frames as the Game Boy Color shows the exported data",
             [](C c) {
               DisplayFlags f = Flags(c);
               f.bConsoleColours = !f.bConsoleColours;
               Apply(c, f);
             },
             [](C c) { return Flags(c).bConsoleColours; }),
      Toggle(ID_VIEW_LCD_COLOURS, "&LCD Colours", "Ctrl+Shift+L", "Imitate the colour LCD's washed-out look",
             [](C c) {
               DisplayFlags f = Flags(c);
               f.bLcdColours = !f.bLcdColours;
               Apply(c, f);
             },
             [](C c) { return Flags(c).bLcdColours; }),
      Toggle(ID_VIEW_BUDGET, "&Budget", "Ctrl+Shift+B", "Show what the console's limits allow and what is used",
             [](C c) {
               DisplayFlags f = Flags(c);
               f.bBudget = !f.bBudget;
               Apply(c, f);
             },
             [](C c) { return Flags(c).bBudget; }),
  };
  rows.front().separatorBefore = true;
  rows[2].enabled = [](C c) { return Flags(c).bConsoleColours; };
  return rows;
}

}  // namespace pixolan
