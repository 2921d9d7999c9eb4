// Palette assignment by hand: first fit, appending to palettes, and loaded
// palettes that never grow.
#include <gtest/gtest.h>

#include "export/ExportFixture.h"

namespace pixolan::test {
namespace {

// Sixteen distinct colours: index i is (8 * i, 0, 248 - 8 * i), all multiples of 8.
std::vector<PaletteEntry> Sixteen() {
  std::vector<PaletteEntry> colours;
  for (int i = 0; i < 16; ++i) colours.push_back(Rgb(static_cast<std::uint8_t>(8 * i), 0, static_cast<std::uint8_t>(248 - 8 * i)));
  return colours;
}

// A cell of two colours: a in the top half, b in the bottom half.
Cell Halves(std::uint8_t a, std::uint8_t b) { return CellOf([&](int, int y) { return y < 4 ? a : b; }); }

// Palette, top-left and bottom-right pixel of each record.
std::string Assigned(const ExportFixture& f) {
  std::string text;
  for (std::int32_t i = 0; i < f.doc.m_nBlocks; ++i) {
    const BlockInfo& b = f.Block(i);
    text += (i ? " " : "") + std::to_string(b.nPalette) + ":" + std::to_string(b.Pixels[0]) + std::to_string(b.Pixels[63]);
  }
  return text;
}

TEST(PreparePalette, FirstFitAppendsMissingColoursToTheLowestPaletteWithRoom) {
  ExportFixture f;
  const auto c = Sixteen();
  f.MakeSheet(48, 8, c);
  f.FillCell(0, 0, Halves(1, 2));  // opens palette 0 {1, 2}
  f.FillCell(1, 0, 3);             // fits palette 0: {1, 2, 3}
  f.FillCell(2, 0, Halves(4, 5));  // palette 0 would need 5: opens palette 1 {4, 5}
  f.FillCell(3, 0, Halves(4, 1));  // first fit: palette 0, not palette 1 where 4 already is
  f.FillCell(4, 0, Halves(5, 4));  // palette 0 is full: palette 1, entries 1 and 0
  f.FillCell(5, 0, Halves(2, 1));  // repeats cell 0 mirrored: assigned too, in its own colour order
  f.AddAnimation("a", {Cells(0, 0, 6, 1)});
  f.Prepare();
  EXPECT_EQ(f.doc.m_nUniqueBlocks, 4);  // cells 4 and 5 repeat cells 2 and 0 mirrored
  EXPECT_EQ(Assigned(f), "0:01 0:22 1:01 0:30 1:10 0:10");
  ASSERT_EQ(f.doc.m_nPalettes, 2);
  EXPECT_EQ(f.doc.m_Palettes[0], (GbcPalette{c[1], c[2], c[3], c[4]}));
  EXPECT_EQ(f.doc.m_Palettes[1], (GbcPalette{c[4], c[5], PaletteEntry{}, PaletteEntry{}}));
  EXPECT_EQ(f.doc.m_nPaletteColours[1], 2);
  for (std::size_t p = 2; p < 256; ++p) {
    EXPECT_EQ(f.doc.m_nPaletteColours[p], 0);
    EXPECT_EQ(f.doc.m_Palettes[p], GbcPalette{});
  }
}

TEST(PreparePalette, LoadedPalettesComeFirstAndNeverGrow) {
  TempDir dir;
  const auto file = dir / "palettes.asm";
  // palette 0 = {c0, c1, c2, c3}; palette 1 = {c4, black, black, black}
  WriteFile(file, "; shared\r\nPaletteData:\r\n  dw $7c00,$7801,$7402,$7003\r\n  dw $6c04\r\n\r\n  dw $0000\r\n");
  ExportFixture f;
  const auto c = Sixteen();
  f.MakeSheet(40, 8, c);  // colour i is (8i, 0, 248 - 8i): word (31 - i) << 10 | i
  f.FillCell(0, 0, Halves(2, 0));
  f.FillCell(1, 0, Halves(4, 9));  // 9 fits no loaded palette, which are full: opens palette 2
  f.FillCell(2, 0, 4);             // found in loaded palette 1
  f.AddAnimation("a", {Cells(0, 0, 3, 1)});
  f.Prepare({.forceFirst = false, .firstTrans = false, .paletteFile = file.string()});
  ASSERT_EQ(f.doc.m_nPalettes, 3);
  EXPECT_EQ(std::vector<int>(f.doc.m_nPaletteColours.begin(), f.doc.m_nPaletteColours.begin() + 3),
            std::vector<int>({4, 4, 2}));
  EXPECT_TRUE(SameColour(f.doc.m_Palettes[0][2], c[2]));
  EXPECT_TRUE(SameColour(f.doc.m_Palettes[1][1], Rgb(0, 0, 0)));
  EXPECT_EQ(Assigned(f), "0:20 2:01 1:00");

  // A colour off the five-bit grid never equals a loaded colour.
  WriteFile(file, "PaletteData:\n dw $0000,$0000,$0000,$0000\n");
  ExportFixture g;
  g.MakeSheet(8, 8, {Rgb(0, 0, 1)});
  g.AddAnimation("a", {Cells(0, 0, 1, 1)});
  g.Prepare({.forceFirst = false, .firstTrans = false, .paletteFile = file.string()});
  EXPECT_EQ(g.doc.m_nPalettes, 2);
  EXPECT_EQ(g.Block(0).nPalette, 1);
}

}  // namespace
}  // namespace pixolan::test
