// Cutting frames into 8x8 blocks: which cells, in which order, the forced block,
// and the warning for a fifth colour (once per block).
#include <gtest/gtest.h>

#include "export/BlockCutter.h"
#include "export/ExportFixture.h"

namespace pixolan::test {
namespace {

const PaletteEntry kT = Rgb(255, 0, 255);
const std::vector<PaletteEntry> kColours = {kT, Rgb(8, 16, 24), Rgb(40, 40, 40), Rgb(80, 0, 0),
                                            Rgb(0, 80, 0), Rgb(0, 0, 80), Rgb(1, 2, 3)};

std::string TooManyMessage(int x, int y) {
  return "Block starting at pixel X = " + std::to_string(x) + ", Y = " + std::to_string(y) +
         " is using more than 4 colours\nAny extra colours will be cleared to index 0\n";
}

struct CutCase {
  const char* what;
  std::int32_t width, height;
  std::vector<std::vector<FramePlacement>> animations;
  std::string cells;  // the records' cells in order
};

TEST(PrepareCutting, CellsAreCutOnceRowByRowFramesInOrderAndOnlyWholeCellsInsideTheSheet) {
  const CutCase cases[] = {
      {"x 16..19 and y 8..11 belong to no cell", 20, 12, {{CRect{8, 0, 16, 8}}}, "1,0"},
      {"row by row, frames in order", 64, 24, {{Cells(1, 0, 2, 1), Cells(3, 1, 2, 2)}}, "1,0 2,0 3,1 4,1 3,2 4,2"},
      {"edges off the grid take the cells they fall in", 32, 8, {{CRect{4, 0, 20, 8}}}, "0,0 1,0"},
      {"cells shared by frames and animations", 32, 8, {{Cells(1, 0, 1, 1), Cells(1, 0, 1, 1)}, {Cells(0, 0, 3, 1)}},
       "1,0 0,0 2,0"},
      {"empty and outside frames", 24, 16, {{Cells(0, 0, 1, 1)}, {CRect{16, 8, 8, 16}, CRect{-40, -40, 9, 9},
                                                                   CRect{8, 8, 2000, 2000000}}}, "0,0 1,1 2,1"},
  };
  for (const CutCase& c : cases) {
    ExportFixture f;
    f.MakeSheet(c.width, c.height, kColours);
    for (const auto& frames : c.animations) f.AddAnimation("a", frames);
    f.doc.m_animations[0]->SetFrameCount(3);  // frames never set: all-zero rectangles
    f.Prepare();
    std::string cells;
    std::vector<std::int32_t> map(static_cast<std::size_t>((c.width / 8) * (c.height / 8)), -1);
    for (std::int32_t i = 0; i < f.tables.BlockCount(); ++i) {
      cells += (i ? " " : "") + std::to_string(f.Block(i).nCellX) + "," + std::to_string(f.Block(i).nCellY);
      map.at(static_cast<std::size_t>(f.Block(i).nCellY * (c.width / 8) + f.Block(i).nCellX)) = i;
    }
    EXPECT_EQ(cells, c.cells) << c.what;
    EXPECT_EQ(f.tables.m_pCellMap, map) << c.what;
  }
}

// Row order of first appearance: 1, 2, 3, 4, then colour 5 at six places.
Cell FiveColourCell() {
  Cell cell = Uniform(1);
  cell[3] = 2;
  cell[9] = 3;
  cell[10] = 4;
  for (int p : {12, 20, 21, 40, 50, 63}) cell[static_cast<std::size_t>(p)] = 5;
  return cell;
}

TEST(PrepareCutting, FifthColourIsWarnedOncePerBlockAndClearedToIndexZero) {
  ExportFixture f;
  f.MakeSheet(24, 16, kColours);
  f.FillCell(2, 1, FiveColourCell());
  CScriptedPrompts prompts;
  const CSheetColours sheet(f.doc.m_pImage.get());
  const BlockInfo b = CBlockCutter(sheet, kT, false, prompts).Cut(2, 1);
  EXPECT_EQ(b.nColours, 4);
  const std::pair<int, int> pixels[] = {{0, 0}, {3, 1}, {9, 2}, {10, 3}, {12, 0}, {63, 0}};
  for (const auto& [p, index] : pixels) EXPECT_EQ(b.Pixels[static_cast<std::size_t>(p)], index) << p;
  EXPECT_EQ(prompts.m_messages, std::vector<std::string>{TooManyMessage(16, 8)});
  EXPECT_EQ(b.nColourSum, 55 * 48 + 120 + 80 + 80 + 6 * 80);  // the warned pixels still count

  // With the first-colour rule only three more colours fit: colour 4 is warned too.
  f.AddAnimation("a", {Cells(2, 1, 1, 1)});
  f.Prepare({.forceFirst = false, .firstTrans = true, .paletteFile = {}});
  EXPECT_EQ(f.Block(0).nColours, 4);
  EXPECT_TRUE(SameColour(f.Block(0).Colours[0], kT));
  EXPECT_EQ(f.Block(0).Pixels[0], 1);
  EXPECT_EQ(f.Block(0).Pixels[10], 0);
  EXPECT_EQ(f.prompts.m_messages, std::vector<std::string>{TooManyMessage(16, 8)});
}

// The golden exports pin the forced block's output; here its record and the stale tables.
TEST(PrepareCutting, ForcedFirstBlockWithoutAnimationsAndTablesRebuiltByEveryExport) {
  for (bool firstTrans : {false, true}) {
    ExportFixture f;
    f.MakeSheet(16, 16, kColours);
    f.FillCell(1, 0, 1);
    f.AddAnimation("a", {Cells(0, 0, 2, 2)});
    f.Prepare({.forceFirst = true, .firstTrans = true, .paletteFile = {}});
    EXPECT_EQ(f.tables.BlockCount(), 5);
    f.doc.m_animations.clear();
    f.Prepare({.forceFirst = true, .firstTrans = firstTrans, .paletteFile = {}});
    ASSERT_EQ(f.tables.BlockCount(), 1);
    const BlockInfo& b = f.Block(0);
    EXPECT_EQ(std::vector<int>({b.nCellX, b.nCellY, b.nColours, b.nColourSum, f.tables.UniqueBlockCount(), f.tables.m_nPalettes,
                                f.tables.m_nPaletteColours[0], f.tables.m_nPaletteColours[1]}),
              std::vector<int>({-1, -1, firstTrans, 64 * (255 + 255), 1, 1, firstTrans, 0}));
    EXPECT_EQ(f.tables.m_pCellMap, std::vector<std::int32_t>(4, -1));
  }
}

}  // namespace
}  // namespace pixolan::test
