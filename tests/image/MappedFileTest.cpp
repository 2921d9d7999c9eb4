#include <gtest/gtest.h>

#include <numeric>

#include "image/MappedFile.h"
#include "support/TestSupport.h"

namespace pixolan::test {
namespace {

std::vector<std::uint8_t> Counting(std::size_t n) {
  std::vector<std::uint8_t> bytes(n);
  std::iota(bytes.begin(), bytes.end(), std::uint8_t{0});
  return bytes;
}

TEST(MappedFile, ReadsBothByteOrdersAndSeeksFromEachOrigin) {
  TempDir dir;
  WriteFile(dir / "hundred.bin", Counting(100));
  CMappedFile file;
  ASSERT_TRUE(file.Open((dir / "hundred.bin").string().c_str()));
  EXPECT_EQ(file.Size(), 100u);
  std::uint16_t le16 = 0, be16 = 0;
  std::uint32_t be32 = 0, le32 = 0;
  ASSERT_TRUE(file.ReadU16LE(le16) && file.ReadU16BE(be16) && file.ReadU32BE(be32));
  EXPECT_EQ(le16, 0x0100);
  EXPECT_EQ(be16, 0x0203);
  EXPECT_EQ(be32, 0x04050607u);
  file.Seek(4, CMappedFile::kEnd);
  EXPECT_EQ(file.Tell(), 96);
  ASSERT_TRUE(file.ReadU32LE(le32));
  EXPECT_EQ(le32, 0x63626160u);
  EXPECT_TRUE(file.AtEnd());
  file.Seek(10, CMappedFile::kBegin);
  file.Seek(5, CMappedFile::kCurrent);
  EXPECT_EQ(file.Tell(), 15);
  file.Seek(7, 9);  // an unknown origin counts from the start
  EXPECT_EQ(file.Tell(), 7);
}

TEST(MappedFile, ReadsPastTheEndFailAndLeaveTheCursor) {
  const auto bytes = Counting(100);
  CMappedFile file;
  ASSERT_TRUE(file.OpenMemory(bytes.data(), bytes.size()));
  file.Seek(98, CMappedFile::kBegin);
  std::uint32_t u32 = 0;
  std::uint8_t buffer[4] = {}, u8 = 0;
  EXPECT_FALSE(file.ReadU32LE(u32));
  EXPECT_FALSE(file.ReadBytes(buffer, 3));
  EXPECT_EQ(file.ReadSpan(3), nullptr);
  EXPECT_FALSE(file.Skip(3));
  EXPECT_EQ(file.Tell(), 98);
  std::uint16_t u16 = 0;
  EXPECT_TRUE(file.ReadU16BE(u16));
  EXPECT_EQ(u16, 0x6263);
  EXPECT_EQ(file.Remaining(), 0u);
  EXPECT_FALSE(file.ReadU8(u8));
  // A cursor outside the view reads nothing.
  file.Seek(200, CMappedFile::kEnd);  // before the start
  EXPECT_EQ(file.Remaining(), 0u);
  EXPECT_FALSE(file.ReadU8(u8));
  file.Seek(0xFFFFFFFF, CMappedFile::kBegin);
  EXPECT_FALSE(file.ReadU8(u8));
  EXPECT_TRUE(file.AtEnd());
  EXPECT_EQ(file.ReadSpan(0), nullptr);  // not even an empty span out there
  file.Seek(0, CMappedFile::kEnd);
  EXPECT_NE(file.ReadSpan(0), nullptr);  // the very end is still inside
  file.Close();
  EXPECT_FALSE(file.IsOpen());
  EXPECT_EQ(file.Size(), 0u);
  EXPECT_FALSE(file.ReadU8(u8));
}

TEST(MappedFile, EmptyAndMissingFilesDoNotOpen) {
  TempDir dir;
  WriteFile(dir / "empty.bin", std::vector<std::uint8_t>{});
  CMappedFile file;
  EXPECT_FALSE(file.Open((dir / "empty.bin").string().c_str()));
  EXPECT_FALSE(file.Open((dir / "missing.bin").string().c_str()));
  EXPECT_FALSE(file.Open(dir.path().string().c_str()));  // a folder is no file
  EXPECT_FALSE(file.IsOpen());
  const std::uint8_t one = 1;
  EXPECT_FALSE(file.OpenMemory(&one, 0));
}

}  // namespace
}  // namespace pixolan::test
