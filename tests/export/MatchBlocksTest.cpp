// Linking repeated and mirrored blocks by hand-made rows: the nearest earlier
// record wins, chains of mirrors compose, pixels compare as colours.
#include <gtest/gtest.h>

#include "export/BlockMatcher.h"
#include "export/ExportFixture.h"

namespace pixolan::test {
namespace {

const std::vector<PaletteEntry> kColours = {Rgb(255, 0, 255), Rgb(10, 20, 30), Rgb(60, 0, 0), Rgb(0, 60, 0),
                                            Rgb(0, 0, 60),    Rgb(90, 90, 90), Rgb(200, 0, 0),
                                            Rgb(10, 20, 30, 7)};  // 7: colour 1 again, reserved byte set

// One row of cells, cut in order as records 0, 1, ... (after the forced block if any).
struct MatchRow : ExportFixture {
  MatchRow(const std::vector<Cell>& cells, bool forceFirst) {
    MakeSheet(8 * static_cast<std::int32_t>(cells.size()), 8, kColours);
    for (std::size_t i = 0; i < cells.size(); ++i) FillCell(static_cast<std::int32_t>(i), 0, cells[i]);
    AddAnimation("row", {Cells(0, 0, static_cast<std::int32_t>(cells.size()), 1)});
    Prepare({.forceFirst = forceFirst, .firstTrans = forceFirst, .paletteFile = {}});
  }
  // The records as matching alone leaves them, before chains are resolved.
  std::vector<BlockInfo> Linked() const {
    std::vector<BlockInfo> copy = doc.m_pBlocks;
    const CSheetColours sheet(doc.m_pImage.get());
    CBlockMatcher(sheet, doc.m_pImage->GetPixelColour(0, 0)).LinkRepeats(copy, static_cast<std::int32_t>(copy.size()));
    return copy;
  }
};

// "-" unique, else the record (or output block) repeated, with "x"/"y" for mirrors.
std::string Describe(const std::vector<BlockInfo>& blocks) {
  std::string text;
  for (const BlockInfo& b : blocks) {
    if (!text.empty()) text += ' ';
    text += (b.nBlock == -1 ? "-" : std::to_string(b.nBlock)) + (b.bXFlip ? "x" : "") + (b.bYFlip ? "y" : "");
  }
  return text;
}

struct MatchCase {
  const char* what;
  std::vector<Cell> cells;
  bool forceFirst;
  std::string linked, blocks;
};

std::vector<MatchCase> Cases() {
  const Cell p = Asymmetric(), r4 = Mirror(p, true, false);
  Cell symmetric = Uniform(1);
  symmetric[8 * 3 + 0] = symmetric[8 * 3 + 7] = symmetric[8 * 4 + 0] = symmetric[8 * 4 + 7] = 2;
  Cell moved = p;
  std::swap(moved[8 * 2 + 1], moved[8 * 2 + 2]);  // same colours moved: equal sum, another picture
  Cell top = Uniform(2);
  for (std::size_t i = 0; i < 32; ++i) top[i] = 1;
  Cell twin = Mirror(top, true, false);
  for (std::uint8_t& v : twin) v = v == 1 ? 7 : v;  // same colour under another index
  const Cell u0 = Uniform(0), u2 = Uniform(2), u4 = Uniform(4), u5 = Uniform(5), u6 = Uniform(6);
  return {
      {"identical blocks link to the nearest", {p, p, p}, false, "- 0 1", "0 0 0"},
      {"a direct match wins for a symmetric block", {u4, symmetric, symmetric}, false, "- - 1", "0 1 1"},
      {"a chain of mirrors composes by xor", {u4, u5, p, u6, r4, Mirror(r4, false, true)}, false, "- - - - 2y 4x",
       "0 1 2 3 2y 2xy"},
      {"the nearest record wins over a direct match further back", {u4, p, u5, u6, u2, Mirror(p, false, true), p},
       false, "- - - - - 1x 5x", "0 1 2 3 4 1x 1"},
      {"equal colour sums alone are no match", {p, moved}, false, "- -", "0 1"},
      {"pixels compare as colours, not indices", {top, twin}, false, "- 0y", "0 0y"},
      {"a transparent cell repeats the forced block", {u0, p, u0}, true, "- 0 - 1", "0 0 1 0"},
      {"a single record is block zero", {p}, false, "-", "0"},
  };
}

TEST(MatchBlocks, HandMadeRows) {
  for (const MatchCase& c : Cases()) {
    MatchRow m(c.cells, c.forceFirst);
    const std::vector<BlockInfo> linked = m.Linked();
    EXPECT_EQ(Describe(linked), c.linked) << c.what;
    EXPECT_EQ(Describe(m.doc.m_pBlocks), c.blocks) << c.what;
    std::vector<std::int32_t> unique;
    for (std::size_t i = 0; i < linked.size(); ++i)
      if (linked[i].nBlock == -1) unique.push_back(static_cast<std::int32_t>(i));
    ASSERT_EQ(m.doc.m_nUniqueBlocks, static_cast<std::int32_t>(unique.size())) << c.what;
    EXPECT_EQ(std::vector<std::int32_t>(m.doc.m_pUniqueBlocks.begin(), m.doc.m_pUniqueBlocks.begin() + m.doc.m_nUniqueBlocks),
              unique) << c.what;
  }
}

TEST(MatchBlocks, BlocksMatchComparesEarlierPixelsWithMirroredLaterOnesAndRefusesBadRecords) {
  const Cell p = Asymmetric();
  MatchRow m({p, Mirror(p, false, true), Mirror(p, true, true)}, true);
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
