// Damaged pictures: random truncations, bit flips and hostile header values must
// give either a clean refusal or a consistent image, never a crash or a stray
// memory access (this suite also runs under the address sanitizer).
#include <gtest/gtest.h>

#include <random>

#include "BmpBuilder.h"
#include "ReaderHelpers.h"
#include "image/GbrBuilder.h"
#include "image/IffBuilder.h"
#include "image/IffReader.h"
#include "image/ImageReaderList.h"

namespace pixolan::test {
namespace {

// Bitmap header fields worth attacking: width, height, bit count, compression, colours used.
constexpr std::size_t kBmpFields[] = {18, 22, 28, 30, 46};
constexpr std::uint32_t kHostileValues[] = {0,     1,     2,     3,          4,          8,          16,
                                            24,    32,    255,   256,        257,        16384,      16385,
                                            65535, 65536, 0xFFFFFFFF, 0x80000000, 0x7FFFFFFF, 0xFFFFC000};

void Mutate(ByteVector& bytes, std::mt19937& rng, bool bmpFields) {
  if (bytes.empty()) return;
  auto pick = [&](std::size_t n) { return std::uniform_int_distribution<std::size_t>(0, n - 1)(rng); };
  auto flip = [&](std::size_t within) { bytes[pick(within)] ^= static_cast<std::uint8_t>(1u << pick(8)); };
  switch (pick(5)) {
    case 0:  // cut anywhere
      bytes.resize(pick(bytes.size()));
      break;
    case 1:  // flip bits anywhere
      for (std::size_t n = 1 + pick(4); n > 0; --n) flip(bytes.size());
      break;
    case 2:  // flip bits in the headers and the start of the data
      for (std::size_t n = 1 + pick(3); n > 0; --n) flip(std::min<std::size_t>(bytes.size(), 80));
      break;
    case 3:  // an extreme byte, as in lengths and counts
      bytes[pick(bytes.size())] = pick(2) ? 0xFF : 0x00;
      break;
    default:  // a hostile value in one header field (bitmaps) or a flipped bit, then sometimes a cut
      if (bmpFields) {
        const std::size_t at = kBmpFields[pick(std::size(kBmpFields))];
        const std::uint32_t value = kHostileValues[pick(std::size(kHostileValues))];
        for (std::size_t k = 0; k < (at == 28 ? 2u : 4u) && at + k < bytes.size(); ++k)
          bytes[at + k] = static_cast<std::uint8_t>(value >> (8 * k));
      } else {
        flip(bytes.size());
      }
      if (pick(3) == 0) bytes.resize(pick(bytes.size()) + 1);
      break;
  }
}

// Returns how many damaged copies loaded (each one checked) and were refused.
std::pair<int, int> RunDamage(std::string_view name, const ByteVector& fixture, int rounds, unsigned seed) {
  const CImageReaderList list;
  EXPECT_NE(list.OpenImageFromMemory(name, fixture.data(), fixture.size()), nullptr) << "fixture must load";
  const bool bmp = name.ends_with(".bmp");
  std::mt19937 rng(seed);
  int loaded = 0, refused = 0;
  for (int round = 0; round < rounds; ++round) {
    ByteVector bytes = fixture;
    Mutate(bytes, rng, bmp);
    if (rng() % 4 == 0) Mutate(bytes, rng, bmp);
    auto image = list.OpenImageFromMemory(name, bytes.data(), bytes.size());
    if (image == nullptr) {
      ++refused;
      continue;
    }
    ++loaded;
    SCOPED_TRACE(round);
    ExpectConsistent(*image);
  }
  return {loaded, refused};
}

ByteVector ThirdParty(const char* relative) { return ReadFile(DataDir() / "third_party" / relative); }

TEST(ImageDamage, BitmapsAreRefusedOrLoadCleanly) {
  BmpLayout plain8{.width = 13, .height = 5, .bits = 8, .coloursUsed = 16, .palette = GreyPalette(16)};
  plain8.pixels.assign(16 * 5, 7);
  BmpLayout plain1{.width = 9, .height = 3, .bits = 1, .palette = {0, 0xFFFFFF}, .pixels = ByteVector(12, 0x5A)};
  BmpLayout plain24{.width = 3, .height = 3, .bits = 24, .pixels = ByteVector(36, 0x40)};
  BmpLayout rle8{.width = 6, .height = 4, .bits = 8, .compression = 1, .palette = GreyPalette(256),
                 .pixels = {0x03, 0x01, 0x00, 0x03, 0x04, 0x05, 0x06, 0x00, 0x00, 0x00, 0x06, 0x02, 0x00, 0x00, 0x00,
                            0x00, 0x02, 0x09, 0x00, 0x01}};
  BmpLayout rle4{.width = 7, .height = 3, .bits = 4, .compression = 2, .palette = GreyPalette(16, 16),
                 .pixels = {0x05, 0x12, 0x00, 0x05, 0x34, 0x56, 0x70, 0x00, 0x00, 0x00, 0x07, 0xAB, 0x00, 0x01}};
  const ByteVector seeds[] = {BuildBmp(plain8), BuildBmp(plain1), BuildBmp(plain24), BuildBmp(rle8), BuildBmp(rle4),
                              ThirdParty("bmp/bmpsuite/g/pal4rle.bmp"), ThirdParty("bmp/bmpsuite/g/pal8rle.bmp"),
                              ThirdParty("bmp/bmpsuite/g/pal1bg.bmp"), ThirdParty("bmp/bmpsuite/g/rgb32.bmp")};
  int loaded = 0, refused = 0;
  unsigned seed = 20240611;
  for (const ByteVector& s : seeds) {
    const auto [l, r] = RunDamage("x.bmp", s, 340, seed++);
    loaded += l;
    refused += r;
  }
  // Both outcomes must occur, or the mutations test nothing.
  EXPECT_GT(loaded, 300);
  EXPECT_GT(refused, 300);
}

std::vector<std::uint32_t> Pattern(int count, int planes) {
  std::vector<std::uint32_t> v(static_cast<std::size_t>(count));
  for (int i = 0; i < count; ++i) v[static_cast<std::size_t>(i)] = static_cast<std::uint32_t>(i * 2654435761u) & ((1u << planes) - 1);
  return v;
}

TEST(ImageDamage, IffAndGbrFilesAreRefusedOrLoadCleanly) {
  Bytes packed;  // one literal run and one repeat run per picture row
  for (int y = 0; y < 6; ++y) packed.u8(7).fill(8, static_cast<std::uint8_t>(y * 37)).u8(0xF9).u8(0x5A);
  const ByteVector iffs[] = {
      IffForm({IffBmhd(24, 6, 4), IffChunk("ANNO", {1, 2, 3}), IffCmap(16), IffPlanarBody(24, 6, 4, Pattern(144, 4))}),
      IffForm({IffBmhd(16, 6, 4, 1), IffCamg(0), IffCmap(16), IffChunk("BODY", packed.data())}),
      IffForm({IffBmhd(5, 3, 6), IffCamg(CIffReader::kCamgExtraHalfBrite), IffCmap(32), IffPlanarBody(5, 3, 6, Pattern(15, 6))}),
      IffForm({IffBmhd(4, 4, 24), IffPlanarBody(4, 4, 24, Pattern(16, 24))}),
      ThirdParty("ilbm/small-24bit.iff"),
  };
  DebugLog quiet;
  GbrFile full;
  full.Object(0x01, 0, ByteVector(120, 'a')).TileSettings(2, 1, 2).Palettes(3, 1, 3, 2)
      .TilePalette(4, 1, {0, 1, 2, 1, 0}, {1, 0, 1, 0, 1}).TileData(1, 8, 8, 5, {0, 1, 2, 3}, ByteVector(320, 2));
  GbrFile wide;
  wide.TileSettings(2, 1, 3).Palettes(3, 1, 1, 1).TilePalette(4, 1, {0}, {0}).UniformTiles(1, 24, 16, 7, 3);
  const ByteVector gbrs[] = {full.data(), wide.data(), ThirdParty("gbr/zgb_demo_laser_anim.gbr")};
  unsigned seed = 1;
  int loaded = 0;
  for (const ByteVector& f : iffs) loaded += RunDamage("x.lbm", f, 700, seed++).first;
  for (const ByteVector& f : gbrs) loaded += RunDamage("x.gbr", f, 700, seed++).first;
  EXPECT_GT(loaded, 0);  // some damage (to pixels, to ignored fields) is harmless
}

}  // namespace
}  // namespace pixolan::test
