#include <gtest/gtest.h>

#include <filesystem>

#include "export/AsmFile.h"
#include "export/AsmFixture.h"
#include "framework/FileException.h"
#include "support/TestSupport.h"

namespace pixolan::test {
namespace {

const char* const kHeader =
    ";//****************************************************************\r\n"
    ";//\t\tANIMATION DATA EXPORTED FROM THE PIXOLAN\r\n"
    ";//****************************************************************\r\n"
    "\r\n"
    ";// FRAME DATA STRUCTURE\r\n"
    ";// BYTE\t\t\tDESCRIPTION\r\n"
    ";//  0\t\t\t\tWidth of the frame in blocks\r\n"
    ";//  1\t\t\t\tHeight of the frame in blocks\r\n"
    ";//  2\t\t\t\tXOffset for start of data\r\n"
    ";//  3\t\t\t\tYOffset for start of data\r\n"
    ";//  4->\t\t\tCharacter Block Word.\r\n"
    ";//\r\n"
    ";// CHARACTER BLOCK WORD\r\n"
    ";// BITS\t\t\tDESCRIPTION\r\n"
    ";//  15 - 4\t\t\tBlock number (mask with FFF0h and add to the block table)\r\n"
    ";//  3\t\t\t\tspare\r\n"
    ";//  2\t\t\t\tspare\r\n"
    ";//  1\t\t\t\tX-FLIP BLOCK\r\n"
    ";//  0\t\t\t\tY-FLIP BLOCK\r\n"
    "\r\n"
    ";// ANIMATION HEADER\r\n";

TEST(AsmFile, OpenWritesTheTwentyOneHeaderLinesWithCrLf) {
  CAsmFile file;
  EXPECT_FALSE(file.IsOpen());
  ASSERT_TRUE(file.Open("out.asm"));
  EXPECT_TRUE(file.IsOpen());
  EXPECT_EQ(file.Bytes(), kHeader);
  std::size_t lines = 0;
  for (char c : file.Bytes()) lines += (c == '\n');
  EXPECT_EQ(lines, 21u);
}

TEST(AsmFile, EmptyPathDoesNotOpen) {
  CAsmFile file;
  EXPECT_FALSE(file.Open(""));
  EXPECT_FALSE(file.IsOpen());
}

TEST(AsmFile, NothingReachesTheDiskUntilClose) {
  TempDir dir;
  const auto path = dir / "sprites.asm";
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
  EXPECT_EQ(ReadText(path), std::string(kHeader) + "more\r\n");
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), {}), 1);  // no temporary left
}

TEST(AsmFile, FailedCloseThrowsAndKeepsTheEarlierFile) {
  TempDir dir;
  const auto path = dir / "sprites.asm";
  WriteFile(path, std::string_view("earlier"));
  CAsmFile file;
  ASSERT_TRUE(file.Open((dir / "missing" / "sprites.asm").string()));
  EXPECT_THROW(file.Close(), CFileException);
  EXPECT_EQ(ReadText(path), "earlier");
}

}  // namespace
}  // namespace pixolan::test
