// Reading the "PaletteData:" section back from an assembler file.
#include <gtest/gtest.h>

#include "export/PaletteFileReader.h"
#include "export/PrepareFixture.h"
#include "framework/FileException.h"
#include "support/TestSupport.h"

namespace pixolan::test {
namespace {

const PaletteEntry kBlack = Rgb(0, 0, 0);

TEST(PaletteFileReader, ColourWordsGiveFiveBitsPerChannel) {
  const GbcPalette p = CPaletteFileReader::ParsePaletteLine("\tdw $7fff,$0000,$001f,$03e0");
  EXPECT_EQ(p[0], Rgb(248, 248, 248));
  EXPECT_EQ(p[1], kBlack);
  EXPECT_EQ(p[2], Rgb(248, 0, 0));
  EXPECT_EQ(p[3], Rgb(0, 248, 0));
  EXPECT_EQ(CPaletteFileReader::ParsePaletteLine("dw $7c00,$ffff,$8000,$0421")[0], Rgb(0, 0, 248));
  EXPECT_EQ(CPaletteFileReader::ParsePaletteLine("dw $7c00,$ffff,$8000,$0421")[1], Rgb(248, 248, 248));  // bit 15 ignored
  EXPECT_EQ(CPaletteFileReader::ParsePaletteLine("dw $7c00,$ffff,$8000,$0421")[2], kBlack);
  EXPECT_EQ(CPaletteFileReader::ParsePaletteLine("dw $7c00,$ffff,$8000,$0421")[3], Rgb(8, 8, 8));
}

TEST(PaletteFileReader, ShortValuesMissingValuesAndStrayCharacters) {
  // Fewer digits end at the comma; values read from the first "dw" on.
  GbcPalette p = CPaletteFileReader::ParsePaletteLine("$7fff dw $1f,$3e0,$7C00,$1");
  EXPECT_EQ(p[0], Rgb(248, 0, 0));
  EXPECT_EQ(p[1], Rgb(0, 248, 0));
  EXPECT_EQ(p[2], Rgb(0, 0, 248));
  EXPECT_EQ(p[3], Rgb(8, 0, 0));
  // Missing values are black.
  p = CPaletteFileReader::ParsePaletteLine("  dw $7fff");
  EXPECT_EQ(p[0], Rgb(248, 248, 248));
  EXPECT_EQ(p[1], kBlack);
  EXPECT_EQ(p[3], kBlack);
  // A fifth digit belongs to no value; a non-digit ends a value early.
  p = CPaletteFileReader::ParsePaletteLine("dw $00011,$1g1f, $$2");
  EXPECT_EQ(p[0], Rgb(8, 0, 0));
  EXPECT_EQ(p[1], Rgb(8, 0, 0));
  EXPECT_EQ(p[2], kBlack);
  EXPECT_EQ(p[3], Rgb(16, 0, 0));
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

TEST(PaletteFileReader, ReadsCrLfAndLfFilesAlikeAndKeepsAtMost256Palettes) {
  std::string body = "; made by hand\nPaletteData:\n";
  for (int i = 0; i < 300; ++i) {
    char line[64];
    std::snprintf(line, sizeof line, "\tdw $%04x,$0000,$0000,$7fff\n", i % 32);
    body += line;
  }
  body += "Other:\n\tdw $7fff\n";
  std::string crlf;
  for (char c : body) crlf += (c == '\n') ? std::string("\r\n") : std::string(1, c);
  TempDir dir;
  WriteFile(dir / "lf.asm", body);
  WriteFile(dir / "crlf.asm", crlf);
  const auto lf = CPaletteFileReader::Read((dir / "lf.asm").string());
  const auto crlfRead = CPaletteFileReader::Read((dir / "crlf.asm").string());
  ASSERT_EQ(lf.size(), 256u);
  EXPECT_EQ(lf, crlfRead);
  EXPECT_EQ(lf[255][0], Rgb(8 * 31, 0, 0));
  EXPECT_EQ(lf[255][3], Rgb(248, 248, 248));
}

TEST(PaletteFileReader, MissingFileThrowsAFileExceptionNamingIt) {
  TempDir dir;
  const std::string path = (dir / "missing.asm").string();
  try {
    CPaletteFileReader::Read(path);
    FAIL() << "no exception";
  } catch (const CFileException& e) {
    EXPECT_EQ(e.m_strFileName, path);
  }
}

}  // namespace
}  // namespace pixolan::test
