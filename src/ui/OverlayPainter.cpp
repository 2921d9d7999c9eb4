#include "ui/OverlayPainter.h"

#include "ui/QtGeometry.h"

namespace pixolan {
namespace {

// Translucent, so the pixels under a line still show their colour.
const QColor kGridColour(40, 150, 255, 130);

}  // namespace

void PaintGrid(QPainter& painter, const GridLines& grid) {
  const CRect& s = grid.span;
  for (std::int32_t x : grid.xs) painter.fillRect(QRect(x, s.top, 1, s.bottom - s.top), kGridColour);
  for (std::int32_t y : grid.ys) painter.fillRect(QRect(s.left, y, s.right - s.left, 1), kGridColour);
}

void PaintOutlines(QPainter& painter, const std::vector<SheetOutline>& outlines) {
  painter.save();
  painter.setBrush(Qt::NoBrush);
  for (const SheetOutline& outline : outlines) {
    QPen pen(QColor(255, 170, 0), 1);
    switch (outline.kind) {
      case SheetOutline::kFrame: break;
      case SheetOutline::kCurrentFrame:
        pen = QPen(QColor(255, 40, 40), 2, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin);
        break;
      case SheetOutline::kSelection: pen = QPen(QColor(255, 255, 255), 1, Qt::DashLine); break;
      case SheetOutline::kLiveSelection: pen = QPen(QColor(0, 210, 0), 1); break;
    }
    painter.setPen(pen);
    // Inside the rectangle's edges: its right and bottom are exclusive.
    const QRect r = ToQRect(outline.rect);
    const int inset = pen.width() / 2;
    painter.drawRect(r.adjusted(inset, inset, -1 - inset, -1 - inset));
  }
  painter.restore();
}

}  // namespace pixolan
