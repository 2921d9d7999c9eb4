// A document path that is no document file (here an endless device) is refused
// with the file message and exit status 1, before anything is read.
#include <gtest/gtest.h>

#include <filesystem>

#include "cli/CliRun.h"

namespace pixolan::test {
namespace {

TEST(OpenRefusalCli, InfoAndExportRefuseALinkToAnEndlessDevice) {
  TempDir dir;
  const std::string zero = (dir / "zero.pxo").string();
  std::filesystem::create_symlink("/dev/zero", zero);
  for (const std::vector<std::string>& args :
       {std::vector<std::string>{"info", zero}, {"export", zero, "-o", (dir / "out.asm").string()}}) {
    const CliRun run = RunCli(dir, args);
    EXPECT_EQ(run.status, 1) << args[0];
    EXPECT_EQ(run.err, "An unknown error occurred while accessing " + zero + ".\n") << args[0];
    EXPECT_EQ(run.out, "") << args[0];
  }
  EXPECT_FALSE(std::filesystem::exists(dir / "out.asm"));
}

}  // namespace
}  // namespace pixolan::test
