#include "ui/MainMenus.h"

#include <QAction>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QToolBar>

#include "ui/CommandIds.h"

namespace pixolan {

CMainMenus::CMainMenus(QMainWindow& window, std::function<void(int)> onCommand)
    : QObject(&window), m_window(window), m_onCommand(std::move(onCommand)) {
  BuildFileMenu();
  BuildOtherMenus();
  AddAccelerators();
  for (int id : {ID_EDIT_UNDO, ID_EDIT_REDO, ID_EDIT_CUT, ID_EDIT_COPY, ID_EDIT_PASTE}) {
    m_actions[id]->setEnabled(false);
  }
}

QAction* CMainMenus::Add(QMenu* menu, int id, const QString& text, const QString& shortcut) {
  auto* action = new QAction(text, &m_window);
  if (!shortcut.isEmpty()) action->setShortcut(QKeySequence(shortcut));
  action->setData(id);
  connect(action, &QAction::triggered, this, [this, id] { m_onCommand(id); });
  if (menu != nullptr) menu->addAction(action);
  m_actions[id] = action;
  return action;
}

QAction* CMainMenus::Action(int id) const {
  const auto it = m_actions.find(id);
  return it != m_actions.end() ? it->second : nullptr;
}

void CMainMenus::BuildFileMenu() {
  m_file = m_window.menuBar()->addMenu("&File");
  Add(m_file, ID_FILE_NEW, "&New", "Ctrl+N")->setStatusTip("Create a new document");
  Add(m_file, ID_FILE_OPEN, "&Open...", "Ctrl+O")->setStatusTip("Open an existing document");
  m_documentOnly = {Add(m_file, ID_FILE_CLOSE, "&Close"), Add(m_file, ID_FILE_SAVE, "&Save", "Ctrl+S"),
                    Add(m_file, ID_FILE_SAVE_AS, "Save &As...")};
  m_file->addSeparator();
  QAction* import = Add(m_file, ID_IMPORT_IMAGE, "&Import Image");
  import->setStatusTip("Import a sprite sheet");
  QMenu* exportMenu = m_file->addMenu("Export Data");
  Add(exportMenu, ID_EXPORT_ANIM, "Anim as .ASM File");
  Add(exportMenu, ID_EXPORT_PALETTE, "Palette data from Bitmap");
  m_documentOnly.insert(m_documentOnly.end(), {import, exportMenu->menuAction(), m_file->addSeparator(),
                                               Add(m_file, ID_FILE_PRINT, "&Print...", "Ctrl+P"),
                                               Add(m_file, ID_FILE_PRINT_PREVIEW, "Print Pre&view")});
  m_actions[ID_FILE_SAVE]->setStatusTip("Save the active document");
  m_actions[ID_FILE_PRINT]->setStatusTip("Print the canvas");
  Add(m_file, ID_FILE_PRINT_SETUP, "P&rint Setup...");
  m_recentSeparator = m_file->addSeparator();
  m_exitSeparator = m_file->addSeparator();
  Add(m_file, ID_APP_EXIT, "E&xit")->setStatusTip("Quit the application; prompts to save documents");
  // Printing without the dialog shares its id with the coordinates pane.
  Add(nullptr, ID_FILE_PRINT_DIRECT, "Print");
}

void CMainMenus::BuildOtherMenus() {
  m_edit = m_window.menuBar()->addMenu("&Edit");
  Add(m_edit, ID_EDIT_UNDO, "&Undo", "Ctrl+Z");
  Add(m_edit, ID_EDIT_REDO, "&Redo", "Ctrl+Y");
  m_edit->addSeparator();
  Add(m_edit, ID_EDIT_CUT, "Cu&t", "Ctrl+X");
  Add(m_edit, ID_EDIT_COPY, "&Copy", "Ctrl+C");
  Add(m_edit, ID_EDIT_PASTE, "&Paste", "Ctrl+V");
  QMenu* view = m_window.menuBar()->addMenu("&View");
  Add(view, ID_VIEW_TOOLBAR, "&Toolbar")->setCheckable(true);
  Add(view, ID_VIEW_STATUS_BAR, "&Status Bar")->setCheckable(true);
  m_window_ = m_window.menuBar()->addMenu("&Window");
  Add(m_window_, ID_WINDOW_NEW, "&New Window");
  Add(m_window_, ID_WINDOW_CASCADE, "&Cascade");
  Add(m_window_, ID_WINDOW_TILE_HORZ, "&Tile");
  Add(m_window_, ID_WINDOW_ARRANGE, "&Arrange Icons");
  Add(m_window_, ID_WINDOW_SPLIT, "S&plit");
  QMenu* help = m_window.menuBar()->addMenu("&Help");
  Add(help, ID_APP_ABOUT, "&About Pixolan...")->setStatusTip("Display program information");
}

void CMainMenus::AddAccelerators() {
  // The second key of each editing command, and the pane keys.
  const struct {
    int id;
    const char* key;
  } extra[] = {{ID_EDIT_UNDO, "Alt+Backspace"}, {ID_EDIT_REDO, "Ctrl+Shift+Z"}, {ID_EDIT_CUT, "Shift+Del"},
               {ID_EDIT_COPY, "Ctrl+Ins"}, {ID_EDIT_PASTE, "Shift+Ins"}};
  for (const auto& e : extra) {
    QAction* action = m_actions[e.id];
    action->setShortcuts({action->shortcut(), QKeySequence(e.key)});
  }
  Add(nullptr, ID_NEXT_PANE, "Next Pane", "F6");
  Add(nullptr, ID_PREV_PANE, "Previous Pane", "Shift+F6");
  m_window.addAction(m_actions[ID_NEXT_PANE]);
  m_window.addAction(m_actions[ID_PREV_PANE]);
}

void CMainMenus::BuildToolBar(QToolBar& toolBar) const {
  const struct {
    int id;
    const char* icon;
    const char* tip;
  } buttons[] = {{ID_FILE_NEW, "new", "New"},       {ID_FILE_OPEN, "open", "Open"},   {ID_FILE_SAVE, "save", "Save"},
                 {0, nullptr, nullptr},             {ID_EDIT_CUT, "cut", "Cut"},      {ID_EDIT_COPY, "copy", "Copy"},
                 {ID_EDIT_PASTE, "paste", "Paste"}, {0, nullptr, nullptr},            {ID_FILE_PRINT, "print", "Print"},
                 {0, nullptr, nullptr},             {ID_APP_ABOUT, "about", "About"}};
  for (const auto& b : buttons) {
    if (b.icon == nullptr) {
      toolBar.addSeparator();
      continue;
    }
    QAction* action = Action(b.id);
    action->setIcon(QIcon(QString(":/icons/") + b.icon + ".svg"));
    action->setToolTip(b.tip);
    toolBar.addAction(action);
  }
}

void CMainMenus::ShowDocumentMenus(bool documentOpen) {
  for (QAction* action : m_documentOnly) action->setVisible(documentOpen);
  m_edit->menuAction()->setVisible(documentOpen);
  m_window_->menuAction()->setVisible(documentOpen);
  for (int id : {ID_FILE_SAVE, ID_FILE_PRINT}) m_actions[id]->setEnabled(documentOpen);
}

void CMainMenus::ShowHistory(const std::optional<std::string>& undoName, const std::optional<std::string>& redoName) {
  const auto show = [](QAction* action, const char* verb, const std::optional<std::string>& name) {
    const QString text = name ? QString("&%1 %2").arg(verb, QString::fromStdString(*name)) : QString("&%1").arg(verb);
    if (action->text() != text) action->setText(text);
    action->setEnabled(name.has_value());
  };
  show(m_actions[ID_EDIT_UNDO], "Undo", undoName);
  show(m_actions[ID_EDIT_REDO], "Redo", redoName);
}

void CMainMenus::SetRecentFiles(const std::vector<QString>& texts) {
  for (QAction* action : m_recent) {
    m_file->removeAction(action);
    action->deleteLater();
  }
  m_recent.clear();
  for (std::size_t i = 0; i < texts.size(); ++i) {
    const int id = ID_FILE_MRU_FILE1 + static_cast<int>(i);
    auto* action = new QAction(texts[i], m_file);
    connect(action, &QAction::triggered, this, [this, id] { m_onCommand(id); });
    m_file->insertAction(m_exitSeparator, action);
    m_recent.push_back(action);
  }
  if (texts.empty()) {
    // An empty list still shows where recent files will appear.
    auto* placeholder = new QAction("Recent File", m_file);
    placeholder->setEnabled(false);
    m_file->insertAction(m_exitSeparator, placeholder);
    m_recent.push_back(placeholder);
  }
}

}  // namespace pixolan
