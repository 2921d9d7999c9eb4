// Pictures written by other programs (tests/data/third_party/<kind>, see the
// README there): what becomes of every file (the table in images.tsv), and known pixels' colours.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <set>
#include <sstream>
#include <string>

#include "ReaderHelpers.h"
#include "image/GbrReader.h"
#include "image/IffReader.h"
#include "image/ImageReaderList.h"
#include "support/TestSupport.h"

namespace pixolan::test {
namespace {

std::filesystem::path Dir() { return DataDir() / "third_party"; }

// The tile and IFF folders hold names the reader list would not take; the rest goes through the list.
std::unique_ptr<CRasterImage> Open(const std::string& relative) {
  const std::string path = (Dir() / relative).string();
  std::unique_ptr<CRasterImage> image;
  if (relative.starts_with("gbr/")) image = std::make_unique<CGbrReader>();
  if (relative.starts_with("ilbm/")) image = std::make_unique<CIffReader>();
  if (!image) return CImageReaderList().OpenImage(path.c_str());
  return image->Load(path.c_str()) ? std::move(image) : nullptr;
}

// FNV-1a over everything a loaded image hands to the program: masks, palette, pixel rows.
std::string Digest(const CRasterImage& image) {
  std::uint64_t value = 0xcbf29ce484222325ull;
  auto add = [&value](const void* data, std::size_t n) {
    const auto* p = static_cast<const std::uint8_t*>(data);
    for (std::size_t i = 0; i < n; ++i) value = (value ^ p[i]) * 0x100000001b3ull;
  };
  for (const ChannelMask& c : image.m_channels) add(&c.mask, sizeof c.mask);
  for (const PaletteEntry& e : image.m_pPalette) add(&e, sizeof e);
  for (const std::uint8_t* row : image.m_ppRows) add(row, static_cast<std::size_t>(image.GetRowBytes()));
  std::ostringstream text;
  text << std::hex << value;
  return text.str();
}

// images.tsv: every file, its size and depth or "refused", and the digest of those that must not change.
TEST(ThirdPartyImages, EveryFileLoadsOrIsRefusedAsListed) {
  std::ifstream table(Dir() / "images.tsv");
  ASSERT_TRUE(table.good());
  std::set<std::string> listed;
  std::string line;
  while (std::getline(table, line)) {
    if (line.empty() || line[0] == '#') continue;
    std::istringstream fields(line);
    std::string file, first;
    std::getline(fields, file, '\t');
    SCOPED_TRACE(file);
    EXPECT_TRUE(listed.insert(file).second) << "listed twice";
    auto image = Open(file);
    if (line.ends_with("\trefused")) {
      EXPECT_EQ(image, nullptr);
      continue;
    }
    ASSERT_NE(image, nullptr);
    std::int32_t width = 0, height = 0, bits = 0;
    std::string digest;
    fields >> width >> height >> bits >> digest;
    EXPECT_EQ(image->m_nWidth, width);
    EXPECT_EQ(image->m_nHeight, height);
    EXPECT_EQ(image->m_nBitsPerPixel, bits);
    EXPECT_EQ(image->HasPalette(), bits <= 8);
    if (!digest.empty()) {
      EXPECT_EQ(Digest(*image), digest);
    }
    ExpectConsistent(*image);
  }
  for (const auto& entry : std::filesystem::recursive_directory_iterator(Dir())) {
    const std::string rel = std::filesystem::relative(entry.path(), Dir()).generic_string();
    if (!entry.is_regular_file() || rel.ends_with(".md") || rel.ends_with(".txt") || rel.ends_with(".tsv") ||
        rel.starts_with("ilbm/ref/")) {
      continue;
    }
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
