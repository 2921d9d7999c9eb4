#include "ui/MainMenus.h"

#include <QAction>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QToolBar>
#include <algorithm>

#include "ui/CommandIds.h"
#include "ui/CommandTable.h"

namespace pixolan {
namespace {

QList<QKeySequence> KeySequences(const char* keys) {
  QList<QKeySequence> sequences;
  for (const QString& key : QString(keys).split('|', Qt::SkipEmptyParts)) sequences.push_back(QKeySequence(key));
  return sequences;
}

}  // namespace

CMainMenus::CMainMenus(QMainWindow& window, std::function<void(int)> onCommand)
    : QObject(&window), m_window(window), m_onCommand(std::move(onCommand)) {
  for (const MenuRow& menu : MenuBarTable()) {
    if (std::string(menu.path).find('/') == std::string::npos) m_menus[menu.path] = m_window.menuBar()->addMenu(menu.path);
  }
  for (const CommandRow& row : CommandTable()) AddCommand(row);
  Update(CommandContext{});
}

QMenu* CMainMenus::Menu(const std::string& path) {
  if (const auto it = m_menus.find(path); it != m_menus.end()) return it->second;
  const auto& bar = MenuBarTable();
  const std::size_t slash = path.rfind('/');
  const bool onBar = std::any_of(bar.begin(), bar.end(), [&](const MenuRow& m) { return path == m.path; });
  QMenu* parent = onBar && slash != std::string::npos ? Menu(path.substr(0, slash)) : nullptr;
  if (parent == nullptr) return nullptr;
  // A submenu appears where its first command is added.
  return m_menus[path] = parent->addMenu(QString::fromStdString(path.substr(slash + 1)));
}

void CMainMenus::AddCommand(const CommandRow& row) {
  QMenu* menu = row.menu != nullptr ? Menu(row.menu) : nullptr;
  if (row.menu != nullptr && menu == nullptr) return;  // a context menu's command
  auto* action = new QAction(row.text, &m_window);
  action->setShortcuts(KeySequences(row.keys));
  if (*row.statusTip != '\0') action->setStatusTip(row.statusTip);
  action->setCheckable(row.checked != nullptr);
  action->setData(row.id);
  const int id = row.id;
  connect(action, &QAction::triggered, this, [this, id] { m_onCommand(id); });
  if (menu != nullptr) {
    if (row.separatorBefore) m_separatorsBefore[id] = menu->addSeparator();
    menu->addAction(action);
  } else if (*row.keys != '\0') {
    m_window.addAction(action);  // keys without a menu entry
  }
  m_actions[id] = action;
}

QAction* CMainMenus::Action(int id) const {
  const auto it = m_actions.find(id);
  return it != m_actions.end() ? it->second : nullptr;
}

void CMainMenus::BuildToolBar(QToolBar& toolBar) const {
  std::vector<const CommandRow*> buttons;
  for (const CommandRow& row : CommandTable()) {
    if (row.icon != nullptr) buttons.push_back(&row);
  }
  std::stable_sort(buttons.begin(), buttons.end(),
                   [](const CommandRow* a, const CommandRow* b) { return a->toolbarSlot < b->toolbarSlot; });
  int lastSlot = 0;
  for (const CommandRow* row : buttons) {
    if (lastSlot != 0 && row->toolbarSlot > lastSlot + 1) toolBar.addSeparator();
    lastSlot = row->toolbarSlot;
    QAction* action = Action(row->id);
    action->setIcon(QIcon(QString(":/icons/") + row->icon + ".svg"));
    action->setToolTip(row->toolTip);
    toolBar.addAction(action);
  }
}

void CMainMenus::Update(const CommandContext& context) {
  for (const CommandRow& row : CommandTable()) {
    QAction* action = Action(row.id);
    if (action == nullptr) continue;
    const QString text = QString::fromStdString(CommandText(row, context));
    if (action->text() != text) action->setText(text);
    action->setEnabled(row.enabled == nullptr || row.enabled(context));
    if (row.checked != nullptr && context.mainFrame != nullptr) action->setChecked(row.checked(context));
    if (row.visible != nullptr) action->setVisible(row.visible(context));
  }
  for (const MenuRow& menu : MenuBarTable()) {
    if (menu.visible != nullptr) Menu(menu.path)->menuAction()->setVisible(menu.visible(context));
  }
}

void CMainMenus::SetRecentFiles(const std::vector<QString>& texts) {
  QMenu* file = Menu("&File");
  for (QAction* action : m_recent) {
    file->removeAction(action);
    action->deleteLater();
  }
  m_recent.clear();
  for (std::size_t i = 0; i < texts.size(); ++i) {
    const int id = ID_FILE_MRU_FILE1 + static_cast<int>(i);
    auto* action = new QAction(texts[i], file);
    connect(action, &QAction::triggered, this, [this, id] { m_onCommand(id); });
    file->insertAction(m_separatorsBefore.at(ID_APP_EXIT), action);
    m_recent.push_back(action);
  }
  // An empty list still shows where recent files will appear.
  Action(ID_FILE_MRU_FILE1)->setVisible(texts.empty());
}

}  // namespace pixolan
