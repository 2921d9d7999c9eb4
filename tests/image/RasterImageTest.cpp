#include <gtest/gtest.h>

#include "image/RasterImage.h"

namespace pixolan {
namespace {

// The raster image is abstract only in Load; tests fill it by hand.
class CTestImage : public CRasterImage {
 public:
  bool Load(const char*) override { return false; }
};

TEST(RasterImage, RowBytesAndStrideFollowDepth) {
  CTestImage image;
  ASSERT_TRUE(image.Create(1, 1, 1));
  EXPECT_EQ(image.GetRowBytes(), 1);
  EXPECT_EQ(image.GetStride(), 4);
  ASSERT_TRUE(image.Create(5, 1, 4));
  EXPECT_EQ(image.GetRowBytes(), 3);
  EXPECT_EQ(image.GetStride(), 4);
  ASSERT_TRUE(image.Create(13, 1, 8));
  EXPECT_EQ(image.GetRowBytes(), 13);
  EXPECT_EQ(image.GetStride(), 16);
  ASSERT_TRUE(image.Create(5, 1, 24));
  EXPECT_EQ(image.GetRowBytes(), 15);
  EXPECT_EQ(image.GetStride(), 16);
}

TEST(RasterImage, CreateRefusesEmptyAndOversizedPictures) {
  CTestImage image;
  EXPECT_FALSE(image.Create(0, 1, 8));
  EXPECT_FALSE(image.Create(1, 0, 8));
  EXPECT_FALSE(image.Create(-3, 1, 8));
  EXPECT_FALSE(image.Create(16385, 1, 8));
  EXPECT_FALSE(image.Create(1, 16385, 8));
  EXPECT_TRUE(image.m_ppRows.empty());
  EXPECT_TRUE(image.Create(16384, 1, 8));
}

TEST(RasterImage, CreateGivesZeroPixelsAndFullSizedBlackPalette) {
  CTestImage image;
  ASSERT_TRUE(image.Create(3, 2, 8));
  EXPECT_EQ(image.PaletteSize(), 256);
  for (const PaletteEntry& e : image.m_pPalette) EXPECT_EQ(e, PaletteEntry{});
  image.m_ppRows[1][2] = 9;
  ASSERT_TRUE(image.Create(3, 2, 4));
  EXPECT_EQ(image.PaletteSize(), 16);
  EXPECT_EQ(image.m_ppRows[1][1], 0);
  ASSERT_TRUE(image.Create(3, 2, 24));
  EXPECT_FALSE(image.HasPalette());
  // Each row pointer starts one stride after the previous one.
  EXPECT_EQ(image.m_ppRows[1] - image.m_ppRows[0], image.GetStride());
}

TEST(RasterImage, OneBitPixelsReadFromTheHighBitDown) {
  CTestImage image;
  ASSERT_TRUE(image.Create(9, 1, 1));
  image.m_ppRows[0][0] = 0b1010'0000;
  image.m_ppRows[0][1] = 0b1000'0000;
  EXPECT_EQ(image.GetPixelIndex(0, 0), 1);
  EXPECT_EQ(image.GetPixelIndex(1, 0), 0);
  EXPECT_EQ(image.GetPixelIndex(2, 0), 1);
  EXPECT_EQ(image.GetPixelIndex(7, 0), 0);
  EXPECT_EQ(image.GetPixelIndex(8, 0), 1);
}

TEST(RasterImage, FourBitPixelsPutTheEvenPixelInTheHighNibble) {
  CTestImage image;
  ASSERT_TRUE(image.Create(5, 1, 4));
  image.m_ppRows[0][1] = 0xBC;
  image.m_ppRows[0][2] = 0xD0;
  EXPECT_EQ(image.GetPixelIndex(2, 0), 0xB);
  EXPECT_EQ(image.GetPixelIndex(3, 0), 0xC);
  EXPECT_EQ(image.GetPixelIndex(4, 0), 0xD);
  image.m_pPalette[0xD] = PaletteEntry{0, 1, 2, 3};
  EXPECT_EQ(image.GetPixelColour(4, 0), (PaletteEntry{0, 1, 2, 3}));
}

TEST(RasterImage, TwentyFourBitPixelsDecodeThroughTheMasks) {
  CTestImage image;
  ASSERT_TRUE(image.Create(2, 1, 24));
  image.SetChannelMasks(0, 0xFF0000, 0xFF00, 0xFF);
  image.m_ppRows[0][3] = 0x10;
  image.m_ppRows[0][4] = 0x20;
  image.m_ppRows[0][5] = 0x30;
  EXPECT_EQ(image.GetPixelIndex(1, 0), -1);
  EXPECT_EQ(image.GetPixelColour(1, 0), (PaletteEntry{0, 0x30, 0x20, 0x10}));
}

TEST(RasterImage, NarrowAndWideChannelsAreScaledToEightBits) {
  CTestImage image;
  ASSERT_TRUE(image.Create(1, 1, 32));
  image.SetChannelMasks(0xC0000000, 0x3FF00000, 0x000FFC00, 0x000003FF);  // 2-10-10-10
  const std::uint32_t value = (3u << 30) | (0x3FFu << 20) | (0x200u << 10) | 0x001u;
  for (int k = 0; k < 4; ++k) image.m_ppRows[0][k] = static_cast<std::uint8_t>(value >> (8 * k));
  EXPECT_EQ(image.GetPixelColour(0, 0), (PaletteEntry{0xC0, 0xFF, 0x80, 0x00}));
}

TEST(RasterImage, ChannelMasksGiveShiftAndWidth) {
  const struct {
    std::uint32_t mask, shift, width;
  } cases[] = {{0xFF0000, 16, 8}, {0xFF00, 8, 8},   {0xFF, 0, 8},       {0xFF000000, 24, 8},
               {0, 0, 0},         {0x7C00, 10, 5},  {0x03E0, 5, 5},     {0x80000000, 31, 1},
               {0xFFFFFFFF, 0, 32}, {0x0F0F, 0, 4}};  // width stops at the first gap
  for (const auto& c : cases) {
    const ChannelMask m = MakeChannelMask(c.mask);
    EXPECT_EQ(m.shift, c.shift) << std::hex << c.mask;
    EXPECT_EQ(m.width, c.width) << std::hex << c.mask;
  }
  CTestImage image;
  image.SetChannelMasks(0xFF000000, 0xFF0000, 0xFF00, 0xFF);
  EXPECT_EQ(image.Mask(CRasterImage::kAlpha).shift, 24u);
  EXPECT_EQ(image.Mask(CRasterImage::kRed).shift, 16u);
  EXPECT_EQ(image.Mask(CRasterImage::kGreen).shift, 8u);
  EXPECT_EQ(image.Mask(CRasterImage::kBlue).width, 8u);
}

TEST(RasterImage, ConvertDepthReencodesIndexedPixelsAndKeepsThePalette) {
  CTestImage image;
  ASSERT_TRUE(image.Create(2, 1, 8));
  image.SetChannelMasks(0, 0, 0, 0);
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

TEST(RasterImage, DisplayKeepsFiveFiveFiveAndConvertsOtherSixteenBitLayouts) {
  CTestImage image;
  ASSERT_TRUE(image.Create(1, 1, 16));
  image.SetChannelMasks(0, 0xF800, 0x07E0, 0x001F);  // 5-6-5
  image.m_ppRows[0][0] = 0xFF;                       // 0xFFFF: white
  image.m_ppRows[0][1] = 0xFF;
  ASSERT_TRUE(image.PrepareForDisplay());
  EXPECT_EQ(image.m_nBitsPerPixel, 16);
  EXPECT_EQ(image.Mask(CRasterImage::kGreen).width, 5u);
  EXPECT_EQ(image.GetPixelColour(0, 0), (PaletteEntry{0, 0xF8, 0xF8, 0xF8}));
}

TEST(RasterImage, DisplayBitmapIsBottomUpWithZeroPadding) {
  CTestImage image;
  ASSERT_TRUE(image.Create(1, 2, 1));
  image.m_ppRows[0][0] = 0x80;  // top row: pixel set
  image.m_ppRows[1][0] = 0x00;
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
  const BitmapInfo& info = *image.m_pBitmapInfo;
  EXPECT_EQ(info.bmiHeader.biSize, 40u);
  EXPECT_EQ(info.bmiHeader.biWidth, 2);
  EXPECT_EQ(info.bmiHeader.biHeight, 2);
  EXPECT_EQ(info.bmiHeader.biPlanes, 1);
  EXPECT_EQ(info.bmiHeader.biBitCount, 8);
  EXPECT_EQ(info.bmiHeader.biCompression, 0u);
  EXPECT_EQ(info.bmiHeader.biClrUsed, 256u);
  ASSERT_EQ(info.bmiColors.size(), 256u);
  EXPECT_EQ(info.bmiColors[3].rgbBlue, 0x10);
  EXPECT_EQ(info.bmiColors[3].rgbGreen, 0x20);
  EXPECT_EQ(info.bmiColors[3].rgbRed, 0x30);
  EXPECT_EQ(info.bmiColors[3].rgbReserved, 0);

  ASSERT_TRUE(image.Create(2, 2, 24));
  ASSERT_NE(image.CreateDisplayBitmap(), nullptr);
  EXPECT_EQ(image.m_pBitmapInfo->bmiHeader.biClrUsed, 0u);
  EXPECT_TRUE(image.m_pBitmapInfo->bmiColors.empty());
}

TEST(RasterImage, ReleaseFreesEverything) {
  CTestImage image;
  ASSERT_TRUE(image.Create(4, 4, 8));
  ASSERT_NE(image.CreateDisplayBitmap(), nullptr);
  image.Release();
  EXPECT_FALSE(image.HasPalette());
  EXPECT_TRUE(image.m_pBits.empty());
  EXPECT_TRUE(image.m_ppRows.empty());
  EXPECT_EQ(image.m_hBitmap, nullptr);
  EXPECT_EQ(image.m_pBitmapInfo, nullptr);
}

}  // namespace
}  // namespace pixolan
