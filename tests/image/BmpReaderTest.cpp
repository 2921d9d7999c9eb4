#include <gtest/gtest.h>

#include <climits>
#include <memory>

#include "image/BmpReader.h"
#include "BmpBuilder.h"

namespace pixolan {
namespace {

using test::BmpLayout;
using test::BuildBmp;
using test::GreyPalette;

std::unique_ptr<CBmpReader> Decode(const std::vector<std::uint8_t>& file) {
  auto reader = std::make_unique<CBmpReader>();
  if (!reader->LoadMemory(file.data(), file.size())) return nullptr;
  return reader;
}

std::vector<std::uint8_t> Row(const CRasterImage& image, std::int32_t y) {
  const std::uint8_t* row = image.m_ppRows[static_cast<std::size_t>(y)];
  return {row, row + image.GetStride()};
}

using ByteRow = std::vector<std::uint8_t>;

// --- uncompressed rows -------------------------------------------------------

TEST(BmpReader, EightBitRowsArePaddedToFourBytesAndStoredBottomUp) {
  BmpLayout l{.width = 13, .height = 2, .bits = 8, .palette = GreyPalette(256)};
  for (std::uint8_t i = 0; i < 13; ++i) l.pixels.push_back(10 + i);  // bottom row
  l.pixels.insert(l.pixels.end(), {0xAA, 0xAA, 0xAA});
  for (std::uint8_t i = 0; i < 13; ++i) l.pixels.push_back(30 + i);  // top row
  l.pixels.insert(l.pixels.end(), {0xAA, 0xAA, 0xAA});
  auto image = Decode(BuildBmp(l));
  ASSERT_NE(image, nullptr);
  EXPECT_EQ(image->m_nWidth, 13);
  EXPECT_EQ(image->m_nHeight, 2);
  EXPECT_EQ(image->m_nBitsPerPixel, 8);
  EXPECT_EQ(Row(*image, 0), (ByteRow{30, 31, 32, 33, 34, 35, 36, 37, 38, 39, 40, 41, 42, 0, 0, 0}));
  EXPECT_EQ(Row(*image, 1), (ByteRow{10, 11, 12, 13, 14, 15, 16, 17, 18, 19, 20, 21, 22, 0, 0, 0}));
  EXPECT_EQ(image->GetPixelColour(12, 0), (PaletteEntry{0, 42, 42, 42}));
  EXPECT_EQ(image->Mask(CRasterImage::kRed).mask, 0u);
}

TEST(BmpReader, OneBitRowsCopyOnlyThePixelBytes) {
  BmpLayout l{.width = 9, .height = 2, .bits = 1, .palette = {0x000000, 0xFFFFFF}};
  l.pixels = {0x80, 0x80, 0xFF, 0xFF,   // bottom: pixels 0 and 8
              0x01, 0x00, 0xFF, 0xFF};  // top: pixel 7
  auto image = Decode(BuildBmp(l));
  ASSERT_NE(image, nullptr);
  EXPECT_EQ(Row(*image, 0), (ByteRow{0x01, 0x00, 0, 0}));
  EXPECT_EQ(Row(*image, 1), (ByteRow{0x80, 0x80, 0, 0}));
  EXPECT_EQ(image->GetPixelIndex(7, 0), 1);
  EXPECT_EQ(image->GetPixelIndex(8, 1), 1);
  EXPECT_EQ(image->GetPixelColour(0, 1), (PaletteEntry{0, 0xFF, 0xFF, 0xFF}));
}

TEST(BmpReader, ColourTableEntriesAreBlueGreenRed) {
  BmpLayout l{.width = 1, .height = 1, .bits = 1, .palette = {0x302010, 0x000000}};
  l.pixels = {0, 0, 0, 0};
  const auto file = BuildBmp(l);
  EXPECT_EQ((ByteRow{file.begin() + 54, file.begin() + 58}), (ByteRow{0x10, 0x20, 0x30, 0x00}));
  auto image = Decode(file);
  ASSERT_NE(image, nullptr);
  EXPECT_EQ(image->m_pPalette[0], (PaletteEntry{0, 0x30, 0x20, 0x10}));
}

TEST(BmpReader, ShortColourTableFillsTheFirstEntriesOfAFullPalette) {
  BmpLayout l{.width = 2, .height = 1, .bits = 8, .coloursUsed = 16, .palette = GreyPalette(16, 16)};
  l.pixels = {15, 16, 0, 0};
  auto image = Decode(BuildBmp(l));
  ASSERT_NE(image, nullptr);
  EXPECT_EQ(image->PaletteSize(), 256);
  EXPECT_EQ(image->GetPixelColour(0, 0), (PaletteEntry{0, 0xF0, 0xF0, 0xF0}));
  EXPECT_EQ(image->GetPixelColour(1, 0), PaletteEntry{});  // not in the file: black
}

TEST(BmpReader, FourBitFileWithoutColourCountReadsSixteenEntries) {
  BmpLayout l{.width = 3, .height = 1, .bits = 4, .palette = GreyPalette(16, 17)};
  l.pixels = {0xF1, 0xE0, 0, 0};
  auto image = Decode(BuildBmp(l));
  ASSERT_NE(image, nullptr);
  EXPECT_EQ(image->PaletteSize(), 16);
  EXPECT_EQ(image->GetPixelColour(0, 0), (PaletteEntry{0, 0xFF, 0xFF, 0xFF}));
  EXPECT_EQ(image->GetPixelColour(1, 0), (PaletteEntry{0, 17, 17, 17}));
  EXPECT_EQ(image->GetPixelColour(2, 0), (PaletteEntry{0, 0xEE, 0xEE, 0xEE}));
}

TEST(BmpReader, SurplusColoursAreSkippedButNotIndexed) {
  // Four entries declared at one bit: the pixels follow the whole table.
  BmpLayout l{.width = 2, .height = 1, .bits = 1, .coloursUsed = 4,
              .palette = {0x111111, 0x222222, 0x333333, 0x444444}};
  l.pixels = {0x40, 0, 0, 0};
  auto image = Decode(BuildBmp(l));
  ASSERT_NE(image, nullptr);
  EXPECT_EQ(image->PaletteSize(), 2);
  EXPECT_EQ(image->GetPixelColour(0, 0), (PaletteEntry{0, 0x11, 0x11, 0x11}));
  EXPECT_EQ(image->GetPixelColour(1, 0), (PaletteEntry{0, 0x22, 0x22, 0x22}));
}

TEST(BmpReader, PixelsStartRightAfterTheColourTableWhateverTheOffsetSays) {
  BmpLayout l{.width = 4, .height = 1, .bits = 8, .coloursUsed = 2, .palette = {0, 0xFFFFFF}, .gap = 4};
  l.pixels = {1, 1, 1, 1};
  auto image = Decode(BuildBmp(l));
  ASSERT_NE(image, nullptr);
  EXPECT_EQ(Row(*image, 0), (ByteRow{0xEE, 0xEE, 0xEE, 0xEE}));
}

TEST(BmpReader, TwentyFourBitsIgnoreTheCompressionField) {
  BmpLayout l{.width = 2, .height = 1, .bits = 24, .compression = 1};
  l.pixels = {0x10, 0x20, 0x30, 0x40, 0x50, 0x60, 0, 0};
  auto image = Decode(BuildBmp(l));
  ASSERT_NE(image, nullptr);
  EXPECT_FALSE(image->HasPalette());
  EXPECT_EQ(image->GetPixelColour(0, 0), (PaletteEntry{0, 0x30, 0x20, 0x10}));
  EXPECT_EQ(image->GetPixelColour(1, 0), (PaletteEntry{0, 0x60, 0x50, 0x40}));
}

TEST(BmpReader, TrueColourFilesSkipADeclaredColourTable) {
  BmpLayout l{.width = 1, .height = 1, .bits = 24, .coloursUsed = 2, .palette = {0xABCDEF, 0x123456}};
  l.pixels = {0x10, 0x20, 0x30, 0};
  auto image = Decode(BuildBmp(l));
  ASSERT_NE(image, nullptr);
  EXPECT_EQ(image->GetPixelColour(0, 0), (PaletteEntry{0, 0x30, 0x20, 0x10}));
}

TEST(BmpReader, ThirtyTwoBitsUseFixedMasksEvenWithBitFields) {
  // Compression 3 would put three mask words first; they are read as the pixel.
  BmpLayout l{.width = 1, .height = 1, .bits = 32, .compression = 3};
  l.pixels = {0x00, 0x00, 0xFF, 0x00, 0x00, 0xFF, 0x00, 0x00, 0xFF, 0x00, 0x00, 0x00, 0x10, 0x20, 0x30, 0x40};
  auto image = Decode(BuildBmp(l));
  ASSERT_NE(image, nullptr);
  EXPECT_EQ(image->Mask(CRasterImage::kAlpha).mask, 0xFF000000u);
  EXPECT_EQ(image->Mask(CRasterImage::kRed).mask, 0xFF0000u);
  EXPECT_EQ(image->GetPixelColour(0, 0), (PaletteEntry{0x00, 0xFF, 0x00, 0x00}));

  l.compression = 0;
  l.pixels = {0x10, 0x20, 0x30, 0x40};
  image = Decode(BuildBmp(l));
  ASSERT_NE(image, nullptr);
  EXPECT_EQ(image->GetPixelColour(0, 0), (PaletteEntry{0x40, 0x30, 0x20, 0x10}));
}

TEST(BmpReader, NegativeHeightIsTopDown) {
  BmpLayout l{.width = 2, .height = -2, .bits = 8, .coloursUsed = 1, .palette = {0}};
  l.pixels = {1, 2, 0, 0, 3, 4, 0, 0};
  auto image = Decode(BuildBmp(l));
  ASSERT_NE(image, nullptr);
  EXPECT_EQ(image->m_nHeight, 2);
  EXPECT_EQ(Row(*image, 0), (ByteRow{1, 2, 0, 0}));
  EXPECT_EQ(Row(*image, 1), (ByteRow{3, 4, 0, 0}));
}

// --- refusals ----------------------------------------------------------------

BmpLayout SmallEightBit() {
  BmpLayout l{.width = 13, .height = 2, .bits = 8, .coloursUsed = 2, .palette = {0, 0xFFFFFF}};
  l.pixels.assign(32, 1);
  return l;
}

TEST(BmpReader, RefusesWhatItCannotRead) {
  auto refused = [](auto change) {
    BmpLayout l = SmallEightBit();
    change(l);
    return Decode(BuildBmp(l)) == nullptr;
  };
  EXPECT_FALSE(refused([](BmpLayout&) {}));
  EXPECT_TRUE(refused([](BmpLayout& l) { l.headerSize = 12; }));
  EXPECT_TRUE(refused([](BmpLayout& l) { l.headerSize = 108; }));
  for (std::uint16_t bits : {0, 2, 16, 64}) EXPECT_TRUE(refused([&](BmpLayout& l) { l.bits = bits; })) << bits;
  EXPECT_TRUE(refused([](BmpLayout& l) { l.width = 0; }));
  EXPECT_TRUE(refused([](BmpLayout& l) { l.width = -13; }));
  EXPECT_TRUE(refused([](BmpLayout& l) { l.height = 0; }));
  EXPECT_TRUE(refused([](BmpLayout& l) { l.width = 16385; }));
  EXPECT_TRUE(refused([](BmpLayout& l) { l.height = -16385; }));
  EXPECT_TRUE(refused([](BmpLayout& l) { l.height = INT_MIN; }));
  EXPECT_TRUE(refused([](BmpLayout& l) { l.coloursUsed = 0x7FFFFFFF; }));
  EXPECT_TRUE(refused([](BmpLayout& l) { l.coloursUsed = 0xFFFFFFFF; }));

  auto file = BuildBmp(SmallEightBit());
  file[0] = 'B';
  file[1] = 'A';
  EXPECT_EQ(Decode(file), nullptr);
}

TEST(BmpReader, RefusesEveryTruncationThatCutsIntoPixels) {
  const auto file = BuildBmp(SmallEightBit());
  // The last row's three padding bytes are not needed.
  for (std::size_t size = 1; size < file.size() - 3; ++size) {
    EXPECT_EQ(Decode({file.begin(), file.begin() + static_cast<std::ptrdiff_t>(size)}), nullptr) << size;
  }
  EXPECT_NE(Decode({file.begin(), file.end() - 3}), nullptr);
}

TEST(BmpReader, RefusesHugeDimensionsWithoutAllocating) {
  BmpLayout l{.width = 16384, .height = 16384, .bits = 32};
  l.pixels.assign(64, 0);
  EXPECT_EQ(Decode(BuildBmp(l)), nullptr);
}

TEST(BmpReader, FailedLoadLeavesNoImage) {
  auto reader = std::make_unique<CBmpReader>();
  BmpLayout l = SmallEightBit();
  const auto good = BuildBmp(l);
  ASSERT_TRUE(reader->LoadMemory(good.data(), good.size()));
  l.bits = 16;
  const auto bad = BuildBmp(l);
  EXPECT_FALSE(reader->LoadMemory(bad.data(), bad.size()));
  EXPECT_TRUE(reader->m_ppRows.empty());
  EXPECT_FALSE(reader->HasPalette());
}

}  // namespace
}  // namespace pixolan
