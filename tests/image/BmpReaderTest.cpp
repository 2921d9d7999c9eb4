#include <gtest/gtest.h>

#include <climits>
#include <cstdlib>

#include "BmpBuilder.h"
#include "ReaderHelpers.h"
#include "image/BmpReader.h"

namespace pixolan::test {
namespace {

std::unique_ptr<CBmpReader> Decode(const BmpLayout& l) { return LoadAs<CBmpReader>(BuildBmp(l)); }

// A run-length picture (8 bits: compression 1, 4 bits: compression 2) with a grey table.
BmpLayout Rle(std::int32_t width, std::int32_t height, std::uint16_t bits, ByteRow data) {
  return {.width = width, .height = height, .bits = bits, .compression = bits == 8 ? 1u : 2u,
          .palette = GreyPalette(bits == 8 ? 256 : 16), .pixels = std::move(data)};
}

struct BmpCase {
  const char* what;
  BmpLayout layout;
  std::vector<ByteRow> rows;  // top row first, padding included; empty: not checked
  std::vector<Probe> colours = {};
  std::int32_t paletteSize = -1;  // -1: not checked
};

BmpLayout Plain(std::int32_t w, std::int32_t h, std::uint16_t bits, std::vector<std::uint32_t> palette, ByteRow px,
                std::uint32_t used = 0, std::uint32_t compression = 0, std::size_t gap = 0) {
  return {.width = w, .height = h, .bits = bits, .compression = compression, .coloursUsed = used,
          .palette = std::move(palette), .pixels = std::move(px), .gap = gap};
}

const BmpCase kCases[] = {
    // Uncompressed rows: bottom-up, padded to four bytes, padding not copied.
    {"8-bit padded", Plain(13, 2, 8, GreyPalette(256), {10, 11, 12, 13, 14, 15, 16, 17, 18, 19, 20, 21, 22, 0xAA, 0xAA, 0xAA,
                                                        30, 31, 32, 33, 34, 35, 36, 37, 38, 39, 40, 41, 42, 0xAA, 0xAA, 0xAA}),
     {{30, 31, 32, 33, 34, 35, 36, 37, 38, 39, 40, 41, 42, 0, 0, 0}, {10, 11, 12, 13, 14, 15, 16, 17, 18, 19, 20, 21, 22, 0, 0, 0}},
     {{12, 0, Grey(42)}}},
    {"1-bit", Plain(9, 2, 1, {0x000000, 0xFFFFFF}, {0x80, 0x80, 0xFF, 0xFF, 0x01, 0x00, 0xFF, 0xFF}),
     {{0x01, 0x00, 0, 0}, {0x80, 0x80, 0, 0}}, {{0, 1, Grey(0xFF)}, {7, 0, Grey(0xFF)}, {8, 1, Grey(0xFF)}, {1, 1, Grey(0)}}},
    {"table is blue, green, red", Plain(1, 1, 1, {0x302010, 0}, {0, 0, 0, 0}), {}, {{0, 0, Rgb(0x30, 0x20, 0x10)}}},
    {"short table fills a full palette", Plain(2, 1, 8, GreyPalette(16, 16), {15, 16, 0, 0}, 16), {},
     {{0, 0, Grey(0xF0)}, {1, 0, Grey(0)}}, 256},
    {"4-bit without colour count, high nibble first", Plain(3, 1, 4, GreyPalette(16, 17), {0xF1, 0xE0, 0, 0}), {},
     {{0, 0, Grey(0xFF)}, {1, 0, Grey(17)}, {2, 0, Grey(0xEE)}}, 16},
    {"surplus colours skipped", Plain(2, 1, 1, {0x111111, 0x222222, 0x333333, 0x444444}, {0x40, 0, 0, 0}, 4), {},
     {{0, 0, Grey(0x11)}, {1, 0, Grey(0x22)}}, 2},
    {"pixels follow the table whatever the offset says", Plain(4, 1, 8, {0, 0xFFFFFF}, {1, 1, 1, 1}, 2, 0, 4),
     {{0xEE, 0xEE, 0xEE, 0xEE}}},
    {"24 bits ignore compression", Plain(2, 1, 24, {}, {0x10, 0x20, 0x30, 0x40, 0x50, 0x60, 0, 0}, 0, 1), {},
     {{0, 0, Rgb(0x30, 0x20, 0x10)}, {1, 0, Rgb(0x60, 0x50, 0x40)}}, 0},
    {"true colour skips a declared table", Plain(1, 1, 24, {0xABCDEF, 0x123456}, {0x10, 0x20, 0x30, 0}, 2), {},
     {{0, 0, Rgb(0x30, 0x20, 0x10)}}},
    // Bit fields put three mask words first; the usual ones keep alpha in the top byte.
    {"32 bits, bit fields with the usual masks",
     Plain(1, 1, 32, {}, {0, 0, 0xFF, 0, 0, 0xFF, 0, 0, 0xFF, 0, 0, 0, 0x10, 0x20, 0x30, 0x40}, 0, 3), {},
     {{0, 0, {0x40, 0x30, 0x20, 0x10}}}},
    {"32 bits with alpha", Plain(1, 1, 32, {}, {0x10, 0x20, 0x30, 0x40}), {}, {{0, 0, {0x40, 0x30, 0x20, 0x10}}}},
    {"negative height is top-down", Plain(2, -2, 8, {0}, {1, 2, 0, 0, 3, 4, 0, 0}, 1), {{1, 2, 0, 0}, {3, 4, 0, 0}}},
    // Run-length 8: runs, literals, end of line, end of bitmap.
    {"rle8 runs fill from the bottom", Rle(4, 3, 8, {0x04, 0x07, 0x00, 0x00, 0x02, 0x05, 0x02, 0x06, 0x00, 0x01}),
     {{0, 0, 0, 0}, {5, 5, 6, 6}, {7, 7, 7, 7}}},
    // Were the pad byte read as a count, the next byte would be a delta escape.
    {"rle8 odd literal skips its pad", Rle(5, 1, 8, {0x00, 0x03, 1, 2, 3, 0x00, 0x02, 0x09, 0x00, 0x01}),
     {{1, 2, 3, 9, 9, 0, 0, 0}}},
    {"rle8 stops after the top row", Rle(2, 2, 8, {0x02, 1, 0, 0, 0x02, 2, 0, 0, 0x00, 0x02, 0, 0}), {{2, 2, 0, 0}, {1, 1, 0, 0}}},
    {"rle8 without end of bitmap", Rle(3, 2, 8, {0x02, 0x05}), {{0, 0, 0, 0}, {5, 5, 0, 0}}},
    {"rle8 literal cut by the file end", Rle(4, 1, 8, {0x00, 0x04, 8, 9}), {{8, 9, 0, 0}}},
    {"rle8 run without value", Rle(4, 1, 8, {0x03}), {{0, 0, 0, 0}}},
    {"rle8 overlong run and literal clipped",
     Rle(3, 2, 8, {0xFF, 0x05, 0x00, 0x00, 0x00, 0x06, 1, 2, 3, 4, 5, 6, 0x00, 0x01}), {{1, 2, 3, 0}, {5, 5, 5, 0}}},
    {"rle8 top-down", Rle(2, -2, 8, {0x02, 1, 0, 0, 0x02, 2, 0, 1}), {{1, 1, 0, 0}, {2, 2, 0, 0}}},
    // Run-length 4: runs alternate the two nibbles, literals pad to whole words.
    {"rle4 run and literal", Rle(8, 1, 4, {0x03, 0xAB, 0x00, 0x05, 0x12, 0x34, 0x50, 0x00, 0x00, 0x01}),
     {{0xAB, 0xA1, 0x23, 0x45}}},
    {"rle4 literal of two bytes has no pad", Rle(5, 1, 4, {0x00, 0x03, 0x12, 0x30, 0x02, 0x77, 0x00, 0x01}),
     {{0x12, 0x37, 0x70, 0x00}}},
    {"rle4 end of line and clipping", Rle(3, 2, 4, {0x09, 0x12, 0, 0, 0x00, 0x05, 0x34, 0x56, 0x70, 0, 0x00, 0x01}),
     {{0x34, 0x50, 0, 0}, {0x12, 0x10, 0, 0}}},
    {"rle4 run of one writes the high nibble", Rle(4, 1, 4, {0x01, 0xCD, 0x01, 0xEF, 0x00, 0x01}), {{0xCE, 0x00, 0, 0}}},
};

TEST(BmpReader, DecodesRowsColoursAndRuns) {
  for (const BmpCase& c : kCases) {
    SCOPED_TRACE(c.what);
    auto image = Decode(c.layout);
    ASSERT_NE(image, nullptr);
    EXPECT_EQ(image->m_nWidth, c.layout.width);
    EXPECT_EQ(image->m_nHeight, std::abs(c.layout.height));
    EXPECT_EQ(image->m_nBitsPerPixel, c.layout.bits);
    for (std::size_t y = 0; y < c.rows.size(); ++y) EXPECT_EQ(Row(*image, static_cast<std::int32_t>(y)), c.rows[y]) << y;
    ExpectColours(*image, c.colours);
    if (c.paletteSize >= 0) {
      EXPECT_EQ(image->PaletteSize(), c.paletteSize);
    }
  }
}

BmpLayout SmallEightBit() { return Plain(13, 2, 8, {0, 0xFFFFFF}, ByteRow(32, 1), 2); }

TEST(BmpReader, RefusesWhatItCannotRead) {
  auto refused = [](auto change) {
    BmpLayout l = SmallEightBit();
    change(l);
    return Decode(l) == nullptr;
  };
  EXPECT_FALSE(refused([](BmpLayout&) {}));
  EXPECT_TRUE(refused([](BmpLayout& l) { l.headerSize = 20; }));
  EXPECT_TRUE(refused([](BmpLayout& l) { l.headerSize = 100; }));
  for (std::uint16_t bits : {0, 2, 64}) EXPECT_TRUE(refused([&](BmpLayout& l) { l.bits = bits; })) << bits;
  for (auto [w, h] : {std::pair{0, 2}, {-13, 2}, {13, 0}, {16385, 2}, {13, -16385}, {13, INT_MIN}})
    EXPECT_TRUE(refused([&](BmpLayout& l) { l.width = w, l.height = h; })) << w << "x" << h;
  EXPECT_TRUE(refused([](BmpLayout& l) { l.coloursUsed = 0x7FFFFFFF; }));
  EXPECT_TRUE(refused([](BmpLayout& l) { l.coloursUsed = 0xFFFFFFFF; }));
  auto file = BuildBmp(SmallEightBit());
  file[1] = 'A';
  EXPECT_EQ(LoadAs<CBmpReader>(file), nullptr);
}

TEST(BmpReader, RefusesEveryTruncationThatCutsIntoPixels) {
  const auto file = BuildBmp(SmallEightBit());
  // The last row's three padding bytes are not needed.
  for (std::size_t size = 1; size < file.size() - 3; ++size)
    EXPECT_EQ(LoadAs<CBmpReader>({file.begin(), file.begin() + static_cast<std::ptrdiff_t>(size)}), nullptr) << size;
  EXPECT_NE(LoadAs<CBmpReader>({file.begin(), file.end() - 3}), nullptr);
}

TEST(BmpReader, FailedLoadLeavesNoImage) {
  CBmpReader reader;
  BmpLayout l = SmallEightBit();
  const auto good = BuildBmp(l);
  ASSERT_TRUE(reader.LoadMemory(good.data(), good.size()));
  l.bits = 2;
  const auto bad = BuildBmp(l);
  EXPECT_FALSE(reader.LoadMemory(bad.data(), bad.size()));
  EXPECT_TRUE(reader.m_ppRows.empty());
  EXPECT_FALSE(reader.HasPalette());
}

}  // namespace
}  // namespace pixolan::test
