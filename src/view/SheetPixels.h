#pragma once
// The sheet's pixels as a display mode shows them: the one picture a document
// window's panes and its printing draw from. Another mode is one more case here.
#include "view/DisplayPixels.h"

namespace pixolan {

class CRasterImage;

enum class DisplayMode {
  kSheetColours,  // the sheet's own colours, as its file holds them
};

// Empty (0 x 0) for a sheet without a display bitmap.
ArgbPixels SheetPixels(const CRasterImage& sheet, DisplayMode mode);

// Pixels of the top-left pixel's colour (the export's transparent colour) get
// alpha 0, so that the panes' checkerboard shows through.
void ClearTransparentColour(ArgbPixels& pixels);

}  // namespace pixolan
