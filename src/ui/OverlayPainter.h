#pragma once
// What the panes draw over the pictures: the block grid and the outlines of
// the frames and the selection on the sheet.
#include <QPainter>
#include <vector>

#include "view/BlockGrid.h"
#include "view/ImageViewModel.h"

namespace pixolan {

void PaintGrid(QPainter& painter, const GridLines& grid);
void PaintOutlines(QPainter& painter, const std::vector<SheetOutline>& outlines);

}  // namespace pixolan
