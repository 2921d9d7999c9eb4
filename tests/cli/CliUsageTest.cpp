// Command lines a build script can get wrong: they must fail as usage errors,
// or, when they are meaningful, be taken as written.
#include <gtest/gtest.h>

#include "cli/CliRun.h"

namespace pixolan::test {
namespace {

const std::string kSheet = (DataDir() / ".." / ".." / "examples" / "walker.bmp").string();
const std::string kDocument = (DataDir() / ".." / ".." / "examples" / "walker.pxo").string();

TEST(CliUsage, EmptyOutputPathIsAUsageError) {
  TempDir dir;
  EXPECT_EQ(RunCli(dir, {"export", kDocument, "-o", ""}).status, 2);
  EXPECT_EQ(RunCli(dir, {"palette", kSheet, "-o", ""}).status, 2);
}

TEST(CliUsage, StartIndicesMayHaveLeadingZeros) {
  TempDir dir;
  CliRun r = RunCli(dir, {"palette", kSheet, "-o", "-", "--starts", "000,016,0,0,0,0,0,0252"});
  EXPECT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(RunCli(dir, {"palette", kSheet, "-o", "-", "--starts", "0,0,0,0,0,0,0,253"}).status, 2);
}

TEST(CliUsage, EmptyPaletteFileOrRemapNameFailsInsteadOfBeingIgnored) {
  TempDir dir;
  const std::string out = (dir / "out.asm").string();
  CliRun r = RunCli(dir, {"export", kDocument, "-o", out, "--palette-file", ""});
  EXPECT_EQ(r.status, 1);
  EXPECT_FALSE(r.err.empty());
  r = RunCli(dir, {"export", kDocument, "-o", out, "--remap", ""});
  EXPECT_EQ(r.status, 1);
  EXPECT_EQ(r.err, "FATAL: Unable to load image file\n");
  EXPECT_FALSE(std::filesystem::exists(out));
}

}  // namespace
}  // namespace pixolan::test
