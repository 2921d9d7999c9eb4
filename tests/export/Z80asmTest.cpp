// A real assembler reads what the exports write: the binary holds, at each label,
// the bytes the tables say.
#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <map>
#include <sstream>

#include "export/AnimExport.h"
#include "export/ExportFixture.h"
#include "export/GbcColour.h"
#include "export/PaletteExport.h"

namespace pixolan::test {
namespace {

bool HaveZ80asm() { return std::system("command -v z80asm >/dev/null 2>&1") == 0; }

struct Assembled {
  std::vector<std::uint8_t> bytes;
  std::map<std::string, std::size_t> labels;

  std::uint8_t Byte(const std::string& label, std::size_t at = 0) const { return bytes.at(labels.at(label) + at); }
  unsigned Word(const std::string& label, std::size_t at = 0) const {
    return Byte(label, at) | static_cast<unsigned>(Byte(label, at + 1)) << 8;
  }
};

// Assembles the text with z80asm; labels come from its label file ("Name:\tequ $hhhh").
Assembled Assemble(const std::string& text) {
  TempDir dir;
  WriteFile(dir / "in.asm", std::string_view(text));
  const std::string command = "z80asm -i '" + (dir / "in.asm").string() + "' -o '" + (dir / "out.bin").string() +
                              "' -L'" + (dir / "out.lbl").string() + "' 2>&1";
  EXPECT_EQ(std::system(command.c_str()), 0) << text;
  Assembled result;
  result.bytes = ReadFile(dir / "out.bin");
  std::istringstream lines(ReadText(dir / "out.lbl"));
  std::string name, equ, value;
  while (lines >> name >> equ >> value) {
    result.labels[name.substr(0, name.size() - 1)] = std::stoul(value.substr(1), nullptr, 16);
  }
  return result;
}

class Z80asm : public ExportFixture, public ::testing::Test {
 protected:
  void SetUp() override {
    if (!HaveZ80asm()) GTEST_SKIP() << "z80asm is not installed";
    MirrorSheet();
  }
};

TEST_F(Z80asm, AnimationExportAssemblesToTheTablesBytes) {
  CAnimExport exporter(doc, prompts);
  ASSERT_TRUE(exporter.CheckDocument());
  ASSERT_TRUE(exporter.Build(CExportOptionsDlg{}, "x.asm"));
  const Assembled bin = Assemble(exporter.File().Bytes());

  EXPECT_EQ(bin.Byte("NumberOfAnimations"), 2);
  EXPECT_EQ(bin.Byte("NumberOfPalettes"), 1);
  const unsigned words[] = {0x7c1f, 0x0000, 0x7fff, 0x001f};
  for (std::size_t e = 0; e < 4; ++e) EXPECT_EQ(bin.Word("PaletteData", 2 * e), words[e]);
  for (std::size_t i = 0; i < 4; ++i) EXPECT_EQ(bin.Byte("BlockPaletteData", i), 0);  // three blocks and the pad
  EXPECT_EQ(bin.labels.at("AnimationData") % 2, 0u);

  EXPECT_EQ(bin.Word("AnimationData"), bin.labels.at("AnimWalk_Left"));
  EXPECT_EQ(bin.Word("AnimationData", 2), bin.labels.at("AnimIdle"));
  EXPECT_EQ(bin.Byte("AnimWalk_Left"), 2);
  EXPECT_EQ(bin.Byte("AnimWalk_Left", 1), 0);
  EXPECT_EQ(bin.Word("AnimWalk_Left", 2), bin.labels.at("AnimWalk_LeftFrame0"));
  EXPECT_EQ(bin.Word("AnimWalk_Left", 4), bin.labels.at("AnimWalk_LeftFrame1"));
  EXPECT_EQ(bin.Byte("AnimIdle"), 0);

  const std::uint8_t header1[] = {3, 1, static_cast<std::uint8_t>(4), static_cast<std::uint8_t>(-3)};
  for (std::size_t i = 0; i < 4; ++i) EXPECT_EQ(bin.Byte("AnimWalk_LeftFrame1", i), header1[i]);
  EXPECT_EQ(bin.Byte("AnimWalk_LeftFrame0", 2), static_cast<std::uint8_t>(-12));
  const unsigned map0[] = {0x0000, 0x0010, 0x0012}, map1[] = {0x0011, 0x0010, 0x0020};
  for (std::size_t c = 0; c < 3; ++c) {
    EXPECT_EQ(bin.Word("AnimWalk_LeftFrame0", 4 + 2 * c), map0[c]);
    EXPECT_EQ(bin.Word("AnimWalk_LeftFrame1", 4 + 2 * c), map1[c]);
  }

  // Block n at GraphicData + 16 n, as the block word masked with FFF0h says.
  const std::uint8_t block1[] = {0x80, 0x7f, 0xc0, 0x3f, 0xe0, 0x1f, 0xf0, 0x0f,
                                 0xf8, 0x07, 0xfc, 0x03, 0xfe, 0x01, 0xff, 0x00};
  for (std::size_t i = 0; i < 16; ++i) {
    EXPECT_EQ(bin.Byte("GraphicData", i), 0);
    EXPECT_EQ(bin.Byte("GraphicData", (0x0010 & 0xfff0) + i), block1[i]);
    EXPECT_EQ(bin.Byte("GraphicData", (0x0020 & 0xfff0) + i), i < 2 ? 0xff : 0x00);
  }
  EXPECT_EQ(bin.bytes.size(), bin.labels.at("GraphicData") + 3 * 16);
}

TEST_F(Z80asm, PaletteExportAssemblesToEightPalettesOfFourWords) {
  doc.m_pImage->m_pPalette[16] = Rgb(255, 128, 0);
  doc.m_pImage->m_pPalette[255] = Rgb(8, 16, 24);
  CTextWriter file;
  WritePaletteExport(file, *doc.m_pImage, {0, 16, 252, 48, 64, 80, 96, 112});
  const Assembled bin = Assemble(file.Bytes());
  ASSERT_EQ(bin.bytes.size(), 64u);
  for (std::size_t e = 0; e < 4; ++e) {
    EXPECT_EQ(bin.Word("PaletteData", 2 * e), GbcColourWord(doc.m_pImage->m_pPalette[e]));
  }
  EXPECT_EQ(bin.Word("PaletteData", 8), 0x021f);
  EXPECT_EQ(bin.Word("PaletteData", 16 + 6), 0x0c41);
}

}  // namespace
}  // namespace pixolan::test
