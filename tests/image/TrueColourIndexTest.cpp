// How a true-colour picture is seen as an indexed one: what counts as a colour,
// where the transparent colour goes, and when there are too many.
#include <gtest/gtest.h>

#include "ReaderHelpers.h"
#include "image/TrueColourIndex.h"

namespace pixolan::test {
namespace {

class CPicture : public CRasterImage {
 public:
  bool Load(const char*) override { return false; }
};

// A 32-bit picture of the given pixels (alpha, red, green, blue), one row.
std::unique_ptr<CRasterImage> OneRow(const std::vector<PaletteEntry>& pixels) {
  auto image = std::make_unique<CPicture>();
  image->SetChannelMasks(0xFF000000, 0xFF0000, 0xFF00, 0xFF);
  EXPECT_TRUE(image->Create(static_cast<std::int32_t>(pixels.size()), 1, 32));
  for (std::size_t x = 0; x < pixels.size(); ++x) {
    std::uint8_t* p = image->m_ppRows[0] + 4 * x;
    p[0] = pixels[x].blue, p[1] = pixels[x].green, p[2] = pixels[x].red, p[3] = pixels[x].reserved;
  }
  return image;
}

TEST(TrueColourIndex, TransparentPixelsAreOneColourFirstAndNeverShareAnOpaqueOne) {
  // Two opaque colours; three transparent pixels of two hidden colours, one of them the opaque black.
  const auto image = OneRow({{255, 9, 9, 9}, {0, 0, 0, 0}, {255, 0, 0, 0}, {0, 5, 5, 5}, {0, 0, 0, 0}});
  EXPECT_EQ(CountTrueColours(*image), 3u);
  const auto indexed = MakeIndexedCopy(*image);
  ASSERT_NE(indexed, nullptr);
  EXPECT_EQ(indexed->m_nBitsPerPixel, 8);
  EXPECT_EQ(indexed->m_pPalette[0], (PaletteEntry{0, 0, 0, 1}));  // black is taken: the next value up
  EXPECT_EQ(indexed->m_pPalette[1], (PaletteEntry{0, 9, 9, 9}));
  EXPECT_EQ(indexed->m_pPalette[2], (PaletteEntry{0, 0, 0, 0}));
  for (std::int32_t x = 0; x < 5; ++x) EXPECT_EQ(indexed->GetPixelIndex(x, 0), (std::vector{1, 0, 2, 0, 0})[x]);
}

TEST(TrueColourIndex, AnAlphaByteThatIsZeroEverywhereMeansOpaque) {
  const auto image = OneRow({{0, 1, 2, 3}, {0, 4, 5, 6}, {0, 1, 2, 3}});
  EXPECT_EQ(CountTrueColours(*image), 2u);
  const auto indexed = MakeIndexedCopy(*image);
  ASSERT_NE(indexed, nullptr);
  EXPECT_EQ(indexed->m_pPalette[0], (PaletteEntry{0, 1, 2, 3}));
  EXPECT_EQ(indexed->GetPixelIndex(2, 0), 0);
}

TEST(TrueColourIndex, MoreThan256ColoursHaveNoIndexedFormAndTheFormIsKept) {
  std::vector<PaletteEntry> pixels;
  for (int i = 0; i < 257; ++i) pixels.push_back({255, static_cast<std::uint8_t>(i >> 8), 0, static_cast<std::uint8_t>(i)});
  const auto many = OneRow(pixels);
  EXPECT_EQ(CountTrueColours(*many), 257u);
  EXPECT_EQ(many->IndexedForm(), nullptr);
  pixels.pop_back();
  const auto enough = OneRow(pixels);
  CRasterImage* form = enough->IndexedForm();
  ASSERT_NE(form, nullptr);
  form->m_pPalette[0].red = 77;  // as a remap would
  EXPECT_EQ(enough->IndexedForm(), form);
  EXPECT_EQ(enough->IndexedForm()->m_pPalette[0].red, 77);
}

}  // namespace
}  // namespace pixolan::test
