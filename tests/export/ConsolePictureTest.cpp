// What the desktop shows of the console: the sheet drawn from the decoded export,
// the mask of pixels the console shows otherwise, and the budget pane's lines,
// all from one export run on a copy of the document.
#include <gtest/gtest.h>

#include <numeric>

#include "export/BudgetRows.h"
#include "export/ConsoleRun.h"
#include "export/ExportFixture.h"

namespace pixolan::test {
namespace {

std::vector<PaletteEntry> Colours() {
  return {Rgb(255, 0, 255), Rgb(8, 0, 0), Rgb(0, 64, 0), Rgb(0, 0, 128), Rgb(200, 200, 200)};
}

// Cells: transparent; one pixel of colour 1; five colours with the transparent
// one (the last two pixels colour 4); the asymmetric cell and its mirror; then a
// cell of colour 1 that no frame covers.
void FillScene(ExportFixture& f, std::int32_t width = 8 * 7) {
  f.MakeSheet(width, 8, Colours());
  f.SetPixel(8 + 3, 2, 1);
  Cell five = Uniform(1);
  five[60] = 2, five[61] = 3, five[62] = five[63] = 4;
  f.FillCell(2, 0, five);
  f.FillCell(3, 0, Asymmetric());
  f.FillCell(4, 0, Mirror(Asymmetric(), true, true));
  f.FillCell(6, 0, 1);
  f.AddAnimation("Row", {Cells(0, 0, 5, 1), Cells(1, 0, 1, 1)});
}

ConsoleResult RunOn(ExportFixture& f, bool firstTrans) {
  ExportOptions options;
  options.m_bFirstTrans = firstTrans;
  return RunConsole(TakeConsoleSnapshot(f.doc, options));
}

std::uint32_t Shown(const PaletteEntry& c) { return ToArgb(ExpandGbcColour(GbcColourWord(c))); }

TEST(ConsolePicture, PixelsAsTheConsoleShowsThemAndTheChangedMask) {
  ExportFixture f;
  FillScene(f);
  const ConsoleResult result = RunOn(f, true);
  ASSERT_TRUE(result.bExported);
  const ConsolePicture& p = result.picture;
  ASSERT_EQ(std::tuple(p.nWidth, p.nHeight), std::tuple(56, 8));
  EXPECT_EQ(p.pixels[p.At(0, 0)], 0u);                    // colour 0: not drawn
  EXPECT_EQ(p.pixels[p.At(8 + 3, 2)], Shown(Rgb(8, 0, 0)));  // widened from 15 bits
  EXPECT_EQ(p.pixels[p.At(24 + 5, 0)], Shown(Rgb(0, 64, 0)));
  EXPECT_EQ(p.pixels[p.At(32 + 2, 7)], Shown(Rgb(0, 64, 0)));  // the mirror drawn through its bits
  EXPECT_EQ(p.pixels[p.At(48, 0)], ToArgb({8, 0, 0}));      // no frame: the sheet's own colour
  EXPECT_EQ(std::tuple(p.exported[p.At(39, 7)], p.exported[p.At(40, 0)]), std::tuple(1, 0));
  // Only the fourth colour past the transparent one is cleared, to nothing.
  std::vector<std::size_t> changed;
  for (std::size_t i = 0; i < p.changed.size(); ++i) {
    if (p.changed[i] != 0) changed.push_back(i);
  }
  EXPECT_EQ(changed, (std::vector<std::size_t>{p.At(16 + 6, 7), p.At(16 + 7, 7)}));
  EXPECT_EQ(p.pixels[p.At(16 + 7, 7)], 0u);
}

TEST(ConsolePicture, MaskCountsWhatTheCheckCounts) {
  for (const bool firstTrans : {false, true}) {
    ExportFixture f;
    FillScene(f);
    const ConsoleResult result = RunOn(f, firstTrans);
    const std::int64_t marked = std::accumulate(result.picture.changed.begin(), result.picture.changed.end(), 0);
    EXPECT_EQ(marked, result.check.animations[0].frames[0].nChangedPixels) << firstTrans;
    EXPECT_GT(marked, 0);
  }
}

TEST(BudgetRows, LimitsInRedFramesToSelectAndTheExportWarnings) {
  ExportFixture f;
  FillScene(f, 8 * 11);
  f.AddAnimation("Wide", {Cells(0, 0, 11, 1)});
  const ConsoleResult result = RunOn(f, true);
  const std::vector<BudgetRow> rows = BudgetRows(result, 1, 1);
  std::vector<std::string> texts, red;
  for (const BudgetRow& row : rows) {
    texts.push_back(row.strText);
    if (row.bOver) red.push_back(row.strText);
  }
  EXPECT_EQ(texts.front(), "Current frame: \"Wide\" frame 1");
  EXPECT_EQ(red, (std::vector<std::string>{
                     "Most objects on one line: 11 of 10",
                     "Changed pixels: 2",
                     "Most objects on one line: 11 of 10 (\"Wide\" frame 1)",
                     "Changed pixels: 4",
                     "\"Row\" frame 1: 2 pixels differ from the sheet",
                     "\"Row\" frame 1: 2 pixels use colour 0, which the console never draws",
                     "\"Wide\" frame 1: 11 objects on one line (limit 10)",
                     "\"Wide\" frame 1: 2 pixels differ from the sheet",
                     "\"Wide\" frame 1: 2 pixels use colour 0, which the console never draws",
                     "Block starting at pixel X = 16, Y = 0 is using more than 4 colours Any extra colours will be "
                     "cleared to index 0",
                 }));
  const auto wide = std::find_if(rows.begin(), rows.end(), [](const BudgetRow& r) {
    return r.strText == "\"Wide\" frame 1: 11 objects on one line (limit 10)";
  });
  ASSERT_NE(wide, rows.end());
  EXPECT_EQ(std::tuple(wide->nAnimation, wide->nFrame), std::tuple(1, 1u));
}

}  // namespace
}  // namespace pixolan::test
