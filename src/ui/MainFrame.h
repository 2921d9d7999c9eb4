#pragma once
// The main window: menus, toolbar, status bar with its five panes, and the MDI
// area holding one maximised window per open document view set.
#include <QMainWindow>
#include <optional>
#include <vector>

class QLabel;
class QMdiArea;
class QMdiSubWindow;

namespace pixolan {

class CPxoApp;
class CChildFrame;
class CMainMenus;
class CWindowListMenu;
struct CommandContext;

class CMainFrame : public QMainWindow {
  Q_OBJECT
 public:
  explicit CMainFrame(CPxoApp& app);
  ~CMainFrame() override;

  // Adds a document window, shown maximised.
  void AddChildFrame(CChildFrame* frame);
  CChildFrame* ActiveChildFrame() const;
  std::vector<CChildFrame*> ChildFrames() const;
  QMdiArea* MdiArea() const { return m_mdiArea; }
  CMainMenus& Menus() const { return *m_menus; }
  QLabel* CoordinatesPane() const { return m_paneCoordinates; }
  QLabel* ZoomPane() const { return m_paneZoom; }
  // Brings menus, toolbar, window titles and the coordinates pane up to date: after
  // every command, when windows come or go, and when a document's state changes.
  void UpdateShellState();
  // A passing message in the status bar's first pane.
  void ShowStatusMessage(const QString& text);
  static constexpr int kStatusMessageMs = 5000;
  // Runs a command by id, as the menus and the toolbar do.
  void OnCommand(int id);
  // "Pixolan - [walk.pxo[*]]" with the active document's title ("walk.pxo*" shown
  // while it is modified), "Pixolan" without one.
  static QString MainTitle(const std::optional<QString>& document);

 protected:
  void closeEvent(QCloseEvent* event) override;
  void dragEnterEvent(QDragEnterEvent* event) override;
  void dropEvent(QDropEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;
  void changeEvent(QEvent* event) override;

 private:
  void CreateControlBars();
  void CreateStatusBar();
  // What a command acts on: the application, this window, the active document window.
  CommandContext Context();
  void UpdateCommands();
  void UpdateTitles();
  // The canvas position while the active window's canvas pane is its active view.
  void UpdateCoordinates();
  // The active pane's zoom.
  void CreateZoomPane();
  void UpdateZoom();
  // The Window menu's list of documents and this window's title.
  void UpdateWindowList();
  void ActivateWindowAt(std::size_t index);

  CPxoApp& m_app;
  QMdiArea* m_mdiArea = nullptr;
  CMainMenus* m_menus = nullptr;
  QLabel* m_paneCoordinates = nullptr;
  QLabel* m_paneZoom = nullptr;
  CWindowListMenu* m_windowList = nullptr;
  QString m_strTitle;
};

}  // namespace pixolan
