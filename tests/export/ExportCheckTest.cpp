// The check measures what the exported file asks of the console: documents are
// exported, read back and checked, so a fault anywhere on the way shows here.
#include <gtest/gtest.h>

#include "export/AnimExport.h"
#include "export/CheckReport.h"
#include "export/ExportCheck.h"
#include "export/ExportFixture.h"

namespace pixolan::test {
namespace {

ExportCheck Checked(ExportFixture& f, const ExportSwitches& sw = {}) {
  f.Prepare(sw);
  CAsmFile file;
  EXPECT_TRUE(file.Open("check.asm"));
  WriteAnimExport(f.doc, f.tables, file);
  return CheckExport(f.doc, DecodeExport(file.Bytes()), sw.firstTrans, false);
}

std::vector<std::string> Problems(const ExportCheck& check) {
  std::vector<std::string> problems;
  for (const CheckLine& line : CheckReport(check)) {
    if (line.kind == CheckLine::Kind::kOver || line.kind == CheckLine::Kind::kChanged) problems.push_back(line.Printed());
  }
  return problems;
}

// Index 0 is the transparent colour; 1 to 4 a ramp.
std::vector<PaletteEntry> Ramp() {
  return {Rgb(255, 0, 255), Rgb(8, 0, 0), Rgb(0, 64, 0), Rgb(0, 0, 128), Rgb(200, 200, 200), Rgb(15, 0, 0)};
}

TEST(ExportCheck, ObjectAndLineLimitsAtAndPastTheirBounds) {
  ExportFixture f;
  f.MakeSheet(8 * 11, 8 * 6, Ramp());
  for (int cy = 0; cy < 6; ++cy)
    for (int cx = 0; cx < 11; ++cx) f.FillCell(cx, cy, Asymmetric());
  f.SetPixel(0, 0, 0);
  f.AddAnimation("Wide", {Cells(0, 0, 11, 1), Cells(0, 1, 10, 4)});
  f.AddAnimation("Big", {Cells(0, 0, 7, 6)});
  const ExportCheck check = Checked(f);
  ASSERT_EQ(check.animations.size(), 2u);
  const FrameCheck& wide = check.animations[0].frames[0];
  EXPECT_EQ(std::tuple(wide.nWidth, wide.nHeight, wide.nObjects, wide.nPerLine), std::tuple(11, 1, 11, 11));
  const FrameCheck& big = check.animations[1].frames[0];
  EXPECT_EQ(std::tuple(big.nFrame, big.nObjects, big.nDrawn, big.nPerLine), std::tuple(1u, 42, 42, 7));
  // 40 objects, 10 to a line: exactly at the limits.
  EXPECT_EQ(Problems(check), (std::vector<std::string>{
                                 "over: \"Wide\" frame 1: 11 objects on one line (limit 10)",
                                 "over: \"Big\" frame 1: 42 objects (limit 40)",
                             }));
  EXPECT_FALSE(check.Fits());
}

// Row 0: all transparent; one colour 1 pixel; colours 1 to 4; a mirrored repeat
// of the asymmetric cell; two colours that only the dropped low bits tell apart.
void FillDrawnAndChanged(ExportFixture& f) {
  f.MakeSheet(8 * 6, 8, Ramp());
  f.FillCell(1, 0, 0);
  f.SetPixel(8 + 3, 2, 1);
  Cell four = Uniform(1);
  four[60] = 2, four[61] = 3, four[62] = four[63] = 4;
  f.FillCell(2, 0, four);
  f.FillCell(3, 0, Asymmetric());
  f.FillCell(4, 0, Mirror(Asymmetric(), true, true));
  f.FillCell(5, 0, CellOf([](int x, int) { return x < 4 ? 1 : 5; }));
  f.AddAnimation("Row", {Cells(0, 0, 6, 1), Cells(1, 0, 1, 1)});
}

TEST(ExportCheck, DrawnObjectsAndChangedPixelsFollowTheTransparentColour) {
  struct Case {
    bool firstTrans;
    std::int64_t drawn, changed, hidden, singleDrawn;
  };
  // Without the first-colour rule a block's first colour takes index 0, which the
  // console never draws: the all-transparent cell draws nothing, and the cells
  // that start with a visible colour lose it. With the rule the transparent
  // colour takes index 0 and the fourth colour's two pixels clear.
  for (const Case& c : {Case{false, 5, 92, 92, 1}, Case{true, 5, 2, 2, 1}}) {
    SCOPED_TRACE(c.firstTrans);
    ExportFixture f;
    FillDrawnAndChanged(f);
    const ExportCheck check = Checked(f, {.forceFirst = false, .firstTrans = c.firstTrans, .paletteFile = {}});
    const FrameCheck& row = check.animations[0].frames[0];
    EXPECT_EQ(std::tuple(row.nObjects, row.nDrawn, row.nChangedPixels, row.nHiddenPixels),
              std::tuple(6, c.drawn, c.changed, c.hidden));
    EXPECT_EQ(check.animations[0].frames[1].nDrawn, c.singleDrawn);
    EXPECT_EQ(check.Fits(), c.changed == 0);
  }
}

TEST(ExportCheck, PalettesOfAFrameAndOfTheExport) {
  // Nine cells of three colours each that no other cell shares, beside the
  // transparent colour: nine palettes.
  std::vector<PaletteEntry> colours{Rgb(255, 0, 255)};
  for (int i = 0; i < 27; ++i) colours.push_back(Rgb(static_cast<std::uint8_t>(8 * (i % 32)), static_cast<std::uint8_t>(8 * (i / 32)), 8));
  ExportFixture f;
  f.MakeSheet(8 * 9, 8, colours);
  for (int cx = 0; cx < 9; ++cx) {
    f.FillCell(cx, 0, CellOf([cx](int x, int y) { return 1 + 3 * cx + (x + y) % 3; }));
  }
  f.AddAnimation("Many", {Cells(0, 0, 9, 1), Cells(0, 0, 8, 1)});
  const ExportCheck check = Checked(f, {.forceFirst = false, .firstTrans = true, .paletteFile = {}});
  EXPECT_EQ(check.animations[0].frames[0].nPalettes, 9);
  EXPECT_EQ(check.animations[0].frames[1].nPalettes, 8);
  EXPECT_EQ(Problems(check), (std::vector<std::string>{"over: \"Many\" frame 1: 9 palettes (limit 8)",
                                                       "over: export: 9 palettes (limit 8)"}));
}

TEST(ExportCheck, TileMemoryOfOneOrBothBanks) {
  ExportCheck check;
  for (const auto& [blocks, banks] : {std::pair(256, 1), std::pair(257, 2), std::pair(512, 2), std::pair(513, 0)}) {
    check.nUniqueBlocks = blocks;
    EXPECT_EQ(check.TileBanksNeeded(), banks) << blocks;
    EXPECT_EQ(check.Fits(), banks != 0) << blocks;
  }
}

}  // namespace
}  // namespace pixolan::test
