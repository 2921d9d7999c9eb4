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
#include "export/ExportCommands.h"
#include "ui/ChildFrame.h"
#include "ui/CommandIds.h"
#include "ui/DialogUnits.h"
#include "ui/MainMenus.h"
#include "ui/PxoApp.h"
#include "ui/SpriteView.h"
#include "ui/TextCodec.h"

namespace pixolan {

CMainFrame::CMainFrame(CPxoApp& app) : m_app(app) {
  setWindowTitle("Pixolan[*]");
  setWindowIcon(QIcon(":/icons/pixolan.svg"));
  setAcceptDrops(true);
  m_mdiArea = new QMdiArea(this);
  m_mdiArea->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  m_mdiArea->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  setCentralWidget(m_mdiArea);
  m_menus = new CMainMenus(*this, [this](int id) { OnCommand(id); });
  CreateControlBars();
  CreateStatusBar();
  connect(m_mdiArea, &QMdiArea::subWindowActivated, this, [this] { OnIdle(); });
  // Menus and panes follow the state as the framework's idle updates do.
  connect(&m_idleTimer, &QTimer::timeout, this, &CMainFrame::OnIdle);
  m_idleTimer.start(200);
  OnIdle();
}

CMainFrame::~CMainFrame() = default;

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
  QAction* toggle = m_menus->Action(ID_VIEW_TOOLBAR);
  connect(toolBar, &QToolBar::visibilityChanged, toggle, &QAction::setChecked);
  toggle->setChecked(true);
}

void CMainFrame::CreateStatusBar() {
  QStatusBar* bar = statusBar();
  auto* ready = new QLabel("Ready", bar);
  bar->addWidget(ready, 1);
  m_paneCoordinates = new QLabel(bar);
  m_paneCoordinates->setObjectName("Coordinates");
  m_paneCoordinates->setMinimumWidth(QFontMetrics(font()).horizontalAdvance("X = 000000, Y = 000000") + 8);
  bar->addPermanentWidget(m_paneCoordinates);
  // Lock-key states are not readable on every platform: the panes stand greyed, as when off.
  for (const char* text : {"CAP", "NUM", "SCRL"}) {
    auto* pane = new QLabel(text, bar);
    pane->setEnabled(false);
    bar->addPermanentWidget(pane);
  }
  QAction* toggle = m_menus->Action(ID_VIEW_STATUS_BAR);
  toggle->setChecked(true);
}

void CMainFrame::AddChildFrame(CChildFrame* frame) {
  QMdiSubWindow* sub = m_mdiArea->addSubWindow(frame);
  sub->setAttribute(Qt::WA_DeleteOnClose);
  sub->setWindowIcon(QIcon(":/icons/document.svg"));
  sub->installEventFilter(this);
  sub->showMaximized();
  m_mdiArea->setActiveSubWindow(sub);
  OnIdle();
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
  if (!OnDocumentCommand(id) && !OnWindowCommand(id)) m_app.OnCommand(id);
  OnIdle();
}

bool CMainFrame::OnDocumentCommand(int id) {
  CChildFrame* frame = ActiveChildFrame();
  if (frame == nullptr) return false;
  CPxoDoc& doc = frame->Document();
  switch (id) {
    case ID_FILE_CLOSE: m_app.CloseDocument(doc); return true;
    case ID_FILE_SAVE: m_app.SaveDocument(doc, false); return true;
    case ID_FILE_SAVE_AS: m_app.SaveDocument(doc, true); return true;
    case ID_IMPORT_IMAGE: doc.OnImportImage(); return true;
    case ID_EXPORT_ANIM: OnExportAnim(doc); return true;
    case ID_EXPORT_PALETTE: OnExportPalette(doc); return true;
    case ID_FILE_PRINT: m_app.PrintCanvas(doc, CPxoApp::PrintMode::kDialog); return true;
    case ID_FILE_PRINT_DIRECT: m_app.PrintCanvas(doc, CPxoApp::PrintMode::kDirect); return true;
    case ID_FILE_PRINT_PREVIEW: m_app.PrintCanvas(doc, CPxoApp::PrintMode::kPreview); return true;
    case ID_EDIT_UNDO: doc.OnEditUndo(); return true;
    case ID_EDIT_REDO: doc.OnEditRedo(); return true;
    case ID_WINDOW_NEW: m_app.CreateChildFrame(doc); return true;
    case ID_WINDOW_SPLIT: frame->RecalcPanes(); return true;
    case ID_NEXT_PANE: frame->ActivateNextPane(+1); return true;
    case ID_PREV_PANE: frame->ActivateNextPane(-1); return true;
    default: return false;
  }
}

bool CMainFrame::OnWindowCommand(int id) {
  switch (id) {
    case ID_WINDOW_CASCADE: m_mdiArea->cascadeSubWindows(); return true;
    case ID_WINDOW_TILE_HORZ: m_mdiArea->tileSubWindows(); return true;
    case ID_WINDOW_ARRANGE: m_mdiArea->tileSubWindows(); return true;
    case ID_VIEW_TOOLBAR:
      for (QToolBar* bar : findChildren<QToolBar*>()) bar->setVisible(!bar->isVisible());
      return true;
    case ID_VIEW_STATUS_BAR:
      statusBar()->setVisible(!statusBar()->isVisible());
      m_menus->Action(ID_VIEW_STATUS_BAR)->setChecked(statusBar()->isVisible());
      return true;
    default: return false;
  }
}

void CMainFrame::OnIdle() {
  const std::vector<CChildFrame*> frames = ChildFrames();
  m_menus->ShowDocumentMenus(!frames.empty());
  UpdateTitles();
  CChildFrame* active = ActiveChildFrame();
  if (active != nullptr) {
    const CEditHistory& history = active->Document().History();
    m_menus->ShowHistory(history.CanUndo() ? std::optional(history.UndoName()) : std::nullopt,
                         history.CanRedo() ? std::optional(history.RedoName()) : std::nullopt);
  } else {
    m_menus->ShowHistory(std::nullopt, std::nullopt);
  }
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
