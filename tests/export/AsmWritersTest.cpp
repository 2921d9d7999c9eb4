// The four section writers over tables built by hand.
#include <gtest/gtest.h>

#include "export/AsmFixture.h"
#include "export/GbcColour.h"

namespace pixolan::test {
namespace {

class AsmWriters : public AsmFixture, public ::testing::Test {
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
  std::string BlockPalettes() {
    return Section([&](CTextWriter& out) { doc.WriteBlockPaletteData(out); });
  }
  std::string Animations() {
    return Section([&](CTextWriter& out) { doc.WriteAnimationData(out); });
  }
};

TEST(GbcColour, WordsTruncateEachComponentToFiveBits) {
  EXPECT_EQ(GbcColourWord(Colour(255, 128, 0)), 0x021f);
  EXPECT_EQ(GbcColourWord(Colour(255, 255, 255)), 0x7fff);
  EXPECT_EQ(GbcColourWord(Colour(255, 0, 0)), 0x001f);
  EXPECT_EQ(GbcColourWord(Colour(0, 255, 0)), 0x03e0);
  EXPECT_EQ(GbcColourWord(Colour(0, 0, 255)), 0x7c00);
  EXPECT_EQ(GbcColourWord(Colour(8, 16, 24)), 0x0c41);
  EXPECT_EQ(GbcColourWord(Colour(7, 7, 7)), 0x0000);
  EXPECT_EQ(GbcColourWord(PaletteEntry{0xff, 0, 0, 0}), 0x0000);  // the reserved byte never counts
}

TEST_F(AsmWriters, PaletteLinesShowUnusedEntriesAsZero) {
  doc.m_nPalettes = 2;
  doc.m_Palettes[0] = {Colour(255, 128, 0), Colour(255, 255, 255), Colour(8, 16, 24), Colour(0, 0, 255)};
  doc.m_Palettes[1] = {Colour(255, 0, 0), Colour(0, 255, 0), PaletteEntry{}, PaletteEntry{}};
  doc.m_Palettes[2] = {Colour(1, 2, 3), {}, {}, {}};  // beyond the count: not written
  EXPECT_EQ(Section([&](CTextWriter& out) { doc.WritePaletteData(out); }),
            CrLf("\n;// PALETTE DATA\nPaletteData:\n"
                 "\t\t\t\t\t\tdw\t\t$021f, $7fff, $0c41, $7c00\n"
                 "\t\t\t\t\t\tdw\t\t$001f, $03e0, $0000, $0000\n"));
}

TEST_F(AsmWriters, BlockPalettesSixteenToALineWithPadForOddCounts) {
  UniqueBlocks(0);
  EXPECT_EQ(BlockPalettes(), CrLf("\n;// BLOCK PALETTE DATA\nBlockPaletteData:\n"));

  UniqueBlocks(1);
  EXPECT_EQ(BlockPalettes(), CrLf("\n;// BLOCK PALETTE DATA\nBlockPaletteData:\n"
                                  "\t\t\t\t\t\tdb\t\t0\n"
                                  "\t\t\t\t\t\tdb\t\t0\t\t\t;// Pad byte to word align data\n"));

  UniqueBlocks(16);
  EXPECT_EQ(BlockPalettes(), CrLf("\n;// BLOCK PALETTE DATA\nBlockPaletteData:\n"
                                  "\t\t\t\t\t\tdb\t\t0, 1, 2, 3, 4, 5, 6, 0, 1, 2, 3, 4, 5, 6, 0, 1\n"));

  UniqueBlocks(17);
  EXPECT_EQ(BlockPalettes(), CrLf("\n;// BLOCK PALETTE DATA\nBlockPaletteData:\n"
                                  "\t\t\t\t\t\tdb\t\t0, 1, 2, 3, 4, 5, 6, 0, 1, 2, 3, 4, 5, 6, 0, 1\n"
                                  "\t\t\t\t\t\tdb\t\t2\n"
                                  "\t\t\t\t\t\tdb\t\t0\t\t\t;// Pad byte to word align data\n"));
}

TEST_F(AsmWriters, GraphicsTakeBitZeroThenBitOneLeftmostPixelHigh) {
  UniqueBlocks(2);
  BlockInfo& block = doc.m_pBlocks[1];
  const std::int8_t row[8] = {0, 1, 2, 3, 0, 1, 2, 3};
  for (int y = 0; y < 8; ++y)
    for (int x = 0; x < 8; ++x) block.Pixels[static_cast<std::size_t>(8 * y + x)] = (y == 0 || y == 7) ? row[x] : 3;
  EXPECT_EQ(Section([&](CTextWriter& out) { doc.WriteGraphicData(out); }),
            CrLf("\n;// GRAPHICS DATA\nGraphicData:\n"
                 "\t\t\t\t\t\tdb\t\t$00, $00, $00, $00, $00, $00, $00, $00, $00, $00, $00, $00, $00, $00, $00, $00\n"
                 "\t\t\t\t\t\tdb\t\t$55, $33, $ff, $ff, $ff, $ff, $ff, $ff, $ff, $ff, $ff, $ff, $ff, $ff, $55, $33\n"));
}

TEST_F(AsmWriters, NoAnimationsLeaveTheListLabelOpen) {
  EXPECT_EQ(Animations(), CrLf("\n;// ANIMATION LIST\nAnimationData:"));
}

TEST_F(AsmWriters, LabelsReplaceSpacesCommentsKeepThem) {
  Sheet(64, 16, {Colour(0, 0, 0)});
  doc.m_pCellMap.assign(16, 0);
  UniqueBlocks(1);
  Animation("Walk Left", {{CellRect(0, 0, 1, 1), -3, -12}});
  Animation("Idle", {});
  EXPECT_EQ(Animations(), CrLf("\n;// ANIMATION LIST\n"
                               "AnimationData:\t\t\tdw\t\tAnimWalk_Left\n"
                               "\t\t\t\t\t\tdw\t\tAnimIdle\n"
                               "\n;// DATA FOR ANIMATION 0 (Walk Left)\n"
                               "AnimWalk_Left:\n"
                               "\t\t\t\t\t\tdb\t\t1, 0\n"
                               "\t\t\t\t\t\tdw\t\tAnimWalk_LeftFrame0\n"
                               "\n;// DATA FOR ANIMATION 1 (Idle)\n"
                               "AnimIdle:\n"
                               "\t\t\t\t\t\tdb\t\t0, 0\n"
                               "\n;// ANIMATION DATA FOR ANIMATION 0 (Walk Left) FRAMES 0 -> 0 \n"
                               "AnimWalk_LeftFrame0:\n"
                               "\t\t\t\t\t\tdb\t\t1, 1\t\t\t\t\t;// Width and Height\n"
                               "\t\t\t\t\t\tdb\t\t-3, -12\t\t\t\t\t;// Offsets\n"
                               "\t\t\t\t\t\tdw\t\t$0000\n"
                               "\n;// ANIMATION DATA FOR ANIMATION 1 (Idle) FRAMES 0 -> -1 \n"));
}

TEST_F(AsmWriters, BlockMapReadsTheCellsOfTheFrameRowByRow) {
  Sheet(64, 24, {Colour(0, 0, 0)});  // 8 columns, 3 rows of cells
  UniqueBlocks(12);
  doc.m_pCellMap.assign(24, -1);
  doc.m_pCellMap[9] = 3;   // cell (1, 1)
  doc.m_pCellMap[10] = 5;  // cell (2, 1)
  doc.m_pBlocks[5].bXFlip = true;
  doc.m_pBlocks[3].bYFlip = true;
  Animation("A", {{CRect{8, 8, 24, 16}, 0, 0}});
  const std::string text = Animations();
  EXPECT_NE(text.find(CrLf("\t\t\t\t\t\tdb\t\t2, 1\t\t\t\t\t;// Width and Height\n"
                           "\t\t\t\t\t\tdb\t\t0, 0\t\t\t\t\t;// Offsets\n"
                           "\t\t\t\t\t\tdw\t\t$0031, $0052\n")),
            std::string::npos)
      << text;
}

TEST_F(AsmWriters, BlockNumbersBeyondTwelveBitsKeepAllTheirDigits) {
  Sheet(16, 8, {Colour(0, 0, 0)});
  UniqueBlocks(2);
  doc.m_pCellMap = {0, 1};
  doc.m_pBlocks[0].nBlock = 4096;
  doc.m_pBlocks[1].nBlock = 0x1234;
  doc.m_pBlocks[1].bXFlip = doc.m_pBlocks[1].bYFlip = true;
  Animation("Big", {{CellRect(0, 0, 2, 1), 0, 0}});
  EXPECT_NE(Animations().find("\t\t\t\t\t\tdw\t\t$10000, $12343\r\n"), std::string::npos);
}

TEST_F(AsmWriters, FramesWithoutBlocksShowSizeAndOffsetsOnly) {
  Sheet(32, 32, {Colour(0, 0, 0)});
  doc.m_pCellMap.assign(16, 0);
  UniqueBlocks(1);
  Animation("Thin", {{CRect{0, 0, 7, 16}, 1, 2}, {CRect{16, 0, 8, 16}, 0, 0}, {CRect{}, 0, 0}});
  // A fresh record says one frame but has no array: shown as a frame never set.
  doc.m_animations.push_back(std::make_unique<CAnimation>());
  const std::string text = Animations();
  EXPECT_NE(text.find(CrLf("AnimThinFrame0:\n"
                           "\t\t\t\t\t\tdb\t\t0, 2\t\t\t\t\t;// Width and Height\n"
                           "\t\t\t\t\t\tdb\t\t1, 2\t\t\t\t\t;// Offsets\n"
                           "AnimThinFrame1:\n"
                           "\t\t\t\t\t\tdb\t\t-1, 2\t\t\t\t\t;// Width and Height\n"
                           "\t\t\t\t\t\tdb\t\t0, 0\t\t\t\t\t;// Offsets\n"
                           "AnimThinFrame2:\n"
                           "\t\t\t\t\t\tdb\t\t0, 0\t\t\t\t\t;// Width and Height\n"
                           "\t\t\t\t\t\tdb\t\t0, 0\t\t\t\t\t;// Offsets\n"
                           "\n;// ANIMATION DATA FOR ANIMATION 1 () FRAMES 0 -> 0 \n"
                           "AnimFrame0:\n"
                           "\t\t\t\t\t\tdb\t\t0, 0\t\t\t\t\t;// Width and Height\n")),
            std::string::npos)
      << text;
  EXPECT_EQ(text.find("dw\t\t$"), std::string::npos);
}

}  // namespace
}  // namespace pixolan::test
