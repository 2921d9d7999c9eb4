// A block with more than four colours is warned about once, and "Ignore All"
// silences the rest of that export; the cut blocks stay the same either way.
#include <gtest/gtest.h>

#include "export/BlockCutter.h"
#include "export/ExportFixture.h"
#include "framework/ConsolePrompts.h"

namespace pixolan::test {
namespace {

const std::vector<PaletteEntry> kColours = {Rgb(255, 0, 255), Rgb(0, 0, 0), Rgb(80, 80, 80), Rgb(160, 160, 160),
                                            Rgb(248, 248, 248), Rgb(255, 0, 0)};

std::string Warning(int x) {
  return "Block starting at pixel X = " + std::to_string(x) +
         ", Y = 0 is using more than 4 colours\nAny extra colours will be cleared to index 0\n";
}

// Cells 0 and 2 of a 24x8 sheet hold six colours each, cell 1 one.
void SixColourSheet(ExportFixture& f, std::int32_t bits) {
  f.MakeSheet(24, 8, kColours, bits);
  const Cell six = CellOf([](int x, int y) { return (x + y) % 6; });
  f.FillCell(0, 0, six);
  f.FillCell(1, 0, 1);
  f.FillCell(2, 0, six);
  f.AddAnimation("a", {Cells(0, 0, 3, 1)});
}

std::string Blocks(const ExportFixture& f) {
  std::string text;
  for (std::int32_t i = 0; i < f.doc.m_nBlocks; ++i) {
    const BlockInfo& b = f.Block(i);
    text += std::to_string(b.nColours) + ":" + std::to_string(b.nColourSum) + ":" + std::to_string(b.nPalette) + ":";
    for (std::int8_t p : b.Pixels) text += static_cast<char>('0' + p);
    text += "\n";
  }
  return text;
}

TEST(ColourWarning, OncePerBlockUntilIgnoredWithTheSameBlocks) {
  const std::pair<std::vector<int>, std::vector<std::string>> cases[] = {
      {{}, {Warning(0), Warning(16)}},
      {{IDOK, IDOK}, {Warning(0), Warning(16)}},
      {{IDIGNORE}, {Warning(0)}},
  };
  for (std::int32_t bits : {8, 24}) {  // indexed and true-colour cutting
    std::string blocks;
    for (const auto& [answers, warnings] : cases) {
      ExportFixture f;
      SixColourSheet(f, bits);
      for (int answer : answers) f.prompts.QueueWarningAnswer(answer);
      f.Prepare();
      EXPECT_EQ(f.prompts.m_messages, warnings) << bits;
      if (blocks.empty()) blocks = Blocks(f);
      EXPECT_EQ(Blocks(f), blocks) << bits;
    }
  }

  // A new export asks again.
  ExportFixture f;
  SixColourSheet(f, 8);
  f.prompts.QueueWarningAnswer(IDIGNORE);
  f.Prepare();
  f.Prepare();
  EXPECT_EQ(f.prompts.m_messages, (std::vector<std::string>{Warning(0), Warning(0), Warning(16)}));

  // The command line prints each block's warning once.
  std::vector<std::string> printed;
  CConsolePrompts console([&](std::string_view text) { printed.emplace_back(text); });
  const CSheetColours sheet(f.doc.m_pImage.get());
  CBlockCutter cutter(sheet, kColours[0], true, console);
  for (std::int32_t cx : {0, 1, 2}) cutter.Cut(cx, 0);
  EXPECT_EQ(printed, (std::vector<std::string>{Warning(0), Warning(16)}));
}

}  // namespace
}  // namespace pixolan::test
