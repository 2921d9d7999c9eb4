// Export random documents, read the file back like the hardware would and
// redraw every frame: each pixel shows the sheet's colour cut to 5 bits per
// channel wherever its block had at most four colours.
#include <gtest/gtest.h>

#include <random>
#include <set>

#include "export/AnimExport.h"
#include "export/ExportDecoder.h"
#include "export/ExportFixture.h"

namespace pixolan::test {
namespace {

std::array<int, 3> Components(std::uint16_t c) { return {c & 31, (c >> 5) & 31, (c >> 10) & 31}; }

// The colour pixel (x, y) of a cell shows, as 5-bit components.
std::array<int, 3> Shown(const DecodedExport& file, std::uint32_t word, int x, int y) {
  return Components(file.ColourWord(word, file.ColourIndex(word, x, y)));
}

struct RoundTripStats { std::size_t checked = 0, skippedTooMany = 0, forcedTransparent = 0; };

void CheckFrame(const CRasterImage& sheet, const CAnimFrame& frame, const DecodedFrame& decoded,
                const DecodedExport& file, const ExportSwitches& sw, RoundTripStats& stats) {
  const CRect& r = frame.m_rectSource;
  using Pair = std::pair<std::int64_t, std::int64_t>;
  ASSERT_EQ(Pair(decoded.nWidth, decoded.nHeight), Pair(r.Width() / 8, r.Height() / 8));
  ASSERT_EQ(Pair(decoded.nOffsetX, decoded.nOffsetY), Pair(frame.m_nOffsetX, frame.m_nOffsetY));
  if (!decoded.HasBlockMap()) return;
  const PaletteEntry transparent = sheet.GetPixelColour(0, 0);
  auto pack = [](const PaletteEntry& c) { return std::uint32_t{c.red} << 16 | std::uint32_t{c.green} << 8 | c.blue; };
  for (int row = 0; row < decoded.nHeight; ++row) {
    for (int col = 0; col < decoded.nWidth; ++col) {
      const int cx = r.left / 8 + col, cy = r.top / 8 + row;
      const std::uint32_t word = decoded.Word(col, row);
      // Its distinct colours, with the transparent colour under the first-colour rule.
      std::set<std::uint32_t> colours;
      if (sw.firstTrans) colours.insert(pack(transparent));
      for (int p = 0; p < 64; ++p) colours.insert(pack(sheet.GetPixelColour(8 * cx + p % 8, 8 * cy + p / 8)));
      if (colours.size() > 4) {
        ++stats.skippedTooMany;
        continue;
      }
      // The forced block without the first-colour rule has no colour of its own:
      // it shows palette 0's entry 0, which the hardware draws as transparent.
      const bool forcedTransparent = sw.forceFirst && !sw.firstTrans && colours == std::set{pack(transparent)};
      if (forcedTransparent) {
        ASSERT_EQ(word, 0u);
        ++stats.forcedTransparent;
      }
      for (int y = 0; y < 8; ++y) {
        for (int x = 0; x < 8; ++x) {
          const PaletteEntry c = sheet.GetPixelColour(8 * cx + x, 8 * cy + y);
          const std::array<int, 3> expected = forcedTransparent ? Components(file.palettes.at(0).at(0))
                                                                : std::array<int, 3>{c.red >> 3, c.green >> 3, c.blue >> 3};
          ASSERT_EQ(Shown(file, word, x, y), expected) << "cell " << cx << "," << cy << " pixel " << x << "," << y;
        }
      }
      ++stats.checked;
    }
  }
}

// A sheet of repeated, mirrored, plain and noisy cells over a random palette,
// with frames of whole and of ragged rectangles inside it.
void MakeRandomDocument(ExportFixture& f, std::mt19937& rng) {
  auto pick = [&](int n) { return std::uniform_int_distribution<int>(0, n - 1)(rng); };
  std::vector<PaletteEntry> palette;
  for (int i = 0; i < 10; ++i) palette.push_back(Rgb(static_cast<std::uint8_t>(pick(256)), static_cast<std::uint8_t>(pick(256)), static_cast<std::uint8_t>(pick(256))));
  const int cols = 2 + pick(7), rows = 1 + pick(5);
  f.MakeSheet(8 * cols + pick(8), 8 * rows + pick(8), palette);
  std::vector<Cell> prototypes;
  for (int k = 0; k < 3; ++k) {
    // two, three or four colours, one of them maybe the transparent colour 0
    Cell c = Uniform(static_cast<std::uint8_t>(pick(3)));
    for (int m = 0; m < 12; ++m) c[static_cast<std::size_t>(pick(64))] = static_cast<std::uint8_t>(pick(2 + k) * (1 + k));
    prototypes.push_back(c);
  }
  for (int cy = 0; cy < rows; ++cy) {
    for (int cx = 0; cx < cols; ++cx) {
      const Cell& p = prototypes[static_cast<std::size_t>(pick(3))];
      const int kind = pick(10);
      f.FillCell(cx, cy, kind < 5 ? Mirror(p, pick(2) == 1, pick(2) == 1) : kind < 7 ? Uniform(0) : p);
    }
  }
  f.SetPixel(0, 0, 0);  // the transparent colour is index 0
  for (int a = 1 + pick(3); a > 0; --a) {
    std::vector<FramePlacement> frames;
    for (int n = 1 + pick(4); n > 0; --n) {
      if (pick(2) == 0) {  // whole cells
        const int cx = pick(cols), cy = pick(rows);
        frames.push_back(Cells(cx, cy, 1 + pick(cols - cx), 1 + pick(rows - cy)));
        continue;
      }
      const int l = pick(8 * cols), t = pick(8 * rows);
      const CRect source{l, t, l + pick(8 * cols - l + 1), t + pick(8 * rows - t + 1)};
      frames.push_back(FramePlacement(source, pick(65) - 32, pick(65) - 32));
    }
    f.AddAnimation("Anim" + std::to_string(a), frames);
  }
}

TEST(PrepareRoundTrip, ExportedFilesRedrawEveryFrame) {
  RoundTripStats stats;
  for (std::uint32_t seed = 1; seed <= 600; ++seed) {
    std::mt19937 rng(seed);
    ExportFixture f;
    MakeRandomDocument(f, rng);
    const ExportSwitches sw{.forceFirst = (seed & 1) != 0, .firstTrans = (seed & 2) != 0, .paletteFile = {}};
    f.Prepare(sw);
    ASSERT_LE(f.tables.m_nPalettes, 256);
    CAsmFile file;
    ASSERT_TRUE(file.Open("roundtrip.asm"));
    WriteAnimExport(f.doc, f.tables, file);
    const DecodedExport decoded = DecodeExport(file.Bytes());
    ASSERT_EQ(decoded.palettes.size(), static_cast<std::size_t>(f.tables.m_nPalettes));
    ASSERT_EQ(decoded.blockPalettes.size(), static_cast<std::size_t>(f.tables.UniqueBlockCount()));
    ASSERT_EQ(decoded.graphics.size(), static_cast<std::size_t>(f.tables.UniqueBlockCount()));
    ASSERT_EQ(decoded.animations.size(), f.doc.m_animations.size());
    for (std::size_t a = 0; a < decoded.animations.size(); ++a) {
      const CAnimation& animation = *f.doc.m_animations[a];
      ASSERT_EQ(decoded.animations[a].frames.size(), animation.m_nFrameCount);
      for (std::uint32_t n = 0; n < animation.m_nFrameCount; ++n) {
        CheckFrame(*f.doc.m_pImage, animation.FrameOrNeverSet(n), decoded.animations[a].frames[n], decoded, sw, stats);
        if (HasFatalFailure()) {
          ADD_FAILURE() << "seed " << seed;
          return;
        }
      }
    }
  }
  EXPECT_GT(stats.checked, 2000u);
  EXPECT_GT(stats.skippedTooMany, 50u);
  EXPECT_GT(stats.forcedTransparent, 50u);
}

}  // namespace
}  // namespace pixolan::test
