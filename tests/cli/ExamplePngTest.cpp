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

}  // namespace
}  // namespace pixolan::test
