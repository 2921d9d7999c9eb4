// The PNG reader: every colour type and bit depth, plain and interlaced, pixel
// by pixel against the values written; damaged and oversized files refused.
#include <gtest/gtest.h>

#include "PngBuilder.h"
#include "ReaderHelpers.h"
#include "image/PngReader.h"

namespace pixolan::test {
namespace {

constexpr std::uint32_t kWidth = 13, kHeight = 11;  // odd sizes, all seven interlace passes

// Sample c of pixel (x, y), before it is cut to the bit depth.
std::uint32_t Sample(std::uint32_t x, std::uint32_t y, int c) { return x * 37 + y * 101 + c * 59 + (x * y) * 13; }

int Channels(int colourType) {
  switch (colourType) {
    case PNG_COLOR_TYPE_RGB: return 3;
    case PNG_COLOR_TYPE_RGB_ALPHA: return 4;
    case PNG_COLOR_TYPE_GRAY_ALPHA: return 2;
    default: return 1;
  }
}

// Packs the samples as PNG rows: small depths leftmost pixel in the high bits, 16 bits big-endian.
PngLayout MakeLayout(int colourType, int bitDepth, bool interlaced, std::size_t paletteEntries) {
  PngLayout layout{kWidth, kHeight, bitDepth, colourType, interlaced, {}, {}};
  for (std::size_t i = 0; i < paletteEntries; ++i) {
    layout.palette.push_back({static_cast<png_byte>(i * 3 + 1), static_cast<png_byte>(255 - i), static_cast<png_byte>(i * 7)});
  }
  const int channels = Channels(colourType);
  const std::uint32_t maxSample = (1u << bitDepth) - 1;
  for (std::uint32_t y = 0; y < kHeight; ++y) {
    std::vector<std::uint8_t> row((kWidth * channels * bitDepth + 7) / 8, 0);
    for (std::uint32_t x = 0; x < kWidth; ++x) {
      for (int c = 0; c < channels; ++c) {
        const std::uint32_t v = Sample(x, y, c) & maxSample;
        const std::uint32_t bit = (x * channels + c) * bitDepth;
        if (bitDepth == 16) {
          row[bit / 8] = static_cast<std::uint8_t>(v >> 8);
          row[bit / 8 + 1] = static_cast<std::uint8_t>(v);
        } else {
          row[bit / 8] |= static_cast<std::uint8_t>(v << (8 - bitDepth - bit % 8));
        }
      }
    }
    layout.rows.push_back(row);
  }
  return layout;
}

struct Case {
  int colourType, bitDepth;
  std::int32_t imageDepth;
};

const Case kCases[] = {
    {PNG_COLOR_TYPE_PALETTE, 1, 1},  {PNG_COLOR_TYPE_PALETTE, 2, 4},  {PNG_COLOR_TYPE_PALETTE, 4, 4},
    {PNG_COLOR_TYPE_PALETTE, 8, 8},  {PNG_COLOR_TYPE_GRAY, 1, 1},     {PNG_COLOR_TYPE_GRAY, 2, 4},
    {PNG_COLOR_TYPE_GRAY, 4, 4},     {PNG_COLOR_TYPE_GRAY, 8, 8},     {PNG_COLOR_TYPE_GRAY, 16, 8},
    {PNG_COLOR_TYPE_RGB, 8, 32},     {PNG_COLOR_TYPE_RGB, 16, 32},    {PNG_COLOR_TYPE_RGB_ALPHA, 8, 32},
    {PNG_COLOR_TYPE_RGB_ALPHA, 16, 32}, {PNG_COLOR_TYPE_GRAY_ALPHA, 8, 32}, {PNG_COLOR_TYPE_GRAY_ALPHA, 16, 32},
};

// The 8-bit value the reader should give for a sample: 16-bit samples keep their high byte.
std::uint8_t Eight(std::uint32_t x, std::uint32_t y, int c, int bitDepth) {
  const std::uint32_t v = Sample(x, y, c) & ((1u << bitDepth) - 1);
  return static_cast<std::uint8_t>(bitDepth == 16 ? v >> 8 : v);
}

PaletteEntry Expected(const Case& k, const PngLayout& layout, std::uint32_t x, std::uint32_t y) {
  switch (k.colourType) {
    case PNG_COLOR_TYPE_PALETTE: {
      const std::uint32_t i = Sample(x, y, 0) & ((1u << k.bitDepth) - 1);
      if (i >= layout.palette.size()) return Grey(0);
      return Rgb(layout.palette[i].red, layout.palette[i].green, layout.palette[i].blue);
    }
    case PNG_COLOR_TYPE_GRAY: {
      const int bits = std::min(k.bitDepth, 8);
      return Grey(static_cast<std::uint8_t>(Eight(x, y, 0, k.bitDepth) * 255 / ((1 << bits) - 1)));
    }
    case PNG_COLOR_TYPE_GRAY_ALPHA: {
      const std::uint8_t v = Eight(x, y, 0, k.bitDepth);
      return {Eight(x, y, 1, k.bitDepth), v, v, v};
    }
    default: {
      const std::uint8_t alpha = k.colourType == PNG_COLOR_TYPE_RGB_ALPHA ? Eight(x, y, 3, k.bitDepth) : 0;
      return {alpha, Eight(x, y, 0, k.bitDepth), Eight(x, y, 1, k.bitDepth), Eight(x, y, 2, k.bitDepth)};
    }
  }
}

TEST(PngReader, EveryColourTypeAndDepthPlainAndInterlaced) {
  for (const Case& k : kCases) {
    for (bool interlaced : {false, true}) {
      SCOPED_TRACE(testing::Message() << "type " << k.colourType << " depth " << k.bitDepth << " interlaced " << interlaced);
      // Palette pictures get a short PLTE (the rest of the palette must stay black) at 4 bits.
      const std::size_t entries = k.colourType != PNG_COLOR_TYPE_PALETTE ? 0 : k.bitDepth == 4 ? 5 : 1u << k.bitDepth;
      const PngLayout layout = MakeLayout(k.colourType, k.bitDepth, interlaced, entries);
      auto image = LoadAs<CPngReader>(BuildPng(layout));
      ASSERT_NE(image, nullptr);
      EXPECT_EQ(image->m_nBitsPerPixel, k.imageDepth);
      EXPECT_EQ(image->m_nWidth, static_cast<std::int32_t>(kWidth));
      EXPECT_EQ(image->m_nHeight, static_cast<std::int32_t>(kHeight));
      int wrong = 0;
      for (std::uint32_t y = 0; y < kHeight; ++y)
        for (std::uint32_t x = 0; x < kWidth; ++x) wrong += image->GetPixelColour(x, y) != Expected(k, layout, x, y);
      EXPECT_EQ(wrong, 0);
      if (k.colourType == PNG_COLOR_TYPE_PALETTE) {
        // A 2-bit picture uses four of sixteen entries; what the PLTE does not supply is black.
        for (std::size_t i = entries; i < image->m_pPalette.size(); ++i) EXPECT_EQ(image->m_pPalette[i], Grey(0)) << i;
      }
      ExpectConsistent(*image);
    }
  }
}

TEST(PngReader, DamagedOrOversizedFilesAreRefused) {
  const std::vector<std::uint8_t> good = BuildPng(MakeLayout(PNG_COLOR_TYPE_RGB, 8, false, 0));
  ASSERT_NE(LoadAs<CPngReader>(good), nullptr);
  std::vector<std::uint8_t> truncated(good.begin(), good.begin() + static_cast<std::ptrdiff_t>(good.size() / 2));
  std::vector<std::uint8_t> badSignature = good;
  badSignature[1] = 'Q';
  std::vector<std::uint8_t> badHeaderCrc = good;
  badHeaderCrc[29] ^= 0x55;  // the IHDR chunk's CRC
  PngLayout wide = MakeLayout(PNG_COLOR_TYPE_GRAY, 1, false, 0);
  wide.width = static_cast<std::uint32_t>(kMaxImageDimension) + 1;
  for (auto& row : wide.rows) row.assign((wide.width + 7) / 8, 0);
  for (const auto& bad : {truncated, badSignature, badHeaderCrc, BuildPng(wide), std::vector<std::uint8_t>(good.begin(), good.begin() + 8)}) {
    EXPECT_EQ(LoadAs<CPngReader>(bad), nullptr);
  }
}

}  // namespace
}  // namespace pixolan::test
