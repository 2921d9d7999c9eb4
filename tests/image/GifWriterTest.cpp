// The GIF writer: frames of up to 256 colours read back as written, their maps
// padded to a power of two; a frame a GIF cannot hold is refused and left out.
#include <gif_lib.h>
#include <gtest/gtest.h>

#include <memory>

#include "image/GifWriter.h"
#include "support/TestSupport.h"

namespace pixolan::test {
namespace {

CRgbPicture Colours(int count) {
  CRgbPicture picture(17, 16);
  for (int i = 0; i < 17 * 16; ++i) {
    picture.Set(i % 17, i / 17, {static_cast<std::uint8_t>(i % count), static_cast<std::uint8_t>(i % count >> 8), 7});
  }
  return picture;
}

TEST(GifWriter, WritesFramesOfUpTo256ColoursAndRefusesMore) {
  CGifWriter writer(17, 16, 3);
  const std::vector<CRgbPicture> frames = {Colours(3), Colours(256)};
  for (const CRgbPicture& frame : frames) writer.AddFrame(frame);
  EXPECT_THROW(writer.AddFrame(Colours(257)), GifWriteError);
  EXPECT_THROW(writer.AddFrame(CRgbPicture(16, 16)), GifWriteError);
  TempDir dir;
  WriteFile(dir / "out.gif", writer.Finish());
  int error = 0;
  std::unique_ptr<GifFileType, void (*)(GifFileType*)> gif(DGifOpenFileName((dir / "out.gif").string().c_str(), &error),
                                                           [](GifFileType* g) { DGifCloseFile(g, nullptr); });
  ASSERT_TRUE(gif && DGifSlurp(gif.get()) == GIF_OK);
  ASSERT_EQ(gif->ImageCount, 2);
  for (int i = 0; i < 2; ++i) {
    const SavedImage& image = gif->SavedImages[i];
    EXPECT_EQ(image.ImageDesc.ColorMap->ColorCount, i == 0 ? 4 : 256);
    for (int p = 0; p < 17 * 16; ++p) {
      const GifColorType c = image.ImageDesc.ColorMap->Colors[image.RasterBits[p]];
      ASSERT_EQ((RgbColour{c.Red, c.Green, c.Blue}), frames[static_cast<std::size_t>(i)].At(p % 17, p / 17)) << p;
    }
  }
}

}  // namespace
}  // namespace pixolan::test
