// Reading the "PaletteData:" section back from an assembler file.
#include <gtest/gtest.h>

#include "export/ExportFixture.h"
#include "export/PaletteFileReader.h"
#include "framework/FileException.h"

namespace pixolan::test {
namespace {

TEST(PaletteFileReader, ColourWordsGiveFiveBitsPerChannelWhateverTheSpelling) {
  const PaletteEntry black = Rgb(0, 0, 0);
  const std::pair<const char*, GbcPalette> cases[] = {
      {"\tdw $7fff,$0000,$001f,$03e0", {Rgb(248, 248, 248), black, Rgb(248, 0, 0), Rgb(0, 248, 0)}},
      {"dw $7c00,$ffff,$8000,$0421", {Rgb(0, 0, 248), Rgb(248, 248, 248), black, Rgb(8, 8, 8)}},  // bit 15 ignored
      // Fewer digits end at the comma; values are read from the first "dw" on.
      {"$7fff dw $1f,$3e0,$7C00,$1", {Rgb(248, 0, 0), Rgb(0, 248, 0), Rgb(0, 0, 248), Rgb(8, 0, 0)}},
      {"  dw $7fff", {Rgb(248, 248, 248), black, black, black}},  // missing values are black
      // A fifth digit belongs to no value; a non-digit ends a value early.
      {"dw $00011,$1g1f, $$2", {Rgb(8, 0, 0), Rgb(8, 0, 0), black, Rgb(16, 0, 0)}},
  };
  for (const auto& [line, expected] : cases) EXPECT_EQ(CPaletteFileReader::ParsePaletteLine(line), expected) << line;
}

TEST(PaletteFileReader, SectionStartsAtTheLabelAndEndsAtTheFirstOtherLine) {
  const std::vector<std::string> lines = {
      "dw $7fff,$7fff,$7fff,$7fff",  // before the section: ignored
      "; PaletteData: in a comment starts the section too",
      "\tdw $001f,$0000,$0000,$0000",
      "PaletteData:",                  // label lines inside the section are skipped
      "\tdw $03e0,$0000,$0000,$0000",
      "BlockPaletteData:",             // contains the label too: skipped
      "\tDW $7c00,$0000,$0000,$0000",  // case matters: this ends the section
      "\tdw $7c00,$0000,$0000,$0000",
  };
  const auto palettes = CPaletteFileReader::ReadLines(lines);
  ASSERT_EQ(palettes.size(), 2u);
  EXPECT_EQ(palettes[0][0], Rgb(248, 0, 0));
  EXPECT_EQ(palettes[1][0], Rgb(0, 248, 0));
  EXPECT_TRUE(CPaletteFileReader::ReadLines({"no label", "\tdw $7fff"}).empty());
  EXPECT_TRUE(CPaletteFileReader::ReadLines({"PaletteData:", "", "\tdw $7fff"}).empty());
}

TEST(PaletteFileReader, ReadsCrLfAndLfFilesAlikeKeepsAtMost256PalettesAndNamesAMissingFile) {
  std::string body = "; made by hand\nPaletteData:\n";
  for (int i = 0; i < 300; ++i) {
    char line[64];
    std::snprintf(line, sizeof line, "\tdw $%04x,$0000,$0000,$7fff\n", i % 32);
    body += line;
  }
  body += "Other:\n\tdw $7fff\n";
  TempDir dir;
  WriteFile(dir / "lf.asm", body);
  WriteFile(dir / "crlf.asm", CrLf(body));
  const auto lf = CPaletteFileReader::Read((dir / "lf.asm").string());
  ASSERT_EQ(lf.size(), 256u);
  EXPECT_EQ(lf, CPaletteFileReader::Read((dir / "crlf.asm").string()));
  EXPECT_EQ(lf[255][0], Rgb(8 * 31, 0, 0));
  EXPECT_EQ(lf[255][3], Rgb(248, 248, 248));

  const std::string missing = (dir / "missing.asm").string();
  try {
    CPaletteFileReader::Read(missing);
    ADD_FAILURE() << "no exception";
  } catch (const CFileException& e) { EXPECT_EQ(e.m_strFileName, missing); }
}

}  // namespace
}  // namespace pixolan::test
