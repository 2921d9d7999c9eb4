#pragma once
// Paints the canvas pane: the canvas with its cross and grey surround, the current
// frame or its placement guide, and the selection's preview, as the model says.
#include <QImage>
#include <QPainter>

#include "view/SpriteViewModel.h"

namespace pixolan {

class CPxoDoc;

// clipClient: the part of the pane to paint, client coordinates.
void PaintSpriteView(QPainter& painter, CSpriteViewModel& model, const QImage& sheet, CPoint scroll,
                     const QRect& clipClient);

}  // namespace pixolan
