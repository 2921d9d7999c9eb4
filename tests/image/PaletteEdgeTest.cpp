// Colour tables and maps that say more than the picture can use.
#include <gtest/gtest.h>

#include "ReaderHelpers.h"
#include "image/BmpBuilder.h"
#include "image/BmpReader.h"
#include "image/IffBuilder.h"
#include "image/IffReader.h"

namespace pixolan::test {
namespace {

// A 1x1 24-bit picture (blue 0x10, green 0x20, red 0x30) whose colours-used
// field claims a table.
std::vector<std::uint8_t> TrueColourWithTable(std::uint32_t coloursUsed, std::vector<std::uint32_t> table) {
  BmpLayout l;
  l.bits = 24;
  l.coloursUsed = coloursUsed;
  l.palette = std::move(table);
  l.pixels = {0x10, 0x20, 0x30, 0x00};
  return BuildBmp(l);
}

TEST(PaletteEdges, TrueColourBitmapSkipsATableItHoldsAndIgnoresOneItCannot) {
  auto image = LoadAs<CBmpReader>(TrueColourWithTable(2, {0xFFFFFF, 0xFFFFFF}));
  ASSERT_NE(image, nullptr);
  EXPECT_EQ(image->GetPixelColour(0, 0), (PaletteEntry{0, 0x30, 0x20, 0x10}));
  // A count the file cannot hold is taken as noise: the pixels follow the header.
  image = LoadAs<CBmpReader>(TrueColourWithTable(1000, {}));
  ASSERT_NE(image, nullptr);
  EXPECT_EQ(image->GetPixelColour(0, 0), (PaletteEntry{0, 0x30, 0x20, 0x10}));
}

TEST(PaletteEdges, IffPaletteHoldsOnlyTheColoursThePlanesCanIndex) {
  auto image = LoadAs<CIffReader>(IffForm({IffBmhd(2, 1, 2), IffCmap(16), IffPlanarBody(2, 1, 2, {3, 0})}));
  ASSERT_NE(image, nullptr);
  ASSERT_EQ(image->PaletteSize(), 16);
  EXPECT_EQ(image->m_pPalette[3], Rgb(3, 6, 9));
  for (std::size_t i = 4; i < 16; ++i) EXPECT_EQ(image->m_pPalette[i], Grey(0)) << "entry " << i;
}

}  // namespace
}  // namespace pixolan::test
