// Linking repeated and mirrored blocks, chains of repeats, numbering.
#include <gtest/gtest.h>

#include "export/BlockMatcher.h"
#include "export/MatchPatterns.h"
#include "export/PrepareFixture.h"

namespace pixolan::test {
namespace {

const std::vector<PaletteEntry> kColours = {Rgb(255, 0, 255), Rgb(10, 20, 30), Rgb(60, 0, 0), Rgb(0, 60, 0),
                                            Rgb(0, 0, 60),    Rgb(90, 90, 90), Rgb(200, 0, 0),
                                            Rgb(10, 20, 30, 7)};  // 7: colour 1 again, reserved byte set

// One row of cells, cut in order as records 0, 1, ... (plus the forced block in front).
class MatchRow : public PrepareFixture {
 public:
  explicit MatchRow(const std::vector<Cell>& cells, ExportSwitches switches = {}) {
    MakeSheet(8 * static_cast<std::int32_t>(cells.size()), 8, kColours);
    for (std::size_t i = 0; i < cells.size(); ++i) FillCell(static_cast<std::int32_t>(i), 0, cells[i]);
    AddAnimation("row", {Cells(0, 0, static_cast<std::int32_t>(cells.size()), 1)});
    Prepare(switches);
  }

  // The records as matching alone leaves them, before chains are resolved.
  std::vector<BlockInfo> Linked() const {
    std::vector<BlockInfo> copy = doc.m_pBlocks;
    const CSheetColours sheet(doc.m_pImage.get());
    CBlockMatcher(sheet, doc.m_pImage->GetPixelColour(0, 0)).LinkRepeats(copy, static_cast<std::int32_t>(copy.size()));
    return copy;
  }
};

void ExpectBlock(const BlockInfo& b, int number, bool xFlip, bool yFlip) {
  EXPECT_EQ(b.nBlock, number);
  EXPECT_EQ(b.bXFlip, xFlip);
  EXPECT_EQ(b.bYFlip, yFlip);
}

TEST(MatchBlocks, IdenticalBlocksLinkToTheNearestAndShareOneOutputBlock) {
  const Cell p = Asymmetric();
  MatchRow m({p, p, p});
  const auto linked = m.Linked();
  ExpectBlock(linked[0], -1, false, false);
  ExpectBlock(linked[1], 0, false, false);
  ExpectBlock(linked[2], 1, false, false);
  for (int i = 0; i < 3; ++i) ExpectBlock(m.Block(i), 0, false, false);
  EXPECT_EQ(m.doc.m_nBlocks, 3);
  EXPECT_EQ(m.doc.m_nUniqueBlocks, 1);
  EXPECT_EQ(m.doc.m_pUniqueBlocks[0], 0);
}

TEST(MatchBlocks, DirectMatchWinsForASymmetricBlock) {
  Cell s = Uniform(1);
  s[8 * 3 + 0] = s[8 * 3 + 7] = s[8 * 4 + 0] = s[8 * 4 + 7] = 2;  // symmetric both ways
  MatchRow m({Uniform(4), s, s});
  ExpectBlock(m.Linked()[2], 1, false, false);
  ExpectBlock(m.Block(2), 1, false, false);
}

TEST(MatchBlocks, ChainOfMirrorsComposesByXor) {
  const Cell p = Asymmetric();
  const Cell r4 = Mirror(p, true, false);
  MatchRow m({Uniform(4), Uniform(5), p, Uniform(6), r4, Mirror(r4, false, true)});
  const auto linked = m.Linked();
  ExpectBlock(linked[4], 2, false, true);
  ExpectBlock(linked[5], 4, true, false);  // nearest: record 4 mirrored left-right, not 2 both ways
  ExpectBlock(m.Block(4), 2, false, true);
  ExpectBlock(m.Block(5), 2, true, true);
  EXPECT_EQ(m.doc.m_nUniqueBlocks, 4);
  EXPECT_EQ(std::vector<std::int32_t>(m.doc.m_pUniqueBlocks.begin(), m.doc.m_pUniqueBlocks.begin() + 4),
            (std::vector<std::int32_t>{0, 1, 2, 3}));
}

TEST(MatchBlocks, NearestEarlierRecordWinsOverADirectMatchFurtherBack) {
  const Cell p = Asymmetric();
  MatchRow m({Uniform(4), p, Uniform(5), Uniform(6), Uniform(2), Mirror(p, false, true), p});
  const auto linked = m.Linked();
  ExpectBlock(linked[5], 1, true, false);
  ExpectBlock(linked[6], 5, true, false);
  ExpectBlock(m.Block(6), 1, false, false);  // the two left-right mirrors cancel
}

TEST(MatchBlocks, EqualColourSumsAloneAreNoMatch) {
  const Cell p = Asymmetric();
  Cell q = p;
  std::swap(q[8 * 2 + 1], q[8 * 2 + 2]);  // same colours, moved: equal sum, another picture
  MatchRow m({p, q});
  EXPECT_EQ(m.Block(0).nColourSum, m.Block(1).nColourSum);
  ExpectBlock(m.Block(1), 1, false, false);
  EXPECT_EQ(m.doc.m_nUniqueBlocks, 2);
}

TEST(MatchBlocks, PixelsCompareAsColoursNotAsIndicesOrColourLists) {
  Cell top = Uniform(2);
  for (std::size_t p = 0; p < 32; ++p) top[p] = 1;
  Cell bottomViaTwin = Mirror(top, true, false);
  for (std::uint8_t& v : bottomViaTwin) v = (v == 1) ? 7 : v;  // same colour under another index
  MatchRow m({top, bottomViaTwin});
  EXPECT_TRUE(SameColour(m.Block(1).Colours[0], kColours[2]));  // its own list starts the other way round
  ExpectBlock(m.Block(1), 0, false, true);
}

TEST(MatchBlocks, CellOfTheTransparentColourRepeatsTheForcedBlock) {
  MatchRow m({Uniform(0), Asymmetric(), Uniform(0)}, {.forceFirst = true, .firstTrans = false, .paletteFile = {}});
  ASSERT_EQ(m.doc.m_nBlocks, 4);
  const auto linked = m.Linked();
  ExpectBlock(linked[1], 0, false, false);
  ExpectBlock(linked[3], 1, false, false);
  ExpectBlock(m.Block(0), 0, false, false);
  ExpectBlock(m.Block(1), 0, false, false);
  ExpectBlock(m.Block(2), 1, false, false);
  ExpectBlock(m.Block(3), 0, false, false);
  EXPECT_EQ(m.doc.m_nUniqueBlocks, 2);
}

TEST(MatchBlocks, SingleRecordIsBlockZero) {
  MatchRow m({Asymmetric()});
  ExpectBlock(m.Block(0), 0, false, false);
  EXPECT_EQ(m.doc.m_nBlocks, 1);
  EXPECT_EQ(m.doc.m_nUniqueBlocks, 1);
  EXPECT_EQ(m.doc.m_pUniqueBlocks, std::vector<std::int32_t>{0});
}

TEST(MatchBlocks, BlocksMatchComparesEarlierPixelsWithMirroredLaterPixels) {
  const Cell p = Asymmetric();
  MatchRow m({p, Mirror(p, false, true), Mirror(p, true, true)}, {.forceFirst = true, .firstTrans = true, .paletteFile = {}});
  const auto& blocks = m.doc.m_pBlocks;
  EXPECT_FALSE(m.doc.BlocksMatch(blocks, 2, 1, false, false));
  EXPECT_TRUE(m.doc.BlocksMatch(blocks, 2, 1, false, true));
  EXPECT_TRUE(m.doc.BlocksMatch(blocks, 3, 1, true, true));
  EXPECT_TRUE(m.doc.BlocksMatch(blocks, 3, 2, true, false));
  EXPECT_FALSE(m.doc.BlocksMatch(blocks, 1, 0, false, false));
  EXPECT_FALSE(m.doc.BlocksMatch(blocks, 4, 0, false, false));
  EXPECT_FALSE(m.doc.BlocksMatch(blocks, -1, 0, false, false));
}

}  // namespace
}  // namespace pixolan::test
