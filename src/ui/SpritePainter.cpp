#include "ui/SpritePainter.h"

#include "ui/ConsoleMarks.h"
#include "ui/OverlayPainter.h"
#include "ui/QtGeometry.h"
#include "view/StretchClip.h"

namespace pixolan {
namespace {

const QColor kGrey(128, 128, 128);

// A white box with a one-pixel black border inside its edges.
void BorderedBox(QPainter& painter, const QRect& r) {
  painter.fillRect(r, Qt::white);
  if (r.width() <= 0 || r.height() <= 0) return;
  painter.fillRect(QRect(r.left(), r.top(), r.width(), 1), Qt::black);
  painter.fillRect(QRect(r.left(), r.bottom(), r.width(), 1), Qt::black);
  painter.fillRect(QRect(r.left(), r.top(), 1, r.height()), Qt::black);
  painter.fillRect(QRect(r.right(), r.top(), 1, r.height()), Qt::black);
}

void PaintCanvas(QPainter& painter, const CSpriteViewModel& model, CPoint scroll, const QRect& clipClient) {
  const CRect clipLogical = ToCRect(clipClient.translated(scroll.x, scroll.y));
  const CanvasPaint canvas = model.PaintCanvas(clipLogical);
  painter.save();
  // Canvas coordinates: the canvas centre is (0, 0).
  painter.translate(model.m_ptCentre.x - scroll.x, model.m_ptCentre.y - scroll.y);
  BorderedBox(painter, ToQRect(canvas.rectCanvas));
  painter.fillRect(QRect(canvas.ptHorzFrom.x, canvas.ptHorzFrom.y, canvas.ptHorzTo.x - canvas.ptHorzFrom.x, 1),
                   Qt::black);
  painter.fillRect(QRect(canvas.ptVertFrom.x, canvas.ptVertFrom.y, 1, canvas.ptVertTo.y - canvas.ptVertFrom.y),
                   Qt::black);
  for (const CRect& grey : canvas.greyRects) painter.fillRect(ToQRect(grey), kGrey);
  painter.restore();
}

// The checkerboard behind what a blit leaves undrawn, when the picture has any.
void Checkerboard(QPainter& painter, const QImage& sheet, const StretchBlit& blit, std::int32_t zoom) {
  if (sheet.isNull() || !sheet.hasAlphaChannel()) return;
  const auto clipped = ClipStretchToSheet(blit.rectDest, blit.rectSource, sheet.width(), sheet.height(), zoom);
  if (clipped) PaintCheckerboard(painter, ToQRect(clipped->rectDest), ToQRect(blit.rectDest).topLeft());
}

void Stretch(QPainter& painter, const QImage& sheet, const StretchBlit& blit, std::int32_t zoom) {
  if (sheet.isNull()) return;
  const auto clipped = ClipStretchToSheet(blit.rectDest, blit.rectSource, sheet.width(), sheet.height(), zoom);
  if (!clipped) return;
  // Nearest neighbour: every sheet pixel becomes a crisp zoom x zoom square.
  painter.drawImage(ToQRect(clipped->rectDest), sheet, ToQRect(clipped->rectSource));
}

}  // namespace

void PaintSpriteView(QPainter& painter, CSpriteViewModel& model, const QImage& sheet, CPoint scroll,
                     const QRect& clipClient) {
  painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
  painter.setRenderHint(QPainter::LosslessImageRendering, true);
  PaintCanvas(painter, model, scroll, clipClient);
  const SpritePaint paint = model.Paint(scroll);
  if (paint.guide) BorderedBox(painter, ToQRect(*paint.guide));
  // The current frame's checkerboard goes first, so that the neighbouring frames
  // show faint through its undrawn pixels, to line it up with them.
  if (paint.frame) Checkerboard(painter, sheet, *paint.frame, model.Zoom());
  painter.setOpacity(0.35);
  for (const StretchBlit& neighbour : paint.onionSkin) Stretch(painter, sheet, neighbour, model.Zoom());
  painter.setOpacity(1.0);
  if (paint.frame) Stretch(painter, sheet, *paint.frame, model.Zoom());
  if (model.m_options.bGrid) PaintGrid(painter, model.Grid(scroll, ToCRect(clipClient)));
  if (paint.preview) {
    Checkerboard(painter, sheet, *paint.preview, model.Zoom());
    Stretch(painter, sheet, *paint.preview, model.Zoom());
  }
}

}  // namespace pixolan
