// Pictures written by other programs (tests/data/third_party/<kind>, see the
// README there): what becomes of every file, and known pixels' colours.
#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <set>
#include <string>

#include "ReaderHelpers.h"
#include "image/GbrReader.h"
#include "image/IffReader.h"
#include "image/ImageReaderList.h"
#include "support/TestSupport.h"

namespace pixolan::test {
namespace {

std::filesystem::path Dir() { return DataDir() / "third_party"; }

// Bitmaps go through the reader list; the IFF folder holds names the list would not take.
std::unique_ptr<CRasterImage> Open(const std::string& relative) {
  const std::string path = (Dir() / relative).string();
  std::unique_ptr<CRasterImage> image;
  if (relative.starts_with("bmp/")) return CImageReaderList().OpenImage(path.c_str());
  if (relative.starts_with("gbr/")) image = std::make_unique<CGbrReader>();
  if (relative.starts_with("ilbm/")) image = std::make_unique<CIffReader>();
  return image && image->Load(path.c_str()) ? std::move(image) : nullptr;
}

struct Loads {
  std::int32_t width, height, bits;
  std::vector<const char*> files;
};

const Loads kLoaded[] = {
    // Files whose informational fields (sizes, planes, resolutions) are wrong load.
    {127, 64, 1, {"bmp/bmpsuite/b/badbitssize.bmp", "bmp/bmpsuite/b/baddens1.bmp", "bmp/bmpsuite/b/baddens2.bmp",
                  "bmp/bmpsuite/b/badfilesize.bmp", "bmp/bmpsuite/b/badplanes.bmp", "bmp/bmpsuite/g/pal1.bmp",
                  "bmp/bmpsuite/g/pal1bg.bmp", "bmp/bmpsuite/g/pal1wb.bmp", "bmp/bmpsuite/q/pal1p1.bmp"}},
    {127, 64, 4, {"bmp/bmpsuite/g/pal4.bmp", "bmp/bmpsuite/g/pal4gs.bmp", "bmp/bmpsuite/g/pal4rle.bmp"}},
    {127, 64, 8, {"bmp/bmpsuite/b/pal8badindex.bmp", "bmp/bmpsuite/b/rletopdown.bmp", "bmp/bmpsuite/g/pal8-0.bmp",
                  "bmp/bmpsuite/g/pal8.bmp", "bmp/bmpsuite/g/pal8gs.bmp", "bmp/bmpsuite/g/pal8rle.bmp",
                  "bmp/bmpsuite/g/pal8topdown.bmp", "bmp/bmpsuite/q/pal8offs.bmp", "bmp/bmpsuite/q/pal8os2v2-40sz.bmp",
                  "bmp/bmpsuite/q/pal8oversizepal.bmp"}},
    {127, 32, 8, {"bmp/bmpsuite/g/pal8nonsquare.bmp"}},
    {124, 61, 8, {"bmp/bmpsuite/g/pal8w124.bmp"}},
    {125, 62, 8, {"bmp/bmpsuite/g/pal8w125.bmp"}},
    {126, 63, 8, {"bmp/bmpsuite/g/pal8w126.bmp"}},
    {127, 64, 24, {"bmp/bmpsuite/g/rgb24.bmp", "bmp/bmpsuite/g/rgb24pal.bmp", "bmp/bmpsuite/q/rgb24largepal.bmp"}},
    {127, 64, 32, {"bmp/bmpsuite/g/rgb32.bmp", "bmp/bmpsuite/g/rgb32bf.bmp", "bmp/bmpsuite/g/rgb32bfdef.bmp",
                   "bmp/bmpsuite/q/rgb32-111110.bmp", "bmp/bmpsuite/q/rgb32-7187.bmp", "bmp/bmpsuite/q/rgb32fakealpha.bmp",
                   "bmp/bmpsuite/q/rgba32abf.bmp"}},
    // Run-length streams that end early, overrun rows or lie about their depth load.
    {320, 240, 1, {"bmp/bmptestsuite/corrupt/offbits-large.bmp", "bmp/bmptestsuite/valid/1bpp-topdown-320x240.bmp"}},
    {320, 240, 4, {"bmp/bmptestsuite/corrupt/compression-bad-rle4-for-8bpp.bmp", "bmp/bmptestsuite/corrupt/rle4-absolute-cropped.bmp",
                   "bmp/bmptestsuite/corrupt/rle4-no-end-of-line-marker.bmp", "bmp/bmptestsuite/questionable/rle4-height-negative.bmp",
                   "bmp/bmptestsuite/questionable/rle4-no-end-of-bitmap-marker.bmp", "bmp/bmptestsuite/valid/4bpp-topdown-320x240.bmp",
                   "bmp/bmptestsuite/valid/rle4-absolute-320x240.bmp", "bmp/bmptestsuite/valid/rle4-alternate-320x240.bmp",
                   "bmp/bmptestsuite/valid/rle4-encoded-320x240.bmp"}},
    {320, 240, 8, {"bmp/bmptestsuite/corrupt/compression-bad-rle8-for-4bpp.bmp", "bmp/bmptestsuite/corrupt/rle8-no-end-of-line-marker.bmp",
                   "bmp/bmptestsuite/corrupt/rle8-runlength-cropped.bmp", "bmp/bmptestsuite/questionable/pixeldata-rle8-toomuch.bmp",
                   "bmp/bmptestsuite/questionable/rle8-height-negative.bmp", "bmp/bmptestsuite/questionable/rle8-no-end-of-bitmap-marker.bmp",
                   "bmp/bmptestsuite/valid/8bpp-colorsused-zero.bmp", "bmp/bmptestsuite/valid/rle8-absolute-320x240.bmp",
                   "bmp/bmptestsuite/valid/rle8-encoded-320x240.bmp"}},
    {320, 240, 24, {"bmp/bmptestsuite/valid/24bpp-imagesize-zero.bmp", "bmp/bmptestsuite/valid/24bpp-topdown-320x240.bmp"}},
    {160, 120, 8, {"bmp/bmptestsuite/valid/rle8-blank-160x120.bmp"}},
    {1, 1, 1, {"bmp/bmptestsuite/valid/1bpp-1x1.bmp"}},
    {1, 1, 4, {"bmp/bmptestsuite/valid/4bpp-1x1.bmp"}},
    {1, 1, 8, {"bmp/bmptestsuite/valid/8bpp-1x1.bmp"}},
    {1, 1, 24, {"bmp/bmptestsuite/valid/24bpp-1x1.bmp"}},
    {128, 128, 8, {"bmp/realworld/hopper_rle8.bmp", "bmp/realworld/hopper_rle8_row_overflow.bmp"}},
    {399, 400, 1, {"bmp/realworld/serenity_bitmap_1bpp.bmp"}},
    {128, 64, 24, {"gbr/gbtiles_valid.gbr", "gbr/nutmeg_overworld1.gbr", "gbr/sushinights_hook.gbr", "gbr/zgb_template_player.gbr"}},
    {128, 160, 24, {"gbr/sushinights_player.gbr"}},
    {128, 8, 24, {"gbr/zgb_demo_laser_anim.gbr"}},
    {128, 384, 24, {"gbr/zgb_demo_rick_tiles2.gbr"}},
    {128, 128, 24, {"gbr/zgb_demo_sa_tiles.gbr"}},
    {320, 200, 8, {"ilbm/gradient.iff", "ilbm/gradient-uncompressed.iff"}},
    {64, 64, 24, {"ilbm/image-noalp-64.ilbm"}},
    {10, 10, 24, {"ilbm/small-24bit.iff"}},
    {320, 200, 8, {"ilbm/test-stencil.iff"}},  // a mask plane after the colour planes
    {640, 480, 8, {"ilbm/serenity.lbm"}},      // chunky FORM PBM
    // Headers other than the 40-byte one, bit fields, 16 bits, run-length deltas.
    {127, 64, 8, {"bmp/bmpsuite/g/pal8os2.bmp", "bmp/bmpsuite/g/pal8v4.bmp", "bmp/bmpsuite/g/pal8v5.bmp",
                  "bmp/bmpsuite/q/pal8os2-hs.bmp", "bmp/bmpsuite/q/pal8os2-sz.bmp", "bmp/bmpsuite/q/pal8os2sp.bmp",
                  "bmp/bmpsuite/q/pal8os2v2-16.bmp", "bmp/bmpsuite/q/pal8os2v2-sz.bmp", "bmp/bmpsuite/q/pal8os2v2.bmp",
                  "bmp/bmpsuite/q/pal8rlecut.bmp", "bmp/bmpsuite/q/pal8rletrns.bmp", "bmp/bmpsuite/b/badrle.bmp",
                  "bmp/bmpsuite/b/badrlebis.bmp", "bmp/bmpsuite/b/badrleter.bmp"}},
    {127, 64, 4, {"bmp/bmpsuite/q/pal4rlecut.bmp", "bmp/bmpsuite/q/pal4rletrns.bmp", "bmp/bmpsuite/b/badrle4.bmp",
                  "bmp/bmpsuite/b/badrle4bis.bmp", "bmp/bmpsuite/b/badrle4ter.bmp"}},
    {127, 64, 16, {"bmp/bmpsuite/b/rgb16-880.bmp", "bmp/bmpsuite/g/rgb16-565.bmp", "bmp/bmpsuite/g/rgb16-565pal.bmp",
                   "bmp/bmpsuite/g/rgb16.bmp", "bmp/bmpsuite/g/rgb16bfdef.bmp", "bmp/bmpsuite/q/rgb16-231.bmp",
                   "bmp/bmpsuite/q/rgb16-3103.bmp", "bmp/bmpsuite/q/rgb16faketrns.bmp", "bmp/bmpsuite/q/rgba16-1924.bmp",
                   "bmp/bmpsuite/q/rgba16-4444.bmp", "bmp/bmpsuite/q/rgba16-5551.bmp"}},
    {127, 64, 24, {"bmp/bmpsuite/q/rgb24lprof.bmp", "bmp/bmpsuite/q/rgb24prof.bmp", "bmp/bmpsuite/q/rgb24prof2.bmp"}},
    {127, 64, 32, {"bmp/bmpsuite/q/rgb32-xbgr.bmp", "bmp/bmpsuite/q/rgb32h52.bmp", "bmp/bmpsuite/q/rgba32-1.bmp",
                   "bmp/bmpsuite/q/rgba32-1010102.bmp", "bmp/bmpsuite/q/rgba32-2.bmp", "bmp/bmpsuite/q/rgba32-61754.bmp",
                   "bmp/bmpsuite/q/rgba32-81284.bmp", "bmp/bmpsuite/q/rgba32h56.bmp"}},
    {320, 240, 4, {"bmp/bmptestsuite/corrupt/rle4-delta-cropped.bmp", "bmp/bmptestsuite/valid/rle4-delta-320x240.bmp"}},
    {320, 240, 8, {"bmp/bmptestsuite/corrupt/rle8-delta-cropped.bmp", "bmp/bmptestsuite/corrupt/rle8-deltaleavesimage.bmp",
                   "bmp/bmptestsuite/valid/rle8-delta-320x240.bmp"}},
    {256, 10, 8, {"bmp/realworld/hopper_rle8_grayscale.bmp"}},
    // The BMP Suite's reference renderings, as PNG.
    {127, 64, 1, {"bmp/bmpsuite/html/pal1.png", "bmp/bmpsuite/html/pal1bg.png"}},
    {16, 16, 1, {"bmp/bmpsuite/html/bkgd.png"}},
    {127, 64, 4, {"bmp/bmpsuite/html/pal4.png", "bmp/bmpsuite/html/pal4rlecut-0.png", "bmp/bmpsuite/html/pal4rlecut-b.png",
                  "bmp/bmpsuite/html/pal4rlecut.png", "bmp/bmpsuite/html/pal4rletrns-0.png",
                  "bmp/bmpsuite/html/pal4rletrns-b.png", "bmp/bmpsuite/html/pal4rletrns.png"}},
    {127, 64, 8, {"bmp/bmpsuite/html/pal8.png", "bmp/bmpsuite/html/pal8rlecut-0.png", "bmp/bmpsuite/html/pal8rlecut-b.png",
                  "bmp/bmpsuite/html/pal8rlecut.png", "bmp/bmpsuite/html/pal8rletrns-0.png",
                  "bmp/bmpsuite/html/pal8rletrns-b.png", "bmp/bmpsuite/html/pal8rletrns.png"}},
    {124, 61, 8, {"bmp/bmpsuite/html/pal8w124.png"}},
    {125, 62, 8, {"bmp/bmpsuite/html/pal8w125.png"}},
    {126, 63, 8, {"bmp/bmpsuite/html/pal8w126.png"}},
    {127, 64, 32, {"bmp/bmpsuite/html/rgb24.png"}},
};

// Refused, by reason.
const std::vector<const char*> kRefused[] = {
    // Bit counts other than 1, 4, 8, 16, 24 and 32 (2 and 64; 0 with embedded JPEG or PNG data).
    {"bmp/bmpsuite/b/badbitcount.bmp", "bmp/bmpsuite/q/pal2.bmp", "bmp/bmpsuite/q/pal2color.bmp", "bmp/bmpsuite/q/rgba64.bmp",
     "bmp/bmpsuite/q/rgb24jpeg.bmp", "bmp/bmpsuite/q/rgb24png.bmp"},
    // An unknown header size (66), and OS/2 Huffman and 24-bit run-length compression.
    {"bmp/bmpsuite/b/badheadersize.bmp", "bmp/bmpsuite/q/pal1huffmsb.bmp", "bmp/bmpsuite/q/rgb24rle24.bmp"},
    // Impossible or oversized dimensions: negative width, 3000000x2000000, height 0, width 0, 64000x1.
    {"bmp/bmpsuite/b/badwidth.bmp", "bmp/bmpsuite/b/reallybig.bmp", "bmp/bmptestsuite/corrupt/height-zero.bmp",
     "bmp/bmptestsuite/questionable/32bpp-0x0.bmp", "bmp/bmptestsuite/valid/rle8-64000x1.bmp"},
    // Colour tables or rows running past the end, empty files, no "BM" signature.
    {"bmp/bmpsuite/b/badpalettesize.bmp", "bmp/bmpsuite/b/shortfile.bmp", "bmp/bmptestsuite/corrupt/8bpp-colorsused-large.bmp",
     "bmp/bmptestsuite/corrupt/emptyfile.bmp", "bmp/bmpsuite/x/ba-bm.bmp", "bmp/bmptestsuite/corrupt/magicnumber-cropped.bmp"},
    {"gbr/bad/gbtiles_invalid-header.gbr", "gbr/bad/pillow_gimp_brush.gbr"},
    // Hold-and-modify, and damaged files (cut short before their body, or a chunk running past the end).
    {"ilbm/ham6.iff", "ilbm/bad/incorrect-cmap-size.iff",
     "ilbm/bad/incorrect-uncompressed-size.iff", "ilbm/bad/missing-BMHD.ILBM", "ilbm/bad/missing-body-chunk.iff",
     "ilbm/bad/oss-fuzz-testcase-63296.iff", "ilbm/bad/truncated-bmhd-chunk.iff"},
};

TEST(ThirdPartyImages, EveryFileLoadsOrIsRefusedAsExpected) {
  std::set<std::string> listed;
  for (const Loads& group : kLoaded) {
    for (const char* file : group.files) {
      SCOPED_TRACE(file);
      EXPECT_TRUE(listed.insert(file).second) << "listed twice";
      auto image = Open(file);
      ASSERT_NE(image, nullptr);
      EXPECT_EQ(image->m_nWidth, group.width);
      EXPECT_EQ(image->m_nHeight, group.height);
      EXPECT_EQ(image->m_nBitsPerPixel, group.bits);
      EXPECT_EQ(image->HasPalette(), group.bits <= 8);
      ExpectConsistent(*image);
    }
  }
  for (const auto& group : kRefused) {
    for (const char* file : group) {
      EXPECT_TRUE(listed.insert(file).second) << file << " listed twice";
      EXPECT_EQ(Open(file), nullptr) << file;
    }
  }
  for (const auto& entry : std::filesystem::recursive_directory_iterator(Dir())) {
    const std::string rel = std::filesystem::relative(entry.path(), Dir()).generic_string();
    if (!entry.is_regular_file() || rel.ends_with("README.md") || rel.ends_with("readme.txt") || rel.ends_with(".tsv") || rel.starts_with("ilbm/ref/")) continue;
    EXPECT_EQ(listed.count(rel), 1u) << rel << " is not in the table";
  }
}

PaletteEntry Hex(std::uint32_t rgb) { return Rgb(rgb >> 16, (rgb >> 8) & 0xFF, rgb & 0xFF); }

// Bitmap colours checked against the BMP Suite's reference renderings (the whole
// picture matched pixel for pixel when these were chosen) and, for the 1x1
// files, by decoding their bytes by hand. Tile colours by hand from the tile
// bytes, colour map, colour set, tile palette numbers and palette lists; IFF
// colours against ref/image-noalp-64.png and the gradient's colour map.
TEST(ThirdPartyImages, KnownPixelsHaveTheirColours) {
  const std::map<std::string, std::vector<Probe>> probes = {
      {"bmp/bmpsuite/g/pal1bg.bmp", {{0, 0, Hex(0x40ff40)}, {0, 63, Hex(0x4040ff)}, {40, 20, Hex(0x4040ff)}}},
      {"bmp/bmpsuite/g/pal4.bmp", {{0, 0, Hex(0xff0000)}, {126, 0, Hex(0xff80ff)}, {100, 50, Hex(0x008000)}}},
      {"bmp/bmpsuite/g/pal8.bmp", {{0, 0, Hex(0xff0000)}, {126, 0, Hex(0x99aacc)}, {126, 63, Hex(0x665566)}, {100, 50, Hex(0x668066)}}},
      {"bmp/bmpsuite/g/pal8w125.bmp", {{0, 0, Hex(0xff0000)}, {124, 0, Hex(0xccaacc)}, {124, 61, Hex(0x665566)}}},
      {"bmp/bmpsuite/g/rgb24.bmp", {{0, 0, Hex(0xff0000)}, {126, 0, Hex(0x9f9fbd)}, {126, 63, Hex(0x60607e)}, {100, 50, Hex(0x6d6d71)}}},
      {"bmp/bmptestsuite/valid/24bpp-1x1.bmp", {{0, 0, Hex(0x0000ff)}}},
      {"bmp/bmptestsuite/valid/4bpp-1x1.bmp", {{0, 0, Hex(0x0000ff)}}},
      {"bmp/bmptestsuite/valid/rle8-encoded-320x240.bmp",
       {{0, 0, Hex(0)}, {50, 120, Hex(0xff0000)}, {150, 120, Hex(0x00ff00)}, {250, 120, Hex(0x0000ff)}}},
      {"gbr/gbtiles_valid.gbr", {{0, 0, Grey(248)}, {1, 1, Grey(0)}}},  // colour set 0
      {"gbr/nutmeg_overworld1.gbr", {{10, 20, Rgb(176, 224, 152)}, {64, 32, Rgb(152, 176, 240)}}},
      {"gbr/sushinights_hook.gbr", {{5, 3, Rgb(0, 56, 48)}, {0, 0, Rgb(224, 240, 40)}}},  // colour set 1
      {"gbr/sushinights_player.gbr", {{10, 20, Rgb(0, 56, 48)}, {40, 50, Rgb(56, 184, 64)}}},
      {"gbr/zgb_demo_laser_anim.gbr", {{5, 3, Grey(152)}, {127, 0, Grey(248)}}},
      {"gbr/zgb_demo_rick_tiles2.gbr", {{5, 3, Grey(168)}, {127, 0, Grey(0)}, {64, 192, Rgb(208, 240, 184)}}},
      {"gbr/zgb_demo_sa_tiles.gbr", {{64, 64, Rgb(248, 64, 40)}, {10, 20, Rgb(232, 240, 248)}, {100, 100, Grey(248)}}},
      {"gbr/zgb_template_player.gbr", {{5, 3, Rgb(56, 184, 64)}}},
      {"ilbm/gradient.iff", {{0, 0, Grey(204)}, {25, 12, Grey(0)}, {319, 199, Rgb(238, 187, 0)}, {100, 60, Rgb(238, 187, 0)}}},
      {"ilbm/image-noalp-64.ilbm",
       {{0, 0, Grey(118)}, {32, 32, Rgb(206, 43, 10)}, {5, 3, Grey(255)}, {63, 63, Grey(118)}}},
      {"ilbm/small-24bit.iff", {{0, 0, Rgb(118, 254, 113)}}},
      // Seen as pictures: a grey ramp with a red word on white; green specks around red squares on black.
      {"ilbm/serenity.lbm", {{0, 0, Grey(239)}, {300, 400, Grey(255)}, {590, 100, Grey(35)}}},
      {"ilbm/test-stencil.iff", {{0, 0, Grey(0)}, {90, 90, Rgb(255, 85, 85)}, {110, 115, Rgb(255, 85, 85)}}},
  };
  for (const auto& [path, points] : probes) {
    SCOPED_TRACE(path);
    auto image = Open(path);
    ASSERT_NE(image, nullptr);
    ExpectColours(*image, points);
  }
}

// Files that encode one picture in different ways must decode to the same colours.
TEST(ThirdPartyImages, EncodingsOfOnePictureAgree) {
  const std::vector<std::vector<std::string>> groups = {
      {"bmp/bmpsuite/g/pal8.bmp", "bmp/bmpsuite/g/pal8-0.bmp", "bmp/bmpsuite/g/pal8rle.bmp", "bmp/bmpsuite/g/pal8topdown.bmp",
       "bmp/bmpsuite/b/rletopdown.bmp", "bmp/bmpsuite/q/pal8oversizepal.bmp", "bmp/bmpsuite/q/pal8os2v2-40sz.bmp"},
      {"bmp/bmpsuite/g/pal4.bmp", "bmp/bmpsuite/g/pal4rle.bmp"},
      {"bmp/bmpsuite/g/rgb24.bmp", "bmp/bmpsuite/g/rgb24pal.bmp", "bmp/bmpsuite/q/rgb24largepal.bmp", "bmp/bmpsuite/g/rgb32.bmp",
       "bmp/bmpsuite/q/rgb32fakealpha.bmp"},
      // Red, green and blue bars on black, as run-length, top-down and plain rows.
      {"bmp/bmptestsuite/valid/rle8-encoded-320x240.bmp", "bmp/bmptestsuite/valid/rle8-absolute-320x240.bmp",
       "bmp/bmptestsuite/valid/rle4-encoded-320x240.bmp", "bmp/bmptestsuite/valid/rle4-absolute-320x240.bmp",
       "bmp/bmptestsuite/valid/4bpp-topdown-320x240.bmp", "bmp/bmptestsuite/valid/24bpp-topdown-320x240.bmp",
       "bmp/bmptestsuite/valid/8bpp-colorsused-zero.bmp", "bmp/bmptestsuite/valid/24bpp-imagesize-zero.bmp",
       "bmp/bmptestsuite/questionable/rle8-height-negative.bmp", "bmp/bmptestsuite/questionable/rle4-height-negative.bmp",
       "bmp/bmptestsuite/questionable/rle8-no-end-of-bitmap-marker.bmp",
       "bmp/bmptestsuite/questionable/pixeldata-rle8-toomuch.bmp"},
      {"ilbm/gradient.iff", "ilbm/gradient-uncompressed.iff"},
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
}

}  // namespace
}  // namespace pixolan::test
