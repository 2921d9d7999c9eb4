// A real assembler reads what the exports write: the binary holds, at each label,
// the bytes the tables say.
#include <gtest/gtest.h>

#include <cstdlib>
#include <map>
#include <sstream>

#include "export/AnimExport.h"
#include "export/ExportFixture.h"
#include "export/PaletteExport.h"

namespace pixolan::test {
namespace {

struct Assembled {
  std::vector<std::uint8_t> bytes;
  std::map<std::string, std::size_t> labels;

  unsigned Word(std::size_t at) const { return bytes.at(at) | static_cast<unsigned>(bytes.at(at + 1)) << 8; }
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
    if (std::system("command -v z80asm >/dev/null 2>&1") != 0) GTEST_SKIP() << "z80asm is not installed";
    MirrorSheet();
  }
};

TEST_F(Z80asm, AnimationExportAssemblesToTheTablesBytes) {
  CAnimExport exporter(doc, prompts);
  ASSERT_TRUE(exporter.CheckDocument());
  ASSERT_TRUE(exporter.Build(CExportOptionsDlg{}, "x.asm"));
  const Assembled bin = Assemble(exporter.File().Bytes());
  EXPECT_EQ(bin.labels, (std::map<std::string, std::size_t>{
                            {"NumberOfAnimations", 0}, {"NumberOfPalettes", 1}, {"PaletteData", 2},
                            {"BlockPaletteData", 10}, {"AnimationData", 14}, {"AnimWalk_Left", 18}, {"AnimIdle", 24},
                            {"AnimWalk_LeftFrame0", 26}, {"AnimWalk_LeftFrame1", 36}, {"GraphicData", 46}}));
  Bytes b;
  b.u8(2).u8(1).u16le(0x7c1f).u16le(0x0000).u16le(0x7fff).u16le(0x001f);  // counts, the palette
  b.u8(0).u8(0).u8(0).u8(0);                                                  // three blocks and the pad
  b.u16le(18).u16le(24);                                                      // the animation list
  b.u8(2).u8(0).u16le(26).u16le(36).u8(0).u8(0);                              // two frames, none
  b.u8(3).u8(1).u8(0xf4).u8(0xf8).u16le(0x0000).u16le(0x0010).u16le(0x0012);  // offsets -12, -8
  b.u8(3).u8(1).u8(4).u8(0xfd).u16le(0x0011).u16le(0x0010).u16le(0x0020);
  // Block n at GraphicData + 16 n, as the block word masked with FFF0h says.
  b.fill(16, 0).raw({0x80, 0x7f, 0xc0, 0x3f, 0xe0, 0x1f, 0xf0, 0x0f, 0xf8, 0x07, 0xfc, 0x03, 0xfe, 0x01, 0xff, 0x00});
  b.u8(0xff).u8(0xff).fill(14, 0);
  EXPECT_EQ(bin.bytes, b.data());
}

TEST_F(Z80asm, PaletteExportAssemblesToEightPalettesOfFourWords) {
  doc.m_pImage->m_pPalette[16] = Rgb(255, 128, 0);
  doc.m_pImage->m_pPalette[255] = Rgb(8, 16, 24);
  CTextWriter file;
  WritePaletteExport(file, *doc.m_pImage, {0, 16, 252, 48, 64, 80, 96, 112});
  const Assembled bin = Assemble(file.Bytes());
  ASSERT_EQ(bin.bytes.size(), 64u);
  EXPECT_EQ(bin.labels.at("PaletteData"), 0u);
  EXPECT_EQ(std::vector<unsigned>({bin.Word(0), bin.Word(2), bin.Word(4), bin.Word(6), bin.Word(8), bin.Word(22)}),
            std::vector<unsigned>({0x7c1f, 0x0000, 0x7fff, 0x001f, 0x021f, 0x0c41}));
}

}  // namespace
}  // namespace pixolan::test
