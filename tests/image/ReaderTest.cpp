// What the manifests cannot show: the run-length decoder's controls, and a reader
// loaded again with another file keeping nothing of the first (or, after a
// failure, nothing at all).
#include <gtest/gtest.h>
#include <numeric>
#include <tuple>

#include "ReaderHelpers.h"
#include "image/BmpReader.h"
#include "image/ByteRun1.h"
#include "image/GbrReader.h"
#include "image/IffReader.h"
#include "image/ImageReaderList.h"
#include "image/MappedFile.h"
#include "support/TestSupport.h"

namespace pixolan::test {
namespace {

using ByteVector = std::vector<std::uint8_t>;

TEST(IffReader, ByteRun1Controls) {
  auto decode = [](const ByteVector& encoded, std::size_t n) {
    CMappedFile source;
    source.OpenMemory(encoded.data(), encoded.size());
    CByteRun1Decoder decoder(source);
    ByteVector out(n, 0xEE);
    return decoder.Fill(out.data(), n) ? out : ByteVector{};
  };
  EXPECT_EQ(decode({0xFE, 0x33}, 3), (ByteVector{0x33, 0x33, 0x33}));
  EXPECT_EQ(decode({0x02, 1, 2, 3}, 3), (ByteVector{1, 2, 3}));
  EXPECT_EQ(decode({0x80, 0x00, 9}, 1), (ByteVector{9}));  // 0x80 writes nothing
  EXPECT_EQ(decode({0x81, 7}, 128), ByteVector(128, 7));
  EXPECT_TRUE(decode({0x02, 1, 2}, 3).empty());  // source ends inside the literal
  EXPECT_TRUE(decode({0xFE}, 3).empty());
}

// One reader for a sequence of files: each load equals a fresh reader's.
template <class Reader>
void ExpectEachLoadStartsAfresh(const std::vector<std::string>& files) {
  Reader reused;
  for (const std::string& file : files) {
    SCOPED_TRACE(file);
    Reader fresh;
    const bool loaded = fresh.Load(Image(file).c_str());
    ASSERT_EQ(reused.Load(Image(file).c_str()), loaded);
    if (!loaded) {  // a failed load leaves no image
      EXPECT_TRUE(reused.m_ppRows.empty());
      EXPECT_FALSE(reused.HasPalette());
      continue;
    }
    ASSERT_EQ(std::pair(reused.m_nWidth, reused.m_nHeight), std::pair(fresh.m_nWidth, fresh.m_nHeight));
    EXPECT_EQ(reused.m_pPalette, fresh.m_pPalette);
    for (std::int32_t y = 0; y < fresh.m_nHeight; ++y)
      for (std::int32_t x = 0; x < fresh.m_nWidth; ++x) ASSERT_EQ(reused.GetPixelColour(x, y), fresh.GetPixelColour(x, y));
  }
}

TEST(Readers, ALoadKeepsNothingOfTheFileBefore) {
  ExpectEachLoadStartsAfresh<CBmpReader>({"bmp/small-eight-bit.bmp", "bmp/refused-bits-16.bmp", "bmp/1-bit.bmp",
                                          "bmp/24-bits-ignore-compression.bmp", "bmp/rle4-run-and-literal.bmp"});
  ExpectEachLoadStartsAfresh<CIffReader>({"iff/7-planes.iff", "iff/twenty-four-planes.iff", "iff/refused-body-before-header.iff",
                                          "iff/extra-half-brite.iff", "iff/2-planes.iff"});
  DebugLog quiet;
  ExpectEachLoadStartsAfresh<CGbrReader>({"gbr/colour-set-3-uses-the-second-lists.gbr", "gbr/colour-set-1-is-green.gbr",
                                          "gbr/without-settings-tiles-use-their-own-palettes.gbr",
                                          "gbr/a-second-load-starts-afresh-another-id-in-another-file.gbr",
                                          "gbr/refused-signature.gbr", "gbr/eleven-byte-settings-keep-the-default.gbr"});
}

TEST(ImageReaderList, TheLastExtensionChoosesTheReaderIgnoringCase) {
  const CImageReaderList list;
  const std::pair<const char*, const char*> cases[] = {
      {"sheet.bmp", "BMP"}, {"SHEET.BMP", "BMP"}, {"sheet.Bmp", "BMP"}, {"tiles.gbr", "GBR"}, {"tiles.GBR", "GBR"},
      {"art.lbm", "IFF"}, {"art.iff", "IFF"}, {"art.IFF", "IFF"}, {"art.ilbm", ""}, {"art.png", "PNG"}, {"ART.PNG", "PNG"}, {"bmp", ""},
      {"sheet.bmp.txt", ""}, {"C:\\art.v2\\sheet.bmp", "BMP"}, {"/home/me/art.v2/sheet.bmp", "BMP"},
      // No extension in the file name: the directory's dot is compared, matching nothing.
      {"/home/me/art.v2/sheet", ""}, {"/home/me/x.bmp/sheet", ""}};
  for (auto [name, format] : cases) EXPECT_EQ(list.FormatOf(name), format) << name;
}

TEST(ImageReaderList, OnlyTheReaderOfTheExtensionIsTried) {
  const std::vector<std::uint8_t> iff = ReadFile(Image("iff/2-planes.iff"));
  const std::vector<std::uint8_t> gbr = ReadFile(Image("gbr/colour-set-0-is-grey.gbr"));
  const CImageReaderList list;
  EXPECT_NE(list.OpenImageFromMemory("a.LBM", iff.data(), iff.size()), nullptr);
  EXPECT_EQ(list.OpenImageFromMemory("a.bmp", iff.data(), iff.size()), nullptr);
  EXPECT_EQ(list.OpenImageFromMemory("a.png", iff.data(), iff.size()), nullptr);
  EXPECT_NE(list.OpenImageFromMemory("tiles.GBR", gbr.data(), gbr.size()), nullptr);
  EXPECT_EQ(list.OpenImageFromMemory("tiles.iff", gbr.data(), gbr.size()), nullptr);
  // Each refusal says why, to the caller and to the debug output.
  DebugLog log;
  std::string refusal;
  EXPECT_EQ(list.OpenImage("no-extension", &refusal), nullptr);
  EXPECT_EQ(refusal, "not a .bmp, .lbm, .iff, .gbr or .png file");
  EXPECT_EQ(list.OpenImage(nullptr, &refusal), nullptr);
  EXPECT_EQ(refusal, "no file name given");
  EXPECT_EQ(list.OpenImageFromMemory("tiles.iff", gbr.data(), gbr.size(), &refusal), nullptr);
  EXPECT_EQ(refusal, "not an IFF file");
  EXPECT_EQ(log.text(), "cannot load image no-extension: not a .bmp, .lbm, .iff, .gbr or .png file\n"
                        "cannot load image : no file name given\ncannot load image tiles.iff: not an IFF file\n");
}

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
  file.Seek(4, CMappedFile::kEnd);
  EXPECT_EQ(file.Tell(), 96);
  ASSERT_TRUE(file.ReadU32LE(le32));
  EXPECT_EQ(std::tuple(le16, be16, be32, le32), std::tuple(0x0100, 0x0203, 0x04050607u, 0x63626160u));
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
  EXPECT_EQ(file.OpenError(), "empty file");
  EXPECT_FALSE(file.Open((dir / "missing.bin").string().c_str()));
  EXPECT_EQ(file.OpenError(), "No such file or directory");
  EXPECT_FALSE(file.Open(dir.path().string().c_str()));  // a folder is no file
  EXPECT_EQ(file.OpenError(), "not a regular file");
  EXPECT_FALSE(file.IsOpen());
  const std::uint8_t one = 1;
  EXPECT_FALSE(file.OpenMemory(&one, 0));
}

}  // namespace
}  // namespace pixolan::test
