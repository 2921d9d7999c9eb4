// Random truncations and bit flips of IFF and GBR files must be refused or
// loaded cleanly; the sanitizer build turns any stray access into a failure.
#include <gtest/gtest.h>

#include <random>
#include <string_view>

#include "framework/DebugOutput.h"
#include "image/GbrBuilder.h"
#include "image/IffBuilder.h"
#include "image/IffReader.h"
#include "image/ImageReaderList.h"

namespace pixolan::test {
namespace {

constexpr int kMutationsPerFixture = 700;

ByteVector Mutate(const ByteVector& original, std::mt19937& rng) {
  ByteVector m = original;
  std::uniform_int_distribution<std::size_t> anywhere(0, m.size() - 1);
  switch (rng() % 4) {
    case 0:  // cut the file short
      m.resize(anywhere(rng));
      break;
    case 1:  // flip a few bits
      for (unsigned n = 1 + rng() % 4; n > 0; --n) m[anywhere(rng)] ^= static_cast<std::uint8_t>(1u << (rng() % 8));
      break;
    case 2:  // an extreme byte, as in lengths and counts
      m[anywhere(rng)] = (rng() % 2) ? 0xFF : 0x00;
      break;
    default:  // flip a bit, then cut
      m[anywhere(rng)] ^= static_cast<std::uint8_t>(1u << (rng() % 8));
      m.resize(anywhere(rng) + 1);
      break;
  }
  return m;
}

int RunMutations(std::string_view name, const ByteVector& fixture, unsigned seed) {
  const CImageReaderList list;
  EXPECT_NE(list.OpenImageFromMemory(name, fixture.data(), fixture.size()), nullptr) << "fixture must load";
  std::mt19937 rng(seed);
  int loaded = 0;
  for (int i = 0; i < kMutationsPerFixture; ++i) {
    const ByteVector m = Mutate(fixture, rng);
    auto image = list.OpenImageFromMemory(name, m.data(), m.size());
    if (!image) continue;
    ++loaded;
    EXPECT_GT(image->m_nWidth, 0);
    EXPECT_LE(image->m_nWidth, kMaxImageDimension);
    EXPECT_EQ(image->m_ppRows.size(), static_cast<std::size_t>(image->m_nHeight));
    EXPECT_EQ(image->m_pBits.size(), static_cast<std::size_t>(image->GetStride()) * image->m_ppRows.size());
  }
  return loaded;
}

std::vector<std::uint32_t> Pattern(int count, int planes) {
  std::vector<std::uint32_t> v(static_cast<std::size_t>(count));
  for (int i = 0; i < count; ++i) v[static_cast<std::size_t>(i)] = static_cast<std::uint32_t>(i * 2654435761u) & ((1u << planes) - 1);
  return v;
}

TEST(IffGbrMutation, IffPicturesSurviveDamage) {
  Bytes packed;  // one literal run and one repeat run per picture row
  for (int y = 0; y < 6; ++y) packed.u8(7).fill(8, static_cast<std::uint8_t>(y * 37)).u8(0xF9).u8(0x5A);
  const ByteVector fixtures[] = {
      IffForm({IffBmhd(24, 6, 4), IffChunk("ANNO", {1, 2, 3}), IffCmap(16), IffPlanarBody(24, 6, 4, Pattern(144, 4))}),
      IffForm({IffBmhd(16, 6, 4, 1), IffCamg(0), IffCmap(16), IffChunk("BODY", packed.data())}),
      IffForm({IffBmhd(5, 3, 6), IffCamg(CIffReader::kCamgExtraHalfBrite), IffCmap(32), IffPlanarBody(5, 3, 6, Pattern(15, 6))}),
      IffForm({IffBmhd(4, 4, 24), IffPlanarBody(4, 4, 24, Pattern(16, 24))}),
      ReadFile(DataDir() / "third_party" / "ilbm" / "small-24bit.iff"),
  };
  unsigned seed = 1;
  int loaded = 0;
  for (const ByteVector& f : fixtures) loaded += RunMutations("x.lbm", f, seed++);
  EXPECT_GT(loaded, 0);  // some damage (to pixels, to ignored fields) is harmless
}

TEST(IffGbrMutation, GbrTileFilesSurviveDamage) {
  const DebugSink previous = SetDebugSink([](std::string_view) {});
  GbrFile full;
  full.Object(0x01, 0, ByteVector(120, 'a'))
      .TileSettings(2, 1, 2)
      .Palettes(3, 1, 3, 2)
      .TilePalette(4, 1, {0, 1, 2, 1, 0}, {1, 0, 1, 0, 1})
      .TileData(1, 8, 8, 5, {0, 1, 2, 3}, ByteVector(320, 2));
  GbrFile wide;
  wide.TileSettings(2, 1, 3).Palettes(3, 1, 1, 1).TilePalette(4, 1, {0}, {0}).UniformTiles(1, 24, 16, 7, 3);
  const ByteVector fixtures[] = {full.data(), wide.data(),
                                 ReadFile(DataDir() / "third_party" / "gbr" / "zgb_demo_laser_anim.gbr")};
  unsigned seed = 100;
  int loaded = 0;
  for (const ByteVector& f : fixtures) loaded += RunMutations("x.gbr", f, seed++);
  EXPECT_GT(loaded, 0);
  SetDebugSink(previous);
}

}  // namespace
}  // namespace pixolan::test
