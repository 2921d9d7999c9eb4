#include <gtest/gtest.h>

#include "framework/Archive.h"
#include "framework/FileException.h"

namespace pixolan {
namespace {

TEST(ArchiveTest, StoresAndLoadsLittleEndianBytesWithNothingOfItsOwn) {
  CArchive out("out.pxo");
  EXPECT_TRUE(out.IsStoring());
  out.Write("PX", 2);
  out.WriteU32(0x01020304);
  out.WriteI32(-2);
  out.WriteU8(7);
  const std::vector<std::uint8_t> bytes{'P', 'X', 4, 3, 2, 1, 0xFE, 0xFF, 0xFF, 0xFF, 7};
  EXPECT_EQ(out.StoredBytes(), bytes);
  EXPECT_THROW(out.ReadU8(), CFileException);  // a storing archive cannot be read
  out.Abort();
  EXPECT_TRUE(out.IsAborted());

  CArchive in(bytes, "in.pxo");
  EXPECT_TRUE(in.IsLoading());
  char px[2] = {};
  in.Read(px, 2);
  EXPECT_EQ(std::string(px, 2), "PX");
  EXPECT_EQ(in.ReadU32(), 0x01020304u);
  EXPECT_EQ(in.ReadI32(), -2);
  EXPECT_EQ(in.Remaining(), 1u);
  EXPECT_EQ(in.ReadU8(), 7);
  EXPECT_EQ(in.Remaining(), 0u);
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
}

TEST(FileExceptionTest, MessagesNameTheFile) {
  EXPECT_EQ(CFileException(CFileException::fileNotFound, 2, "a.bmp").GetErrorMessage(), "a.bmp was not found.");
  EXPECT_EQ(CFileException(CFileException::diskFull, 28, "/dev/full").GetErrorMessage(),
            "Disk full while accessing /dev/full.");
  EXPECT_EQ(CFileException::CauseFromErrno(ENOSPC), CFileException::diskFull);
  EXPECT_EQ(CFileException::CauseFromErrno(EISDIR), CFileException::badPath);
  EXPECT_EQ(CFileException::CauseFromErrno(EIO), CFileException::generic);
  EXPECT_EQ(FormatMessage("Please enter an integer between %1 and %2.", "0", "65536"),
            "Please enter an integer between 0 and 65536.");
  EXPECT_EQ(FormatMessage("%1 and %1", "%1x"), "%1x and %1x");  // no endless replacement
}

}  // namespace
}  // namespace pixolan
