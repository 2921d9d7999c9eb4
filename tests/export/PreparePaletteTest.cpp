// Palette assignment: first fit, appending to palettes, loaded palettes that
// never grow, and the 256-palette limit.
#include <gtest/gtest.h>

#include "export/PrepareFixture.h"
#include "framework/FileException.h"
#include "support/TestSupport.h"

namespace pixolan::test {
namespace {

const char* const kOutOfPalettes = "Ran out of palettes, bugger - better just used entry 0!\n";

// Sixteen distinct colours: index i is (8 * i, 0, 248 - 8 * i), all multiples of 8.
std::vector<PaletteEntry> Sixteen() {
  std::vector<PaletteEntry> colours;
  for (int i = 0; i < 16; ++i) colours.push_back(Rgb(static_cast<std::uint8_t>(8 * i), 0, static_cast<std::uint8_t>(248 - 8 * i)));
  return colours;
}

// A cell of two colours: a in the top half, b in the bottom half.
std::array<std::uint8_t, 64> Halves(std::uint8_t a, std::uint8_t b) {
  std::array<std::uint8_t, 64> cell{};
  for (std::size_t p = 0; p < 64; ++p) cell[p] = p < 32 ? a : b;
  return cell;
}

TEST(PreparePalette, FirstFitAppendsMissingColoursToTheLowestPaletteWithRoom) {
  PrepareFixture f;
  f.MakeSheet(40, 8, Sixteen());
  f.FillCell(0, 0, Halves(1, 2));  // opens palette 0 {1, 2}
  f.FillCell(1, 0, 3);             // fits palette 0: {1, 2, 3}
  f.FillCell(2, 0, Halves(4, 5));  // palette 0 would need 5: opens palette 1 {4, 5}
  f.FillCell(3, 0, Halves(4, 1));  // first fit: palette 0, not palette 1 where 4 already is
  f.FillCell(4, 0, Halves(5, 4));  // palette 0 is full: palette 1, entries 1 and 0
  f.AddAnimation("a", {Cells(0, 0, 5, 1)});
  f.Prepare();
  const auto& P = f.doc.m_Palettes;
  const auto c = Sixteen();
  ASSERT_EQ(f.doc.m_nPalettes, 2);
  EXPECT_EQ(f.doc.m_nPaletteColours[0], 4);
  EXPECT_EQ(f.doc.m_nPaletteColours[1], 2);
  EXPECT_EQ(P[0][0], c[1]);
  EXPECT_EQ(P[0][1], c[2]);
  EXPECT_EQ(P[0][2], c[3]);
  EXPECT_EQ(P[0][3], c[4]);
  EXPECT_EQ(P[1][0], c[4]);
  EXPECT_EQ(P[1][1], c[5]);
  EXPECT_EQ(P[1][2], PaletteEntry{});
  const int palettes[5] = {0, 0, 1, 0, 1};
  const int top[5] = {0, 2, 0, 3, 1};
  const int bottom[5] = {1, 2, 1, 0, 0};
  for (int i = 0; i < 5; ++i) {
    EXPECT_EQ(f.Block(i).nPalette, palettes[i]) << i;
    EXPECT_EQ(f.Block(i).Pixels[0], top[i]) << i;
    EXPECT_EQ(f.Block(i).Pixels[63], bottom[i]) << i;
  }
  EXPECT_EQ(P[2], GbcPalette{});
}

TEST(PreparePalette, RepeatedBlocksAreAssignedTooAndUnusedPalettesStayZero) {
  PrepareFixture f;
  f.MakeSheet(16, 8, Sixteen());
  f.FillCell(0, 0, Halves(7, 8));
  f.FillCell(1, 0, Halves(8, 7));  // a top-bottom mirror of cell 0; its own colour order differs
  f.AddAnimation("a", {Cells(0, 0, 2, 1)});
  f.Prepare();
  EXPECT_EQ(f.doc.m_nUniqueBlocks, 1);
  EXPECT_EQ(f.Block(1).nPalette, 0);
  EXPECT_EQ(f.Block(1).Pixels[0], 1);
  EXPECT_EQ(f.doc.m_nPalettes, 1);
  for (std::size_t p = 1; p < 256; ++p) EXPECT_EQ(f.doc.m_nPaletteColours[p], 0);
}

TEST(PreparePalette, LoadedPalettesComeFirstAndNeverGrow) {
  TempDir dir;
  const auto file = dir / "palettes.asm";
  // palette 0 = {c0, c1, c2, c3}; palette 1 = {c4, black, black, black}
  WriteFile(file, "; shared\r\nPaletteData:\r\n  dw $7c00,$7801,$7402,$7003\r\n  dw $6c04\r\n\r\n  dw $0000\r\n");
  PrepareFixture f;
  const auto c = Sixteen();
  f.MakeSheet(40, 8, c);  // colour i is (8i, 0, 248 - 8i): word (31 - i) << 10 | i
  f.FillCell(0, 0, Halves(2, 0));
  f.FillCell(1, 0, Halves(4, 9));  // 9 fits no loaded palette, which are full: opens palette 2
  f.FillCell(2, 0, 4);             // found in loaded palette 1
  f.AddAnimation("a", {Cells(0, 0, 3, 1)});
  f.Prepare({.forceFirst = false, .firstTrans = false, .paletteFile = file.string()});
  ASSERT_EQ(f.doc.m_nPalettes, 3);
  EXPECT_EQ(f.doc.m_nPaletteColours[0], 4);
  EXPECT_EQ(f.doc.m_nPaletteColours[1], 4);
  EXPECT_EQ(f.doc.m_nPaletteColours[2], 2);
  EXPECT_TRUE(SameColour(f.doc.m_Palettes[0][2], c[2]));
  EXPECT_TRUE(SameColour(f.doc.m_Palettes[1][1], Rgb(0, 0, 0)));
  EXPECT_EQ(f.Block(0).nPalette, 0);
  EXPECT_EQ(f.Block(0).Pixels[0], 2);
  EXPECT_EQ(f.Block(0).Pixels[63], 0);
  EXPECT_EQ(f.Block(1).nPalette, 2);
  EXPECT_EQ(f.Block(2).nPalette, 1);
  EXPECT_EQ(f.Block(2).Pixels[5], 0);
}

TEST(PreparePalette, ColoursOffTheFiveBitGridNeverEqualLoadedColours) {
  TempDir dir;
  const auto file = dir / "p.asm";
  WriteFile(file, "PaletteData:\n dw $0000,$0000,$0000,$0000\n");
  PrepareFixture f;
  f.MakeSheet(8, 8, {Rgb(0, 0, 1)});
  f.AddAnimation("a", {Cells(0, 0, 1, 1)});
  f.Prepare({.forceFirst = false, .firstTrans = false, .paletteFile = file.string()});
  EXPECT_EQ(f.doc.m_nPalettes, 2);
  EXPECT_EQ(f.Block(0).nPalette, 1);
}

TEST(PreparePalette, UnreadablePaletteFileStopsBeforeAnyTableChanges) {
  PrepareFixture f;
  f.MakeSheet(8, 8, Sixteen());
  f.AddAnimation("a", {Cells(0, 0, 1, 1)});
  f.Prepare();
  TempDir dir;
  EXPECT_THROW(f.Prepare({.forceFirst = true, .firstTrans = false, .paletteFile = (dir / "none.asm").string()}),
               CFileException);
  EXPECT_EQ(f.doc.m_nBlocks, 1);
  EXPECT_EQ(f.doc.m_nPalettes, 1);
}

// The 4-colour sets {a < b < c < d} of colours 0..15 in lexicographic order.
std::vector<std::array<std::uint8_t, 4>> FourSets(std::size_t n) {
  std::vector<std::array<std::uint8_t, 4>> sets;
  for (std::uint8_t a = 0; a < 16; ++a)
    for (std::uint8_t b = a + 1; b < 16; ++b)
      for (std::uint8_t c = b + 1; c < 16; ++c)
        for (std::uint8_t d = c + 1; d < 16 && sets.size() < n; ++d) sets.push_back({a, b, c, d});
  return sets;
}

// Rows 0-1 colour a, 2-3 b, 4-5 c, 6-7 d; `turned` swaps the halves for a different picture.
std::array<std::uint8_t, 64> Stripes(const std::array<std::uint8_t, 4>& set, bool turned) {
  std::array<std::uint8_t, 64> cell{};
  for (std::size_t p = 0; p < 64; ++p) {
    std::size_t stripe = p / 16;
    if (turned) stripe = (stripe + 1) % 4;
    cell[p] = set[stripe];
  }
  return cell;
}

TEST(PreparePalette, The257thPaletteIsRefusedWithOneMessagePerBlock) {
  const auto sets = FourSets(258);
  PrepareFixture f;
  f.MakeSheet(8 * 260, 8, Sixteen());
  for (int i = 0; i < 258; ++i) f.FillCell(i, 0, Stripes(sets[static_cast<std::size_t>(i)], false));
  f.FillCell(258, 0, Stripes(sets[5], true));  // still finds palette 5 after the limit
  f.AddAnimation("a", {Cells(0, 0, 259, 1)});
  f.Prepare();
  EXPECT_EQ(f.doc.m_nPalettes, 256);
  EXPECT_EQ(f.prompts.m_messages, std::vector<std::string>(2, kOutOfPalettes));
  for (int i : {256, 257}) {
    EXPECT_EQ(f.Block(i).nPalette, 0);
    EXPECT_EQ(f.Block(i).Pixels[0], 0);  // the block's own indices
    EXPECT_EQ(f.Block(i).Pixels[63], 3);
  }
  EXPECT_EQ(f.Block(255).nPalette, 255);
  EXPECT_EQ(f.Block(258).nPalette, 5);
  EXPECT_EQ(f.Block(258).Pixels[0], 1);
}

}  // namespace
}  // namespace pixolan::test
