#include <gtest/gtest.h>

#include "image/RasterImage.h"

namespace pixolan {
namespace {

// The raster image is abstract only in Load; tests fill it by hand.
class CTestImage : public CRasterImage {
 public:
  bool Load(const char*) override { return false; }
};

TEST(RasterImage, CreateSizesRowsAndPalette) {
  CTestImage image;
  struct Case {
    std::int32_t width, bits, rowBytes, stride, palette;
  };
  for (Case c : {Case{1, 1, 1, 4, 2}, Case{5, 4, 3, 4, 16}, Case{13, 8, 13, 16, 256}, Case{5, 24, 15, 16, 0}}) {
    if (!image.m_ppRows.empty()) image.m_ppRows[1][1] = 9;  // dirt the next Create must clear
    ASSERT_TRUE(image.Create(c.width, 2, c.bits));
    EXPECT_EQ(image.GetRowBytes(), c.rowBytes) << c.bits;
    EXPECT_EQ(image.GetStride(), c.stride) << c.bits;
    EXPECT_EQ(image.PaletteSize(), c.palette) << c.bits;
    for (const PaletteEntry& e : image.m_pPalette) EXPECT_EQ(e, PaletteEntry{});
    EXPECT_EQ(image.m_ppRows[1][1], 0);
    EXPECT_EQ(image.m_ppRows[1] - image.m_ppRows[0], image.GetStride());
  }
  for (auto [w, h] : {std::pair{0, 1}, {1, 0}, {-3, 1}, {16385, 1}, {1, 16385}}) EXPECT_FALSE(image.Create(w, h, 8));
  EXPECT_TRUE(image.m_ppRows.empty());
  EXPECT_TRUE(image.Create(16384, 1, 8));
}

TEST(RasterImage, TrueColourPixelsDecodeThroughTheMasksScaledToEightBits) {
  CTestImage image;
  ASSERT_TRUE(image.Create(2, 1, 24));
  image.SetChannelMasks(0, 0xFF0000, 0xFF00, 0xFF);
  image.m_ppRows[0][3] = 0x10;
  image.m_ppRows[0][4] = 0x20;
  image.m_ppRows[0][5] = 0x30;
  EXPECT_EQ(image.GetPixelIndex(1, 0), -1);
  EXPECT_EQ(image.GetPixelColour(1, 0), (PaletteEntry{0, 0x30, 0x20, 0x10}));
  ASSERT_TRUE(image.Create(1, 1, 32));
  image.SetChannelMasks(0xC0000000, 0x3FF00000, 0x000FFC00, 0x000003FF);  // 2-10-10-10
  const std::uint32_t value = (3u << 30) | (0x3FFu << 20) | (0x200u << 10) | 0x001u;
  for (int k = 0; k < 4; ++k) image.m_ppRows[0][k] = static_cast<std::uint8_t>(value >> (8 * k));
  // A 2-bit alpha of 3 is full: narrow fields repeat their bits down to bit 0.
  EXPECT_EQ(image.GetPixelColour(0, 0), (PaletteEntry{0xFF, 0xFF, 0x80, 0x00}));
}

TEST(RasterImage, ConvertDepthReencodesIndexedPixelsAndKeepsThePalette) {
  CTestImage image;
  ASSERT_TRUE(image.Create(2, 1, 8));
  image.m_pPalette[1] = PaletteEntry{0, 0x11, 0x22, 0x33};
  image.m_pPalette[2] = PaletteEntry{0, 0xAA, 0xBB, 0xCC};
  image.m_ppRows[0][0] = 1;
  image.m_ppRows[0][1] = 2;
  EXPECT_FALSE(image.ConvertDepth(8, 0, 0, 0, 0));
  EXPECT_EQ(image.m_nBitsPerPixel, 8);
  ASSERT_TRUE(image.ConvertDepth(32, 0, 0xFF0000, 0xFF00, 0xFF));
  EXPECT_EQ(image.m_nBitsPerPixel, 32);
  EXPECT_EQ(image.PaletteSize(), 256);
  const std::uint8_t expected[] = {0x33, 0x22, 0x11, 0x00, 0xCC, 0xBB, 0xAA, 0x00};
  EXPECT_TRUE(std::equal(std::begin(expected), std::end(expected), image.m_ppRows[0]));
  EXPECT_EQ(image.GetPixelColour(1, 0), (PaletteEntry{0, 0xAA, 0xBB, 0xCC}));
}

TEST(RasterImage, DisplayBitmapIsBottomUpWithZeroPadding) {
  CTestImage image;
  ASSERT_TRUE(image.Create(1, 2, 1));
  image.m_ppRows[0][0] = 0x80;  // top row: pixel set
  // Stray bytes in the image's padding must not reach the display.
  image.m_ppRows[0][1] = image.m_ppRows[0][2] = image.m_ppRows[0][3] = 0xAA;
  const CDibSection* dib = image.CreateDisplayBitmap();
  ASSERT_NE(dib, nullptr);
  EXPECT_EQ(dib->Stride(), 4);
  const std::uint8_t expected[] = {0x00, 0, 0, 0, 0x80, 0, 0, 0};
  ASSERT_EQ(dib->SizeBytes(), sizeof expected);
  EXPECT_TRUE(std::equal(std::begin(expected), std::end(expected), dib->Bits()));
}

TEST(RasterImage, DisplayBitmapInfoCarriesAFullColourTableInBlueGreenRedOrder) {
  CTestImage image;
  ASSERT_TRUE(image.Create(2, 2, 8));
  image.m_pPalette[3] = PaletteEntry{0x77, 0x30, 0x20, 0x10};
  ASSERT_NE(image.CreateDisplayBitmap(), nullptr);
  const BitmapInfoHeader& h = image.m_pBitmapInfo->bmiHeader;
  EXPECT_EQ(std::tuple(h.biSize, h.biWidth, h.biHeight, h.biPlanes, h.biBitCount, h.biCompression, h.biClrUsed),
            std::tuple(40u, 2, 2, 1, 8, 0u, 256u));
  ASSERT_EQ(image.m_pBitmapInfo->bmiColors.size(), 256u);
  const auto& c = image.m_pBitmapInfo->bmiColors[3];
  EXPECT_EQ(std::tuple(c.rgbBlue, c.rgbGreen, c.rgbRed, c.rgbReserved), std::tuple(0x10, 0x20, 0x30, 0));
  ASSERT_TRUE(image.Create(2, 2, 24));
  ASSERT_NE(image.CreateDisplayBitmap(), nullptr);
  EXPECT_EQ(image.m_pBitmapInfo->bmiHeader.biClrUsed, 0u);
  EXPECT_TRUE(image.m_pBitmapInfo->bmiColors.empty());
  image.Release();
  EXPECT_FALSE(image.HasPalette());
  EXPECT_TRUE(image.m_pBits.empty() && image.m_ppRows.empty());
  EXPECT_EQ(image.m_hBitmap, nullptr);
  EXPECT_EQ(image.m_pBitmapInfo, nullptr);
}

}  // namespace
}  // namespace pixolan
