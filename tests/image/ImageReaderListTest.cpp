#include <gtest/gtest.h>

#include "image/ImageReaderList.h"
#include "support/TestSupport.h"

namespace pixolan {
namespace {

using test::Bytes;

TEST(ImageReaderList, ExtensionChoosesTheReaderIgnoringCase) {
  CImageReaderList list;
  EXPECT_EQ(list.FormatOf("sheet.bmp"), "BMP");
  EXPECT_EQ(list.FormatOf("SHEET.BMP"), "BMP");
  EXPECT_EQ(list.FormatOf("sheet.Bmp"), "BMP");
  EXPECT_EQ(list.FormatOf("tiles.gbr"), "GBR");
  EXPECT_EQ(list.FormatOf("art.lbm"), "IFF");
  EXPECT_EQ(list.FormatOf("art.iff"), "IFF");
  EXPECT_EQ(list.FormatOf("art.IFF"), "IFF");
  EXPECT_EQ(list.FormatOf("art.ilbm"), "");
  EXPECT_EQ(list.FormatOf("art.png"), "");
  EXPECT_EQ(list.FormatOf("bmp"), "");
  EXPECT_EQ(list.FormatOf("sheet.bmp.txt"), "");
}

TEST(ImageReaderList, TheLastDotDecides) {
  CImageReaderList list;
  EXPECT_EQ(list.FormatOf("C:\\art.v2\\sheet.bmp"), "BMP");
  EXPECT_EQ(list.FormatOf("/home/me/art.v2/sheet.bmp"), "BMP");
  // No extension in the file name: the directory's dot is compared, matching nothing.
  EXPECT_EQ(list.FormatOf("/home/me/art.v2/sheet"), "");
  EXPECT_EQ(list.FormatOf("/home/me/x.bmp/sheet"), "");
}

TEST(ImageReaderList, UnknownExtensionsCreateNothing) {
  CImageReaderList list;
  const std::uint8_t data[] = {'B', 'M', 0, 0};
  EXPECT_EQ(list.OpenImageFromMemory("sheet.png", data, sizeof data), nullptr);
  EXPECT_EQ(list.OpenImage("no-extension"), nullptr);
  EXPECT_EQ(list.OpenImage(nullptr), nullptr);
}

TEST(ImageReaderList, OnlyTheFirstMatchingReaderIsTried) {
  // A well-formed one-plane 8x1 ILBM picture, named as a bitmap.
  Bytes body;
  body.text("ILBM");
  body.text("BMHD").u32be(20).u16be(8).u16be(1).u16be(0).u16be(0);
  body.u8(1).u8(0).u8(0).u8(0).u16be(0).u8(1).u8(1).u16be(8).u16be(1);
  body.text("CMAP").u32be(6).u8(0).u8(0).u8(0).u8(255).u8(255).u8(255);
  body.text("BODY").u32be(2).u8(0xA5).u8(0);
  Bytes iff;
  iff.text("FORM").u32be(static_cast<std::uint32_t>(body.size())).raw(body.data());

  CImageReaderList list;
  EXPECT_EQ(list.FormatOf("picture.bmp"), "BMP");
  EXPECT_EQ(list.OpenImageFromMemory("picture.bmp", iff.data().data(), iff.size()), nullptr);
}

TEST(ImageReaderList, OpensABitmapFromDiskAndDestroysIt) {
  Bytes bmp;
  bmp.text("BM").u32le(62).u32le(0).u32le(58);
  bmp.u32le(40).u32le(1).u32le(1).u16le(1).u16le(8).u32le(0).u32le(0).u32le(0).u32le(0).u32le(1).u32le(0);
  bmp.u8(0x10).u8(0x20).u8(0x30).u8(0);  // one colour
  bmp.u8(0).u8(0).u8(0).u8(0);           // one padded row

  test::TempDir dir;
  std::filesystem::create_directory(dir / "folder.with.dot");
  const auto path = dir / "folder.with.dot" / "one.bmp";
  test::WriteFile(path, bmp.data());

  CImageReaderList list;
  std::unique_ptr<CRasterImage> image = list.OpenImage(path.string().c_str());
  ASSERT_NE(image, nullptr);
  EXPECT_EQ(image->GetPixelColour(0, 0), (PaletteEntry{0, 0x30, 0x20, 0x10}));
  CImageReaderList::DestroyImage(image);
  EXPECT_EQ(image, nullptr);
  CImageReaderList::DestroyImage(image);  // a null image is ignored
  EXPECT_EQ(list.OpenImage((dir / "missing.bmp").string().c_str()), nullptr);
}

}  // namespace
}  // namespace pixolan
