#pragma once
// Every command of the application in one table: its id, where it stands (menu,
// toolbar, keys), its texts, what it does and when it may. The main window's
// menus and toolbar and the animation list's menu are built from it, so adding
// a command is adding a row.
#include <optional>
#include <string>
#include <vector>

class QMenu;

namespace pixolan {

class CPxoApp;
class CMainFrame;
class CChildFrame;
class CPxoDoc;

// What a command acts on; null where there is none (the animation list's menu
// knows only its document).
struct CommandContext {
  CPxoApp* app = nullptr;
  CMainFrame* mainFrame = nullptr;
  CChildFrame* frame = nullptr;  // the active document window
  CPxoDoc* doc = nullptr;        // its document
};

using CommandHandler = void (*)(const CommandContext&);
using CommandRule = bool (*)(const CommandContext&);
// Said after the text ("&Undo" and the step it takes back); nothing: the text alone.
using CommandDetail = std::optional<std::string> (*)(const CommandContext&);

struct CommandRow {
  int id = 0;
  // "&File", a submenu "&File/Export Data", or "Anim List". In no menu: on the
  // main window when it has keys, else run by id only.
  const char* menu = nullptr;
  bool separatorBefore = false;
  const char* text = "";
  const char* keys = "";  // "Ctrl+Z|Alt+Backspace": the first is the one the menu shows
  const char* statusTip = "";
  const char* icon = nullptr;  // the toolbar button's icon (:/icons/<icon>.svg); null: no button
  const char* toolTip = "";
  int toolbarSlot = 0;  // buttons in this order; a gap in the numbers is a separator
  CommandHandler run = nullptr;    // null: nothing to do
  CommandRule enabled = nullptr;   // null: always; a disabled command never runs
  CommandRule checked = nullptr;   // null: not checkable
  CommandRule visible = nullptr;   // null: always shown
  CommandDetail detail = nullptr;  // null: the text alone
};

// A menu of the main window's menu bar, in the bar's order; a submenu is shown
// where its first command stands in its parent.
struct MenuRow {
  const char* path;
  CommandRule visible;  // null: always shown
};

const std::vector<CommandRow>& CommandTable();
const std::vector<MenuRow>& MenuBarTable();
// The text a menu shows for the command now: its text and the detail.
std::string CommandText(const CommandRow& row, const CommandContext& context);
// Runs the command when it is enabled (nothing for an id not in the table).
void RunCommand(int id, const CommandContext& context);
// Adds the commands of `menuPath` (a context menu's) to the menu, acting on `context`.
void AddCommands(QMenu& menu, const std::string& menuPath, const CommandContext& context);

}  // namespace pixolan
