#include <gtest/gtest.h>

#include "framework/Archive.h"
#include "framework/FileException.h"

namespace pixolan {
namespace {

TEST(ArchiveTest, StoresLittleEndianBytesInOrderWithNothingOfItsOwn) {
  CArchive ar("out.pxo");
  EXPECT_TRUE(ar.IsStoring());
  ar.Write("PX", 2);
  ar.WriteU32(0x01020304);
  ar.WriteI32(-2);
  ar.WriteU8(7);
  EXPECT_EQ(ar.StoredBytes(), (std::vector<std::uint8_t>{'P', 'X', 4, 3, 2, 1, 0xFE, 0xFF, 0xFF, 0xFF, 7}));
  EXPECT_FALSE(ar.IsAborted());
  ar.Abort();
  EXPECT_TRUE(ar.IsAborted());
}

TEST(ArchiveTest, LoadsWhatWasStored) {
  const std::vector<std::uint8_t> bytes{4, 3, 2, 1, 0xFE, 0xFF, 0xFF, 0xFF, 9};
  CArchive ar(bytes, "in.pxo");
  EXPECT_TRUE(ar.IsLoading());
  EXPECT_EQ(ar.ReadU32(), 0x01020304u);
  EXPECT_EQ(ar.ReadI32(), -2);
  EXPECT_EQ(ar.Remaining(), 1u);
  EXPECT_EQ(ar.ReadU8(), 9);
  EXPECT_EQ(ar.Remaining(), 0u);
}

TEST(ArchiveTest, ReadingPastTheEndThrowsAndReadsNothing) {
  const std::vector<std::uint8_t> bytes{1, 2, 3};
  CArchive ar(bytes, "/docs/short.pxo");
  try {
    ar.ReadU32();
    FAIL() << "no exception";
  } catch (const CFileException& e) {
    EXPECT_EQ(e.m_cause, CFileException::generic);
    EXPECT_EQ(e.m_lOsError, -1);
    EXPECT_EQ(e.m_strFileName, "/docs/short.pxo");
    EXPECT_EQ(e.GetErrorMessage(), "An unknown error occurred while accessing /docs/short.pxo.");
  }
  EXPECT_EQ(ar.Remaining(), 3u);  // the failed read consumed nothing
  std::uint8_t two[2] = {};
  ar.Read(two, 2);
  EXPECT_EQ(two[1], 2);
}

TEST(ArchiveTest, AStoringArchiveCannotBeRead) {
  CArchive ar("x");
  EXPECT_THROW(ar.ReadU8(), CFileException);
}

TEST(FileExceptionTest, MessagesNameTheFile) {
  EXPECT_EQ(CFileException(CFileException::fileNotFound, 2, "a.bmp").GetErrorMessage(), "a.bmp was not found.");
  EXPECT_EQ(CFileException(CFileException::diskFull, 28, "/dev/full").GetErrorMessage(),
            "Disk full while accessing /dev/full.");
  EXPECT_EQ(CFileException::CauseFromErrno(ENOSPC), CFileException::diskFull);
  EXPECT_EQ(CFileException::CauseFromErrno(EISDIR), CFileException::badPath);
  EXPECT_EQ(CFileException::CauseFromErrno(EIO), CFileException::generic);
}

TEST(FileExceptionTest, FormatMessageReplacesEveryPlaceholder) {
  EXPECT_EQ(FormatMessage("Please enter an integer between %1 and %2.", "0", "65536"),
            "Please enter an integer between 0 and 65536.");
  EXPECT_EQ(FormatMessage("%1 and %1", "%1x"), "%1x and %1x");  // no endless replacement
}

}  // namespace
}  // namespace pixolan
