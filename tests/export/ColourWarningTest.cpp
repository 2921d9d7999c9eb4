// A block with more than four colours is warned about once, and "Ignore All"
// silences the rest of that export; the cut blocks stay the same either way.
#include <gtest/gtest.h>

#include "export/BlockCutter.h"
#include "export/ExportFixture.h"
#include "framework/ConsolePrompts.h"

namespace pixolan::test {
namespace {

std::string Warning(int x) {
  return "Block starting at pixel X = " + std::to_string(x) +
         ", Y = 0 is using more than 4 colours\nAny extra colours will be cleared to index 0\n";
}

// Cells 0 and 2 of a 24x8 sheet hold six colours each, cell 1 one.
void SixColourSheet(ExportFixture& f, std::int32_t bits) {
  f.MakeSheet(24, 8,
              {Rgb(255, 0, 255), Rgb(0, 0, 0), Rgb(80, 80, 80), Rgb(160, 160, 160), Rgb(248, 248, 248), Rgb(255, 0, 0)},
              bits);
  for (std::int32_t cx : {0, 2}) f.FillCell(cx, 0, CellOf([](int x, int y) { return (x + y) % 6; }));
  f.FillCell(1, 0, 1);
  f.AddAnimation("a", {Cells(0, 0, 3, 1)});
}

TEST(ColourWarning, OncePerBlockUntilIgnoredWithTheSameBlocks) {
  const std::pair<std::vector<int>, std::vector<std::string>> cases[] = {
      {{}, {Warning(0), Warning(16)}}, {{IDOK, IDOK}, {Warning(0), Warning(16)}}, {{IDIGNORE}, {Warning(0)}}};
  for (std::int32_t bits : {8, 24}) {  // indexed and true-colour cutting
    std::vector<std::array<std::int8_t, 64>> first;
    for (const auto& [answers, warnings] : cases) {
      ExportFixture f;
      SixColourSheet(f, bits);
      for (int answer : answers) f.prompts.QueueWarningAnswer(answer);
      f.Prepare();
      EXPECT_EQ(f.prompts.m_messages, warnings) << bits;
      std::vector<std::array<std::int8_t, 64>> pixels;
      for (const BlockInfo& b : f.tables.m_pBlocks) pixels.push_back(b.Pixels);
      if (first.empty()) first = pixels;
      EXPECT_EQ(pixels, first) << bits;
    }
  }

  ExportFixture f;  // the next export asks again
  SixColourSheet(f, 8);
  f.prompts.QueueWarningAnswer(IDIGNORE);
  f.Prepare();
  f.Prepare();
  EXPECT_EQ(f.prompts.m_messages, (std::vector<std::string>{Warning(0), Warning(0), Warning(16)}));

  std::vector<std::string> printed;  // the command line prints each block's once
  CConsolePrompts console([&](std::string_view text) { printed.emplace_back(text); });
  const CSheetColours sheet(f.doc.m_pImage.get());
  CBlockCutter cutter(sheet, Rgb(255, 0, 255), true, console);
  for (std::int32_t cx : {0, 1, 2}) cutter.Cut(cx, 0);
  EXPECT_EQ(printed, (std::vector<std::string>{Warning(0), Warning(16)}));
}

}  // namespace
}  // namespace pixolan::test
