#include <gtest/gtest.h>

#include <random>

#include "BmpBuilder.h"
#include "image/ImageReaderList.h"
#include "support/TestSupport.h"

// Damaged bitmaps: random truncations, bit flips and hostile header values must
// give either a clean refusal or a consistent image, never a crash or a stray
// memory access (this suite also runs under the address sanitizer).
namespace pixolan {
namespace {

using test::BmpLayout;
using test::BuildBmp;
using test::GreyPalette;

std::vector<std::vector<std::uint8_t>> Seeds() {
  std::vector<std::vector<std::uint8_t>> seeds;
  BmpLayout plain8{.width = 13, .height = 5, .bits = 8, .coloursUsed = 16, .palette = GreyPalette(16)};
  plain8.pixels.assign(16 * 5, 7);
  seeds.push_back(BuildBmp(plain8));
  BmpLayout plain1{.width = 9, .height = 3, .bits = 1, .palette = {0, 0xFFFFFF}};
  plain1.pixels.assign(12, 0x5A);
  seeds.push_back(BuildBmp(plain1));
  BmpLayout plain24{.width = 3, .height = 3, .bits = 24};
  plain24.pixels.assign(36, 0x40);
  seeds.push_back(BuildBmp(plain24));
  BmpLayout rle8{.width = 6, .height = 4, .bits = 8, .compression = 1, .palette = GreyPalette(256)};
  rle8.pixels = {0x03, 0x01, 0x00, 0x03, 0x04, 0x05, 0x06, 0x00, 0x00, 0x00, 0x06, 0x02,
                 0x00, 0x00, 0x00, 0x00, 0x02, 0x09, 0x00, 0x01};
  seeds.push_back(BuildBmp(rle8));
  BmpLayout rle4{.width = 7, .height = 3, .bits = 4, .compression = 2, .palette = GreyPalette(16, 16)};
  rle4.pixels = {0x05, 0x12, 0x00, 0x05, 0x34, 0x56, 0x70, 0x00, 0x00, 0x00, 0x07, 0xAB, 0x00, 0x01};
  seeds.push_back(BuildBmp(rle4));
  for (const char* name : {"bmpsuite/g/pal4rle.bmp", "bmpsuite/g/pal8rle.bmp", "bmpsuite/g/pal1bg.bmp",
                           "bmpsuite/g/rgb32.bmp"}) {
    seeds.push_back(test::ReadFile(test::DataDir() / "third_party" / "bmp" / name));
  }
  return seeds;
}

// Header fields worth attacking: width, height, bit count, compression, colours used.
constexpr std::size_t kFieldOffsets[] = {18, 22, 28, 30, 46};
constexpr std::uint32_t kHostileValues[] = {0,     1,     2,     3,     4,          8,          16,
                                            24,    32,    255,   256,   257,        16384,      16385,
                                            65535, 65536, 0xFFFFFFFF, 0x80000000, 0x7FFFFFFF, 0xFFFFC000};

void Mutate(std::vector<std::uint8_t>& bytes, std::mt19937& rng) {
  if (bytes.empty()) return;
  auto pick = [&](std::size_t n) { return std::uniform_int_distribution<std::size_t>(0, n - 1)(rng); };
  switch (pick(4)) {
    case 0:  // cut anywhere
      bytes.resize(pick(bytes.size()));
      break;
    case 1:  // flip bits anywhere
      for (std::size_t n = 1 + pick(4); n > 0; --n) bytes[pick(bytes.size())] ^= 1u << pick(8);
      break;
    case 2:  // flip bits in the headers and the start of the data
      for (std::size_t n = 1 + pick(3); n > 0; --n) bytes[pick(std::min<std::size_t>(bytes.size(), 80))] ^= 1u << pick(8);
      break;
    default: {  // a hostile value in one header field, sometimes also cut short
      const std::size_t at = kFieldOffsets[pick(std::size(kFieldOffsets))];
      const std::uint32_t value = kHostileValues[pick(std::size(kHostileValues))];
      const std::size_t width = (at == 28) ? 2 : 4;
      for (std::size_t k = 0; k < width && at + k < bytes.size(); ++k) bytes[at + k] = static_cast<std::uint8_t>(value >> (8 * k));
      if (pick(3) == 0) bytes.resize(pick(bytes.size()));
      break;
    }
  }
}

void CheckConsistent(CRasterImage& image) {
  ASSERT_GE(image.m_nWidth, 1);
  ASSERT_GE(image.m_nHeight, 1);
  ASSERT_LE(image.m_nWidth, kMaxImageDimension);
  ASSERT_LE(image.m_nHeight, kMaxImageDimension);
  ASSERT_EQ(image.m_ppRows.size(), static_cast<std::size_t>(image.m_nHeight));
  if (image.m_nBitsPerPixel <= 8) {
    ASSERT_EQ(image.PaletteSize(), 1 << image.m_nBitsPerPixel);
  }
  const std::int64_t pixels = static_cast<std::int64_t>(image.m_nWidth) * image.m_nHeight;
  if (pixels > (1 << 18)) return;  // large blank run-length pictures: skip the walk
  std::uint32_t sum = 0;
  for (std::int32_t y = 0; y < image.m_nHeight; ++y)
    for (std::int32_t x = 0; x < image.m_nWidth; ++x) sum += image.GetPixelColour(x, y).green;
  (void)sum;
  ASSERT_NE(image.CreateDisplayBitmap(), nullptr);
}

TEST(BmpFuzz, DamagedFilesAreRefusedOrLoadCleanly) {
  const auto seeds = Seeds();
  CImageReaderList list;
  std::mt19937 rng(20240611);
  int loaded = 0, refused = 0;
  for (int round = 0; round < 3000; ++round) {
    std::vector<std::uint8_t> bytes = seeds[static_cast<std::size_t>(round) % seeds.size()];
    Mutate(bytes, rng);
    if (rng() % 4 == 0) Mutate(bytes, rng);
    auto image = list.OpenImageFromMemory("x.bmp", bytes.data(), bytes.size());
    if (image == nullptr) {
      ++refused;
      continue;
    }
    ++loaded;
    SCOPED_TRACE(round);
    CheckConsistent(*image);
  }
  // Both outcomes must occur, or the mutations test nothing.
  EXPECT_GT(loaded, 300);
  EXPECT_GT(refused, 300);
}

}  // namespace
}  // namespace pixolan
