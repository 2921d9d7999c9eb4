#include <gtest/gtest.h>

#include "ReaderHelpers.h"
#include "image/ByteRun1.h"
#include "image/IffBuilder.h"
#include "image/IffReader.h"

namespace pixolan::test {
namespace {

std::unique_ptr<CIffReader> LoadIff(const ByteVector& file) { return LoadAs<CIffReader>(file); }

// Pixel values 0..(2^planes - 1) cycling along a small picture.
std::vector<std::uint32_t> Ramp(int width, int height, int planes) {
  std::vector<std::uint32_t> v(static_cast<std::size_t>(width * height));
  for (std::size_t i = 0; i < v.size(); ++i) v[i] = static_cast<std::uint32_t>((i * 7 + 1) % (1u << planes));
  return v;
}

// A w x 1 one-plane picture with the given chunks between header and body.
ByteVector OnePlane(std::uint16_t w, std::vector<ByteVector> middle = {IffCmap(2)}) {
  middle.insert(middle.begin(), IffBmhd(w, 1, 1));
  middle.push_back(IffPlanarBody(w, 1, 1, Ramp(w, 1, 1)));
  return IffForm(middle);
}

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

TEST(IffReader, ChunkLayout) {
  for (auto [width, expected] : {std::pair{320, 40}, {20, 4}, {17, 4}}) {  // plane rows padded to 16 pixels
    auto image = LoadIff(OnePlane(static_cast<std::uint16_t>(width)));
    ASSERT_NE(image, nullptr) << width;
    EXPECT_EQ(image->PlaneRowLength(), expected) << width;
  }
  const ByteVector odd = IffChunk("ANNO", {'h', 'e', 'l', 'l', 'o'});  // skipped with its pad byte
  ASSERT_EQ(odd.size(), 8u + 6u);
  EXPECT_NE(LoadIff(OnePlane(2, {odd, IffCmap(2)})), nullptr);
  ByteVector trailing = OnePlane(2);
  const ByteVector masked = IffBmhd(2, 1, 1, 0, /*masking=*/1);  // would be refused if read
  trailing.insert(trailing.end(), masked.begin(), masked.end());
  EXPECT_NE(LoadIff(trailing), nullptr);
}

TEST(IffReader, PlaneZeroIsTheLeastSignificantBit) {
  ByteVector body;
  for (int k = 0; k < 8; ++k) body.insert(body.end(), {static_cast<std::uint8_t>((k == 0 || k == 2 || k == 7) ? 0x80 : 0), 0});
  auto image = LoadIff(IffForm({IffBmhd(1, 1, 8), IffCmap(256), IffChunk("BODY", body)}));
  ASSERT_NE(image, nullptr);
  EXPECT_EQ(image->GetPixelIndex(0, 0), 0x85);
}

TEST(IffReader, ColourMapFillsWhatFits) {
  auto image = LoadIff(IffForm({IffBmhd(2, 1, 8), IffCmap(32), IffPlanarBody(2, 1, 8, {31, 32})}));
  ASSERT_NE(image, nullptr);
  ASSERT_EQ(image->PaletteSize(), 256);
  ExpectColours(*image, {{0, 0, Rgb(31, 62, 93)}, {1, 0, Grey(0)}});
  image = LoadIff(IffForm({IffBmhd(2, 1, 1), IffCmap(200), IffPlanarBody(2, 1, 1, {0, 1})}));
  ASSERT_NE(image, nullptr);
  ASSERT_EQ(image->PaletteSize(), 2);
  EXPECT_EQ(image->GetPixelColour(1, 0), Rgb(1, 2, 3));
}

// A run carries on from plane 0's row into plane 1's row, but the next picture
// row starts with a fresh control byte. Compression 2 and up is read as ByteRun1.
TEST(IffReader, ByteRun1RunSpansPlaneRowsButNotPictureRows) {
  for (std::uint8_t compression : {1, 2, 255}) {
    const ByteVector body{0xFC, 0xAA, 0x03, 0x11, 0x22, 0x33, 0x44};
    auto image = LoadIff(IffForm({IffBmhd(16, 2, 2, compression), IffCmap(4), IffChunk("BODY", body)}));
    ASSERT_NE(image, nullptr) << int(compression);
    for (auto [x, y, v] : {std::tuple{0, 0, 3}, {1, 0, 0}, {2, 1, 2}, {3, 1, 3}, {7, 1, 3}, {9, 1, 2}})
      EXPECT_EQ(image->GetPixelIndex(x, y), v) << x << "," << y;
  }
}

TEST(IffReader, TwentyFourPlanesNeedNoColourMap) {
  // Planes 0-7 red 0x12, 8-15 green 0x34, 16-23 blue 0x56.
  const std::uint32_t colour = 0x12 | (0x34 << 8) | (0x56 << 16);
  auto image = LoadIff(IffForm({IffBmhd(3, 2, 24), IffPlanarBody(3, 2, 24, {colour, 0, 0, 0, 0, 0xFFFFFF})}));
  ASSERT_NE(image, nullptr);
  EXPECT_EQ(image->m_nBitsPerPixel, 24);
  EXPECT_FALSE(image->HasPalette());
  ExpectColours(*image, {{0, 0, Rgb(0x12, 0x34, 0x56)}, {2, 1, Grey(0xFF)}});
  EXPECT_EQ(image->m_ppRows[0][0], 0x56);  // stored blue first
}

TEST(IffReader, FewerPlanesBecomeIndexedImagesOfThePackedDepths) {
  for (auto [planes, depth] : {std::pair{1, 1}, {2, 4}, {3, 8}, {4, 4}, {5, 8}, {7, 8}}) {
    const int width = 19;
    const auto pixels = Ramp(width, 3, planes);
    auto image = LoadIff(IffForm({IffBmhd(width, 3, static_cast<std::uint8_t>(planes)), IffCmap(1 << planes),
                                  IffPlanarBody(width, 3, planes, pixels)}));
    ASSERT_NE(image, nullptr) << planes;
    EXPECT_EQ(image->m_nBitsPerPixel, depth) << planes;
    EXPECT_EQ(image->PaletteSize(), 1 << depth);
    for (int i = 0; i < width * 3; ++i)
      ASSERT_EQ(image->GetPixelIndex(i % width, i / width), static_cast<int>(pixels[static_cast<std::size_t>(i)]))
          << planes << " planes at " << i;
  }
  // Packed bytes: leftmost pixel in bit 7 at one bit, high nibble first at four.
  auto one = LoadIff(IffForm({IffBmhd(9, 1, 1), IffCmap(2), IffPlanarBody(9, 1, 1, {1, 0, 0, 0, 0, 0, 0, 1, 1})}));
  ASSERT_NE(one, nullptr);
  EXPECT_EQ(Row(*one, 0), (ByteRow{0x81, 0x80, 0, 0}));
  auto two = LoadIff(IffForm({IffBmhd(3, 1, 2), IffCmap(4), IffPlanarBody(3, 1, 2, {3, 1, 2})}));
  ASSERT_NE(two, nullptr);
  EXPECT_EQ(Row(*two, 0), (ByteRow{0x31, 0x20, 0, 0}));
  EXPECT_EQ(two->m_pPalette[3], Rgb(3, 6, 9));
  EXPECT_EQ(two->m_pPalette[4], PaletteEntry{});
}

TEST(IffReader, ExtraHalfBriteAddsHalfBrightCopies) {
  Bytes cmap;
  for (int i = 0; i < 32; ++i) cmap.u8(8 * i).u8(255).u8(1);
  auto image = LoadIff(IffForm({IffBmhd(2, 1, 6), IffCamg(CIffReader::kCamgExtraHalfBrite), IffChunk("CMAP", cmap.data()),
                                IffPlanarBody(2, 1, 6, {5, 37})}));
  ASSERT_NE(image, nullptr);
  ExpectColours(*image, {{0, 0, Rgb(40, 255, 1)}, {1, 0, Rgb(20, 127, 0)}});
  EXPECT_EQ(image->m_pPalette[63], Rgb(124, 127, 0));
}

TEST(IffReader, RefusesPicturesItCannotShowOrParse) {
  const auto body1 = IffPlanarBody(2, 1, 1, {0, 1});
  const std::vector<ByteVector> refused = {
      IffForm({IffBmhd(2, 1, 6), IffCamg(CIffReader::kCamgHoldAndModify), IffCmap(16), IffPlanarBody(2, 1, 6, {0, 1})}),
      IffForm({IffBmhd(2, 1, 1, 0, 1), IffCmap(2), body1}),  // mask plane missing from the body
      IffForm({IffBmhd(2, 1, 1, 0, 4), IffCmap(2), body1}),  // unknown masking
      IffForm({IffBmhd(2, 1, 1), IffCmap(2), body1}, "PBM "),  // chunky pictures have 8 planes
      IffForm({IffBmhd(2, 1, 1), IffCmap(2), body1}, "ACBM"),
      IffForm({IffBmhd(2, 1, 1), body1}),  // indexed without colour map
      IffForm({IffBmhd(2, 1, 8), IffPlanarBody(2, 1, 8, {0, 1})}),
      IffForm({IffCmap(2), body1, IffBmhd(2, 1, 1)}),  // body before header
      IffForm({IffBmhd(2, 1, 1)}),                     // no body, no colour map
      IffForm({IffBmhd(2, 1, 24), IffCmap(2)}),        // no body, true colour
      IffForm({IffBmhd(0, 1, 1), IffCmap(2), body1}),
      IffForm({IffBmhd(2, 0, 1), IffCmap(2), body1}),
      IffForm({IffBmhd(2, 1, 1), IffBmhd(2, 1, 1), IffCmap(2), body1}),
      IffForm({IffBmhd(2, 1, 1), IffCmap(2), body1, body1}),
      IffForm({IffChunk("BMHD", ByteVector(19, 0)), IffCmap(2), body1}),
  };
  for (std::size_t i = 0; i < refused.size(); ++i) EXPECT_EQ(LoadIff(refused[i]), nullptr) << i;
  for (std::uint8_t planes : {0, 9, 16, 23, 25, 32})
    EXPECT_EQ(LoadIff(IffForm({IffBmhd(2, 1, planes), IffCmap(2), body1})), nullptr) << int(planes);
}

TEST(IffReader, RefusesTruncatedBodies) {
  const ByteVector good = IffForm({IffBmhd(32, 4, 3), IffCmap(8), IffPlanarBody(32, 4, 3, Ramp(32, 4, 3))});
  ASSERT_NE(LoadIff(good), nullptr);
  for (std::size_t cut = 1; cut <= 40; ++cut)
    EXPECT_EQ(LoadIff({good.begin(), good.end() - static_cast<std::ptrdiff_t>(cut)}), nullptr) << cut;
  // Compressed: one literal run per picture row, the last row cut short.
  Bytes packed;
  for (int y = 0; y < 2; ++y) packed.u8(5).fill(6, 0xF0);
  ByteVector shortBody = packed.data();
  shortBody.resize(shortBody.size() - 2);  // an odd length would let the pad byte stand in
  EXPECT_NE(LoadIff(IffForm({IffBmhd(16, 2, 3, 1), IffCmap(8), IffChunk("BODY", packed.data())})), nullptr);
  EXPECT_EQ(LoadIff(IffForm({IffBmhd(16, 2, 3, 1), IffCmap(8), IffChunk("BODY", shortBody)})), nullptr);
}

// A length that overstates the chunk is read as far as the file goes: the
// picture is kept when its planes are all there and refused when they are not.
TEST(IffReader, ChunkLengthPastTheFileEndReadsOnlyWhatExists) {
  ByteVector file = IffForm({IffBmhd(16, 4, 1), IffCmap(2), IffPlanarBody(16, 4, 1, Ramp(16, 4, 1))});
  file[file.size() - 8 - 1] = 0x7F;  // BODY length's low byte: far beyond the 8 bytes present
  auto image = LoadIff(file);
  ASSERT_NE(image, nullptr);
  EXPECT_EQ(image->GetPixelIndex(15, 3), static_cast<int>(Ramp(16, 4, 1)[63]));
  file.pop_back();
  EXPECT_EQ(LoadIff(file), nullptr);
}

TEST(IffReader, ASecondLoadStartsAfresh) {
  const ByteVector first = OnePlane(2);
  const ByteVector second = IffForm({IffBmhd(3, 2, 24), IffPlanarBody(3, 2, 24, {1, 2, 3, 4, 5, 6})});
  CIffReader reader;
  ASSERT_TRUE(reader.LoadMemory(first.data(), first.size()));
  ASSERT_TRUE(reader.LoadMemory(second.data(), second.size()));
  EXPECT_EQ(reader.m_nWidth, 3);
  EXPECT_EQ(reader.GetPixelColour(2, 0), Rgb(3, 0, 0));
  EXPECT_FALSE(reader.LoadMemory(first.data(), 20));
}

}  // namespace
}  // namespace pixolan::test
