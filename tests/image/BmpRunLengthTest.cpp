#include <gtest/gtest.h>

#include <memory>

#include "BmpBuilder.h"
#include "image/BmpReader.h"

namespace pixolan {
namespace {

using test::BmpLayout;
using test::BuildBmp;
using test::GreyPalette;
using ByteRow = std::vector<std::uint8_t>;

constexpr std::uint32_t kRle8 = 1;
constexpr std::uint32_t kRle4 = 2;

std::unique_ptr<CBmpReader> DecodeRle(std::int32_t width, std::int32_t height, std::uint16_t bits,
                                      std::vector<std::uint8_t> data) {
  BmpLayout l{.width = width, .height = height, .bits = bits, .compression = bits == 8 ? kRle8 : kRle4,
              .palette = GreyPalette(bits == 8 ? 256 : 16)};
  l.pixels = std::move(data);
  const auto file = BuildBmp(l);
  auto reader = std::make_unique<CBmpReader>();
  if (!reader->LoadMemory(file.data(), file.size())) return nullptr;
  return reader;
}

ByteRow Row(const CRasterImage& image, std::int32_t y) {
  const std::uint8_t* row = image.m_ppRows[static_cast<std::size_t>(y)];
  return {row, row + image.GetStride()};
}

// --- 8 bits ------------------------------------------------------------------

TEST(BmpRunLength, EightBitRunsAndEndOfLineFillRowsFromTheBottom) {
  auto image = DecodeRle(4, 3, 8, {0x04, 0x07, 0x00, 0x00, 0x02, 0x05, 0x02, 0x06, 0x00, 0x01});
  ASSERT_NE(image, nullptr);
  EXPECT_EQ(Row(*image, 2), (ByteRow{7, 7, 7, 7}));
  EXPECT_EQ(Row(*image, 1), (ByteRow{5, 5, 6, 6}));
  EXPECT_EQ(Row(*image, 0), (ByteRow{0, 0, 0, 0}));  // never reached
  EXPECT_EQ(image->Mask(CRasterImage::kRed).mask, 0u);
}

TEST(BmpRunLength, EightBitOddLiteralSkipsItsPadByte) {
  // Were the pad byte read as a count, the next byte would be a delta escape.
  auto image = DecodeRle(5, 1, 8, {0x00, 0x03, 0x01, 0x02, 0x03, 0x00, 0x02, 0x09, 0x00, 0x01});
  ASSERT_NE(image, nullptr);
  EXPECT_EQ(Row(*image, 0), (ByteRow{1, 2, 3, 9, 9, 0, 0, 0}));
}

TEST(BmpRunLength, DecodingStopsAfterTheTopRowsEndOfLine) {
  auto image = DecodeRle(2, 2, 8, {0x02, 0x01, 0x00, 0x00, 0x02, 0x02, 0x00, 0x00, 0x00, 0x02, 0x00, 0x00});
  ASSERT_NE(image, nullptr);  // the delta after the last row is never seen
  EXPECT_EQ(Row(*image, 0), (ByteRow{2, 2, 0, 0}));
  EXPECT_EQ(Row(*image, 1), (ByteRow{1, 1, 0, 0}));
}

TEST(BmpRunLength, DeltaEscapeIsRefused) {
  EXPECT_EQ(DecodeRle(4, 2, 8, {0x00, 0x02, 0x01, 0x01, 0x00, 0x01}), nullptr);
  EXPECT_EQ(DecodeRle(4, 2, 4, {0x00, 0x02, 0x01, 0x01, 0x00, 0x01}), nullptr);
}

TEST(BmpRunLength, StreamWithoutEndOfBitmapKeepsWhatWasDecoded) {
  auto image = DecodeRle(3, 2, 8, {0x02, 0x05});
  ASSERT_NE(image, nullptr);
  EXPECT_EQ(Row(*image, 1), (ByteRow{5, 5, 0, 0}));
  // A literal cut short by the end of the file keeps its first pixels.
  image = DecodeRle(4, 1, 8, {0x00, 0x04, 0x08, 0x09});
  ASSERT_NE(image, nullptr);
  EXPECT_EQ(Row(*image, 0), (ByteRow{8, 9, 0, 0}));
  // A run whose value byte is missing writes nothing.
  image = DecodeRle(4, 1, 8, {0x03});
  ASSERT_NE(image, nullptr);
  EXPECT_EQ(Row(*image, 0), (ByteRow{0, 0, 0, 0}));
}

TEST(BmpRunLength, OverlongRunsAndLiteralsAreClippedAtTheRowEnd) {
  auto image = DecodeRle(3, 2, 8,
                         {0xFF, 0x05,                                            // 255 pixels on a 3-pixel row
                          0x00, 0x00,                                            // next row up
                          0x00, 0x06, 0x01, 0x02, 0x03, 0x04, 0x05, 0x06,        // 6-pixel literal
                          0x00, 0x01});
  ASSERT_NE(image, nullptr);
  EXPECT_EQ(Row(*image, 1), (ByteRow{5, 5, 5, 0}));  // padding byte untouched
  EXPECT_EQ(Row(*image, 0), (ByteRow{1, 2, 3, 0}));
}

TEST(BmpRunLength, TopDownRunLengthFillsRowZeroFirst) {
  auto image = DecodeRle(2, -2, 8, {0x02, 0x01, 0x00, 0x00, 0x02, 0x02, 0x00, 0x01});
  ASSERT_NE(image, nullptr);
  EXPECT_EQ(Row(*image, 0), (ByteRow{1, 1, 0, 0}));
  EXPECT_EQ(Row(*image, 1), (ByteRow{2, 2, 0, 0}));
}

// --- 4 bits ------------------------------------------------------------------

TEST(BmpRunLength, FourBitRunsAlternateHighAndLowNibble) {
  // Run of 3 from 0xAB, then a 5-pixel literal in 3 bytes plus a pad byte.
  auto image = DecodeRle(8, 1, 4, {0x03, 0xAB, 0x00, 0x05, 0x12, 0x34, 0x50, 0x00, 0x00, 0x01});
  ASSERT_NE(image, nullptr);
  EXPECT_EQ(Row(*image, 0), (ByteRow{0xAB, 0xA1, 0x23, 0x45}));
  EXPECT_EQ(image->GetPixelIndex(2, 0), 0xA);
  EXPECT_EQ(image->GetPixelIndex(7, 0), 0x5);
}

TEST(BmpRunLength, FourBitLiteralWithEvenByteCountHasNoPad) {
  // 3 pixels in 2 bytes: no pad, the next pair is a run.
  auto image = DecodeRle(5, 1, 4, {0x00, 0x03, 0x12, 0x30, 0x02, 0x77, 0x00, 0x01});
  ASSERT_NE(image, nullptr);
  EXPECT_EQ(Row(*image, 0), (ByteRow{0x12, 0x37, 0x70, 0x00}));
}

TEST(BmpRunLength, FourBitEndOfLineMovesUpAndClipsOverlongRuns) {
  auto image = DecodeRle(3, 2, 4, {0x09, 0x12, 0x00, 0x00, 0x00, 0x05, 0x34, 0x56, 0x70, 0x00, 0x00, 0x01});
  ASSERT_NE(image, nullptr);
  EXPECT_EQ(Row(*image, 1), (ByteRow{0x12, 0x10, 0, 0}));  // pixel 3 would be the low nibble of byte 1
  EXPECT_EQ(Row(*image, 0), (ByteRow{0x34, 0x50, 0, 0}));
}

TEST(BmpRunLength, FourBitRunOfOneWritesOnlyTheHighNibble) {
  auto image = DecodeRle(4, 1, 4, {0x01, 0xCD, 0x01, 0xEF, 0x00, 0x01});
  ASSERT_NE(image, nullptr);
  EXPECT_EQ(Row(*image, 0), (ByteRow{0xCE, 0x00, 0, 0}));
}

}  // namespace
}  // namespace pixolan
