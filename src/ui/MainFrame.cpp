#include "ui/MainFrame.h"

#include <QAction>
#include <QCloseEvent>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMimeData>
#include <QStatusBar>
#include <QToolBar>

#include "document/PxoDoc.h"
#include "ui/BudgetDock.h"
#include "ui/ChildFrame.h"
#include "ui/ConsoleState.h"
#include "ui/CommandIds.h"
#include "ui/CommandTable.h"
#include "ui/DialogUnits.h"
#include "ui/MainMenus.h"
#include "ui/PxoApp.h"
#include "ui/SpriteView.h"
#include "ui/TextCodec.h"
#include "ui/WindowListMenu.h"

namespace pixolan {

CMainFrame::CMainFrame(CPxoApp& app) : m_app(app) {
  setWindowTitle(MainTitle(std::nullopt));
  setWindowIcon(QIcon(":/icons/pixolan.svg"));
  setAcceptDrops(true);
  m_mdiArea = new QMdiArea(this);
  m_mdiArea->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  m_mdiArea->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  setCentralWidget(m_mdiArea);
  m_menus = new CMainMenus(*this, [this](int id) { OnCommand(id); });
  m_windowList = new CWindowListMenu(*m_menus->Menu("&Window"), [this](std::size_t i) { ActivateWindowAt(i); });
  CreateControlBars();
  CreateStatusBar();
  new CBudgetDock(*this, app.Settings());
  connect(m_mdiArea, &QMdiArea::subWindowActivated, this, &CMainFrame::UpdateShellState);
  UpdateShellState();
}

CMainFrame::~CMainFrame() {
  // Windows and bars going with this one must not update it any more.
  m_mdiArea->disconnect(this);
  for (QToolBar* bar : findChildren<QToolBar*>()) bar->disconnect(this);
}

void CMainFrame::CreateControlBars() {
  auto* toolBar = addToolBar("Toolbar");
  toolBar->setObjectName("Toolbar");
  toolBar->setIconSize(QSize(16, 16));
  m_menus->BuildToolBar(*toolBar);
  // The empty dialog bar band beside the toolbar.
  auto* dialogBar = addToolBar("Dialog Bar");
  dialogBar->setObjectName("DialogBar");
  auto* band = new QWidget(dialogBar);
  band->setFixedSize(DialogUnitsToPixels(QFontMetrics(font()), 0, 0, 330, 16).size());
  dialogBar->addWidget(band);
  // Hidden also from its own context menu: the View menu's check follows.
  connect(toolBar, &QToolBar::visibilityChanged, this, &CMainFrame::UpdateCommands);
}

void CMainFrame::CreateStatusBar() {
  QStatusBar* bar = statusBar();
  auto* ready = new QLabel("Ready", bar);
  bar->addWidget(ready, 1);
  m_paneCoordinates = new QLabel(bar);
  m_paneCoordinates->setObjectName("Coordinates");
  m_paneCoordinates->setMinimumWidth(QFontMetrics(font()).horizontalAdvance("X = 000000, Y = 000000") + 8);
  bar->addPermanentWidget(m_paneCoordinates);
  CreateZoomPane();
  // Lock-key states are not readable on every platform: the panes stand greyed, as when off.
  for (const char* text : {"CAP", "NUM", "SCRL"}) {
    auto* pane = new QLabel(text, bar);
    pane->setEnabled(false);
    bar->addPermanentWidget(pane);
  }
}

void CMainFrame::AddChildFrame(CChildFrame* frame) {
  QMdiSubWindow* sub = m_mdiArea->addSubWindow(frame);
  sub->setAttribute(Qt::WA_DeleteOnClose);
  sub->setWindowIcon(QIcon(":/icons/document.svg"));
  sub->installEventFilter(this);
  sub->showMaximized();
  m_mdiArea->setActiveSubWindow(sub);
  connect(frame, &CChildFrame::documentStateChanged, this, [this] {
    UpdateCommands();
    UpdateTitles();
  });
  connect(frame, &CChildFrame::statusChanged, this, &CMainFrame::UpdateCoordinates);
  connect(frame, &CChildFrame::statusChanged, this, &CMainFrame::UpdateZoom);
  UpdateShellState();
}

CChildFrame* CMainFrame::ActiveChildFrame() const {
  QMdiSubWindow* sub = m_mdiArea->activeSubWindow();
  if (sub == nullptr && !m_mdiArea->subWindowList().isEmpty()) sub = m_mdiArea->subWindowList().last();
  return sub != nullptr ? qobject_cast<CChildFrame*>(sub->widget()) : nullptr;
}

std::vector<CChildFrame*> CMainFrame::ChildFrames() const {
  std::vector<CChildFrame*> frames;
  for (QMdiSubWindow* sub : m_mdiArea->subWindowList()) {
    if (auto* frame = qobject_cast<CChildFrame*>(sub->widget())) frames.push_back(frame);
  }
  return frames;
}

bool CMainFrame::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::Close) {
    auto* sub = qobject_cast<QMdiSubWindow*>(watched);
    auto* frame = sub != nullptr ? qobject_cast<CChildFrame*>(sub->widget()) : nullptr;
    if (frame != nullptr && !m_app.CanCloseFrame(*frame)) {
      event->ignore();
      return true;
    }
  }
  return QMainWindow::eventFilter(watched, event);
}

void CMainFrame::OnCommand(int id) {
  if (id >= ID_FILE_MRU_FILE1 && id < ID_FILE_MRU_FILE1 + kRecentFileCount) {
    m_app.OpenRecentFile(static_cast<std::size_t>(id - ID_FILE_MRU_FILE1));
  } else {
    RunCommand(id, Context());
  }
  // A command may have changed the export options that the console result follows.
  for (CChildFrame* frame : ChildFrames()) frame->Console().Schedule();
  UpdateShellState();
}

CommandContext CMainFrame::Context() {
  CommandContext context;
  context.app = &m_app;
  context.mainFrame = this;
  context.frame = ActiveChildFrame();
  context.doc = context.frame != nullptr ? &context.frame->Document() : nullptr;
  return context;
}

void CMainFrame::UpdateShellState() {
  UpdateCommands();
  UpdateTitles();
  UpdateCoordinates();
  UpdateZoom();
}

void CMainFrame::CreateZoomPane() {
  m_paneZoom = new QLabel(statusBar());
  m_paneZoom->setObjectName("Zoom");
  m_paneZoom->setMinimumWidth(QFontMetrics(font()).horizontalAdvance("Canvas 16x") + 8);
  statusBar()->addPermanentWidget(m_paneZoom);
}

void CMainFrame::UpdateZoom() {
  CChildFrame* active = ActiveChildFrame();
  const QString text = active != nullptr ? active->ZoomText() : QString();
  if (m_paneZoom->text() != text) m_paneZoom->setText(text);
}

void CMainFrame::UpdateCommands() { m_menus->Update(Context()); }

void CMainFrame::UpdateCoordinates() {
  CChildFrame* active = ActiveChildFrame();
  QString coordinates;
  if (active != nullptr && active->ActiveView() == active->SpriteView()) {
    coordinates = active->SpriteView()->CoordinatesText();
  }
  if (m_paneCoordinates->text() != coordinates) m_paneCoordinates->setText(coordinates);
}

void CMainFrame::UpdateTitles() {
  for (QMdiSubWindow* sub : m_mdiArea->subWindowList()) {
    auto* frame = qobject_cast<CChildFrame*>(sub->widget());
    if (frame == nullptr) continue;
    const QString title = m_app.FrameTitle(*frame) + "[*]";
    if (sub->windowTitle() != title) sub->setWindowTitle(title);
    sub->setWindowModified(frame->Document().IsModified());
  }
  UpdateWindowList();
}

QString CMainFrame::MainTitle(const std::optional<QString>& document) {
  // The placeholder shows the modified mark once, where the document's name ends.
  return document ? "Pixolan - [" + *document + "[*]]" : "Pixolan";
}

void CMainFrame::UpdateWindowList() {
  const QList<QMdiSubWindow*> subs = m_mdiArea->subWindowList();
  std::vector<QString> titles;
  std::optional<std::size_t> active;
  std::optional<QString> activeTitle;
  CChildFrame* activeFrame = ActiveChildFrame();
  for (QMdiSubWindow* sub : subs) {
    auto* frame = qobject_cast<CChildFrame*>(sub->widget());
    if (frame == nullptr) continue;
    if (frame == activeFrame) {
      active = titles.size();
      activeTitle = m_app.FrameTitle(*frame);
    }
    titles.push_back(m_app.FrameTitle(*frame));
  }
  m_windowList->Show(titles, active);
  m_strTitle = MainTitle(activeTitle);
  if (windowTitle() != m_strTitle) setWindowTitle(m_strTitle);
  setWindowModified(activeFrame != nullptr && activeFrame->Document().IsModified());
}

void CMainFrame::ActivateWindowAt(std::size_t index) {
  std::size_t i = 0;
  for (QMdiSubWindow* sub : m_mdiArea->subWindowList()) {
    if (qobject_cast<CChildFrame*>(sub->widget()) == nullptr) continue;
    if (i++ == index) {
      m_mdiArea->setActiveSubWindow(sub);
      return;
    }
  }
}

void CMainFrame::changeEvent(QEvent* event) {
  QMainWindow::changeEvent(event);
  // A maximised document window writes its own title into this one's: ours stands.
  if (event->type() == QEvent::WindowTitleChange && !m_strTitle.isEmpty() && windowTitle() != m_strTitle) {
    setWindowTitle(m_strTitle);
  }
}

void CMainFrame::ShowStatusMessage(const QString& text) { statusBar()->showMessage(text, kStatusMessageMs); }

void CMainFrame::closeEvent(QCloseEvent* event) {
  if (!m_app.SaveAllModified()) {
    event->ignore();
    return;
  }
  m_app.CloseAllDocuments();
  event->accept();
}

void CMainFrame::dragEnterEvent(QDragEnterEvent* event) {
  if (event->mimeData()->hasUrls()) event->acceptProposedAction();
}

void CMainFrame::dropEvent(QDropEvent* event) {
  for (const QUrl& url : event->mimeData()->urls()) {
    if (url.isLocalFile()) m_app.OpenDocumentFile(ToCorePath(url.toLocalFile()));
  }
  event->acceptProposedAction();
  activateWindow();
}

}  // namespace pixolan
