#pragma once
// What the panes paint of the console besides the picture itself: the light
// checkerboard behind pixels that show nothing, the marks of changed pixels,
// the bands of lines with too many objects, and the "stale" mark.
#include <QPainter>

#include "view/SpriteViewModel.h"

namespace pixolan {

class CPxoDoc;
class CSheetPicture;

// Squares counted from `origin`, so that the pattern stays put while the pane scrolls.
void PaintCheckerboard(QPainter& painter, const QRect& rect, QPoint origin);
// The marks of the sheet pixels `source` drawn magnified `zoom` times at `dest`.
void PaintChangedMarks(QPainter& painter, CSheetPicture& picture, const QRect& dest, const QRect& source, int zoom);
// The canvas pane's marks: changed pixels of the frame and of the selection
// following the mouse, lines with too many objects, and "stale" at the top right.
void PaintSpriteConsoleMarks(QPainter& painter, CPxoDoc& doc, CSpriteViewModel& model, CSheetPicture& picture, CPoint scroll,
                             const QRect& viewport);
// "stale" in the top right corner of `viewport` while the picture waits for a newer result.
void PaintStaleMark(QPainter& painter, const CSheetPicture& picture, const QRect& viewport);

}  // namespace pixolan
