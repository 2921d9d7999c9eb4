// The example sheet as a PNG: named PNG by info, and exported to the same bytes
// as the bitmap of the same picture (the sheet's path is not part of the output).
#include <gtest/gtest.h>

#include "cli/CliRun.h"

namespace pixolan::test {
namespace {

const std::filesystem::path kExamples = DataDir() / ".." / ".." / "examples";

TEST(ExamplePng, InfoNamesPngAndBothSheetsExportTheSameBytes) {
  TempDir dir;
  const std::string png = (kExamples / "walker.png").string();
  CliRun info = RunCli(dir, {"info", png});
  EXPECT_EQ(info.status, 0) << info.err;
  EXPECT_EQ(info.out, png + ": PNG 128x48, 8 bpp, palette 256 entries\n");
  for (const char* command : {"export", "palette"}) {
    SCOPED_TRACE(command);
    const bool anim = std::string(command) == "export";
    const std::string fromBmp = (dir / "bmp.asm").string(), fromPng = (dir / "png.asm").string();
    ASSERT_EQ(RunCli(dir, {command, (kExamples / (anim ? "walker.pxo" : "walker.bmp")).string(), "-o", fromBmp}).status, 0);
    ASSERT_EQ(RunCli(dir, {command, (kExamples / (anim ? "walker-png.pxo" : "walker.png")).string(), "-o", fromPng}).status, 0);
    const std::string expected = ReadText(fromBmp);
    EXPECT_NE(expected.find("PaletteData:"), std::string::npos);
    EXPECT_EQ(ReadText(fromPng), expected);
  }
}

// The example as true-colour PNGs (RGB; RGBA with a transparent background whose
// hidden colours vary) exports to the same bytes as the same pictures saved indexed
// with their colours in order of appearance, the transparent one first.
TEST(ExamplePng, TrueColourSheetsExportAsTheirIndexedTwins) {
  const std::filesystem::path pictures = DataDir() / "images" / "true-colour";
  for (const char* name : {"walker-rgb", "walker-rgba"}) {
    SCOPED_TRACE(name);
    std::string exports[2];
    for (int twin = 0; twin < 2; ++twin) {
      TempDir dir;
      // The document names "walker.png", looked for beside it.
      std::filesystem::copy_file(kExamples / "walker-png.pxo", dir / "walker.pxo");
      std::filesystem::copy_file(pictures / (std::string(name) + (twin ? "-indexed.png" : ".png")), dir / "walker.png");
      const std::string out = (dir / "out.asm").string();
      const CliRun run = RunCli(dir, {"export", (dir / "walker.pxo").string(), "--first-trans", "-o", out});
      ASSERT_EQ(run.status, 0) << run.err;
      exports[twin] = ReadText(out);
    }
    EXPECT_EQ(exports[0], exports[1]);
  }
  TempDir dir;
  const std::string rgba = (pictures / "walker-rgba.png").string();
  EXPECT_EQ(RunCli(dir, {"info", rgba}).out, rgba + ": PNG 128x48, RGB 32 bpp (7 colours: exportable as indexed)\n");
}

}  // namespace
}  // namespace pixolan::test
