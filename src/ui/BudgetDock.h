#pragma once
// The budget pane: a dock of the main window listing, for the active document
// window, what the console result says against the console's limits. Lines
// past a limit are red; clicking a line that names a frame makes it current.
#include <QDockWidget>
#include <QPointer>
#include <vector>

#include "export/BudgetRows.h"

class QListWidget;
class QListWidgetItem;

namespace pixolan {

class CChildFrame;
class CMainFrame;
class ISettings;

class CBudgetDock : public QDockWidget {
  Q_OBJECT
 public:
  // Shown as the settings say.
  CBudgetDock(CMainFrame& mainFrame, ISettings& settings);

  // The window whose result is listed; null: none.
  void SetFrame(CChildFrame* frame);
  // Lists the frame's result again (a new result, another current frame).
  void Refresh();
  QListWidget* List() const { return m_list; }

 protected:
  // Closed by its own button: the View menu's check and the settings follow.
  void closeEvent(QCloseEvent* event) override;

 private:
  void OnClicked(QListWidgetItem* item);

  QListWidget* m_list = nullptr;
  QPointer<CChildFrame> m_frame;
  std::vector<BudgetRow> m_rows;
  ISettings& m_settings;
};

}  // namespace pixolan
