#pragma once
// Dialog units: a quarter of the dialog font's average character width across,
// an eighth of its height down, so forms keep their proportions with any font.
#include <QFontMetrics>
#include <QRect>

namespace pixolan {

inline QRect DialogUnitsToPixels(const QFontMetrics& metrics, int x, int y, int width, int height) {
  const int baseX = metrics.averageCharWidth();
  const int baseY = metrics.height();
  return QRect(x * baseX / 4, y * baseY / 8, width * baseX / 4, height * baseY / 8);
}

}  // namespace pixolan
