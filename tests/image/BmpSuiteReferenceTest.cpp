// The BMP Suite's bitmaps against its reference renderings (PNG), pixel for
// pixel: tests/data/third_party/bmp/reference-pairs.tsv lists each bitmap, the
// rendering it must equal, and by how much a channel may differ (pictures of
// fewer bits a channel lose their low bits, where the renderings round).
#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <sstream>

#include "ReaderHelpers.h"
#include "image/ImageReaderList.h"
#include "support/TestSupport.h"

namespace pixolan::test {
namespace {

bool Near(std::uint8_t a, std::uint8_t b, int tolerance) { return std::abs(a - b) <= tolerance; }

TEST(BmpSuiteReference, BitmapsEqualTheirRenderings) {
  const std::filesystem::path dir = DataDir() / "third_party" / "bmp";
  std::ifstream table(dir / "reference-pairs.tsv");
  ASSERT_TRUE(table.good());
  const CImageReaderList readers;
  std::string line;
  int pairs = 0;
  while (std::getline(table, line)) {
    if (line.empty() || line[0] == '#') continue;
    std::istringstream fields(line);
    std::string bitmap, reference;
    int tolerance = 0;
    fields >> bitmap >> reference >> tolerance;
    SCOPED_TRACE(bitmap);
    auto image = readers.OpenImage((dir / bitmap).string().c_str());
    auto expected = readers.OpenImage((dir / reference).string().c_str());
    ASSERT_NE(image, nullptr);
    ASSERT_NE(expected, nullptr) << reference;
    ASSERT_EQ(image->m_nWidth, expected->m_nWidth);
    ASSERT_EQ(image->m_nHeight, expected->m_nHeight);
    int wrong = 0;
    for (std::int32_t y = 0; y < image->m_nHeight; ++y) {
      for (std::int32_t x = 0; x < image->m_nWidth; ++x) {
        const PaletteEntry a = image->GetPixelColour(x, y), b = expected->GetPixelColour(x, y);
        wrong += !(Near(a.red, b.red, tolerance) && Near(a.green, b.green, tolerance) && Near(a.blue, b.blue, tolerance));
      }
    }
    EXPECT_EQ(wrong, 0);
    ++pairs;
  }
  EXPECT_GT(pairs, 30);
}

}  // namespace
}  // namespace pixolan::test
