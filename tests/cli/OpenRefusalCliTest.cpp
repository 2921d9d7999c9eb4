// A document path that is no document file (a link to an endless device) is
// refused with the file message and exit status 1, before anything is read.
#include <gtest/gtest.h>

#include <sys/stat.h>

#include <filesystem>
#include <tuple>

#include "cli/CliRun.h"

namespace pixolan::test {
namespace {

using Paths = std::vector<std::string>;

TEST(OpenRefusalCli, InfoAndExportRefuseALinkToAnEndlessDevice) {
  TempDir dir;
  const std::string zero = (dir / "zero.pxo").string();
  std::filesystem::create_symlink("/dev/zero", zero);
  for (const Paths& args : {Paths{"info", zero}, Paths{"export", zero, "-o", (dir / "out.asm").string()}}) {
    const CliRun run = RunCli(dir, args);
    EXPECT_EQ(std::make_tuple(run.status, run.out, run.err),
              std::make_tuple(1, std::string(), "An unknown error occurred while accessing " + zero + ".\n"));
  }
  EXPECT_FALSE(std::filesystem::exists(dir / "out.asm"));
}

TEST(OpenRefusalCli, ASheetThatIsAPipeIsRefusedWithoutWaitingForAWriter) {
  TempDir dir;
  const std::string pipe = (dir / "sheet.bmp").string();
  ASSERT_EQ(mkfifo(pipe.c_str(), 0600), 0);
  const CliRun run = RunCli(dir, {"info", pipe});
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(run.err, pipe + ": error: cannot load image\n");
}

}  // namespace
}  // namespace pixolan::test
