// Whole exports of small documents, compared byte for byte with text worked out
// by hand from the sheet: cutting, matching with mirror chains, palettes, writing.
#include <gtest/gtest.h>

#include "export/AnimExport.h"
#include "export/ExportFixture.h"

namespace pixolan::test {
namespace {

class GoldenExport : public ExportFixture, public ::testing::Test {
 protected:
  void SetUp() override { MirrorSheet(); }

  std::string Export(const CExportOptionsDlg& options) {
    CAnimExport exporter(doc, prompts);
    EXPECT_TRUE(exporter.CheckDocument());
    EXPECT_TRUE(exporter.Build(options, "golden.asm"));
    return exporter.File().Bytes();
  }
};

// Records 0..5 in cutting order. Record 2 repeats 1 mirrored left-right; 3 repeats
// 2 mirrored both ways, which resolves to 1 mirrored top-bottom; 4 repeats 3
// mirrored top-bottom, which resolves to 1 unmirrored. Output blocks: records 0, 1, 5.
// One palette grows in record order: magenta, black, white, then red.
TEST_F(GoldenExport, MirrorChainsAndOnePaletteWithoutOptions) {
  const std::string expected = kAsmHeader +
      ";// ORIGINALLY 6 BLOCKS WE USED - SAVED 3 BLOCKS DUE TO XFLIP, YFLIP OR DUPLICATES\n"
      "NumberOfAnimations:\t\tdb\t\t2\n"
      "NumberOfPalettes:\t\tdb\t\t1\n"
      "\n;// PALETTE DATA\nPaletteData:\n"
      "\t\t\t\t\t\tdw\t\t$7c1f, $0000, $7fff, $001f\n"
      "\n;// BLOCK PALETTE DATA\nBlockPaletteData:\n"
      "\t\t\t\t\t\tdb\t\t0, 0, 0\n"
      "\t\t\t\t\t\tdb\t\t0\t\t\t;// Pad byte to word align data\n"
      "\n;// ANIMATION LIST\n"
      "AnimationData:\t\t\tdw\t\tAnimWalk_Left\n"
      "\t\t\t\t\t\tdw\t\tAnimIdle\n"
      "\n;// DATA FOR ANIMATION 0 (Walk Left)\n"
      "AnimWalk_Left:\n"
      "\t\t\t\t\t\tdb\t\t2, 0\n"
      "\t\t\t\t\t\tdw\t\tAnimWalk_LeftFrame0\n"
      "\t\t\t\t\t\tdw\t\tAnimWalk_LeftFrame1\n"
      "\n;// DATA FOR ANIMATION 1 (Idle)\n"
      "AnimIdle:\n"
      "\t\t\t\t\t\tdb\t\t0, 0\n"
      "\n;// ANIMATION DATA FOR ANIMATION 0 (Walk Left) FRAMES 0 -> 1 \n"
      "AnimWalk_LeftFrame0:\n"
      "\t\t\t\t\t\tdb\t\t3, 1\t\t\t\t\t;// Width and Height\n"
      "\t\t\t\t\t\tdb\t\t-12, -8\t\t\t\t\t;// Offsets\n"
      "\t\t\t\t\t\tdw\t\t$0000, $0010, $0012\n"
      "AnimWalk_LeftFrame1:\n"
      "\t\t\t\t\t\tdb\t\t3, 1\t\t\t\t\t;// Width and Height\n"
      "\t\t\t\t\t\tdb\t\t4, -3\t\t\t\t\t;// Offsets\n"
      "\t\t\t\t\t\tdw\t\t$0011, $0010, $0020\n"
      "\n;// ANIMATION DATA FOR ANIMATION 1 (Idle) FRAMES 0 -> -1 \n"
      "\n;// GRAPHICS DATA\nGraphicData:\n"
      "\t\t\t\t\t\tdb\t\t$00, $00, $00, $00, $00, $00, $00, $00, $00, $00, $00, $00, $00, $00, $00, $00\n"
      "\t\t\t\t\t\tdb\t\t$80, $7f, $c0, $3f, $e0, $1f, $f0, $0f, $f8, $07, $fc, $03, $fe, $01, $ff, $00\n"
      "\t\t\t\t\t\tdb\t\t$ff, $ff, $00, $00, $00, $00, $00, $00, $00, $00, $00, $00, $00, $00, $00, $00\n";
  EXPECT_EQ(Export(CExportOptionsDlg{}), CrLf(expected));
  EXPECT_TRUE(prompts.m_messages.empty());
}

// The forced first block is record 0 and stands for the all-magenta cell, which
// now repeats it; with the first-colour rule magenta is entry 0 of every block.
// Records: 0 forced, 1 cell (0,0) = repeat of 0, 2 A, 3 = 2 x-flipped, 4 = 3 both,
// 5 = 4 y-flipped, 6 red row. Output blocks: records 0, 2, 6. Sixteen words in the
// block map: 7 records, 4 repeats.
TEST_F(GoldenExport, ForcedFirstBlockAndFirstColourRule) {
  CExportOptionsDlg options;
  options.m_bForceFirst = 1;
  options.m_bFirstTrans = 1;
  const std::string text = Export(options);
  for (const char* part : {";// ORIGINALLY 7 BLOCKS WE USED - SAVED 4 BLOCKS DUE TO XFLIP, YFLIP OR DUPLICATES\n"
                           "NumberOfAnimations:\t\tdb\t\t2\nNumberOfPalettes:\t\tdb\t\t1\n",
                           "PaletteData:\n\t\t\t\t\t\tdw\t\t$7c1f, $0000, $7fff, $001f\n",
                           "BlockPaletteData:\n\t\t\t\t\t\tdb\t\t0, 0, 0\n\t\t\t\t\t\tdb\t\t0\t\t\t;// Pad",
                           "\t\t\t\t\t\tdw\t\t$0000, $0010, $0012\n", "\t\t\t\t\t\tdw\t\t$0011, $0010, $0020\n",
                           "$80, $7f, $c0, $3f, $e0, $1f, $f0, $0f, $f8, $07, $fc, $03, $fe, $01, $ff, $00\n"
                           "\t\t\t\t\t\tdb\t\t$ff, $ff, $00, $00, $00, $00, $00, $00, $00, $00, $00, $00, $00, $00, $00, $00\n"}) {
    EXPECT_NE(text.find(CrLf(part)), std::string::npos) << part;
  }
}

TEST_F(GoldenExport, NoAnimationsGiveEmptySectionsOrOnlyTheForcedBlock) {
  doc.m_animations.clear();
  const std::string zeros = "$00, $00, $00, $00, $00, $00, $00, $00, $00, $00, $00, $00, $00, $00, $00, $00\n";
  for (int force : {0, 1}) {
    CExportOptionsDlg options;
    options.m_bForceFirst = force;
    const std::string n = std::to_string(force);
    EXPECT_EQ(Export(options),
              CrLf(kAsmHeader + ";// ORIGINALLY " + n + " BLOCKS WE USED - SAVED 0 BLOCKS DUE TO XFLIP, YFLIP OR DUPLICATES\n"
                   "NumberOfAnimations:\t\tdb\t\t0\nNumberOfPalettes:\t\tdb\t\t" + n + "\n"
                   "\n;// PALETTE DATA\nPaletteData:\n" + (force ? "\t\t\t\t\t\tdw\t\t$0000, $0000, $0000, $0000\n" : "") +
                   "\n;// BLOCK PALETTE DATA\nBlockPaletteData:\n" +
                   (force ? "\t\t\t\t\t\tdb\t\t0\n\t\t\t\t\t\tdb\t\t0\t\t\t;// Pad byte to word align data\n" : "") +
                   "\n;// ANIMATION LIST\nAnimationData:\n;// GRAPHICS DATA\nGraphicData:\n" +
                   (force ? "\t\t\t\t\t\tdb\t\t" + zeros : ""))) << force;
  }
}

}  // namespace
}  // namespace pixolan::test
