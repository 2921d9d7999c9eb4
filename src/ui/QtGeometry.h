#pragma once
// Conversions between the views' value types and Qt's, and applying a repaint request.
#include <QPoint>
#include <QRect>
#include <QSize>
#include <QWidget>

#include "view/ViewTypes.h"

namespace pixolan {

inline QRect ToQRect(const CRect& r) { return QRect(r.left, r.top, r.right - r.left, r.bottom - r.top); }
inline CRect ToCRect(const QRect& r) { return CRect{r.left(), r.top(), r.left() + r.width(), r.top() + r.height()}; }
inline CPoint ToCPoint(const QPoint& p) { return CPoint{p.x(), p.y()}; }
inline CSize ToCSize(const QSize& s) { return CSize{s.width(), s.height()}; }

inline void ApplyRepaint(QWidget* widget, const Repaint& repaint) {
  if (repaint.bWhole) {
    widget->update();
    return;
  }
  for (const CRect& r : repaint.rects) {
    if (r.right > r.left && r.bottom > r.top) widget->update(ToQRect(r));
  }
}

}  // namespace pixolan
