#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <map>
#include <memory>
#include <set>
#include <string>

#include "image/ImageReaderList.h"
#include "support/TestSupport.h"

// Bitmaps written by other programs (tests/data/third_party/bmp, see its README).
namespace pixolan {
namespace {

std::filesystem::path BmpDir() { return test::DataDir() / "third_party" / "bmp"; }

std::unique_ptr<CRasterImage> Open(const std::string& relative) {
  CImageReaderList list;
  return list.OpenImage((BmpDir() / relative).string().c_str());
}

struct Expected {
  const char* path;
  std::int32_t width = 0;  // 0: the file is refused
  std::int32_t height = 0;
  std::int32_t bits = 0;
};

// Every bitmap in the folder and what becomes of it. Files whose informational
// fields are wrong (sizes, planes, resolutions) load; so do run-length streams
// that end early or overrun rows. Refused: other header sizes, depths other
// than 1/4/8/24/32, delta escapes, impossible sizes and truncated rows.
const Expected kFiles[] = {
    {"bmpsuite/b/badbitcount.bmp"},  // bit count 30000
    {"bmpsuite/b/badbitssize.bmp", 127, 64, 1},
    {"bmpsuite/b/baddens1.bmp", 127, 64, 1},
    {"bmpsuite/b/baddens2.bmp", 127, 64, 1},
    {"bmpsuite/b/badfilesize.bmp", 127, 64, 1},
    {"bmpsuite/b/badheadersize.bmp"},  // header of 66 bytes
    {"bmpsuite/b/badpalettesize.bmp"},  // colour table runs past the end
    {"bmpsuite/b/badplanes.bmp", 127, 64, 1},
    {"bmpsuite/b/badrle.bmp"},  // delta escape
    {"bmpsuite/b/badrle4.bmp"},  // delta escape
    {"bmpsuite/b/badrle4bis.bmp"},  // delta escape
    {"bmpsuite/b/badrle4ter.bmp"},  // delta escape
    {"bmpsuite/b/badrlebis.bmp"},  // delta escape
    {"bmpsuite/b/badrleter.bmp"},  // delta escape
    {"bmpsuite/b/badwidth.bmp"},  // negative width
    {"bmpsuite/b/pal8badindex.bmp", 127, 64, 8},
    {"bmpsuite/b/reallybig.bmp"},  // 3000000x2000000
    {"bmpsuite/b/rgb16-880.bmp"},  // 16 bits
    {"bmpsuite/b/rletopdown.bmp", 127, 64, 8},
    {"bmpsuite/b/shortfile.bmp"},  // rows cut short
    {"bmpsuite/g/pal1.bmp", 127, 64, 1},
    {"bmpsuite/g/pal1bg.bmp", 127, 64, 1},
    {"bmpsuite/g/pal1wb.bmp", 127, 64, 1},
    {"bmpsuite/g/pal4.bmp", 127, 64, 4},
    {"bmpsuite/g/pal4gs.bmp", 127, 64, 4},
    {"bmpsuite/g/pal4rle.bmp", 127, 64, 4},
    {"bmpsuite/g/pal8-0.bmp", 127, 64, 8},
    {"bmpsuite/g/pal8.bmp", 127, 64, 8},
    {"bmpsuite/g/pal8gs.bmp", 127, 64, 8},
    {"bmpsuite/g/pal8nonsquare.bmp", 127, 32, 8},
    {"bmpsuite/g/pal8os2.bmp"},  // OS/2 12-byte header
    {"bmpsuite/g/pal8rle.bmp", 127, 64, 8},
    {"bmpsuite/g/pal8topdown.bmp", 127, 64, 8},
    {"bmpsuite/g/pal8v4.bmp"},  // 108-byte header
    {"bmpsuite/g/pal8v5.bmp"},  // 124-byte header
    {"bmpsuite/g/pal8w124.bmp", 124, 61, 8},
    {"bmpsuite/g/pal8w125.bmp", 125, 62, 8},
    {"bmpsuite/g/pal8w126.bmp", 126, 63, 8},
    {"bmpsuite/g/rgb16-565.bmp"},  // 16 bits
    {"bmpsuite/g/rgb16-565pal.bmp"},  // 16 bits
    {"bmpsuite/g/rgb16.bmp"},  // 16 bits
    {"bmpsuite/g/rgb16bfdef.bmp"},  // 16 bits
    {"bmpsuite/g/rgb24.bmp", 127, 64, 24},
    {"bmpsuite/g/rgb24pal.bmp", 127, 64, 24},
    {"bmpsuite/g/rgb32.bmp", 127, 64, 32},
    {"bmpsuite/g/rgb32bf.bmp", 127, 64, 32},
    {"bmpsuite/g/rgb32bfdef.bmp", 127, 64, 32},
    {"bmpsuite/q/pal1huffmsb.bmp"},  // OS/2 64-byte header
    {"bmpsuite/q/pal1p1.bmp", 127, 64, 1},
    {"bmpsuite/q/pal2.bmp"},  // 2 bits
    {"bmpsuite/q/pal2color.bmp"},  // 2 bits
    {"bmpsuite/q/pal4rlecut.bmp"},  // delta escape
    {"bmpsuite/q/pal4rletrns.bmp"},  // delta escape
    {"bmpsuite/q/pal8offs.bmp", 127, 64, 8},
    {"bmpsuite/q/pal8os2-hs.bmp"},  // OS/2 12-byte header
    {"bmpsuite/q/pal8os2-sz.bmp"},  // OS/2 12-byte header
    {"bmpsuite/q/pal8os2sp.bmp"},  // OS/2 12-byte header
    {"bmpsuite/q/pal8os2v2-16.bmp"},  // OS/2 16-byte header
    {"bmpsuite/q/pal8os2v2-40sz.bmp", 127, 64, 8},
    {"bmpsuite/q/pal8os2v2-sz.bmp"},  // OS/2 64-byte header
    {"bmpsuite/q/pal8os2v2.bmp"},  // OS/2 64-byte header
    {"bmpsuite/q/pal8oversizepal.bmp", 127, 64, 8},
    {"bmpsuite/q/pal8rlecut.bmp"},  // delta escape
    {"bmpsuite/q/pal8rletrns.bmp"},  // delta escape
    {"bmpsuite/q/rgb16-231.bmp"},  // 16 bits
    {"bmpsuite/q/rgb16-3103.bmp"},  // 16 bits
    {"bmpsuite/q/rgb16faketrns.bmp"},  // 16 bits
    {"bmpsuite/q/rgb24jpeg.bmp"},  // 124-byte header
    {"bmpsuite/q/rgb24largepal.bmp", 127, 64, 24},
    {"bmpsuite/q/rgb24lprof.bmp"},  // 124-byte header
    {"bmpsuite/q/rgb24png.bmp"},  // 124-byte header
    {"bmpsuite/q/rgb24prof.bmp"},  // 124-byte header
    {"bmpsuite/q/rgb24prof2.bmp"},  // 124-byte header
    {"bmpsuite/q/rgb24rle24.bmp"},  // OS/2 64-byte header
    {"bmpsuite/q/rgb32-111110.bmp", 127, 64, 32},
    {"bmpsuite/q/rgb32-7187.bmp", 127, 64, 32},
    {"bmpsuite/q/rgb32-xbgr.bmp"},  // 124-byte header
    {"bmpsuite/q/rgb32fakealpha.bmp", 127, 64, 32},
    {"bmpsuite/q/rgb32h52.bmp"},  // 52-byte header
    {"bmpsuite/q/rgba16-1924.bmp"},  // 124-byte header
    {"bmpsuite/q/rgba16-4444.bmp"},  // 124-byte header
    {"bmpsuite/q/rgba16-5551.bmp"},  // 124-byte header
    {"bmpsuite/q/rgba32-1.bmp"},  // 124-byte header
    {"bmpsuite/q/rgba32-1010102.bmp"},  // 124-byte header
    {"bmpsuite/q/rgba32-2.bmp"},  // 124-byte header
    {"bmpsuite/q/rgba32-61754.bmp"},  // 124-byte header
    {"bmpsuite/q/rgba32-81284.bmp"},  // 124-byte header
    {"bmpsuite/q/rgba32abf.bmp", 127, 64, 32},
    {"bmpsuite/q/rgba32h56.bmp"},  // 56-byte header
    {"bmpsuite/q/rgba64.bmp"},  // 64 bits
    {"bmpsuite/x/ba-bm.bmp"},  // no "BM" signature
    {"bmptestsuite/corrupt/8bpp-colorsused-large.bmp"},  // colour table runs past the end
    {"bmptestsuite/corrupt/compression-bad-rle4-for-8bpp.bmp", 320, 240, 4},
    {"bmptestsuite/corrupt/compression-bad-rle8-for-4bpp.bmp", 320, 240, 8},
    {"bmptestsuite/corrupt/emptyfile.bmp"},  // empty
    {"bmptestsuite/corrupt/height-zero.bmp"},  // height 0
    {"bmptestsuite/corrupt/magicnumber-cropped.bmp"},  // no "BM" signature
    {"bmptestsuite/corrupt/offbits-large.bmp", 320, 240, 1},
    {"bmptestsuite/corrupt/rle4-absolute-cropped.bmp", 320, 240, 4},
    {"bmptestsuite/corrupt/rle4-delta-cropped.bmp"},  // delta escape
    {"bmptestsuite/corrupt/rle4-no-end-of-line-marker.bmp", 320, 240, 4},
    {"bmptestsuite/corrupt/rle8-delta-cropped.bmp"},  // delta escape
    {"bmptestsuite/corrupt/rle8-deltaleavesimage.bmp"},  // delta escape
    {"bmptestsuite/corrupt/rle8-no-end-of-line-marker.bmp", 320, 240, 8},
    {"bmptestsuite/corrupt/rle8-runlength-cropped.bmp", 320, 240, 8},
    {"bmptestsuite/questionable/32bpp-0x0.bmp"},  // width 0
    {"bmptestsuite/questionable/pixeldata-rle8-toomuch.bmp", 320, 240, 8},
    {"bmptestsuite/questionable/rle4-height-negative.bmp", 320, 240, 4},
    {"bmptestsuite/questionable/rle4-no-end-of-bitmap-marker.bmp", 320, 240, 4},
    {"bmptestsuite/questionable/rle8-height-negative.bmp", 320, 240, 8},
    {"bmptestsuite/questionable/rle8-no-end-of-bitmap-marker.bmp", 320, 240, 8},
    {"bmptestsuite/valid/1bpp-1x1.bmp", 1, 1, 1},
    {"bmptestsuite/valid/1bpp-topdown-320x240.bmp", 320, 240, 1},
    {"bmptestsuite/valid/24bpp-1x1.bmp", 1, 1, 24},
    {"bmptestsuite/valid/24bpp-imagesize-zero.bmp", 320, 240, 24},
    {"bmptestsuite/valid/24bpp-topdown-320x240.bmp", 320, 240, 24},
    {"bmptestsuite/valid/4bpp-1x1.bmp", 1, 1, 4},
    {"bmptestsuite/valid/4bpp-topdown-320x240.bmp", 320, 240, 4},
    {"bmptestsuite/valid/8bpp-1x1.bmp", 1, 1, 8},
    {"bmptestsuite/valid/8bpp-colorsused-zero.bmp", 320, 240, 8},
    {"bmptestsuite/valid/rle4-absolute-320x240.bmp", 320, 240, 4},
    {"bmptestsuite/valid/rle4-alternate-320x240.bmp", 320, 240, 4},
    {"bmptestsuite/valid/rle4-delta-320x240.bmp"},  // delta escape
    {"bmptestsuite/valid/rle4-encoded-320x240.bmp", 320, 240, 4},
    {"bmptestsuite/valid/rle8-64000x1.bmp"},  // width over 16384
    {"bmptestsuite/valid/rle8-absolute-320x240.bmp", 320, 240, 8},
    {"bmptestsuite/valid/rle8-blank-160x120.bmp", 160, 120, 8},
    {"bmptestsuite/valid/rle8-delta-320x240.bmp"},  // delta escape
    {"bmptestsuite/valid/rle8-encoded-320x240.bmp", 320, 240, 8},
    {"realworld/hopper_rle8.bmp", 128, 128, 8},
    {"realworld/hopper_rle8_grayscale.bmp"},  // 108-byte header
    {"realworld/hopper_rle8_row_overflow.bmp", 128, 128, 8},
    {"realworld/serenity_bitmap_1bpp.bmp", 399, 400, 1},
};

TEST(BmpThirdParty, EveryFileLoadsOrIsRefusedAsExpected) {
  int loaded = 0, refused = 0;
  for (const Expected& e : kFiles) {
    SCOPED_TRACE(e.path);
    auto image = Open(e.path);
    if (e.width == 0) {
      EXPECT_EQ(image, nullptr);
      ++refused;
      continue;
    }
    ASSERT_NE(image, nullptr);
    EXPECT_EQ(image->m_nWidth, e.width);
    EXPECT_EQ(image->m_nHeight, e.height);
    EXPECT_EQ(image->m_nBitsPerPixel, e.bits);
    EXPECT_EQ(image->HasPalette(), e.bits <= 8);
    // Every pixel is readable and the display bitmap can be built.
    std::uint32_t sum = 0;
    for (std::int32_t y = 0; y < image->m_nHeight; ++y)
      for (std::int32_t x = 0; x < image->m_nWidth; ++x) sum += image->GetPixelColour(x, y).red;
    (void)sum;
    EXPECT_NE(image->CreateDisplayBitmap(), nullptr);
    ++loaded;
  }
  EXPECT_EQ(loaded, 66);
  EXPECT_EQ(refused, 67);
}

TEST(BmpThirdParty, TheTableCoversEveryFileInTheFolder) {
  std::set<std::string> listed;
  for (const Expected& e : kFiles) listed.insert(e.path);
  for (const auto& entry : std::filesystem::recursive_directory_iterator(BmpDir())) {
    if (entry.path().extension() != ".bmp") continue;
    const std::string relative = std::filesystem::relative(entry.path(), BmpDir()).generic_string();
    EXPECT_TRUE(listed.count(relative) == 1) << relative << " is not in the table";
  }
}

std::string Hex(const PaletteEntry& c) {
  char text[8];
  std::snprintf(text, sizeof text, "%02x%02x%02x", c.red, c.green, c.blue);
  return text;
}

struct Probe {
  std::int32_t x, y;
  const char* rgb;
};

// Colours checked against the BMP Suite's reference renderings (the whole
// picture matched pixel for pixel when these were chosen) and, for the 1x1
// files, by decoding their bytes by hand.
TEST(BmpThirdParty, KnownPixelsHaveTheirColours) {
  const std::map<std::string, std::vector<Probe>> probes = {
      {"bmpsuite/g/pal1bg.bmp", {{0, 0, "40ff40"}, {0, 63, "4040ff"}, {40, 20, "4040ff"}}},
      {"bmpsuite/g/pal4.bmp", {{0, 0, "ff0000"}, {126, 0, "ff80ff"}, {100, 50, "008000"}}},
      {"bmpsuite/g/pal4rle.bmp", {{0, 0, "ff0000"}, {126, 0, "ff80ff"}, {100, 50, "008000"}}},
      {"bmpsuite/g/pal8.bmp", {{0, 0, "ff0000"}, {126, 0, "99aacc"}, {126, 63, "665566"}, {100, 50, "668066"}}},
      {"bmpsuite/g/pal8rle.bmp", {{126, 0, "99aacc"}, {126, 63, "665566"}}},
      {"bmpsuite/g/pal8topdown.bmp", {{126, 0, "99aacc"}, {126, 63, "665566"}}},
      {"bmpsuite/b/rletopdown.bmp", {{126, 0, "99aacc"}, {126, 63, "665566"}}},
      {"bmpsuite/g/pal8w125.bmp", {{0, 0, "ff0000"}, {124, 0, "ccaacc"}, {124, 61, "665566"}}},
      {"bmpsuite/g/rgb24.bmp", {{0, 0, "ff0000"}, {126, 0, "9f9fbd"}, {126, 63, "60607e"}, {100, 50, "6d6d71"}}},
      {"bmpsuite/g/rgb24pal.bmp", {{126, 0, "9f9fbd"}, {100, 50, "6d6d71"}}},
      {"bmpsuite/g/rgb32.bmp", {{126, 0, "9f9fbd"}, {100, 50, "6d6d71"}}},
      {"bmptestsuite/valid/24bpp-1x1.bmp", {{0, 0, "0000ff"}}},
      {"bmptestsuite/valid/4bpp-1x1.bmp", {{0, 0, "0000ff"}}},
  };
  for (const auto& [path, points] : probes) {
    SCOPED_TRACE(path);
    auto image = Open(path);
    ASSERT_NE(image, nullptr);
    for (const Probe& p : points) EXPECT_EQ(Hex(image->GetPixelColour(p.x, p.y)), p.rgb) << p.x << "," << p.y;
  }
}

// Files that encode one picture in different ways must decode to the same colours.
TEST(BmpThirdParty, EncodingsOfOnePictureAgree) {
  const std::vector<std::vector<std::string>> groups = {
      {"bmpsuite/g/pal8.bmp", "bmpsuite/g/pal8-0.bmp", "bmpsuite/g/pal8rle.bmp", "bmpsuite/g/pal8topdown.bmp",
       "bmpsuite/b/rletopdown.bmp", "bmpsuite/q/pal8oversizepal.bmp", "bmpsuite/q/pal8os2v2-40sz.bmp"},
      {"bmpsuite/g/pal4.bmp", "bmpsuite/g/pal4rle.bmp"},
      {"bmpsuite/g/rgb24.bmp", "bmpsuite/g/rgb24pal.bmp", "bmpsuite/q/rgb24largepal.bmp", "bmpsuite/g/rgb32.bmp",
       "bmpsuite/q/rgb32fakealpha.bmp"},
      // Red, green and blue bars on black, as run-length, top-down and plain rows.
      {"bmptestsuite/valid/rle8-encoded-320x240.bmp", "bmptestsuite/valid/rle8-absolute-320x240.bmp",
       "bmptestsuite/valid/rle4-encoded-320x240.bmp", "bmptestsuite/valid/rle4-absolute-320x240.bmp",
       "bmptestsuite/valid/4bpp-topdown-320x240.bmp", "bmptestsuite/valid/24bpp-topdown-320x240.bmp",
       "bmptestsuite/valid/8bpp-colorsused-zero.bmp", "bmptestsuite/valid/24bpp-imagesize-zero.bmp",
       "bmptestsuite/questionable/rle8-height-negative.bmp", "bmptestsuite/questionable/rle4-height-negative.bmp",
       "bmptestsuite/questionable/rle8-no-end-of-bitmap-marker.bmp",
       "bmptestsuite/questionable/pixeldata-rle8-toomuch.bmp"},
  };
  for (const auto& group : groups) {
    auto reference = Open(group.front());
    ASSERT_NE(reference, nullptr) << group.front();
    for (const std::string& path : group) {
      SCOPED_TRACE(path);
      auto image = Open(path);
      ASSERT_NE(image, nullptr);
      ASSERT_EQ(image->m_nWidth, reference->m_nWidth);
      ASSERT_EQ(image->m_nHeight, reference->m_nHeight);
      int differences = 0;
      for (std::int32_t y = 0; y < image->m_nHeight; ++y)
        for (std::int32_t x = 0; x < image->m_nWidth; ++x)
          differences += !SameColour(image->GetPixelColour(x, y), reference->GetPixelColour(x, y));
      EXPECT_EQ(differences, 0);
    }
  }
  auto bars = Open("bmptestsuite/valid/rle8-encoded-320x240.bmp");
  EXPECT_EQ(Hex(bars->GetPixelColour(0, 0)), "000000");
  EXPECT_EQ(Hex(bars->GetPixelColour(50, 120)), "ff0000");
  EXPECT_EQ(Hex(bars->GetPixelColour(150, 120)), "00ff00");
  EXPECT_EQ(Hex(bars->GetPixelColour(250, 120)), "0000ff");
}

}  // namespace
}  // namespace pixolan
