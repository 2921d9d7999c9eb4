#include "ui/ChildFrame.h"

#include <QAbstractSpinBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QShowEvent>
#include <QSplitter>

#include "document/PxoDoc.h"
#include "ui/AnimDetails.h"
#include "ui/ConsoleState.h"
#include "ui/FrameKeys.h"
#include "ui/ImageView.h"
#include "ui/QtGeometry.h"
#include "ui/SpriteView.h"
#include "view/PaneLayout.h"

namespace pixolan {

CChildFrame::CChildFrame(CPxoDoc& doc, QWidget* parent)
    : QWidget(parent),
      m_doc(doc),
      m_picture(doc),
      m_bridge(doc,
               [this](UpdateHint hint) {
                 if (hint == HINT_INITIAL_UPDATE || hint == HINT_IMAGE_CHANGED || hint == HINT_SHEET_RELOADED) {
                   m_picture.Invalidate();
                 }
                 // What the list commands may do follows the current animation and frame.
                 if (hint == HINT_CURRENT_CHANGED) emit documentStateChanged();
               }),
      m_stateBridge(doc, [this] { emit documentStateChanged(); }) {
  auto* layout = new QHBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  m_wndSplitter = new QSplitter(Qt::Horizontal, this);
  m_wndSplitter->setChildrenCollapsible(false);
  m_wndSplitter2 = new QSplitter(Qt::Vertical, m_wndSplitter);
  m_wndSplitter2->setChildrenCollapsible(false);
  m_pImageView = new CPxoImageView(doc, m_picture, m_wndSplitter2);
  m_pAnimDetails = new CPxoAnimDetails(doc, m_wndSplitter2);
  m_pSpriteView = new CPxoSpriteView(doc, m_picture, m_wndSplitter);
  m_wndSplitter->addWidget(m_wndSplitter2);
  m_wndSplitter->addWidget(m_pSpriteView);
  m_wndSplitter2->addWidget(m_pImageView);
  m_wndSplitter2->addWidget(m_pAnimDetails);
  m_wndSplitter->setSizes({200, 200});
  m_wndSplitter2->setSizes({100, 100});
  layout->addWidget(m_wndSplitter);
  connect(m_pImageView, &CScrollingView::activated, this, [this] { SetActiveView(m_pImageView); });
  connect(m_pSpriteView, &CScrollingView::activated, this, [this] { SetActiveView(m_pSpriteView); });
  connect(m_pAnimDetails, &CPxoAnimDetails::activated, this, [this] { SetActiveView(m_pAnimDetails); });
  connect(m_pSpriteView, &CPxoSpriteView::coordinatesChanged, this, &CChildFrame::statusChanged);
  ConnectZoom();
  m_pConsole = new CConsoleState(doc, this);
  connect(m_pConsole, &CConsoleState::changed, this, &CChildFrame::OnConsoleChanged);
  ApplyDisplayFlags();
  WatchFrameKeys();
  // The first pane is the sheet's: it starts as the active view.
  m_pActiveView = m_pImageView;
  setFocusProxy(m_pImageView);
}

void CChildFrame::ConnectZoom() {
  connect(m_pImageView, &CPxoImageView::zoomChanged, this, &CChildFrame::statusChanged);
  connect(m_pSpriteView, &CPxoSpriteView::zoomChanged, this, &CChildFrame::statusChanged);
  m_pSpriteView->SetPlayingQuery([this] { return m_pAnimDetails->Model().IsPlaying(); });
  connect(m_pAnimDetails, &CPxoAnimDetails::playbackChanged, m_pSpriteView->viewport(), qOverload<>(&QWidget::update));
}

void CChildFrame::ZoomActivePane(int direction) {
  if (m_pActiveView == m_pImageView) m_pImageView->ZoomBy(direction);
  else m_pSpriteView->ZoomBy(direction);
}

QString CChildFrame::ZoomText() const {
  if (m_pActiveView == m_pImageView) return QString("Sheet %1x").arg(m_pImageView->Model().Zoom());
  return QString("Canvas %1x").arg(m_pSpriteView->Model().Zoom());
}

void CChildFrame::WatchFrameKeys() {
  auto* keys = new CFrameKeys(*m_pAnimDetails);
  keys->Watch(m_pSpriteView);
  keys->Watch(m_pAnimDetails);
  // Fields keep their keys: Home, End, Space and Page Up / Down are for typing and stepping there.
  for (QWidget* control : m_pAnimDetails->findChildren<QWidget*>()) {
    const bool field = qobject_cast<QLineEdit*>(control) != nullptr ||
                       qobject_cast<QAbstractSpinBox*>(control) != nullptr ||
                       control->testAttribute(Qt::WA_InputMethodEnabled);
    if (!field) keys->Watch(control);
  }
}

void CChildFrame::InitialUpdateFrame() {
  m_picture.Invalidate();
  m_pSpriteView->OnInitialUpdate();
  m_pImageView->OnInitialUpdate();
  m_pAnimDetails->OnInitialUpdate();
}

void CChildFrame::ApplyDisplayFlags() {
  const DisplayFlags flags = ReadDisplayFlags(m_doc.Settings());
  m_picture.SetFlags(flags);
  m_pConsole->SetWanted(flags.bConsoleColours || flags.bBudget);
  m_pImageView->viewport()->update();
  m_pSpriteView->viewport()->update();
}

// Repaints only what a new result or stale mark changes: nothing is drawn of
// the result unless console colours or the budget are shown.
void CChildFrame::OnConsoleChanged() {
  const bool newResult = m_pConsole->Result().get() != m_picture.Console();
  const bool newStale = m_pConsole->IsStale() != m_picture.IsStale();
  if (newResult) m_picture.SetConsole(m_pConsole->Result());
  m_picture.SetStale(m_pConsole->IsStale());
  const DisplayFlags& flags = m_picture.Flags();
  if (!(newResult || newStale) || !(flags.bConsoleColours || flags.bBudget)) return;
  m_pImageView->viewport()->update();
  m_pSpriteView->viewport()->update();
}

void CChildFrame::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  RecalcPanes();
}

void CChildFrame::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  // A window sized while hidden lays its splitters out only now.
  RecalcPanes();
}

void CChildFrame::RecalcPanes() {
  if (QLayout* frameLayout = layout()) frameLayout->activate();
  const PaneSplit split = SplitChildClient(ToCRect(rect()));
  const int outerTotal = m_wndSplitter->width() - m_wndSplitter->handleWidth();
  const int innerTotal = m_wndSplitter2->height() - m_wndSplitter2->handleWidth();
  m_wndSplitter->setSizes({split.nLeftColumnWidth, std::max(outerTotal - split.nLeftColumnWidth, 0)});
  m_wndSplitter2->setSizes({split.nTopRowHeight, std::max(innerTotal - split.nTopRowHeight, 0)});
}

void CChildFrame::SetActiveView(QWidget* view) {
  if (view == m_pActiveView) return;
  m_pActiveView = view;
  emit statusChanged();
}

void CChildFrame::ActivateNextPane(int direction) {
  const QWidget* panes[] = {m_pImageView, m_pAnimDetails, m_pSpriteView};
  int index = 0;
  for (int i = 0; i < 3; ++i) {
    if (panes[i] == m_pActiveView) index = i;
  }
  QWidget* next = const_cast<QWidget*>(panes[(index + 3 + direction) % 3]);
  SetActiveView(next);
  next->setFocus(Qt::TabFocusReason);
}

}  // namespace pixolan
