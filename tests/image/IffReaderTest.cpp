#include <gtest/gtest.h>

#include <memory>

#include "image/ByteRun1.h"
#include "image/IffReader.h"
#include "image/ImageReaderList.h"
#include "image/IffBuilder.h"

namespace pixolan::test {
namespace {

std::unique_ptr<CIffReader> LoadIff(const ByteVector& file) {
  auto reader = std::make_unique<CIffReader>();
  if (!reader->LoadMemory(file.data(), file.size())) return nullptr;
  return reader;
}

ByteVector Decode(const ByteVector& encoded, std::size_t n) {
  CMappedFile source;
  source.OpenMemory(encoded.data(), encoded.size());
  CByteRun1Decoder decoder(source);
  ByteVector out(n, 0xEE);
  if (!decoder.Fill(out.data(), n)) return {};
  return out;
}

// Pixel values 0..(2^planes - 1) cycling along a small picture.
std::vector<std::uint32_t> Ramp(int width, int height, int planes) {
  std::vector<std::uint32_t> v(static_cast<std::size_t>(width * height));
  for (std::size_t i = 0; i < v.size(); ++i) v[i] = static_cast<std::uint32_t>((i * 7 + 1) % (1u << planes));
  return v;
}

TEST(IffReader, PlaneRowsArePaddedToSixteenPixels) {
  for (auto [width, expected] : {std::pair{320, 40}, std::pair{20, 4}, std::pair{17, 4}}) {
    const auto w = static_cast<std::uint16_t>(width);
    auto image = LoadIff(IffForm({IffBmhd(w, 1, 1), IffCmap(2), IffPlanarBody(width, 1, 1, Ramp(width, 1, 1))}));
    ASSERT_NE(image, nullptr) << width;
    EXPECT_EQ(image->PlaneRowLength(), expected) << width;
  }
}

TEST(IffReader, PlaneZeroIsTheLeastSignificantBit) {
  ByteVector body;
  for (int k = 0; k < 8; ++k) body.insert(body.end(), {static_cast<std::uint8_t>((k == 0 || k == 2 || k == 7) ? 0x80 : 0), 0});
  auto image = LoadIff(IffForm({IffBmhd(1, 1, 8), IffCmap(256), IffChunk("BODY", body)}));
  ASSERT_NE(image, nullptr);
  EXPECT_EQ(image->m_nBitsPerPixel, 8);
  EXPECT_EQ(image->GetPixelIndex(0, 0), 0x85);
}

TEST(IffReader, ColourMapFillsTheFirstPaletteEntries) {
  auto image = LoadIff(IffForm({IffBmhd(2, 1, 8), IffCmap(32), IffPlanarBody(2, 1, 8, {31, 32})}));
  ASSERT_NE(image, nullptr);
  ASSERT_EQ(image->PaletteSize(), 256);
  EXPECT_EQ(image->m_pPalette[31], (PaletteEntry{0, 31, 62, 93}));
  EXPECT_EQ(image->m_pPalette[32], PaletteEntry{});
  EXPECT_EQ(image->GetPixelColour(0, 0), (PaletteEntry{0, 31, 62, 93}));
}

TEST(IffReader, ColourMapLongerThanThePaletteCopiesWhatFits) {
  auto image = LoadIff(IffForm({IffBmhd(2, 1, 1), IffCmap(200), IffPlanarBody(2, 1, 1, {0, 1})}));
  ASSERT_NE(image, nullptr);
  ASSERT_EQ(image->PaletteSize(), 2);
  EXPECT_EQ(image->GetPixelColour(1, 0), (PaletteEntry{0, 1, 2, 3}));
}

TEST(IffReader, OddChunkIsSkippedWithItsPadByte) {
  const ByteVector odd = IffChunk("ANNO", {'h', 'e', 'l', 'l', 'o'});
  ASSERT_EQ(odd.size(), 8u + 6u);
  auto image = LoadIff(IffForm({IffBmhd(2, 1, 1), odd, IffCmap(2), IffPlanarBody(2, 1, 1, {1, 0})}));
  ASSERT_NE(image, nullptr);
  EXPECT_EQ(image->GetPixelIndex(0, 0), 1);
}

TEST(IffReader, ChunksAfterTheFormAreIgnored) {
  ByteVector file = IffForm({IffBmhd(2, 1, 1), IffCmap(2), IffPlanarBody(2, 1, 1, {1, 0})});
  const ByteVector trailing = IffBmhd(2, 1, 1, 0, /*masking=*/1);  // would be refused if read
  file.insert(file.end(), trailing.begin(), trailing.end());
  EXPECT_NE(LoadIff(file), nullptr);
}

TEST(IffReader, ByteRun1Runs) {
  EXPECT_EQ(Decode({0xFE, 0x33}, 3), (ByteVector{0x33, 0x33, 0x33}));
  EXPECT_EQ(Decode({0x02, 1, 2, 3}, 3), (ByteVector{1, 2, 3}));
  EXPECT_EQ(Decode({0x80, 0x00, 9}, 1), (ByteVector{9}));  // 0x80 writes nothing
  EXPECT_EQ(Decode({0x81, 7}, 128), ByteVector(128, 7));
  EXPECT_TRUE(Decode({0x02, 1, 2}, 3).empty());  // source ends inside the literal
  EXPECT_TRUE(Decode({0xFE}, 3).empty());
}

// A run carries on from plane 0's row into plane 1's row, but the next picture
// row starts with a fresh control byte. Compression 2 is read as ByteRun1.
TEST(IffReader, ByteRun1RunSpansPlaneRowsButNotPictureRows) {
  for (std::uint8_t compression : {1, 2, 255}) {
    const ByteVector body{0xFC, 0xAA, 0x03, 0x11, 0x22, 0x33, 0x44};
    auto image = LoadIff(IffForm({IffBmhd(16, 2, 2, compression), IffCmap(4), IffChunk("BODY", body)}));
    ASSERT_NE(image, nullptr) << int(compression);
    EXPECT_EQ(image->GetPixelIndex(0, 0), 3);
    EXPECT_EQ(image->GetPixelIndex(1, 0), 0);
    EXPECT_EQ(image->GetPixelIndex(2, 1), 2);
    EXPECT_EQ(image->GetPixelIndex(3, 1), 3);
    EXPECT_EQ(image->GetPixelIndex(7, 1), 3);
    EXPECT_EQ(image->GetPixelIndex(9, 1), 2);  // bit 0x40: clear in plane 0 byte 0x22, set in plane 1 byte 0x44
  }
}

TEST(IffReader, TwentyFourPlanesNeedNoColourMap) {
  // Planes 0-7 red 0x12, 8-15 green 0x34, 16-23 blue 0x56.
  const std::uint32_t colour = 0x12 | (0x34 << 8) | (0x56 << 16);
  auto image = LoadIff(IffForm({IffBmhd(3, 2, 24), IffPlanarBody(3, 2, 24, {colour, 0, 0, 0, 0, 0xFFFFFF})}));
  ASSERT_NE(image, nullptr);
  EXPECT_EQ(image->m_nBitsPerPixel, 24);
  EXPECT_FALSE(image->HasPalette());
  EXPECT_EQ(image->GetPixelColour(0, 0), (PaletteEntry{0, 0x12, 0x34, 0x56}));
  EXPECT_EQ(image->GetPixelColour(2, 1), (PaletteEntry{0, 0xFF, 0xFF, 0xFF}));
  EXPECT_EQ(image->m_ppRows[0][0], 0x56);  // stored blue first
}

TEST(IffReader, FewerPlanesBecomeIndexedImagesOfThePackedDepths) {
  struct Case {
    int planes;
    int depth;
  };
  for (Case c : {Case{1, 1}, Case{2, 4}, Case{3, 8}, Case{4, 4}, Case{5, 8}, Case{7, 8}}) {
    const int width = 19;
    const auto pixels = Ramp(width, 3, c.planes);
    auto image = LoadIff(IffForm({IffBmhd(width, 3, static_cast<std::uint8_t>(c.planes)), IffCmap(1 << c.planes),
                                  IffPlanarBody(width, 3, c.planes, pixels)}));
    ASSERT_NE(image, nullptr) << c.planes;
    EXPECT_EQ(image->m_nBitsPerPixel, c.depth) << c.planes;
    EXPECT_EQ(image->PaletteSize(), 1 << c.depth);
    for (int y = 0; y < 3; ++y) {
      for (int x = 0; x < width; ++x) {
        ASSERT_EQ(image->GetPixelIndex(x, y), static_cast<int>(pixels[static_cast<std::size_t>(y * width + x)]))
            << c.planes << " planes at " << x << "," << y;
      }
    }
  }
}

TEST(IffReader, OneBitRowsPutTheLeftmostPixelInBitSeven) {
  auto image = LoadIff(IffForm({IffBmhd(9, 1, 1), IffCmap(2), IffPlanarBody(9, 1, 1, {1, 0, 0, 0, 0, 0, 0, 1, 1})}));
  ASSERT_NE(image, nullptr);
  EXPECT_EQ(image->m_ppRows[0][0], 0x81);
  EXPECT_EQ(image->m_ppRows[0][1], 0x80);
}

TEST(IffReader, TwoPlanesGiveAFourBitImageWithFourColours) {
  auto image = LoadIff(IffForm({IffBmhd(3, 1, 2), IffCmap(4), IffPlanarBody(3, 1, 2, {3, 1, 2})}));
  ASSERT_NE(image, nullptr);
  EXPECT_EQ(image->m_ppRows[0][0], 0x31);  // high nibble first
  EXPECT_EQ(image->m_ppRows[0][1], 0x20);
  EXPECT_EQ(image->m_pPalette[3], (PaletteEntry{0, 3, 6, 9}));
  EXPECT_EQ(image->m_pPalette[4], PaletteEntry{});
}

TEST(IffReader, ExtraHalfBriteAddsHalfBrightCopies) {
  Bytes cmap;
  for (int i = 0; i < 32; ++i) cmap.u8(8 * i).u8(255).u8(1);
  auto image = LoadIff(IffForm({IffBmhd(2, 1, 6), IffCamg(CIffReader::kCamgExtraHalfBrite), IffChunk("CMAP", cmap.data()),
                                IffPlanarBody(2, 1, 6, {5, 37})}));
  ASSERT_NE(image, nullptr);
  EXPECT_EQ(image->GetPixelColour(0, 0), (PaletteEntry{0, 40, 255, 1}));
  EXPECT_EQ(image->GetPixelColour(1, 0), (PaletteEntry{0, 20, 127, 0}));
  EXPECT_EQ(image->m_pPalette[63], (PaletteEntry{0, 124, 127, 0}));
}

TEST(IffReader, RefusesPicturesItCannotShowFaithfully) {
  const auto body1 = IffPlanarBody(2, 1, 1, {0, 1});
  const auto body6 = IffPlanarBody(2, 1, 6, {0, 1});
  EXPECT_EQ(LoadIff(IffForm({IffBmhd(2, 1, 6), IffCamg(CIffReader::kCamgHoldAndModify), IffCmap(16), body6})), nullptr);
  EXPECT_EQ(LoadIff(IffForm({IffBmhd(2, 1, 1, 0, 1), IffCmap(2), body1})), nullptr);  // mask plane
  EXPECT_EQ(LoadIff(IffForm({IffBmhd(2, 1, 1, 0, 2), IffCmap(2), body1})), nullptr);  // transparent colour
  EXPECT_EQ(LoadIff(IffForm({IffBmhd(2, 1, 1), IffCmap(2), body1}, "PBM ")), nullptr);
  EXPECT_EQ(LoadIff(IffForm({IffBmhd(2, 1, 1), body1})), nullptr);  // indexed without colour map
  EXPECT_EQ(LoadIff(IffForm({IffBmhd(2, 1, 8), IffPlanarBody(2, 1, 8, {0, 1})})), nullptr);
  for (std::uint8_t planes : {0, 9, 16, 23, 25, 32}) {
    EXPECT_EQ(LoadIff(IffForm({IffBmhd(2, 1, planes), IffCmap(2), body1})), nullptr) << int(planes);
  }
}

TEST(IffReader, RefusesMalformedStructure) {
  const auto body = IffPlanarBody(2, 1, 1, {0, 1});
  EXPECT_EQ(LoadIff(IffForm({IffCmap(2), body, IffBmhd(2, 1, 1)})), nullptr);  // body before header
  EXPECT_EQ(LoadIff(IffForm({IffBmhd(2, 1, 1), IffCmap(2)})), nullptr);        // no body
  EXPECT_EQ(LoadIff(IffForm({IffBmhd(0, 1, 1), IffCmap(2), body})), nullptr);
  EXPECT_EQ(LoadIff(IffForm({IffBmhd(2, 0, 1), IffCmap(2), body})), nullptr);
  EXPECT_EQ(LoadIff(IffForm({IffBmhd(2, 1, 1), IffBmhd(2, 1, 1), IffCmap(2), body})), nullptr);
  EXPECT_EQ(LoadIff(IffForm({IffBmhd(2, 1, 1), IffCmap(2), body, body})), nullptr);
  EXPECT_EQ(LoadIff(IffForm({IffChunk("BMHD", ByteVector(19, 0)), IffCmap(2), body})), nullptr);
}

TEST(IffReader, RefusesTruncatedBodies) {
  const ByteVector good = IffForm({IffBmhd(32, 4, 3), IffCmap(8), IffPlanarBody(32, 4, 3, Ramp(32, 4, 3))});
  ASSERT_NE(LoadIff(good), nullptr);
  for (std::size_t cut = 1; cut <= 40; ++cut) {
    const ByteVector shorter(good.begin(), good.end() - static_cast<std::ptrdiff_t>(cut));
    EXPECT_EQ(LoadIff(shorter), nullptr) << cut;
  }
  // Compressed: one literal run per picture row, the last row cut short.
  Bytes packed;
  for (int y = 0; y < 2; ++y) packed.u8(5).fill(6, 0xF0);
  ByteVector shortBody = packed.data();
  shortBody.resize(shortBody.size() - 2);  // an odd length would let the pad byte stand in
  EXPECT_NE(LoadIff(IffForm({IffBmhd(16, 2, 3, 1), IffCmap(8), IffChunk("BODY", packed.data())})), nullptr);
  EXPECT_EQ(LoadIff(IffForm({IffBmhd(16, 2, 3, 1), IffCmap(8), IffChunk("BODY", shortBody)})), nullptr);
}

// The header claims far more than the body can hold: refused before the
// planes are allocated (the sanitizer run would report a huge allocation).
TEST(IffReader, RefusesHugeHeadersOverSmallBodies) {
  EXPECT_EQ(LoadIff(IffForm({IffBmhd(16384, 16384, 24, 0), IffChunk("BODY", ByteVector(64, 0))})), nullptr);
  EXPECT_EQ(LoadIff(IffForm({IffBmhd(16384, 16384, 24, 1), IffChunk("BODY", ByteVector(64, 0x80))})), nullptr);
  EXPECT_EQ(LoadIff(IffForm({IffBmhd(65535, 65535, 8, 1), IffCmap(2), IffChunk("BODY", ByteVector(64, 0))})), nullptr);
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
  const ByteVector first = IffForm({IffBmhd(2, 1, 1), IffCmap(2), IffPlanarBody(2, 1, 1, {0, 1})});
  const ByteVector second = IffForm({IffBmhd(3, 2, 24), IffPlanarBody(3, 2, 24, {1, 2, 3, 4, 5, 6})});
  CIffReader reader;
  ASSERT_TRUE(reader.LoadMemory(first.data(), first.size()));
  ASSERT_TRUE(reader.LoadMemory(second.data(), second.size()));
  EXPECT_EQ(reader.m_nWidth, 3);
  EXPECT_EQ(reader.GetPixelColour(2, 0), (PaletteEntry{0, 3, 0, 0}));
  EXPECT_FALSE(reader.LoadMemory(first.data(), 20));
}

TEST(IffReader, ReachedThroughTheReaderListByExtension) {
  const ByteVector file = IffForm({IffBmhd(2, 1, 1), IffCmap(2), IffPlanarBody(2, 1, 1, {0, 1})});
  CImageReaderList list;
  EXPECT_NE(list.OpenImageFromMemory("a.lbm", file.data(), file.size()), nullptr);
  EXPECT_NE(list.OpenImageFromMemory("a.IFF", file.data(), file.size()), nullptr);
  EXPECT_EQ(list.OpenImageFromMemory("a.bmp", file.data(), file.size()), nullptr);
}

}  // namespace
}  // namespace pixolan::test
