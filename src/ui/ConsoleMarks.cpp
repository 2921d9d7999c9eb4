#include "ui/ConsoleMarks.h"

#include <QRegion>
#include <algorithm>

#include "document/PxoDoc.h"
#include "export/ExportCheck.h"
#include "ui/QtGeometry.h"
#include "ui/SheetPicture.h"
#include "view/ScanlineMarks.h"
#include "view/StretchClip.h"

namespace pixolan {
namespace {

constexpr int kSquare = 8;
const QColor kLight(255, 255, 255);
const QColor kDark(221, 221, 221);
const QColor kBand(255, 0, 0, 56);
const QColor kRed(255, 0, 0);
constexpr int kDotZoom = 4;  // from this zoom on, changed pixels get a dot instead of a tint

void MarkStretch(QPainter& painter, CSheetPicture& picture, const StretchBlit& blit, std::int32_t zoom) {
  const QImage& sheet = picture.Image();
  if (sheet.isNull()) return;
  const auto clipped = ClipStretchToSheet(blit.rectDest, blit.rectSource, sheet.width(), sheet.height(), zoom);
  if (clipped) PaintChangedMarks(painter, picture, ToQRect(clipped->rectDest), ToQRect(clipped->rectSource), zoom);
}

const FrameCheck* CurrentFrameCheck(const CPxoDoc& doc, const ConsoleResult& result) {
  const std::optional<std::size_t> animation = doc.CurrentAnimationIndex();
  const int frame = doc.GetCurrentFrame();
  if (!animation || *animation >= result.check.animations.size() || frame < 1) return nullptr;
  const auto& frames = result.check.animations[*animation].frames;
  return static_cast<std::size_t>(frame) <= frames.size() ? &frames[static_cast<std::size_t>(frame - 1)] : nullptr;
}

void PaintScanlines(QPainter& painter, CPxoDoc& doc, CSpriteViewModel& model, CSheetPicture& picture, CPoint scroll) {
  const ConsoleResult* result = picture.Console();
  CAnimFrame* frame = doc.CurrentFrameRecord();
  if (result == nullptr || !result->bExported || frame == nullptr || !frame->m_bValid) return;
  const FrameCheck* check = CurrentFrameCheck(doc, *result);
  if (check == nullptr) return;
  // The band stays off the frame itself, whose colours it would tint.
  const QRegion frameArea(ToQRect(model.CanvasRectOfFrame(*frame, scroll)));
  for (const CRect& band : ScanlineMarks(model, *frame, check->nPerLine, kObjectsPerLine, scroll)) {
    const QRect r = ToQRect(band);
    painter.save();
    painter.setClipRegion(QRegion(r).subtracted(frameArea));
    painter.fillRect(r, kBand);
    painter.restore();
    painter.fillRect(QRect(r.left(), r.top(), 3, r.height()), kRed);
    painter.fillRect(QRect(r.right() - 2, r.top(), 3, r.height()), kRed);
  }
}

}  // namespace

void PaintCheckerboard(QPainter& painter, const QRect& rect, QPoint origin) {
  painter.save();
  painter.setClipRect(rect, Qt::IntersectClip);
  // The first square at or before the rectangle's corner, on the origin's grid.
  const auto first = [](int from, int o) { return o + ((from - o) / kSquare - ((from - o) % kSquare < 0 ? 1 : 0)) * kSquare; };
  for (int y = first(rect.top(), origin.y()); y <= rect.bottom(); y += kSquare) {
    for (int x = first(rect.left(), origin.x()); x <= rect.right(); x += kSquare) {
      const bool light = ((x - origin.x()) / kSquare + (y - origin.y()) / kSquare) % 2 == 0;
      painter.fillRect(QRect(x, y, kSquare, kSquare), light ? kLight : kDark);
    }
  }
  painter.restore();
}

void PaintChangedMarks(QPainter& painter, CSheetPicture& picture, const QRect& dest, const QRect& source, int zoom) {
  if (!picture.ShowsConsole()) return;
  if (zoom < kDotZoom) {
    const QImage& marks = picture.ChangedMarks();
    if (!marks.isNull()) painter.drawImage(dest, marks, source);
    return;
  }
  // Magnified: a red dot in the middle of each changed pixel, the pixel's colour around it.
  const ConsolePicture& console = picture.Console()->picture;
  const QRect inside = source.intersected(QRect(0, 0, console.nWidth, console.nHeight));
  const int dot = std::max(2, zoom / 3), from = (zoom - dot) / 2;
  for (int y = inside.top(); y <= inside.bottom(); ++y) {
    for (int x = inside.left(); x <= inside.right(); ++x) {
      if (console.changed[console.At(x, y)] == 0) continue;
      const QPoint at = dest.topLeft() + QPoint((x - source.left()) * zoom + from, (y - source.top()) * zoom + from);
      painter.fillRect(QRect(at, QSize(dot, dot)), kRed);
    }
  }
}

void PaintSpriteConsoleMarks(QPainter& painter, CPxoDoc& doc, CSpriteViewModel& model, CSheetPicture& picture, CPoint scroll,
                             const QRect& viewport) {
  const SpritePaint paint = model.Paint(scroll);
  if (paint.frame) MarkStretch(painter, picture, *paint.frame, model.Zoom());
  if (paint.preview) MarkStretch(painter, picture, *paint.preview, model.Zoom());
  if (picture.Flags().bConsoleColours || picture.Flags().bBudget) PaintScanlines(painter, doc, model, picture, scroll);
  PaintStaleMark(painter, picture, viewport);
}

void PaintStaleMark(QPainter& painter, const CSheetPicture& picture, const QRect& viewport) {
  if (!picture.IsStale() || !picture.Flags().bConsoleColours) return;
  const QString text = QStringLiteral("stale");
  const QRect box = painter.fontMetrics().boundingRect(text).adjusted(-4, -2, 4, 2);
  const QRect placed(viewport.right() - box.width() - 4, viewport.top() + 4, box.width(), box.height());
  painter.fillRect(placed, QColor(255, 255, 200));
  painter.setPen(Qt::black);
  painter.drawText(placed, Qt::AlignCenter, text);
}

}  // namespace pixolan
