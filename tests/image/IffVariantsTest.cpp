// IFF pictures as paint programs write them by default: a transparent colour or
// lasso, a mask plane, the PC's chunky FORM PBM, and a palette without a body.
#include <gtest/gtest.h>

#include "ReaderHelpers.h"
#include "image/IffBuilder.h"
#include "image/IffReader.h"

namespace pixolan::test {
namespace {

std::unique_ptr<CIffReader> LoadIff(const ByteVector& file) { return LoadAs<CIffReader>(file); }

// A 10x2 picture of 3 planes: the pixel values, and its body with a mask plane
// (all ones) after the three colour planes of each row.
const std::vector<std::uint32_t> kPixels = {0, 1, 2, 3, 4, 5, 6, 7, 1, 2, 7, 6, 5, 4, 3, 2, 1, 0, 7, 7};

ByteVector MaskedBody(bool byteRun1) {
  const ByteVector plain = IffPlanarBody(10, 2, 3, kPixels);
  ByteVector body;
  for (int y = 0; y < 2; ++y) {
    for (int k = 0; k < 3; ++k) {
      const auto row = plain.begin() + 8 + 2 * (3 * y + k);
      if (byteRun1) body.push_back(1);  // a literal of two bytes
      body.insert(body.end(), row, row + 2);
    }
    const ByteVector mask = byteRun1 ? ByteVector{0xFF, 0xFF} : ByteVector{0xFF, 0xC0};  // run of two 0xFF
    body.insert(body.end(), mask.begin(), mask.end());
  }
  return IffChunk("BODY", body);
}

void ExpectPixels(const CRasterImage& image) {
  for (int y = 0; y < 2; ++y)
    for (int x = 0; x < 10; ++x) EXPECT_EQ(image.GetPixelIndex(x, y), static_cast<int>(kPixels[y * 10 + x])) << x << "," << y;
}

TEST(IffVariants, MaskingLoadsThePlanesAsWithout) {
  for (std::uint8_t masking : {0, 2, 3}) {
    auto image = LoadIff(IffForm({IffBmhd(10, 2, 3, 0, masking), IffCmap(8), IffPlanarBody(10, 2, 3, kPixels)}));
    ASSERT_NE(image, nullptr) << int(masking);
    ExpectPixels(*image);
  }
  for (bool byteRun1 : {false, true}) {
    SCOPED_TRACE(byteRun1);
    auto image = LoadIff(IffForm({IffBmhd(10, 2, 3, byteRun1 ? 1 : 0, 1), IffCmap(8), MaskedBody(byteRun1)}));
    ASSERT_NE(image, nullptr);
    EXPECT_EQ(image->m_nBitsPerPixel, 8);
    ExpectPixels(*image);
  }
}

TEST(IffVariants, ChunkyPbmRowsArePaddedToEvenLengths) {
  // 3x2, rows of 4 bytes; plain, then ByteRun1 (a literal of 2, a run of 2, per row).
  const ByteVector plain = {9, 1, 2, 0xEE, 3, 4, 5, 0xEE};
  const ByteVector packed = {0x01, 9, 1, 0xFF, 2, 0x03, 3, 4, 5, 0xEE};
  for (auto [compression, body] : {std::pair{0, plain}, std::pair{1, packed}}) {
    SCOPED_TRACE(compression);
    auto image = LoadIff(IffForm({IffBmhd(3, 2, 8, static_cast<std::uint8_t>(compression), 2), IffCmap(10),
                                  IffChunk("BODY", body)}, "PBM "));
    ASSERT_NE(image, nullptr);
    EXPECT_EQ(image->m_nBitsPerPixel, 8);
    EXPECT_EQ(Row(*image, 0), (ByteRow{9, 1, 2, 0}));
    EXPECT_EQ(Row(*image, 1), (ByteRow{3, 4, 5, 0}));
    EXPECT_EQ(image->GetPixelColour(0, 0), Rgb(9, 18, 27));
  }
  EXPECT_EQ(LoadIff(IffForm({IffBmhd(3, 2, 8, 0, 1), IffCmap(10), IffChunk("BODY", plain)}, "PBM ")), nullptr);
  EXPECT_EQ(LoadIff(IffForm({IffBmhd(3, 2, 8), IffCmap(10), IffChunk("BODY", {9, 1, 2, 0})}, "PBM ")), nullptr);
}

TEST(IffVariants, HeaderAndColourMapWithoutBodyGiveABlankPicture) {
  auto image = LoadIff(IffForm({IffBmhd(20, 3, 4), IffCmap(16)}));
  ASSERT_NE(image, nullptr);
  EXPECT_EQ(image->m_nBitsPerPixel, 4);
  EXPECT_EQ(image->m_pPalette[15], Rgb(15, 30, 45));
  for (std::int32_t y = 0; y < 3; ++y) EXPECT_EQ(Row(*image, y), ByteRow(12, 0));
  ExpectConsistent(*image);
}

}  // namespace
}  // namespace pixolan::test
