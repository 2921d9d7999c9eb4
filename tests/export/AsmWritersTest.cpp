// Section writers over tables built by hand, for the cases whole exports rarely reach.
#include <gtest/gtest.h>

#include "export/ExportFixture.h"

namespace pixolan::test {
namespace {

constexpr const char* kDb = "\t\t\t\t\t\tdb\t\t";

class AsmWriters : public ExportFixture, public ::testing::Test {
 protected:
  // n output blocks, record i showing block i with palette i % 7.
  void UniqueBlocks(int n) {
    doc.m_pBlocks.assign(static_cast<std::size_t>(n), BlockInfo{});
    doc.m_pUniqueBlocks.clear();
    for (int i = 0; i < n; ++i) {
      doc.m_pBlocks[static_cast<std::size_t>(i)].nBlock = i;
      doc.m_pBlocks[static_cast<std::size_t>(i)].nPalette = i % 7;
      doc.m_pUniqueBlocks.push_back(i);
    }
    doc.m_nBlocks = doc.m_nUniqueBlocks = n;
  }
  template <typename Write>
  std::string Section(Write write) {
    CTextWriter out;
    write(out);
    return out.Bytes();
  }
  std::string Animations() { return Section([&](CTextWriter& out) { doc.WriteAnimationData(out); }); }
};

TEST_F(AsmWriters, BlockPalettesSixteenToALineWithPadForOddCounts) {
  const std::string label = "\n;// BLOCK PALETTE DATA\nBlockPaletteData:\n";
  const std::string pad = std::string(kDb) + "0\t\t\t;// Pad byte to word align data\n";
  const std::string sixteen = std::string(kDb) + "0, 1, 2, 3, 4, 5, 6, 0, 1, 2, 3, 4, 5, 6, 0, 1\n";
  const std::pair<int, std::string> cases[] = {
      {0, label}, {1, label + kDb + "0\n" + pad}, {16, label + sixteen}, {17, label + sixteen + kDb + "2\n" + pad}};
  for (const auto& [n, expected] : cases) {
    UniqueBlocks(n);
    EXPECT_EQ(Section([&](CTextWriter& out) { doc.WriteBlockPaletteData(out); }), CrLf(expected)) << n;
  }
}

TEST_F(AsmWriters, GraphicsTakeBitZeroThenBitOneLeftmostPixelHigh) {
  UniqueBlocks(2);
  const std::int8_t row[8] = {0, 1, 2, 3, 0, 1, 2, 3};
  for (int y = 0; y < 8; ++y)
    for (int x = 0; x < 8; ++x) doc.m_pBlocks[1].Pixels[static_cast<std::size_t>(8 * y + x)] = (y == 0 || y == 7) ? row[x] : 3;
  EXPECT_EQ(Section([&](CTextWriter& out) { doc.WriteGraphicData(out); }),
            CrLf("\n;// GRAPHICS DATA\nGraphicData:\n" + std::string(kDb) +
                 "$00, $00, $00, $00, $00, $00, $00, $00, $00, $00, $00, $00, $00, $00, $00, $00\n" + kDb +
                 "$55, $33, $ff, $ff, $ff, $ff, $ff, $ff, $ff, $ff, $ff, $ff, $ff, $ff, $55, $33\n"));
}

TEST_F(AsmWriters, BlockNumbersBeyondTwelveBitsKeepAllTheirDigits) {
  MakeSheet(16, 8, {Rgb(0, 0, 0)});
  UniqueBlocks(2);
  doc.m_pCellMap = {0, 1};
  doc.m_pBlocks[0].nBlock = 4096;
  doc.m_pBlocks[1].nBlock = 0x1234;
  doc.m_pBlocks[1].bXFlip = doc.m_pBlocks[1].bYFlip = true;
  AddAnimation("Big", {Cells(0, 0, 2, 1)});
  EXPECT_NE(Animations().find("\t\t\t\t\t\tdw\t\t$10000, $12343\r\n"), std::string::npos);
}

TEST_F(AsmWriters, FramesWithoutBlocksShowSizeAndOffsetsOnly) {
  MakeSheet(32, 32, {Rgb(0, 0, 0)});
  doc.m_pCellMap.assign(16, 0);
  UniqueBlocks(1);
  AddAnimation("Thin", {{CRect{0, 0, 7, 16}, 1, 2}, CRect{16, 0, 8, 16}, CRect{}});
  // A fresh record says one frame but has no array: shown as a frame never set.
  doc.m_animations.push_back(std::make_unique<CAnimation>());
  const std::string text = Animations();
  EXPECT_NE(text.find(CrLf("AnimThinFrame0:\n\t\t\t\t\t\tdb\t\t0, 2\t\t\t\t\t;// Width and Height\n"
                           "\t\t\t\t\t\tdb\t\t1, 2\t\t\t\t\t;// Offsets\n"
                           "AnimThinFrame1:\n\t\t\t\t\t\tdb\t\t-1, 2\t\t\t\t\t;// Width and Height\n"
                           "\t\t\t\t\t\tdb\t\t0, 0\t\t\t\t\t;// Offsets\n"
                           "AnimThinFrame2:\n\t\t\t\t\t\tdb\t\t0, 0\t\t\t\t\t;// Width and Height\n"
                           "\t\t\t\t\t\tdb\t\t0, 0\t\t\t\t\t;// Offsets\n"
                           "\n;// ANIMATION DATA FOR ANIMATION 1 () FRAMES 0 -> 0 \n"
                           "AnimFrame0:\n\t\t\t\t\t\tdb\t\t0, 0\t\t\t\t\t;// Width and Height\n")),
            std::string::npos)
      << text;
  EXPECT_EQ(text.find("dw\t\t$"), std::string::npos);
}

}  // namespace
}  // namespace pixolan::test
