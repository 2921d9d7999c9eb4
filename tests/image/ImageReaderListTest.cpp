#include <gtest/gtest.h>

#include "BmpBuilder.h"
#include "image/GbrBuilder.h"
#include "image/IffBuilder.h"
#include "image/ImageReaderList.h"
#include "support/TestSupport.h"

namespace pixolan::test {
namespace {

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
  const ByteVector iff = IffForm({IffBmhd(2, 1, 1), IffCmap(2), IffPlanarBody(2, 1, 1, {0, 1})});
  GbrFile gbr;
  gbr.UniformTiles(1, 8, 8, 1);
  const CImageReaderList list;
  EXPECT_NE(list.OpenImageFromMemory("a.LBM", iff.data(), iff.size()), nullptr);
  EXPECT_EQ(list.OpenImageFromMemory("a.bmp", iff.data(), iff.size()), nullptr);
  EXPECT_EQ(list.OpenImageFromMemory("a.png", iff.data(), iff.size()), nullptr);  // the PNG reader refuses IFF data
  EXPECT_NE(list.OpenImageFromMemory("tiles.GBR", gbr.data().data(), gbr.data().size()), nullptr);
  EXPECT_EQ(list.OpenImageFromMemory("tiles.iff", gbr.data().data(), gbr.data().size()), nullptr);
  EXPECT_EQ(list.OpenImage("no-extension"), nullptr);
  EXPECT_EQ(list.OpenImage(nullptr), nullptr);
}

TEST(ImageReaderList, OpensABitmapFromDiskAndDestroysIt) {
  TempDir dir;
  std::filesystem::create_directory(dir / "folder.with.dot");
  const auto path = dir / "folder.with.dot" / "one.bmp";
  WriteFile(path, BuildBmp({.coloursUsed = 1, .palette = {0x302010}, .pixels = {0, 0, 0, 0}}));
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
}  // namespace pixolan::test
