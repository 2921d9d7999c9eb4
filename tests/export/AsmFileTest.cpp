// The export file is written whole at Close or not at all.
#include <gtest/gtest.h>

#include <filesystem>

#include "export/AsmFile.h"
#include "export/ExportFixture.h"

namespace pixolan::test {
namespace {

TEST(AsmFile, NothingReachesTheDiskUntilCloseAndNoTemporaryIsLeft) {
  TempDir dir;
  const auto path = dir / "sprites.asm";
  EXPECT_FALSE(CAsmFile().Open(""));
  {
    CAsmFile file;
    ASSERT_TRUE(file.Open(path.string()));
    file.Writer().WriteString("more\n");
    EXPECT_FALSE(std::filesystem::exists(path));
  }  // destroyed without Close: discarded
  EXPECT_FALSE(std::filesystem::exists(path));

  CAsmFile file;
  ASSERT_TRUE(file.Open(path.string()));
  file.Writer().WriteString("more\n");
  file.Close();
  EXPECT_FALSE(file.IsOpen());
  EXPECT_EQ(ReadText(path), CrLf(kAsmHeader + "more\n"));
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), {}), 1);
}

}  // namespace
}  // namespace pixolan::test
