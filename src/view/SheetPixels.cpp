#include "view/SheetPixels.h"

#include "image/RasterImage.h"

namespace pixolan {

ArgbPixels SheetPixels(const CRasterImage& sheet, DisplayMode mode) {
  if (!sheet.m_hBitmap || !sheet.m_pBitmapInfo) return {};
  switch (mode) {
    case DisplayMode::kSheetColours:
      return DisplayPixels(*sheet.m_pBitmapInfo, *sheet.m_hBitmap);
  }
  return {};
}

}  // namespace pixolan
