// Cutting frames into 8x8 blocks: the tables, the order of records, cells shared
// between frames, the transparent colour and the per-pixel colour warning.
#include <gtest/gtest.h>

#include "export/BlockCutter.h"
#include "export/FrameBounds.h"
#include "export/PrepareFixture.h"

namespace pixolan::test {
namespace {

const PaletteEntry kT = Rgb(255, 0, 255);
const std::vector<PaletteEntry> kColours = {kT, Rgb(8, 16, 24), Rgb(40, 40, 40), Rgb(80, 0, 0),
                                            Rgb(0, 80, 0), Rgb(0, 0, 80), Rgb(1, 2, 3)};

const char* const kTooMany =
    "Block starting at pixel X = %d, Y = %d is using more than 4 colours\n"
    "Any extra colours will be cleared to index 0\n";

std::string TooManyMessage(int x, int y) {
  char text[200];
  std::snprintf(text, sizeof text, kTooMany, x, y);
  return text;
}

TEST(PrepareCutting, TablesCoverOnlyWholeCellsAndMarkUncutCells) {
  PrepareFixture f;
  f.MakeSheet(20, 12, kColours);  // two whole cells; x 16..19 and y 8..11 belong to none
  f.AddAnimation("a", {CRect{8, 0, 16, 8}});
  f.Prepare();
  ASSERT_EQ(f.doc.m_pCellMap.size(), 2u);
  EXPECT_EQ(f.doc.m_pCellMap[0], -1);
  EXPECT_EQ(f.doc.m_pCellMap[1], 0);
  EXPECT_EQ(f.doc.m_nBlocks, 1);
}

TEST(PrepareCutting, CellsAreCutRowByRowAndFramesInOrder) {
  PrepareFixture f;
  f.MakeSheet(64, 24, kColours);  // 8 columns: cell (3, 2) has index 19
  f.AddAnimation("a", {Cells(1, 0, 2, 1), Cells(3, 1, 2, 2)});
  f.Prepare();
  ASSERT_EQ(f.doc.m_nBlocks, 6);
  const int expected[6][2] = {{1, 0}, {2, 0}, {3, 1}, {4, 1}, {3, 2}, {4, 2}};
  for (int i = 0; i < 6; ++i) {
    EXPECT_EQ(f.Block(i).nCellX, expected[i][0]) << i;
    EXPECT_EQ(f.Block(i).nCellY, expected[i][1]) << i;
    EXPECT_EQ(f.doc.m_pCellMap[static_cast<std::size_t>(expected[i][1] * 8 + expected[i][0])], i);
  }
  EXPECT_EQ(f.doc.m_pCellMap[19], 4);
}

TEST(PrepareCutting, RectangleOffTheGridCutsTheCellsItsEdgesFallIn) {
  PrepareFixture f;
  f.MakeSheet(32, 8, kColours);
  for (int x = 0; x < 4; ++x) f.SetPixel(x, 0, 3);  // left of the rectangle, yet in its first cell
  for (int x = 16; x < 20; ++x) f.SetPixel(x, 0, 4);
  f.AddAnimation("a", {CRect{4, 0, 20, 8}});
  f.Prepare();
  ASSERT_EQ(f.doc.m_nBlocks, 2);  // columns 0 and 1; 20 / 8 = 2 is exclusive
  EXPECT_EQ(f.Block(0).nCellX, 0);
  EXPECT_EQ(f.Block(1).nCellX, 1);
  EXPECT_EQ(f.doc.m_pCellMap[2], -1);
  EXPECT_EQ(f.Block(0).nColourSum, 4 * 80 + 60 * 510);
}

TEST(PrepareCutting, CellSharedByFramesOfTwoAnimationsIsCutOnce) {
  PrepareFixture f;
  f.MakeSheet(32, 8, kColours);
  f.FillCell(1, 0, 1);
  f.FillCell(2, 0, 2);
  f.AddAnimation("a", {Cells(1, 0, 1, 1), Cells(1, 0, 1, 1)});
  f.AddAnimation("b", {Cells(0, 0, 3, 1)});
  f.Prepare();
  ASSERT_EQ(f.doc.m_nBlocks, 3);
  EXPECT_EQ(f.Block(0).nCellX, 1);
  EXPECT_EQ(f.Block(1).nCellX, 0);
  EXPECT_EQ(f.Block(2).nCellX, 2);
  EXPECT_EQ(f.doc.m_pCellMap[1], 0);
}

TEST(PrepareCutting, UnsetEmptyAndOutsideFramesNeverReachBeyondTheSheet) {
  PrepareFixture f;
  f.MakeSheet(24, 16, kColours);  // 3 x 2 cells
  CAnimation& a = f.AddAnimation("a", {Cells(0, 0, 1, 1)});
  a.SetFrameCount(3);                                   // two frames never set: all-zero rectangles
  f.AddAnimation("b", {CRect{16, 8, 8, 16}, CRect{-40, -40, 9, 9}, CRect{8, 8, 2000, 2000000}});
  f.Prepare();
  // Only the whole cells inside the sheet are cut: (0,0) by both, (1,1) and (2,1).
  ASSERT_EQ(f.doc.m_nBlocks, 3);
  EXPECT_EQ(f.Block(1).nCellX, 1);
  EXPECT_EQ(f.Block(1).nCellY, 1);
  EXPECT_EQ(f.Block(2).nCellX, 2);
  const auto outside = FindFrameOutsideImage(f.doc);
  ASSERT_TRUE(outside.has_value());
  EXPECT_EQ(*outside, std::make_pair(1, 1));  // the empty first frame of "b" is not outside
}

TEST(PrepareCutting, FrameBoundsCheckAcceptsFramesInsideAndNegativeRectanglesTruncatingToZero) {
  PrepareFixture f;
  EXPECT_FALSE(FindFrameOutsideImage(f.doc).has_value());
  f.AddAnimation("a", {CRect{0, 0, 0, 0}});
  EXPECT_FALSE(FindFrameOutsideImage(f.doc).has_value());  // covers no cell, even without a sheet
  f.AddAnimation("b", {Cells(0, 0, 1, 1)});
  EXPECT_EQ(FindFrameOutsideImage(f.doc), std::make_pair(1, 0));  // no sheet, no cells
  f.MakeSheet(20, 16, kColours);
  EXPECT_FALSE(FindFrameOutsideImage(f.doc).has_value());
  f.doc.m_animations[1]->m_pFrames[0].m_rectSource = CRect{-7, -7, 16, 16};  // -7 / 8 = 0
  EXPECT_FALSE(FindFrameOutsideImage(f.doc).has_value());
  f.doc.m_animations[1]->m_pFrames[0].m_rectSource = CRect{0, 0, 24, 8};  // partial third column
  EXPECT_EQ(FindFrameOutsideImage(f.doc), std::make_pair(1, 0));
}

TEST(PrepareCutting, FirstColourRuleGivesTheTransparentColourIndexZero) {
  PrepareFixture f;
  f.MakeSheet(16, 8, kColours);
  f.FillCell(1, 0, 2);
  CScriptedPrompts prompts;
  const CSheetColours sheet(f.doc.m_pImage.get());
  const BlockInfo trans = CBlockCutter(sheet, kT, true, prompts).Cut(1, 0);
  EXPECT_EQ(trans.nColours, 2);
  EXPECT_TRUE(SameColour(trans.Colours[0], kT));
  EXPECT_TRUE(SameColour(trans.Colours[1], kColours[2]));
  for (std::int8_t p : trans.Pixels) EXPECT_EQ(p, 1);
  const BlockInfo plain = CBlockCutter(sheet, kT, false, prompts).Cut(1, 0);
  EXPECT_EQ(plain.nColours, 1);
  for (std::int8_t p : plain.Pixels) EXPECT_EQ(p, 0);
  EXPECT_EQ(plain.nColourSum, 64 * 120);
  EXPECT_TRUE(prompts.m_messages.empty());
}

// Row order of first appearance: 1, 2, 3, 4, then colour 5 at six places.
std::array<std::uint8_t, 64> FiveColourCell() {
  std::array<std::uint8_t, 64> cell{};
  cell.fill(1);
  cell[3] = 2;
  cell[9] = 3;
  cell[10] = 4;
  for (int p : {12, 20, 21, 40, 50, 63}) cell[static_cast<std::size_t>(p)] = 5;
  return cell;
}

TEST(PrepareCutting, FifthColourIsWarnedOncePerPixelAndClearedToIndexZero) {
  PrepareFixture f;
  f.MakeSheet(24, 16, kColours);
  f.FillCell(2, 1, FiveColourCell());
  CScriptedPrompts prompts;
  const CSheetColours sheet(f.doc.m_pImage.get());
  const BlockInfo b = CBlockCutter(sheet, kT, false, prompts).Cut(2, 1);
  EXPECT_EQ(b.nColours, 4);
  EXPECT_EQ(b.Pixels[0], 0);
  EXPECT_EQ(b.Pixels[3], 1);
  EXPECT_EQ(b.Pixels[9], 2);
  EXPECT_EQ(b.Pixels[10], 3);
  EXPECT_EQ(b.Pixels[12], 0);
  EXPECT_EQ(b.Pixels[63], 0);
  ASSERT_EQ(prompts.m_messages.size(), 6u);
  for (const std::string& m : prompts.m_messages) EXPECT_EQ(m, TooManyMessage(16, 8));
  // The warned pixels still count in the colour sum.
  EXPECT_EQ(b.nColourSum, 55 * 48 + 120 + 80 + 80 + 6 * 80);
}

TEST(PrepareCutting, WithTheFirstColourRuleOnlyThreeMoreColoursFit) {
  PrepareFixture f;
  f.MakeSheet(24, 16, kColours);
  f.FillCell(2, 1, FiveColourCell());
  f.AddAnimation("a", {Cells(2, 1, 1, 1)});
  f.Prepare({.forceFirst = false, .firstTrans = true, .paletteFile = {}});
  const BlockInfo& b = f.Block(0);
  EXPECT_EQ(b.nColours, 4);
  EXPECT_TRUE(SameColour(b.Colours[0], kT));
  EXPECT_EQ(b.Pixels[0], 1);
  EXPECT_EQ(b.Pixels[10], 0);  // colour 4 no longer fits
  // one pixel of colour 4 and six of colour 5, in pixel order
  ASSERT_EQ(f.prompts.m_messages.size(), 7u);
  for (const std::string& m : f.prompts.m_messages) EXPECT_EQ(m, TooManyMessage(16, 8));
}

TEST(PrepareCutting, ForcedFirstBlockWithoutAnimations) {
  for (bool firstTrans : {false, true}) {
    PrepareFixture f;
    f.MakeSheet(16, 16, kColours);
    f.Prepare({.forceFirst = true, .firstTrans = firstTrans, .paletteFile = {}});
    ASSERT_EQ(f.doc.m_nBlocks, 1);
    const BlockInfo& b = f.Block(0);
    EXPECT_EQ(b.nCellX, -1);
    EXPECT_EQ(b.nCellY, -1);
    EXPECT_EQ(b.nColourSum, 64 * (255 + 255));
    EXPECT_EQ(b.nColours, firstTrans ? 1 : 0);
    EXPECT_EQ(b.nBlock, 0);
    EXPECT_FALSE(b.bXFlip || b.bYFlip);
    for (std::int8_t p : b.Pixels) EXPECT_EQ(p, 0);
    EXPECT_EQ(f.doc.m_nUniqueBlocks, 1);
    EXPECT_EQ(f.doc.m_nPalettes, 1);
    EXPECT_EQ(f.doc.m_nPaletteColours[0], firstTrans ? 1 : 0);
    EXPECT_EQ(f.doc.m_pCellMap, std::vector<std::int32_t>(4, -1));
  }
}

TEST(PrepareCutting, EveryExportRebuildsTheTables) {
  PrepareFixture f;
  f.MakeSheet(32, 8, kColours);
  f.FillCell(1, 0, 1);
  f.AddAnimation("a", {Cells(0, 0, 4, 1)});
  f.Prepare({.forceFirst = true, .firstTrans = true, .paletteFile = {}});
  EXPECT_EQ(f.doc.m_nBlocks, 5);
  f.doc.m_animations.clear();
  f.Prepare();
  EXPECT_EQ(f.doc.m_nBlocks, 0);
  EXPECT_EQ(f.doc.m_nUniqueBlocks, 0);
  EXPECT_EQ(f.doc.m_nPalettes, 0);
  EXPECT_EQ(f.doc.m_pCellMap, std::vector<std::int32_t>(4, -1));
  EXPECT_EQ(f.doc.m_nPaletteColours[0], 0);
}

}  // namespace
}  // namespace pixolan::test
