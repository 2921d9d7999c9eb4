#include "ui/ScrollingView.h"

#include <QEvent>
#include <QFocusEvent>
#include <QMouseEvent>
#include <QApplication>
#include <QScrollBar>
#include <algorithm>

#include "document/PxoDoc.h"
#include "ui/QtGeometry.h"
#include "view/AutoScroll.h"
#include "view/ZoomMath.h"

namespace pixolan {

CScrollingView::CScrollingView(QWidget* parent) : QAbstractScrollArea(parent) {
  viewport()->setMouseTracking(true);
  setFocusPolicy(Qt::StrongFocus);
  setFrameShape(QFrame::NoFrame);
  m_autoScroll.setInterval(kAutoScrollIntervalMs);
  connect(&m_autoScroll, &QTimer::timeout, this, &CScrollingView::OnAutoScrollTick);
}

CPoint CScrollingView::ScrollPosition() const {
  return CPoint{horizontalScrollBar()->value(), verticalScrollBar()->value()};
}

void CScrollingView::SetScrollSizes(CSize total) {
  m_total = total;
  UpdateScrollBars();
}

void CScrollingView::SetScrollPosition(CPoint scroll) {
  horizontalScrollBar()->setValue(scroll.x);
  verticalScrollBar()->setValue(scroll.y);
}

int CScrollingView::WheelZoomDirection(const QWheelEvent& event) {
  if (!(event.modifiers() & Qt::ControlModifier)) return 0;
  const int delta = event.angleDelta().y() != 0 ? event.angleDelta().y() : event.angleDelta().x();
  return delta > 0 ? 1 : delta < 0 ? -1 : 0;
}

void CScrollingView::ZoomBy(int direction) {
  const std::int32_t zoom = CurrentZoom();
  if (zoom == 0) return;
  const QSize client = viewport()->size();
  ZoomTo(direction == 0 ? 1 : StepZoom(zoom, direction, kMinZoom, kMaxZoom), CPoint{client.width() / 2, client.height() / 2});
}

void CScrollingView::wheelEvent(QWheelEvent* event) {
  const int direction = WheelZoomDirection(*event);
  if (direction == 0 || CurrentZoom() == 0) {
    QAbstractScrollArea::wheelEvent(event);
    return;
  }
  // The pane zoomed last is the active one: the status bar shows its zoom, keys go to it.
  setFocus(Qt::MouseFocusReason);
  emit activated();
  ZoomTo(StepZoom(CurrentZoom(), direction, kMinZoom, kMaxZoom), ToCPoint(event->position().toPoint()));
  event->accept();
}

void CScrollingView::UpdateScrollBars() {
  const QSize client = viewport()->size();
  // A page is what the pane shows (so the thumb's length tells how much that is), a
  // line a hundredth of the whole.
  const auto setUp = [](QScrollBar* bar, int total, int client) {
    bar->setRange(0, std::max(total - client, 0));
    bar->setPageStep(std::max(client, 1));
    bar->setSingleStep(std::max(total / 100, 1));
  };
  setUp(horizontalScrollBar(), m_total.cx, client.width());
  setUp(verticalScrollBar(), m_total.cy, client.height());
}

void CScrollingView::resizeEvent(QResizeEvent* event) {
  QAbstractScrollArea::resizeEvent(event);
  UpdateScrollBars();
  OnClientSize(ToCSize(viewport()->size()));
}

bool CScrollingView::viewportEvent(QEvent* event) {
  if (event->type() == QEvent::Leave) OnMouseLeave();
  if (event->type() == QEvent::MouseMove || event->type() == QEvent::MouseButtonRelease) {
    TrackDrag(*static_cast<QMouseEvent*>(event));
  }
  return QAbstractScrollArea::viewportEvent(event);
}

void CScrollingView::TrackDrag(const QMouseEvent& event) {
  m_ptDrag = event.position();
  const bool held = event.type() == QEvent::MouseMove && (event.buttons() & Qt::LeftButton);
  const CPoint step = AutoScrollStep(ToCPoint(m_ptDrag.toPoint()), ToCSize(viewport()->size()));
  if (held && (step.x != 0 || step.y != 0)) {
    if (!m_autoScroll.isActive()) m_autoScroll.start();
  } else {
    m_autoScroll.stop();
  }
}

void CScrollingView::OnAutoScrollTick() {
  // The button may have been let go where no release reached this pane.
  if (!(QApplication::mouseButtons() & Qt::LeftButton)) {
    m_autoScroll.stop();
    return;
  }
  const CPoint step = AutoScrollStep(ToCPoint(m_ptDrag.toPoint()), ToCSize(viewport()->size()));
  const CPoint before = ScrollPosition();
  horizontalScrollBar()->setValue(horizontalScrollBar()->value() + step.x);
  verticalScrollBar()->setValue(verticalScrollBar()->value() + step.y);
  const CPoint after = ScrollPosition();
  if (after == before) return;  // at the end already
  OnDragScrolled(CPoint{after.x - before.x, after.y - before.y});
  // The same pointer over scrolled contents: the drag rectangle or frame follows.
  QMouseEvent move(QEvent::MouseMove, m_ptDrag, viewport()->mapToGlobal(m_ptDrag), Qt::NoButton, Qt::LeftButton,
                   QApplication::keyboardModifiers());
  mouseMoveEvent(&move);
}

void CScrollingView::scrollContentsBy(int /*dx*/, int /*dy*/) { viewport()->update(); }

void CScrollingView::focusInEvent(QFocusEvent* event) {
  QAbstractScrollArea::focusInEvent(event);
  emit activated();
}

void CScrollingView::mousePressEvent(QMouseEvent* event) {
  setFocus(Qt::MouseFocusReason);
  emit activated();
  QAbstractScrollArea::mousePressEvent(event);
}

void CScrollingView::UpdatePointer(bool hide) {
  if (hide) {
    viewport()->setCursor(Qt::BlankCursor);
  } else {
    viewport()->unsetCursor();
  }
}

}  // namespace pixolan
