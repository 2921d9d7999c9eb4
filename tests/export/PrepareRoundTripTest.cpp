// Export random documents, read the file back like the hardware would and
// redraw every frame: each pixel shows the sheet's colour cut to 5 bits per
// channel wherever its block had at most four colours.
#include <gtest/gtest.h>

#include <random>
#include <cctype>
#include <set>
#include <sstream>

#include "export/AnimExport.h"
#include "export/ExportFixture.h"

namespace pixolan::test {
namespace {

// An exported file read back the way a Game Boy program uses it: palettes, a
// palette per block, each frame's block map (row by row), the 2bpp graphics.
struct DecodedFrame {
  int width = 0, height = 0;
  std::vector<long> words;
};
struct DecodedExport {
  std::vector<std::vector<long>> palettes, graphics;
  std::vector<long> blockPalettes;
  std::vector<DecodedFrame> frames;  // in file order

  static std::array<int, 3> Components(long c) {
    return {static_cast<int>(c & 31), static_cast<int>((c >> 5) & 31), static_cast<int>((c >> 10) & 31)};
  }
  // The colour pixel (x, y) of a cell shows, as 5-bit components, drawn with the mirror bits.
  std::array<int, 3> Shown(long word, int x, int y) const {
    const auto& g = graphics.at(static_cast<std::size_t>(word >> 4));
    const int bit = (word & 2) ? x : 7 - x;
    const auto ty = static_cast<std::size_t>((word & 1) ? 7 - y : y);
    const auto index = static_cast<std::size_t>(((g.at(2 * ty) >> bit) & 1) | (((g.at(2 * ty + 1) >> bit) & 1) << 1));
    return Components(palettes.at(static_cast<std::size_t>(blockPalettes.at(static_cast<std::size_t>(word >> 4)))).at(index));
  }
};

// Each label of the file in order, with the numbers of its lines: decimal, or
// hexadecimal behind '$'; names, comments and the pad byte are left out.
DecodedExport DecodeExport(const std::string& bytes) {
  std::vector<std::pair<std::string, std::vector<std::vector<long>>>> sections;
  std::istringstream lines(bytes);
  for (std::string line; std::getline(lines, line);) {
    if (line.find("Pad byte") != std::string::npos) continue;
    line = line.substr(0, line.find(";//"));
    const std::size_t colon = line.find(':');
    if (colon != std::string::npos && line[0] != '\t') {
      sections.push_back({line.substr(0, colon), {}});
      line = line.substr(colon + 1);
    }
    const std::size_t d = line.find('d');  // "db" or "dw"
    if (d == std::string::npos || sections.empty()) continue;
    std::vector<long> values;
    std::istringstream items(line.substr(d + 2));
    for (std::string item; std::getline(items >> std::ws, item, ',');) {
      if (item[0] == '$') values.push_back(std::stol(item.substr(1), nullptr, 16));
      else if (item[0] == '-' || std::isdigit(static_cast<unsigned char>(item[0]))) values.push_back(std::stol(item));
    }
    sections.back().second.push_back(values);
  }
  DecodedExport out;
  for (const auto& [label, rows] : sections) {
    if (label == "PaletteData") out.palettes = rows;
    if (label == "GraphicData") out.graphics = rows;
    if (label == "BlockPaletteData")
      for (const auto& row : rows) out.blockPalettes.insert(out.blockPalettes.end(), row.begin(), row.end());
    if (label.find("Frame") == std::string::npos) continue;
    DecodedFrame& f = out.frames.emplace_back();
    f.width = static_cast<int>(rows.at(0).at(0));
    f.height = static_cast<int>(rows.at(0).at(1));
    for (std::size_t r = 2; r < rows.size(); ++r) f.words.insert(f.words.end(), rows[r].begin(), rows[r].end());
  }
  return out;
}

struct RoundTripStats { std::size_t checked = 0, skippedTooMany = 0, forcedTransparent = 0; };

void CheckFrame(const CRasterImage& sheet, const CAnimFrame& frame, const DecodedFrame& decoded,
                const DecodedExport& file, const ExportSwitches& sw, RoundTripStats& stats) {
  const CRect& r = frame.m_rectSource;
  ASSERT_EQ(std::pair(decoded.width, decoded.height), std::pair(r.Width() / 8, r.Height() / 8));
  ASSERT_EQ(decoded.words.size(), static_cast<std::size_t>(decoded.width * decoded.height));
  const PaletteEntry transparent = sheet.GetPixelColour(0, 0);
  auto pack = [](const PaletteEntry& c) { return std::uint32_t{c.red} << 16 | std::uint32_t{c.green} << 8 | c.blue; };
  for (int row = 0; row < decoded.height; ++row) {
    for (int col = 0; col < decoded.width; ++col) {
      const int cx = r.left / 8 + col, cy = r.top / 8 + row;
      const long word = decoded.words[static_cast<std::size_t>(row * decoded.width + col)];
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
        ASSERT_EQ(word, 0);
        ++stats.forcedTransparent;
      }
      for (int y = 0; y < 8; ++y) {
        for (int x = 0; x < 8; ++x) {
          const PaletteEntry c = sheet.GetPixelColour(8 * cx + x, 8 * cy + y);
          const std::array<int, 3> expected = forcedTransparent ? DecodedExport::Components(file.palettes.at(0).at(0))
                                                                : std::array<int, 3>{c.red >> 3, c.green >> 3, c.blue >> 3};
          ASSERT_EQ(file.Shown(word, x, y), expected) << "cell " << cx << "," << cy << " pixel " << x << "," << y;
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
      frames.push_back(CRect{l, t, l + pick(8 * cols - l + 1), t + pick(8 * rows - t + 1)});
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
    ASSERT_LE(f.doc.m_nPalettes, 256);
    CAsmFile file;
    ASSERT_TRUE(file.Open("roundtrip.asm"));
    WriteAnimExport(f.doc, file);
    const DecodedExport decoded = DecodeExport(file.Bytes());
    ASSERT_EQ(decoded.palettes.size(), static_cast<std::size_t>(f.doc.m_nPalettes));
    ASSERT_EQ(decoded.blockPalettes.size(), static_cast<std::size_t>(f.doc.m_nUniqueBlocks));
    ASSERT_EQ(decoded.graphics.size(), static_cast<std::size_t>(f.doc.m_nUniqueBlocks));
    std::size_t k = 0;
    for (const auto& animation : f.doc.m_animations) {
      for (std::uint32_t n = 0; n < animation->m_nFrameCount; ++n) {
        const CAnimFrame& frame = animation->FrameOrNeverSet(n);
        ASSERT_LT(k, decoded.frames.size());
        CheckFrame(*f.doc.m_pImage, frame, decoded.frames[k++], decoded, sw, stats);
        if (HasFatalFailure()) {
          ADD_FAILURE() << "seed " << seed;
          return;
        }
      }
    }
    ASSERT_EQ(k, decoded.frames.size());
  }
  EXPECT_GT(stats.checked, 2000u);
  EXPECT_GT(stats.skippedTooMany, 50u);
  EXPECT_GT(stats.forcedTransparent, 50u);
}

}  // namespace
}  // namespace pixolan::test
