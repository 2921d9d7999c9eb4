#pragma once
// The Window menu's list of open document windows, after its commands:
// "&1 walk.pxo", ... with the active one checked; choosing one activates it.
#include <QObject>
#include <QString>
#include <functional>
#include <optional>
#include <vector>

class QAction;
class QMenu;

namespace pixolan {

class CWindowListMenu : public QObject {
  Q_OBJECT
 public:
  // onChoose: the index of the window chosen.
  CWindowListMenu(QMenu& menu, std::function<void(std::size_t)> onChoose);

  // The windows' titles in order and the active one's index.
  void Show(const std::vector<QString>& titles, std::optional<std::size_t> active);
  // "&1 walk.pxo" for index 0; an ampersand in the title stays one.
  static QString EntryText(std::size_t index, const QString& title);

 private:
  void Rebuild(const std::vector<QString>& titles);

  QMenu& m_menu;
  std::function<void(std::size_t)> m_onChoose;
  QAction* m_separator = nullptr;
  std::vector<QAction*> m_entries;
};

}  // namespace pixolan
