#pragma once
// The main window's menus, toolbar buttons and keys, built from the command table,
// each action tagged with its command id; their states follow the table's rules.
#include <QObject>
#include <QString>
#include <functional>
#include <map>
#include <string>
#include <vector>

class QAction;
class QMainWindow;
class QMenu;
class QToolBar;

namespace pixolan {

struct CommandContext;
struct CommandRow;

class CMainMenus : public QObject {
  Q_OBJECT
 public:
  // Every action calls onCommand with its id.
  CMainMenus(QMainWindow& window, std::function<void(int)> onCommand);

  QAction* Action(int id) const;
  void BuildToolBar(QToolBar& toolBar) const;
  // Shows, enables, checks and names every command and menu as its rules say now.
  void Update(const CommandContext& context);
  // Replaces the recent-file entries of the File menu.
  void SetRecentFiles(const std::vector<QString>& texts);
  // The menu bar's menu (or submenu) at the path; null for a path not on the bar.
  QMenu* Menu(const std::string& path);

 private:
  void AddCommand(const CommandRow& row);

  QMainWindow& m_window;
  std::function<void(int)> m_onCommand;
  std::map<int, QAction*> m_actions;
  std::map<int, QAction*> m_separatorsBefore;
  std::map<std::string, QMenu*> m_menus;
  std::vector<QAction*> m_recent;
};

}  // namespace pixolan
