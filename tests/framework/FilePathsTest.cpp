// Paths and files that other programs or users can throw at the framework:
// odd characters in names, links, devices, endless lines.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "framework/AtomicFile.h"
#include "framework/FileException.h"
#include "framework/TextFile.h"
#include "support/TestSupport.h"

namespace pixolan::test {
namespace {

TEST(FilePaths, PlaceholdersInsideAPathStayAsTheyAre) {
  EXPECT_EQ(CFileException(CFileException::generic, -1, "/art/a%2b%1.pxo").GetErrorMessage(),
            "An unknown error occurred while accessing /art/a%2b%1.pxo.");
  EXPECT_EQ(FormatMessage("%1 and %2", "%2", "%1"), "%2 and %1");
}

TEST(FilePaths, SavingThroughALinkReplacesTheFileAndKeepsTheLink) {
  TempDir dir;
  WriteFile(dir / "real.pxo", "old");
  std::filesystem::create_symlink(dir / "real.pxo", dir / "link.pxo");
  WriteFileAtomically((dir / "link.pxo").string(), std::string("new"));
  EXPECT_TRUE(std::filesystem::is_symlink(dir / "link.pxo"));
  EXPECT_EQ(ReadText(dir / "real.pxo"), "new");
}

TEST(FilePaths, TextReaderRefusesDevicesAndCapsLines) {
  EXPECT_THROW(CTextFileReader("/dev/zero"), CFileException);
  TempDir dir;
  WriteFile(dir / "long.asm", std::string(CTextFileReader::kMaxLineLength + 100, 'x') + "\r\nPaletteData:\n");
  CTextFileReader reader((dir / "long.asm").string());
  std::string line;
  ASSERT_TRUE(reader.ReadString(line));
  EXPECT_EQ(line.size(), CTextFileReader::kMaxLineLength);
  ASSERT_TRUE(reader.ReadString(line));
  EXPECT_EQ(line, "PaletteData:");
  EXPECT_FALSE(reader.ReadString(line));
}

}  // namespace
}  // namespace pixolan::test
