#include <gtest/gtest.h>

#include <filesystem>

#include "image/Colour.h"
#include "image/ImageReaderList.h"
#include "support/TestSupport.h"
#include "view/DisplayPixels.h"

namespace pixolan::test {
namespace {

// Every depth a display bitmap has (1, 4, 8, 16, 24, 32; top-down and bottom-up
// files): each 32-bit pixel is the colour the sheet itself holds there.
TEST(DisplayPixels, EveryPixelIsTheSheetsOwnColourAtEveryDepth) {
  CImageReaderList readers;
  int checked = 0;
  for (const auto& entry : std::filesystem::directory_iterator(DataDir() / "images" / "bmp")) {
    std::unique_ptr<CRasterImage> image = readers.OpenImage(entry.path().string().c_str());
    if (!image || image->CreateDisplayBitmap() == nullptr) continue;  // the refused files
    const ArgbPixels pixels = DisplayPixels(*image->m_pBitmapInfo, *image->m_hBitmap);
    ASSERT_EQ(pixels.nWidth, image->m_nWidth);
    ASSERT_EQ(pixels.nHeight, image->m_nHeight);
    for (std::int32_t y = 0; y < pixels.nHeight; ++y) {
      for (std::int32_t x = 0; x < pixels.nWidth; ++x) {
        const PaletteEntry c = image->GetPixelColour(x, y);
        ASSERT_EQ(pixels.pixels[static_cast<std::size_t>(y * pixels.nWidth + x)], Argb(c.red, c.green, c.blue))
            << entry.path().filename() << " at " << x << "," << y;
      }
    }
    ++checked;
  }
  EXPECT_GE(checked, 10);
}

}  // namespace
}  // namespace pixolan::test
