// The fast block matcher and palette assigner against the obvious searches, on
// many random sheets and blocks. The golden exports pin the searches' own rules:
// nearest record first, mirror chains composed, the transparent cell repeating
// the forced block, first fit from palette 0.
#include <gtest/gtest.h>
#include <random>
#include <tuple>

#include "export/BlockInfo.h"
#include "export/BlockMatcher.h"
#include "export/ExportFixture.h"
#include "export/PaletteAssigner.h"

namespace pixolan::test {
namespace {

// The block matching done the slow, obvious way: every record against every
// earlier one, nearest first, with the colour-sum pre-test, then chains walked
// one by one and output blocks numbered in index order. The fast matcher must
// give exactly this result.
struct ReferenceResult {
  std::vector<BlockInfo> linked;  // after matching, before chains are resolved
  std::vector<BlockInfo> blocks;
  std::vector<std::int32_t> unique;
  std::int32_t nUnique = 0;
};

// Records come as cut (their nBlock and flips are reset first).
ReferenceResult ReferenceMatchBlocks(const CRasterImage& image, std::vector<BlockInfo> b) {
  const std::size_t n = b.size();
  auto pixel = [&](std::size_t k, int x, int y) {
    if (b[k].nCellX == -1 && b[k].nCellY == -1) return image.GetPixelColour(0, 0);  // the forced block
    return image.GetPixelColour(8 * b[k].nCellX + x, 8 * b[k].nCellY + y);
  };
  auto same = [&](std::size_t i, std::size_t j, bool yFlip, bool xFlip) {
    for (int y = 0; y < 8; ++y)
      for (int x = 0; x < 8; ++x)
        if (!SameColour(pixel(j, x, y), pixel(i, xFlip ? 7 - x : x, yFlip ? 7 - y : y))) return false;
    return true;
  };
  for (std::size_t i = 0; i < n; ++i) {
    b[i].nBlock = -1;
    b[i].bXFlip = b[i].bYFlip = false;
    for (std::size_t j = i; j-- > 0 && b[i].nBlock == -1;) {
      if (b[j].nColourSum != b[i].nColourSum) continue;
      for (int t = 0; t < 4 && b[i].nBlock == -1; ++t) {  // as is, left-right, top-bottom, both
        if (!same(i, j, t & 2, t & 1)) continue;
        b[i].nBlock = static_cast<std::int32_t>(j);
        b[i].bYFlip = (t & 2) != 0;
        b[i].bXFlip = (t & 1) != 0;
      }
    }
  }
  ReferenceResult r;
  r.linked = b;
  for (std::size_t i = 0; i < n; ++i) {
    for (int k = r.linked[i].nBlock; k >= 0 && r.linked[static_cast<std::size_t>(k)].nBlock != -1;
         k = r.linked[static_cast<std::size_t>(k)].nBlock) {
      b[i].bXFlip = b[i].bXFlip != r.linked[static_cast<std::size_t>(k)].bXFlip;
      b[i].bYFlip = b[i].bYFlip != r.linked[static_cast<std::size_t>(k)].bYFlip;
    }
  }
  r.unique.assign(n, -1);
  for (std::size_t i = 0; i < n; ++i) {
    if (b[i].nBlock != -1) {
      b[i].nBlock = b[static_cast<std::size_t>(b[i].nBlock)].nBlock;  // an earlier record, already numbered
      continue;
    }
    r.unique[static_cast<std::size_t>(r.nUnique)] = static_cast<std::int32_t>(i);
    b[i].nBlock = r.nUnique++;
  }
  r.unique.resize(static_cast<std::size_t>(r.nUnique));
  r.blocks = std::move(b);
  return r;
}

// Equal sums on purpose; entry 4 is entry 0 again with the reserved byte set.
const std::vector<PaletteEntry> kPool = {Rgb(30, 0, 0), Rgb(0, 30, 0), Rgb(0, 0, 30), Rgb(10, 10, 10),
                                         Rgb(30, 0, 0, 9), Rgb(60, 0, 0), Rgb(0, 60, 0), Rgb(20, 20, 20)};

class RandomSheet {
 public:
  explicit RandomSheet(std::uint32_t seed) : m_rng(seed) {}

  int Pick(int n) { return std::uniform_int_distribution<int>(0, n - 1)(m_rng); }
  bool Chance(int percent) { return Pick(100) < percent; }

  Cell Prototype(int colours) {
    Cell c = Uniform(static_cast<std::uint8_t>(Pick(colours)));
    const int marks = 1 + Pick(6);
    for (int k = 0; k < marks; ++k) c[static_cast<std::size_t>(Pick(64))] = static_cast<std::uint8_t>(Pick(colours));
    const int kind = Pick(4);  // symmetric left-right, top-bottom, both, or not
    const bool foldX = kind == 0 || kind == 2, foldY = kind == 1 || kind == 2;
    return CellOf([&](int x, int y) {
      return c[static_cast<std::size_t>(8 * (foldY && y >= 4 ? 7 - y : y) + (foldX && x >= 4 ? 7 - x : x))];
    });
  }

  Cell Variant(const std::vector<Cell>& prototypes, int colours) {
    const Cell& p = prototypes[static_cast<std::size_t>(Pick(static_cast<int>(prototypes.size())))];
    const int kind = Pick(100);
    if (kind < 45) return Mirror(p, Chance(50), Chance(50));
    if (kind < 60) {  // same colours moved: equal colour sum, usually another picture
      Cell q = Mirror(p, Chance(50), Chance(50));
      std::swap(q[static_cast<std::size_t>(Pick(64))], q[static_cast<std::size_t>(Pick(64))]);
      return q;
    }
    if (kind < 70) return Uniform(static_cast<std::uint8_t>(Pick(colours)));
    if (kind < 75) {
      Cell noise{};
      for (std::uint8_t& v : noise) v = static_cast<std::uint8_t>(Pick(colours));
      return noise;
    }
    return p;
  }

  CRect RandomRect(int width, int height) {
    const int l = Pick(width + 16) - 8, t = Pick(height + 16) - 8;
    return CRect{l, t, l + Pick(width + 8), t + Pick(height + 8)};
  }

 private:
  std::mt19937 m_rng;
};

void ExpectSameAsReference(ExportFixture& f, std::uint32_t seed) {
  const ReferenceResult ref = ReferenceMatchBlocks(*f.doc.m_pImage, f.tables.m_pBlocks);
  std::vector<BlockInfo> linked = f.tables.m_pBlocks;
  const CSheetColours sheet(f.doc.m_pImage.get());
  CBlockMatcher(sheet, f.doc.m_pImage->GetPixelColour(0, 0)).LinkRepeats(linked, static_cast<std::int32_t>(linked.size()));
  ASSERT_EQ(f.tables.UniqueBlockCount(), ref.nUnique) << "seed " << seed;
  ASSERT_EQ(f.tables.m_pUniqueBlocks, ref.unique) << "seed " << seed;
  auto key = [](const BlockInfo& b) { return std::tuple(b.nBlock, b.bXFlip, b.bYFlip); };
  for (std::size_t i = 0; i < ref.blocks.size(); ++i) {
    ASSERT_EQ(key(linked[i]), key(ref.linked[i])) << "seed " << seed << " record " << i;
    ASSERT_EQ(key(f.tables.m_pBlocks[i]), key(ref.blocks[i])) << "seed " << seed << " record " << i;
  }
}

TEST(MatchRandom, FastMatcherAgreesWithTheQuadraticSearch) {
  std::size_t records = 0, repeats = 0, mirrored = 0;
  for (std::uint32_t seed = 1; seed <= 2500; ++seed) {
    RandomSheet r(seed);
    const int bits = seed % 7 == 0 ? 4 : (seed % 11 == 0 ? 1 : (seed % 13 == 0 ? 24 : 8));
    const int colours = bits == 1 ? 2 : 2 + r.Pick(bits == 4 ? 6 : 7);
    const int cols = 1 + r.Pick(8), rows = 1 + r.Pick(5);
    ExportFixture f;
    std::vector<PaletteEntry> palette = kPool;
    std::shuffle(palette.begin(), palette.end(), std::mt19937(seed));
    f.MakeSheet(8 * cols + r.Pick(8), 8 * rows + r.Pick(8), palette, bits);
    std::vector<Cell> prototypes;
    for (int k = 1 + r.Pick(3); k > 0; --k) prototypes.push_back(r.Prototype(colours));
    for (int cy = 0; cy < rows; ++cy)
      for (int cx = 0; cx < cols; ++cx) f.FillCell(cx, cy, r.Variant(prototypes, colours));
    for (int a = 1 + r.Pick(3); a > 0; --a) {
      std::vector<FramePlacement> frames;
      for (int n = 1 + r.Pick(4); n > 0; --n) frames.push_back(r.RandomRect(8 * cols, 8 * rows));
      if (r.Chance(30)) frames.push_back(Cells(0, 0, cols, rows));
      CAnimation& animation = f.AddAnimation("a", frames);
      if (r.Chance(20)) animation.SetFrameCount(animation.m_nFrameCount + 1);  // a frame never set
    }
    f.Prepare({.forceFirst = r.Chance(50), .firstTrans = r.Chance(50), .paletteFile = {}});
    ExpectSameAsReference(f, seed);
    if (HasFatalFailure()) return;
    for (const BlockInfo& b : f.tables.m_pBlocks) mirrored += (b.bXFlip || b.bYFlip) ? 1 : 0;
    records += static_cast<std::size_t>(f.tables.BlockCount());
    repeats += static_cast<std::size_t>(f.tables.BlockCount() - f.tables.UniqueBlockCount());
  }
  // The sheets must really exercise repeats and mirrors.
  EXPECT_GT(repeats * 3, records);
  EXPECT_GT(mirrored * 8, records);
}

// The hand-made check behind the matcher: earlier pixels against mirrored later ones.
TEST(MatchBlocks, MatchComparesEarlierPixelsWithMirroredLaterOnes) {
  const Cell p = Asymmetric();
  ExportFixture m;
  m.MakeSheet(24, 8, kPool);
  m.FillCell(0, 0, p);
  m.FillCell(1, 0, Mirror(p, false, true));
  m.FillCell(2, 0, Mirror(p, true, true));
  m.AddAnimation("row", {Cells(0, 0, 3, 1)});
  m.Prepare({.forceFirst = true, .firstTrans = true, .paletteFile = {}});
  const CSheetColours sheet(m.doc.m_pImage.get());
  const CBlockMatcher matcher(sheet, TransparentColour(m.doc.m_pImage.get()));
  for (auto [i, j, yFlip, xFlip, match] : {std::tuple{2, 1, false, false, false}, {2, 1, false, true, true},
                                            {3, 1, true, true, true}, {3, 2, true, false, true}, {1, 0, false, false, false}}) {
    EXPECT_EQ(matcher.Match(m.Block(i), m.Block(j), {yFlip, xFlip}), match) << i << " " << j << " " << yFlip << xFlip;
  }
}


// First-fit palette assignment (which skips palettes known to be too full)
// against the plain search from palette 0, on random blocks and loaded palettes.
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

    Palettes plain;
    CExportTables fast;
    CScriptedPrompts prompts;
    CPaletteAssigner assigner(fast, prompts);
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
    ASSERT_EQ(fast.m_nPalettes, plain.n) << seed;
    ASSERT_EQ(fast.m_nPaletteColours, plain.counts) << seed;
    ASSERT_EQ(fast.m_Palettes, plain.table) << seed;
    ASSERT_EQ(prompts.m_messages, plain.messages) << seed;
    limitReached += plain.messages.empty() ? 0 : 1;
  }
  EXPECT_GT(limitReached, 10);  // the 256-palette limit is exercised too
}

}  // namespace
}  // namespace pixolan::test
