#include "ui/WindowListMenu.h"

#include <QAction>
#include <QMenu>

namespace pixolan {

CWindowListMenu::CWindowListMenu(QMenu& menu, std::function<void(std::size_t)> onChoose)
    : QObject(&menu), m_menu(menu), m_onChoose(std::move(onChoose)) {}

QString CWindowListMenu::EntryText(std::size_t index, const QString& title) {
  QString escaped = title;
  escaped.replace('&', "&&");
  // Numbers 1 to 9 are the menu's access keys; later windows are listed without one.
  const QString number = QString::number(index + 1);
  return (index < 9 ? "&" + number : number) + " " + escaped;
}

void CWindowListMenu::Show(const std::vector<QString>& titles, std::optional<std::size_t> active) {
  // Rebuilt only when a title changed (this runs after every command); the checks follow always.
  bool same = m_entries.size() == titles.size();
  for (std::size_t i = 0; same && i < titles.size(); ++i) same = m_entries[i]->text() == EntryText(i, titles[i]);
  if (!same) Rebuild(titles);
  for (std::size_t i = 0; i < m_entries.size(); ++i) m_entries[i]->setChecked(active == i);
}

void CWindowListMenu::Rebuild(const std::vector<QString>& titles) {
  // Later: the entry chosen may be the one whose signal is running.
  for (QAction* old : m_entries) {
    m_menu.removeAction(old);
    old->deleteLater();
  }
  m_entries.clear();
  if (m_separator != nullptr) {
    m_menu.removeAction(m_separator);
    m_separator->deleteLater();
  }
  m_separator = titles.empty() ? nullptr : m_menu.addSeparator();
  for (std::size_t i = 0; i < titles.size(); ++i) {
    QAction* entry = m_menu.addAction(EntryText(i, titles[i]));
    entry->setCheckable(true);
    connect(entry, &QAction::triggered, this, [this, i] { m_onChoose(i); });
    m_entries.push_back(entry);
  }
}

}  // namespace pixolan
