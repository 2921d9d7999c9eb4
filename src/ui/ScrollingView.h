#pragma once
// A scrolling pane: a logical area of a given size shown through the viewport,
// the pointer hidden on request, and notice when the mouse leaves. A drag held
// past the edge scrolls it and repeats the last move, so the drag follows.
#include <QAbstractScrollArea>
#include <QWheelEvent>
#include <QPointF>
#include <QTimer>

#include "view/ViewTypes.h"

namespace pixolan {

class CScrollingView : public QAbstractScrollArea {
  Q_OBJECT
 public:
  explicit CScrollingView(QWidget* parent = nullptr);

  // The current scroll position (sx, sy): logical = client + scroll.
  CPoint ScrollPosition() const;
  void SetScrollSizes(CSize total);
  // Scrolls to (sx, sy), kept inside the scroll bars' ranges.
  void SetScrollPosition(CPoint scroll);
  // The zoom in or out that a wheel turn asks for with Ctrl held (+1, -1), else 0.
  static int WheelZoomDirection(const QWheelEvent& event);
  // One zoom step in (+1) or out (-1), or 1x (0), about the pane's centre.
  void ZoomBy(int direction);
  // A pane that zooms: its zoom (0: it does not) and a zoom that keeps the
  // picture pixel under `anchor` (client coordinates) in place.
  virtual std::int32_t CurrentZoom() const { return 0; }
  virtual void ZoomTo(std::int32_t /*zoom*/, CPoint /*anchor*/) {}

 signals:
  // The view was clicked or focused: it is now its frame's active view.
  void activated();

 protected:
  void resizeEvent(QResizeEvent* event) override;
  bool viewportEvent(QEvent* event) override;
  void scrollContentsBy(int dx, int dy) override;
  void focusInEvent(QFocusEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  // Ctrl+wheel zooms at the pointer and makes the pane the active one.
  void wheelEvent(QWheelEvent* event) override;
  virtual void OnMouseLeave() {}
  virtual void OnClientSize(CSize /*client*/) {}
  // The contents moved by `delta` under a held drag (past the edge), before the
  // repeated move: a drag remembered in client coordinates moves with them.
  virtual void OnDragScrolled(CPoint /*delta*/) {}
  void UpdatePointer(bool hide);

 private:
  void UpdateScrollBars();
  // The left button moved (or was released): starts or stops scrolling past the edge.
  void TrackDrag(const QMouseEvent& event);
  void OnAutoScrollTick();

  QTimer m_autoScroll;
  QPointF m_ptDrag;  // the last position of the held pointer, viewport coordinates

  CSize m_total;
};

}  // namespace pixolan
