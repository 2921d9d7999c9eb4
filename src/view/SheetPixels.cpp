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

void ClearTransparentColour(ArgbPixels& pixels) {
  if (pixels.pixels.empty()) return;
  const std::uint32_t transparent = pixels.pixels.front() & 0xffffffu;
  for (std::uint32_t& p : pixels.pixels) {
    if ((p & 0xffffffu) == transparent) p = transparent;  // alpha 0
  }
}

}  // namespace pixolan
