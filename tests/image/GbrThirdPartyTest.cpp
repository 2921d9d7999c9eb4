#include <gtest/gtest.h>

#include <filesystem>
#include <set>
#include <string>
#include <vector>

#include "image/GbrReader.h"
#include "support/TestSupport.h"

namespace pixolan::test {
namespace {

struct PixelCheck {
  int x, y;
  PaletteEntry colour;
};

struct GbrCase {
  const char* file;
  bool loads;
  int width = 0, height = 0;
  std::vector<PixelCheck> pixels = {};
};

// Colours checked by hand from the tile bytes, colour map, colour set, tile
// palette numbers and palette lists of each file.
const std::vector<GbrCase>& Cases() {
  static const std::vector<GbrCase> cases = {
      {"gbtiles_valid.gbr", true, 128, 64, {{0, 0, {0, 248, 248, 248}}, {1, 1, {0, 0, 0, 0}}}},  // colour set 0
      {"nutmeg_overworld1.gbr", true, 128, 64, {{10, 20, {0, 176, 224, 152}}, {64, 32, {0, 152, 176, 240}}}},
      {"sushinights_hook.gbr", true, 128, 64, {{5, 3, {0, 0, 56, 48}}, {0, 0, {0, 224, 240, 40}}}},  // colour set 1
      {"sushinights_player.gbr", true, 128, 160, {{10, 20, {0, 0, 56, 48}}, {40, 50, {0, 56, 184, 64}}}},
      {"zgb_demo_laser_anim.gbr", true, 128, 8, {{5, 3, {0, 152, 152, 152}}, {127, 0, {0, 248, 248, 248}}}},
      {"zgb_demo_rick_tiles2.gbr", true, 128, 384,
       {{5, 3, {0, 168, 168, 168}}, {127, 0, {0, 0, 0, 0}}, {64, 192, {0, 208, 240, 184}}}},
      {"zgb_demo_sa_tiles.gbr", true, 128, 128,
       {{64, 64, {0, 248, 64, 40}}, {10, 20, {0, 232, 240, 248}}, {100, 100, {0, 248, 248, 248}}}},
      {"zgb_template_player.gbr", true, 128, 64, {{5, 3, {0, 56, 184, 64}}}},
      {"bad/gbtiles_invalid-header.gbr", false},
      {"bad/pillow_gimp_brush.gbr", false},
  };
  return cases;
}

std::filesystem::path GbrDir() { return DataDir() / "third_party" / "gbr"; }

TEST(GbrThirdParty, EveryFileLoadsOrIsRefusedAsExpected) {
  for (const GbrCase& c : Cases()) {
    SCOPED_TRACE(c.file);
    CGbrReader reader;
    ASSERT_EQ(reader.Load((GbrDir() / c.file).string().c_str()), c.loads);
    if (!c.loads) continue;
    EXPECT_EQ(reader.m_nWidth, c.width);
    EXPECT_EQ(reader.m_nHeight, c.height);
    EXPECT_EQ(reader.m_nBitsPerPixel, 24);
    EXPECT_FALSE(reader.HasPalette());
    for (const PixelCheck& p : c.pixels) EXPECT_EQ(reader.GetPixelColour(p.x, p.y), p.colour) << p.x << "," << p.y;
  }
}

TEST(GbrThirdParty, TableCoversEveryFile) {
  std::set<std::string> listed;
  for (const GbrCase& c : Cases()) listed.insert(c.file);
  for (const auto& entry : std::filesystem::recursive_directory_iterator(GbrDir())) {
    const std::string rel = std::filesystem::relative(entry.path(), GbrDir()).generic_string();
    if (!entry.is_regular_file() || rel == "README.md") continue;
    EXPECT_TRUE(listed.count(rel)) << rel;
  }
}

}  // namespace
}  // namespace pixolan::test
