#pragma once
// The main window's menus, toolbar actions and accelerators, each action tagged
// with its command id. Two menu sets: without a document (File, View, Help) and
// with one (File, Edit, View, Window, Help).
#include <QObject>
#include <QString>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

class QAction;
class QMainWindow;
class QMenu;
class QToolBar;

namespace pixolan {

class CMainMenus : public QObject {
  Q_OBJECT
 public:
  // Every action calls onCommand with its id.
  CMainMenus(QMainWindow& window, std::function<void(int)> onCommand);

  QAction* Action(int id) const;
  void BuildToolBar(QToolBar& toolBar) const;
  // Shows the document menus (and commands) or only those of an empty frame.
  void ShowDocumentMenus(bool documentOpen);
  // "&Undo Place Frame" and "&Redo ..." when there is a step to take back or again;
  // plain and disabled otherwise.
  void ShowHistory(const std::optional<std::string>& undoName, const std::optional<std::string>& redoName);
  // Replaces the recent-file entries of the File menu.
  void SetRecentFiles(const std::vector<QString>& texts);

 private:
  QAction* Add(QMenu* menu, int id, const QString& text, const QString& shortcut = {});
  void BuildFileMenu();
  void BuildOtherMenus();
  void AddAccelerators();

  QMainWindow& m_window;
  std::function<void(int)> m_onCommand;
  std::map<int, QAction*> m_actions;
  QMenu* m_file = nullptr;
  QMenu* m_edit = nullptr;
  QMenu* m_window_ = nullptr;
  QAction* m_recentSeparator = nullptr;
  QAction* m_exitSeparator = nullptr;
  std::vector<QAction*> m_recent;
  std::vector<QAction*> m_documentOnly;
};

}  // namespace pixolan
