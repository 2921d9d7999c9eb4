#include <gtest/gtest.h>

#include <filesystem>
#include <set>
#include <string>
#include <vector>

#include "image/IffReader.h"
#include "support/TestSupport.h"

namespace pixolan::test {
namespace {

struct PixelCheck {
  int x, y;
  PaletteEntry colour;
};

struct IffCase {
  const char* file;
  bool loads;
  int width = 0, height = 0, depth = 0;
  std::vector<PixelCheck> pixels = {};
};

// Colours checked by hand: image-noalp-64 against ref/image-noalp-64.png, the
// gradient against its colour map (entry 0 cc cc cc, 1 black, 6 ee bb 00).
const std::vector<IffCase>& Cases() {
  static const std::vector<IffCase> cases = {
      {"gradient.iff", true, 320, 200, 8, {{0, 0, {0, 204, 204, 204}}, {25, 12, {0, 0, 0, 0}}, {319, 199, {0, 238, 187, 0}}}},
      {"gradient-uncompressed.iff", true, 320, 200, 8, {{0, 0, {0, 204, 204, 204}}, {100, 60, {0, 238, 187, 0}}}},
      {"image-noalp-64.ilbm", true, 64, 64, 24,
       {{0, 0, {0, 118, 118, 118}}, {32, 32, {0, 206, 43, 10}}, {5, 3, {0, 255, 255, 255}}, {63, 63, {0, 118, 118, 118}}}},
      {"small-24bit.iff", true, 10, 10, 24, {{0, 0, {0, 118, 254, 113}}}},
      {"ham6.iff", false},          // hold-and-modify
      {"test-stencil.iff", false},  // mask plane
      {"serenity.lbm", false},      // chunky FORM PBM
      {"bad/incorrect-cmap-size.iff", false},
      {"bad/incorrect-uncompressed-size.iff", false},
      {"bad/missing-BMHD.ILBM", false},
      {"bad/missing-body-chunk.iff", false},
      {"bad/oss-fuzz-testcase-63296.iff", false},
      {"bad/truncated-bmhd-chunk.iff", false},
  };
  return cases;
}

std::filesystem::path IlbmDir() { return DataDir() / "third_party" / "ilbm"; }

TEST(IffThirdParty, EveryFileLoadsOrIsRefusedAsExpected) {
  for (const IffCase& c : Cases()) {
    SCOPED_TRACE(c.file);
    CIffReader reader;
    ASSERT_EQ(reader.Load((IlbmDir() / c.file).string().c_str()), c.loads);
    if (!c.loads) continue;
    EXPECT_EQ(reader.m_nWidth, c.width);
    EXPECT_EQ(reader.m_nHeight, c.height);
    EXPECT_EQ(reader.m_nBitsPerPixel, c.depth);
    for (const PixelCheck& p : c.pixels) EXPECT_EQ(reader.GetPixelColour(p.x, p.y), p.colour) << p.x << "," << p.y;
  }
}

TEST(IffThirdParty, CompressedAndUncompressedGradientsAreTheSamePicture) {
  CIffReader packed;
  CIffReader plain;
  ASSERT_TRUE(packed.Load((IlbmDir() / "gradient.iff").string().c_str()));
  ASSERT_TRUE(plain.Load((IlbmDir() / "gradient-uncompressed.iff").string().c_str()));
  EXPECT_EQ(packed.m_pBits, plain.m_pBits);
  EXPECT_EQ(packed.m_pPalette, plain.m_pPalette);
}

TEST(IffThirdParty, TableCoversEveryPicture) {
  std::set<std::string> listed;
  for (const IffCase& c : Cases()) listed.insert(c.file);
  for (const auto& entry : std::filesystem::recursive_directory_iterator(IlbmDir())) {
    const std::string rel = std::filesystem::relative(entry.path(), IlbmDir()).generic_string();
    if (!entry.is_regular_file() || rel == "README.md" || rel.starts_with("ref/")) continue;
    EXPECT_TRUE(listed.count(rel)) << rel;
  }
}

}  // namespace
}  // namespace pixolan::test
