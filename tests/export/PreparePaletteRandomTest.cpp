// First-fit palette assignment (which skips palettes known to be too full)
// against the plain search from palette 0, on random blocks and loaded palettes.
#include <gtest/gtest.h>

#include <random>

#include "export/PaletteAssigner.h"
#include "export/ExportFixture.h"

namespace pixolan::test {
namespace {

struct Palettes {
  std::array<GbcPalette, 256> table{};
  std::array<std::int32_t, 256> counts{};
  std::int32_t n = 0;
  std::vector<std::string> messages;
};

// Palette assignment spelled out: every palette from 0, first fit.
void ReferenceAssign(Palettes& p, BlockInfo& b) {
  const auto colours = static_cast<std::size_t>(b.nColours);
  for (std::size_t q = 0; q < static_cast<std::size_t>(p.n); ++q) {
    GbcPalette& palette = p.table[q];
    std::int32_t& used = p.counts[q];
    std::array<std::int32_t, 4> entry{-1, -1, -1, -1};
    std::int32_t missing = 0;
    for (std::size_t k = 0; k < colours; ++k) {
      for (std::int32_t e = 0; e < used && entry[k] < 0; ++e)
        if (SameColour(palette[static_cast<std::size_t>(e)], b.Colours[k])) entry[k] = e;
      missing += entry[k] < 0 ? 1 : 0;
    }
    if (used + missing > 4) continue;
    for (std::size_t k = 0; k < colours; ++k) {
      if (entry[k] >= 0) continue;
      entry[k] = used++;
      palette[static_cast<std::size_t>(entry[k])] = b.Colours[k];
    }
    for (std::int8_t& px : b.Pixels)
      if (px < b.nColours) px = static_cast<std::int8_t>(entry[static_cast<std::size_t>(px)]);  // no colours: pixels stay
    b.nPalette = static_cast<std::int32_t>(q);
    return;
  }
  if (p.n == 256) {
    p.messages.push_back("Ran out of palettes, bugger - better just used entry 0!\n");
    b.nPalette = 0;
    return;
  }
  std::copy(b.Colours.begin(), b.Colours.begin() + b.nColours, p.table[static_cast<std::size_t>(p.n)].begin());
  p.counts[static_cast<std::size_t>(p.n)] = b.nColours;
  b.nPalette = p.n++;
}

BlockInfo RandomBlock(std::mt19937& rng, const std::vector<PaletteEntry>& pool) {
  BlockInfo b;
  std::vector<PaletteEntry> colours = pool;
  std::shuffle(colours.begin(), colours.end(), rng);
  b.nColours = std::uniform_int_distribution<int>(1, 4)(rng);
  for (std::int32_t k = 0; k < b.nColours; ++k) b.Colours[static_cast<std::size_t>(k)] = colours[static_cast<std::size_t>(k)];
  for (std::int8_t& px : b.Pixels) px = static_cast<std::int8_t>(std::uniform_int_distribution<int>(0, b.nColours - 1)(rng));
  return b;
}

TEST(PreparePaletteRandom, SkippingFullPalettesGivesThePlainFirstFit) {
  int limitReached = 0;
  for (std::uint32_t seed = 1; seed <= 300; ++seed) {
    std::mt19937 rng(seed);
    const int poolSize = seed % 3 == 0 ? 60 : 4 + static_cast<int>(seed % 8);
    std::vector<PaletteEntry> pool;
    for (int i = 0; i < poolSize; ++i) pool.push_back(Rgb(static_cast<std::uint8_t>(8 * i), static_cast<std::uint8_t>(i % 3), 0));
    std::vector<GbcPalette> loaded(static_cast<std::size_t>(std::uniform_int_distribution<int>(0, 3)(rng)));
    for (GbcPalette& l : loaded)
      for (PaletteEntry& e : l) e = pool[static_cast<std::size_t>(std::uniform_int_distribution<int>(0, poolSize - 1)(rng))];

    Palettes fast, plain;
    CScriptedPrompts prompts;
    CPaletteAssigner assigner(fast.table, fast.counts, fast.n, prompts);
    assigner.Reset(loaded);
    for (std::size_t q = 0; q < loaded.size(); ++q) {
      plain.table[q] = loaded[q];
      plain.counts[q] = 4;
    }
    plain.n = static_cast<std::int32_t>(loaded.size());
    const int records = seed % 3 == 0 ? 900 : 60;
    for (int r = 0; r < records; ++r) {
      BlockInfo a = RandomBlock(rng, pool);
      if (r % 7 == 0) a.nColours = 0, a.Pixels.fill(0);
      BlockInfo b = a;
      assigner.Assign(a);
      ReferenceAssign(plain, b);
      ASSERT_EQ(a.nPalette, b.nPalette) << "seed " << seed << " record " << r;
      ASSERT_EQ(a.Pixels, b.Pixels) << "seed " << seed << " record " << r;
    }
    ASSERT_EQ(fast.n, plain.n) << seed;
    ASSERT_EQ(fast.counts, plain.counts) << seed;
    ASSERT_EQ(fast.table, plain.table) << seed;
    ASSERT_EQ(prompts.m_messages, plain.messages) << seed;
    limitReached += plain.messages.empty() ? 0 : 1;
  }
  EXPECT_GT(limitReached, 10);  // the 256-palette limit is exercised too
}

}  // namespace
}  // namespace pixolan::test
