#include "ui/CommandTable.h"

#include <QAction>
#include <QMdiArea>
#include <QMenu>
#include <QStatusBar>
#include <QToolBar>
#include <algorithm>

#include "document/PxoDoc.h"
#include "export/ExportCommands.h"
#include "ui/ChildFrame.h"
#include "ui/CommandIds.h"
#include "ui/CommandRowBuilder.h"
#include "ui/ConsoleViewCommands.h"
#include "ui/ListCommands.h"
#include "ui/MainFrame.h"
#include "ui/PxoApp.h"
#include "ui/ViewCommands.h"

namespace pixolan {
namespace {

constexpr const char* kFile = "&File";
constexpr const char* kExport = "&File/Export Data";
constexpr const char* kEdit = "&Edit";
constexpr const char* kView = "&View";
constexpr const char* kWindow = "&Window";
constexpr const char* kHelp = "&Help";
constexpr const char* kAnimList = "Anim List";

bool Never(const CommandContext&) { return false; }
bool CanUndo(const CommandContext& c) { return c.doc != nullptr && c.doc->History().CanUndo(); }
bool CanRedo(const CommandContext& c) { return c.doc != nullptr && c.doc->History().CanRedo(); }
std::optional<std::string> UndoName(const CommandContext& c) {
  return CanUndo(c) ? std::optional(c.doc->History().UndoName()) : std::nullopt;
}
std::optional<std::string> RedoName(const CommandContext& c) {
  return CanRedo(c) ? std::optional(c.doc->History().RedoName()) : std::nullopt;
}

using Row = CommandRowBuilder;

QToolBar* MainToolBar(const CommandContext& c) { return c.mainFrame->findChild<QToolBar*>("Toolbar"); }

void Print(const CommandContext& c, CPxoApp::PrintMode mode) { c.app->PrintCanvas(*c.frame, mode); }

std::vector<CommandRow> BuildTable() {
  using C = const CommandContext&;
  std::vector<CommandRow> table = {
      // File
      Row(ID_FILE_NEW, kFile, "&New").Keys("Ctrl+N").Tip("Create a new document").Button("new", "New", 1)
          .Run([](C c) { c.app->OnFileNew(); }),
      Row(ID_FILE_OPEN, kFile, "&Open...").Keys("Ctrl+O").Tip("Open an existing document").Button("open", "Open", 2)
          .Run([](C c) { c.app->OnFileOpen(); }),
      Row(ID_FILE_CLOSE, kFile, "&Close").DocumentOnly().Run([](C c) { c.app->CloseDocument(*c.doc); }),
      Row(ID_FILE_SAVE, kFile, "&Save").Keys("Ctrl+S").Tip("Save the active document").Button("save", "Save", 3)
          .DocumentOnly().Run([](C c) { c.app->SaveDocument(*c.doc, false); }),
      Row(ID_FILE_SAVE_AS, kFile, "Save &As...").DocumentOnly().Run([](C c) { c.app->SaveDocument(*c.doc, true); }),
      Row(ID_IMPORT_IMAGE, kFile, "&Import Image").Separated().Tip("Import a sprite sheet").DocumentOnly()
          .Run([](C c) { c.doc->OnImportImage(); }),
      Row(ID_EXPORT_ANIM, kExport, "Anim as .ASM File").Enabled(HasDocument).Run([](C c) { OnExportAnim(*c.doc); }),
      Row(ID_EXPORT_PALETTE, kExport, "Palette data from Bitmap").Enabled(HasDocument)
          .Run([](C c) { OnExportPalette(*c.doc); }),
      Row(ID_FILE_PRINT, kFile, "&Print...").Separated().Keys("Ctrl+P").Tip("Print the canvas")
          .Button("print", "Print", 9).DocumentOnly().Run([](C c) { Print(c, CPxoApp::PrintMode::kDialog); }),
      Row(ID_FILE_PRINT_PREVIEW, kFile, "Print Pre&view").DocumentOnly()
          .Run([](C c) { Print(c, CPxoApp::PrintMode::kPreview); }),
      Row(ID_FILE_PRINT_SETUP, kFile, "P&rint Setup...").Run([](C c) { c.app->OnFilePrintSetup(); }),
      // Where the recent files stand; shown while there are none.
      Row(ID_FILE_MRU_FILE1, kFile, "Recent File").Separated().Enabled(Never),
      Row(ID_APP_EXIT, kFile, "E&xit").Separated().Tip("Quit the application; prompts to save documents")
          .Run([](C c) { c.mainFrame->close(); }),
      // Printing without the dialog shares its id with the coordinates pane.
      Row(ID_FILE_PRINT_DIRECT, nullptr, "Print").Enabled(HasDocument)
          .Run([](C c) { Print(c, CPxoApp::PrintMode::kDirect); }),
      // Edit
      Row(ID_EDIT_UNDO, kEdit, "&Undo").Keys("Ctrl+Z|Alt+Backspace").Enabled(CanUndo).Detail(UndoName)
          .Run([](C c) { c.doc->OnEditUndo(); }),
      Row(ID_EDIT_REDO, kEdit, "&Redo").Keys("Ctrl+Y|Ctrl+Shift+Z").Enabled(CanRedo).Detail(RedoName)
          .Run([](C c) { c.doc->OnEditRedo(); }),
      Row(ID_EDIT_CUT, kEdit, "Cu&t").Separated().Keys("Ctrl+X|Shift+Del").Button("cut", "Cut", 5).Enabled(Never),
      Row(ID_EDIT_COPY, kEdit, "&Copy").Keys("Ctrl+C|Ctrl+Ins").Button("copy", "Copy", 6).Enabled(Never),
      Row(ID_EDIT_PASTE, kEdit, "&Paste").Keys("Ctrl+V|Shift+Ins").Button("paste", "Paste", 7).Enabled(Never),
      // View
      Row(ID_VIEW_TOOLBAR, kView, "&Toolbar")
          .Run([](C c) {
            for (QToolBar* bar : c.mainFrame->findChildren<QToolBar*>()) bar->setVisible(!bar->isVisible());
          })
          .Checked([](C c) { return MainToolBar(c) != nullptr && !MainToolBar(c)->isHidden(); }),
      Row(ID_VIEW_STATUS_BAR, kView, "&Status Bar")
          .Run([](C c) { c.mainFrame->statusBar()->setVisible(!c.mainFrame->statusBar()->isVisible()); })
          .Checked([](C c) { return !c.mainFrame->statusBar()->isHidden(); }),
      // Window
      Row(ID_WINDOW_NEW, kWindow, "&New Window").Enabled(HasDocument).Run([](C c) { c.app->CreateChildFrame(*c.doc); }),
      Row(ID_WINDOW_CASCADE, kWindow, "&Cascade").Run([](C c) { c.mainFrame->MdiArea()->cascadeSubWindows(); }),
      Row(ID_WINDOW_TILE_HORZ, kWindow, "&Tile").Run([](C c) { c.mainFrame->MdiArea()->tileSubWindows(); }),
      Row(ID_WINDOW_ARRANGE, kWindow, "&Arrange Icons").Run([](C c) { c.mainFrame->MdiArea()->tileSubWindows(); }),
      Row(ID_WINDOW_SPLIT, kWindow, "S&plit").Enabled(HasDocument).Run([](C c) { c.frame->RecalcPanes(); }),
      // Help
      Row(ID_APP_ABOUT, kHelp, "&About Pixolan...").Tip("Display program information").Button("about", "About", 11)
          .Run([](C c) { c.app->OnAppAbout(); }),
      // Keys only
      Row(ID_NEXT_PANE, nullptr, "Next Pane").Keys("F6").Enabled(HasDocument)
          .Run([](C c) { c.frame->ActivateNextPane(+1); }),
      Row(ID_PREV_PANE, nullptr, "Previous Pane").Keys("Shift+F6").Enabled(HasDocument)
          .Run([](C c) { c.frame->ActivateNextPane(-1); }),
      // The animation list's menu
      Row(ID_ADD_ANIMATION, kAnimList, "Add Animation").Enabled(HasDocument).Run([](C c) { c.doc->OnAddAnimation(); }),
      Row(ID_INSERT_FRAME, kAnimList, "Insert Frame").Enabled(HasDocument).Run([](C c) { c.doc->OnInsertFrame(); }),
      Row(ID_ANIM_PROPERTIES, kAnimList, "Properties").Enabled(HasDocument)
          .Run([](C c) { c.doc->OnAnimProperties(); }),
  };
  for (CommandRow& row : ConsoleViewCommands()) table.push_back(row);
  AddListCommands(table);
  return table;
}

}  // namespace

const std::vector<CommandRow>& CommandTable() {
  static const std::vector<CommandRow> table = [] {
    std::vector<CommandRow> rows = BuildTable();
    const std::vector<CommandRow> view = ViewCommandRows();  // the View menu's editing aids, last in it
    rows.insert(rows.end(), view.begin(), view.end());
    return rows;
  }();
  return table;
}

const std::vector<MenuRow>& MenuBarTable() {
  static const std::vector<MenuRow> menus = {
      {kFile, nullptr}, {kExport, HasDocument}, {kEdit, HasDocument}, {kView, nullptr}, {kWindow, HasDocument},
      {kHelp, nullptr}};
  return menus;
}

std::string CommandText(const CommandRow& row, const CommandContext& context) {
  const std::optional<std::string> detail = row.detail != nullptr ? row.detail(context) : std::nullopt;
  return detail ? std::string(row.text) + " " + *detail : std::string(row.text);
}

void RunCommand(int id, const CommandContext& context) {
  const std::vector<CommandRow>& table = CommandTable();
  const auto row = std::find_if(table.begin(), table.end(), [id](const CommandRow& r) { return r.id == id; });
  if (row == table.end()) return;
  if ((row->enabled == nullptr || row->enabled(context)) && row->run != nullptr) row->run(context);
}

void AddCommands(QMenu& menu, const std::string& menuPath, const CommandContext& context) {
  for (const CommandRow& row : CommandTable()) {
    if (row.menu == nullptr || menuPath != row.menu) continue;
    if (row.separatorBefore) menu.addSeparator();
    QAction* action = menu.addAction(QString::fromStdString(CommandText(row, context)));
    action->setEnabled(row.enabled == nullptr || row.enabled(context));
    const int id = row.id;
    QObject::connect(action, &QAction::triggered, &menu, [id, context] { RunCommand(id, context); });
  }
}

}  // namespace pixolan
