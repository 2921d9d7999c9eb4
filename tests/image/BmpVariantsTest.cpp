// Bitmap variants beyond the 40-byte header: OS/2 and V4/V5 headers, bit
// fields, 16-bit pictures (kept as 5-5-5), run-length deltas.
#include <gtest/gtest.h>

#include "BmpBuilder.h"
#include "ReaderHelpers.h"
#include "image/BmpReader.h"

namespace pixolan::test {
namespace {

// A file header (pixel offset right after header and table) around an information header.
ByteRow BmpFile(const Bytes& header, const ByteRow& table, const ByteRow& pixels) {
  const std::uint32_t offset = static_cast<std::uint32_t>(14 + header.size() + table.size());
  Bytes b;
  b.text("BM").u32le(offset + static_cast<std::uint32_t>(pixels.size())).u32le(0).u32le(offset);
  b.raw(header.data()).raw(table).raw(pixels);
  return b.data();
}

// The 40 bytes every longer header starts with.
Bytes InfoHeader(std::uint32_t size, std::int32_t w, std::int32_t h, std::uint16_t bits, std::uint32_t compression) {
  Bytes b;
  b.u32le(size).u32le(static_cast<std::uint32_t>(w)).u32le(static_cast<std::uint32_t>(h)).u16le(1).u16le(bits);
  b.u32le(compression).u32le(0).u32le(0).u32le(0).u32le(0).u32le(0);
  return b;
}

// A V4 (108) or V5 (124) header with masks; the colour space fields are filler.
Bytes WindowsHeader(std::uint32_t size, std::int32_t w, std::int32_t h, std::uint16_t bits, std::uint32_t compression,
                    std::uint32_t r, std::uint32_t g, std::uint32_t b, std::uint32_t a) {
  Bytes header = InfoHeader(size, w, h, bits, compression);
  header.u32le(r).u32le(g).u32le(b).u32le(a).fill(size - 56, 0x5A);
  return header;
}

TEST(BmpVariants, Os2CoreHeaderHasSixteenBitSizesAndThreeByteColours) {
  Bytes core;
  core.u32le(12).u16le(3).u16le(2).u16le(1).u16le(8);
  // Two entries (the offset says so), blue, green, red.
  auto image = LoadAs<CBmpReader>(BmpFile(core, {0x10, 0x20, 0x30, 0xFF, 0xFF, 0xFF}, {1, 0, 1, 0, 0, 1, 0, 0}));
  ASSERT_NE(image, nullptr);
  EXPECT_EQ(image->m_nWidth, 3);
  EXPECT_EQ(image->m_nHeight, 2);
  EXPECT_EQ(Row(*image, 0), (ByteRow{0, 1, 0, 0}));
  EXPECT_EQ(Row(*image, 1), (ByteRow{1, 0, 1, 0}));
  ExpectColours(*image, {{0, 1, Rgb(0xFF, 0xFF, 0xFF)}, {0, 0, Rgb(0x30, 0x20, 0x10)}});
  EXPECT_EQ(image->m_pPalette[2], Grey(0));
}

TEST(BmpVariants, SixteenBitPicturesBecomeFiveFiveFive) {
  // 5-6-5 masks inside a V4 header: full red, full green, full blue, one grey.
  const ByteRow px565 = {0x00, 0xF8, 0xE0, 0x07, 0x1F, 0x00, 0x10, 0x84};
  // 5-5-5 without bit fields: the rows are kept as they are.
  const ByteRow px555 = {0x00, 0x7C, 0xE0, 0x03, 0x1F, 0x00, 0x10, 0x42};
  const ByteRow rows[] = {{0x00, 0x7C, 0xE0, 0x03, 0x1F, 0x00, 0x10, 0x42}};
  for (const ByteRow& file : {BmpFile(WindowsHeader(108, 4, 1, 16, 3, 0xF800, 0x07E0, 0x001F, 0), {}, px565),
                              BmpFile(InfoHeader(40, 4, 1, 16, 0), {}, px555),
                              BmpFile(InfoHeader(40, 4, 1, 16, 3).u32le(0xF800).u32le(0x07E0).u32le(0x001F), {}, px565)}) {
    auto image = LoadAs<CBmpReader>(file);
    ASSERT_NE(image, nullptr);
    EXPECT_EQ(image->m_nBitsPerPixel, 16);
    EXPECT_EQ(Row(*image, 0), rows[0]);
    EXPECT_EQ(image->Mask(CRasterImage::kGreen).mask, 0x03E0u);
    ExpectColours(*image, {{0, 0, Rgb(248, 0, 0)}, {1, 0, Rgb(0, 248, 0)}, {2, 0, Rgb(0, 0, 248)}, {3, 0, Grey(128)}});
    ExpectConsistent(*image);
  }
}

TEST(BmpVariants, ThirtyTwoBitFieldsUseTheFilesMasksAndDisplayAsUsual) {
  // Blue in the low byte of the masks' opposite order: x, blue, green, red from the top.
  const ByteRow pixel = {0x30, 0x20, 0x10, 0x00};
  for (const ByteRow& file : {BmpFile(InfoHeader(40, 1, 1, 32, 3).u32le(0xFF).u32le(0xFF00).u32le(0xFF0000), {}, pixel),
                              BmpFile(WindowsHeader(124, 1, 1, 32, 3, 0xFF, 0xFF00, 0xFF0000, 0), {}, pixel)}) {
    auto image = LoadAs<CBmpReader>(file);
    ASSERT_NE(image, nullptr);
    EXPECT_EQ(image->GetPixelColour(0, 0), Rgb(0x30, 0x20, 0x10));
    ASSERT_NE(image->CreateDisplayBitmap(), nullptr);
    EXPECT_EQ(image->Mask(CRasterImage::kRed).mask, 0xFF0000u);
    EXPECT_EQ(image->GetPixelColour(0, 0), Rgb(0x30, 0x20, 0x10));
  }
}

TEST(BmpVariants, UnsupportedCompressionOfNewerHeadersIsRefused) {
  Bytes os2 = InfoHeader(64, 8, 1, 1, 3);  // OS/2 Huffman 1D
  os2.fill(24, 0);
  EXPECT_EQ(LoadAs<CBmpReader>(BmpFile(os2, {0, 0, 0, 0, 0xFF, 0xFF, 0xFF, 0}, {0, 0, 0, 0})), nullptr);
  EXPECT_EQ(LoadAs<CBmpReader>(BmpFile(WindowsHeader(124, 1, 1, 24, 4, 0, 0, 0, 0), {}, {1, 2, 3, 0})), nullptr);
  EXPECT_EQ(LoadAs<CBmpReader>(BmpFile(InfoHeader(40, 2, 1, 16, 1), {}, {1, 2, 3, 4})), nullptr);
}

BmpLayout Rle(std::int32_t width, std::int32_t height, std::uint16_t bits, ByteRow data) {
  return {.width = width, .height = height, .bits = bits, .compression = bits == 8 ? 1u : 2u,
          .palette = GreyPalette(bits == 8 ? 256 : 16), .pixels = std::move(data)};
}

TEST(BmpVariants, RunLengthDeltasSkipPixelsAndStopWhenLeavingThePicture) {
  struct Case {
    const char* what;
    BmpLayout layout;
    std::vector<ByteRow> rows;  // top row first
  } cases[] = {
      {"rle8 delta right and up", Rle(4, 3, 8, {0x02, 5, 0x00, 0x02, 1, 1, 0x01, 7, 0x00, 0x01}),
       {{0, 0, 0, 0}, {0, 0, 0, 7}, {5, 5, 0, 0}}},
      {"rle4 delta to an odd pixel", Rle(5, 2, 4, {0x01, 0x90, 0x00, 0x02, 2, 1, 0x02, 0xAB, 0x00, 0x01}),
       {{0x00, 0x0A, 0xB0, 0}, {0x90, 0x00, 0x00, 0}}},
      {"up past the top stops", Rle(2, 2, 8, {0x02, 5, 0x00, 0x02, 0, 2, 0x02, 9}), {{0, 0, 0, 0}, {5, 5, 0, 0}}},
      {"right past the row stops", Rle(2, 2, 8, {0x01, 5, 0x00, 0x02, 2, 0, 0x02, 9}), {{0, 0, 0, 0}, {5, 0, 0, 0}}},
      {"cut short", Rle(2, 1, 8, {0x01, 5, 0x00, 0x02, 1}), {{5, 0, 0, 0}}},
      {"top-down moves down", Rle(2, -2, 8, {0x00, 0x02, 1, 1, 0x01, 3, 0x00, 0x01}), {{0, 0, 0, 0}, {0, 3, 0, 0}}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    auto image = LoadAs<CBmpReader>(BuildBmp(c.layout));
    ASSERT_NE(image, nullptr);
    for (std::size_t y = 0; y < c.rows.size(); ++y) EXPECT_EQ(Row(*image, static_cast<std::int32_t>(y)), c.rows[y]) << y;
  }
}

}  // namespace
}  // namespace pixolan::test
