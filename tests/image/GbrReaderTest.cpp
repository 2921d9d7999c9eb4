#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "framework/DebugOutput.h"
#include "image/GbrBuilder.h"
#include "image/GbrReader.h"
#include "image/ImageReaderList.h"

namespace pixolan::test {
namespace {

// Collects the debug output for the lifetime of the object.
class DebugLog {
 public:
  DebugLog() : m_previous(SetDebugSink([this](std::string_view t) { m_text.append(t); })) {}
  ~DebugLog() { SetDebugSink(std::move(m_previous)); }
  const std::string& text() const { return m_text; }

 private:
  std::string m_text;
  DebugSink m_previous;
};

std::unique_ptr<CGbrReader> LoadGbr(const GbrFile& file) {
  auto reader = std::make_unique<CGbrReader>();
  if (!reader->LoadMemory(file.data().data(), file.data().size())) return nullptr;
  return reader;
}

const PaletteEntry kGreyLight{0, 248, 248, 248};
const PaletteEntry kBlack{0, 0, 0, 0};

TEST(GbrReader, LaysTilesOutAtMost128PixelsWide) {
  struct Case {
    std::uint16_t size, count;
    int width, height;
  };
  for (Case c : {Case{8, 256, 128, 128}, Case{16, 20, 128, 48}, Case{32, 3, 128, 32}, Case{128, 2, 128, 256},
                 Case{24, 1, 120, 24}}) {
    GbrFile file;
    file.TileSettings(1, 1, 0).UniformTiles(1, c.size, c.size, c.count);
    auto image = LoadGbr(file);
    ASSERT_NE(image, nullptr) << c.size;
    EXPECT_EQ(image->m_nWidth, c.width);
    EXPECT_EQ(image->m_nHeight, c.height);
    EXPECT_EQ(image->m_nBitsPerPixel, 24);
    EXPECT_FALSE(image->HasPalette());
  }
}

TEST(GbrReader, PartRowOfTilesLeavesTheRestBlack) {
  GbrFile file;
  file.TileSettings(1, 1, 0).UniformTiles(1, 16, 16, 20);
  auto image = LoadGbr(file);
  ASSERT_NE(image, nullptr);
  EXPECT_EQ(image->GetPixelColour(63, 47), kGreyLight);  // last pixel of tile 19
  EXPECT_EQ(image->GetPixelColour(64, 32), kBlack);
  EXPECT_EQ(image->GetPixelColour(127, 47), kBlack);
}

TEST(GbrReader, TilesAreStoredRowByRowAndPlacedLeftToRight) {
  std::vector<std::uint8_t> pixels(2 * 8 * 128, 0);
  pixels[8 * 8 + 1] = 3;   // tile 1, row 0, column 1
  pixels[16 * 64 + 9] = 2;  // tile 16 (second tile row), row 1, column 1
  GbrFile file;
  file.TileSettings(1, 1, 0).TileData(1, 8, 8, 17, {0, 1, 2, 3}, std::vector<std::uint8_t>(pixels.begin(), pixels.begin() + 17 * 64));
  auto image = LoadGbr(file);
  ASSERT_NE(image, nullptr);
  EXPECT_EQ(image->GetPixelColour(9, 0), kBlack);
  EXPECT_EQ(image->GetPixelColour(1, 9), (PaletteEntry{0, 120, 120, 120}));
}

TEST(GbrReader, ColourMapChoosesThePaletteEntry) {
  GbrFile file;
  file.TileSettings(1, 1, 0).TileData(1, 8, 8, 1, {3, 2, 1, 0}, [] {
    std::vector<std::uint8_t> p(64, 0);
    p[1] = 3;
    p[2] = 1;
    return p;
  }());
  auto image = LoadGbr(file);
  ASSERT_NE(image, nullptr);
  EXPECT_EQ(image->GetPixelColour(0, 0), kBlack);
  EXPECT_EQ(image->GetPixelColour(1, 0), kGreyLight);
  EXPECT_EQ(image->GetPixelColour(2, 0), (PaletteEntry{0, 120, 120, 120}));
  EXPECT_EQ(image->m_ppRows[0][3], 248);
}

TEST(GbrReader, ColourSetOneUsesTheGreenPalette) {
  GbrFile file;
  file.TileSettings(1, 1, 1).UniformTiles(1, 8, 8, 1, 1);
  auto image = LoadGbr(file);
  ASSERT_NE(image, nullptr);
  EXPECT_EQ(image->GetPixelColour(0, 0), (PaletteEntry{0, 56, 184, 64}));
}

TEST(GbrReader, WithoutTileSettingsTilesUseTheirOwnPalettes) {
  GbrFile file;
  file.Palettes(5, 1, 3, 0).TilePalette(6, 1, {2, 0}, {}).UniformTiles(1, 8, 8, 2, 1);
  auto image = LoadGbr(file);
  ASSERT_NE(image, nullptr);
  EXPECT_EQ(image->ColourSet(), 2);
  EXPECT_EQ(image->GetPixelColour(0, 0), (PaletteEntry{0, 21, 21, 31}));  // palette 2, colour 1
  EXPECT_EQ(image->GetPixelColour(8, 0), (PaletteEntry{0, 1, 21, 31}));   // palette 0, colour 1
}

TEST(GbrReader, ElevenByteTileSettingsKeepTheDefault) {
  GbrFile shortSettings;
  shortSettings.TileSettings(1, 1, 0, 11).Palettes(5, 1, 1, 0).TilePalette(6, 1, {0}, {}).UniformTiles(1, 8, 8, 1, 3);
  auto image = LoadGbr(shortSettings);
  ASSERT_NE(image, nullptr);
  EXPECT_EQ(image->ColourSet(), 2);
  GbrFile twelve;
  twelve.TileSettings(1, 1, 0, 12).UniformTiles(1, 8, 8, 1);
  image = LoadGbr(twelve);
  ASSERT_NE(image, nullptr);
  EXPECT_EQ(image->ColourSet(), 0);
}

TEST(GbrReader, ColourSetFourPaintsLikeTwoAndThreeUsesTheSecondLists) {
  GbrFile four;
  four.TileSettings(1, 1, 4).Palettes(5, 1, 2, 2).TilePalette(6, 1, {1}, {0}).UniformTiles(1, 8, 8, 1, 0);
  auto image = LoadGbr(four);
  ASSERT_NE(image, nullptr);
  EXPECT_EQ(image->GetPixelColour(0, 0), (PaletteEntry{0, 10, 20, 30}));
  GbrFile three;
  three.TileSettings(1, 1, 3).Palettes(5, 1, 2, 2).TilePalette(6, 1, {1}, {1}).UniformTiles(1, 8, 8, 1, 0);
  image = LoadGbr(three);
  ASSERT_NE(image, nullptr);
  EXPECT_EQ(image->GetPixelColour(0, 0), (PaletteEntry{0, 110, 20, 30}));
}

TEST(GbrReader, TilesWithoutAUsablePaletteArePaintedGrey) {
  const std::string warning = "Warning: 1 tiles lack a palette or hold pixel values above 3 - painted with the grey palette\n";
  GbrFile noPalettes;
  noPalettes.UniformTiles(1, 8, 8, 1, 0);
  GbrFile beyondList;
  beyondList.Palettes(5, 1, 2, 0).TilePalette(6, 1, {2}, {}).UniformTiles(1, 8, 8, 1, 0);
  GbrFile shortTable;
  shortTable.Palettes(5, 1, 2, 0).TilePalette(6, 1, {}, {}).UniformTiles(1, 8, 8, 1, 0);
  GbrFile badPixel;
  badPixel.TileSettings(1, 1, 0).TileData(1, 8, 8, 1, {0, 1, 2, 3}, std::vector<std::uint8_t>(64, 4));
  GbrFile badMap;
  badMap.TileSettings(1, 1, 0).TileData(1, 8, 8, 1, {4, 1, 2, 3}, std::vector<std::uint8_t>(64, 0));
  for (const GbrFile* file : {&noPalettes, &beyondList, &shortTable, &badPixel, &badMap}) {
    DebugLog log;
    auto image = LoadGbr(*file);
    ASSERT_NE(image, nullptr);
    EXPECT_EQ(image->GetPixelColour(0, 0), kGreyLight);  // out-of-range values keep their low two bits
    EXPECT_NE(log.text().find(warning), std::string::npos) << log.text();
  }
  GbrFile unknownSet;
  unknownSet.TileSettings(1, 1, 5).UniformTiles(1, 8, 8, 1, 3);
  DebugLog log;
  auto image = LoadGbr(unknownSet);
  ASSERT_NE(image, nullptr);
  EXPECT_EQ(image->GetPixelColour(0, 0), kBlack);
  EXPECT_NE(log.text().find("Warning: Unknown colour set 5 - tiles painted with the grey palette\n"), std::string::npos);
}

TEST(GbrReader, SecondTileSetIsRejectedAndTheFirstStays) {
  GbrFile file;
  file.TileSettings(1, 1, 0).UniformTiles(1, 8, 8, 3).UniformTiles(2, 16, 16, 40);
  DebugLog log;
  auto image = LoadGbr(file);
  ASSERT_NE(image, nullptr);
  EXPECT_EQ(image->m_nHeight, 8);
  EXPECT_NE(log.text().find("Tile Data\nError: Only handle one lot of tile data - sorry\n"), std::string::npos);
}

TEST(GbrReader, PalettesBeforeTileDataFixTheTileSet) {
  GbrFile file;
  file.Palettes(5, 7, 1, 0).UniformTiles(1, 8, 8, 1);
  DebugLog log;
  EXPECT_EQ(LoadGbr(file), nullptr);  // the only tile set was rejected
  EXPECT_EQ(log.text(), "Palettes\nTile Data\nError: Only handle one lot of tile data - sorry\n");
}

TEST(GbrReader, ObjectsForAnotherTileSetAreSkippedWithTheirMessages) {
  GbrFile file;
  file.UniformTiles(1, 8, 8, 1).TileSettings(3, 2, 0).Palettes(5, 2, 1, 0).TilePalette(6, 2, {0}, {});
  DebugLog log;
  auto image = LoadGbr(file);
  ASSERT_NE(image, nullptr);
  EXPECT_EQ(image->ColourSet(), 2);
  EXPECT_EQ(log.text(),
            "Tile Data\ntiles\n"
            "Tile Settings\nError: Palettes are not for the correct Tile Data read in\n"
            "Palettes\nError: Palettes are not for the correct Tile Data read in\n"
            "Tile Palette\nError: Tile Palettes are not for the correct Tile Data read in\n"
            "Warning: 1 tiles lack a palette or hold pixel values above 3 - painted with the grey palette\n");
}

TEST(GbrReader, WritesTheObjectLog) {
  Bytes producer;
  producer.text("Tile Designer").fill(17, 0).text("2.2").fill(7, 0).text(std::string(80, 'i'));  // info without NUL
  GbrFile file;
  file.Object(0x01, 0, producer.data())
      .Object(0xFF, 1, {1, 2, 3})
      .TileSettings(2, 1, 0)
      .Object(0x04, 3, {0, 0})
      .Object(0x05, 4, {})
      .Object(0x42, 9, {1})
      .UniformTiles(1, 8, 8, 1);
  DebugLog log;
  ASSERT_NE(LoadGbr(file), nullptr);
  EXPECT_EQ(log.text(), "Producer\nTile Designer\n2.2\n" + std::string(80, 'i') +
                            "\nDeleted\nTile Settings\n"
                            "Tile Export\nSkipping Object Chunk: dont require anything from the Tile Export at present\n"
                            "Tile Import\nSkipping Object Chunk: dont require anything from the Tile Import at present\n"
                            "Error: Unknown Object Type Found\n"
                            "Tile Data\ntiles\n");
}

TEST(GbrReader, RefusesFilesWithoutACompleteTileSet) {
  GbrFile none;
  none.TileSettings(1, 1, 0);
  EXPECT_EQ(LoadGbr(none), nullptr);
  for (auto [w, h, n] : {std::tuple{0, 8, 1}, std::tuple{129, 8, 1}, std::tuple{8, 0, 1}, std::tuple{8, 8, 0},
                         std::tuple{8, 16385, 1}, std::tuple{128, 8193, 3}}) {
    GbrFile file;
    file.TileData(1, static_cast<std::uint16_t>(w), static_cast<std::uint16_t>(h), static_cast<std::uint16_t>(n),
                  {0, 1, 2, 3}, std::vector<std::uint8_t>(64, 0));
    EXPECT_EQ(LoadGbr(file), nullptr) << w << "x" << h << "x" << n;
  }
  GbrFile bad;
  bad.data()[3] = '1';
  EXPECT_EQ(LoadGbr(bad), nullptr);
}

TEST(GbrReader, RefusesTileDataCutShort) {
  GbrFile file;
  file.UniformTiles(1, 8, 8, 2);
  ASSERT_NE(LoadGbr(file), nullptr);
  GbrFile truncated = file;
  truncated.data().pop_back();
  EXPECT_EQ(LoadGbr(truncated), nullptr);
  // The object's own length ends before the pixels do, though the file goes on.
  GbrFile shortObject = file;
  shortObject.data()[4 + 4] -= 1;
  shortObject.Object(0xFF, 0, std::vector<std::uint8_t>(8, 0));
  EXPECT_EQ(LoadGbr(shortObject), nullptr);
}

TEST(GbrReader, TablesCutShortKeepWhatIsPresent) {
  GbrFile file;
  file.TileSettings(1, 1, 2).UniformTiles(1, 8, 8, 2, 0);
  GbrFile palettes;
  palettes.Palettes(5, 1, 2, 0);
  auto& p = palettes.data();
  p[4 + 4] = static_cast<std::uint8_t>(2 + 2 + 16 + 3);  // the second palette is cut after 3 bytes
  p.resize(4 + 8 + 2 + 2 + 16 + 3);
  GbrFile table;
  table.TilePalette(6, 1, {0, 0}, {});
  table.data()[4 + 4] = 2 + 2 + 4 + 2;  // count 2, one entry and a half present
  table.data().resize(4 + 8 + 2 + 2 + 4 + 2);
  file.data().insert(file.data().end(), p.begin() + 4, p.end());
  file.data().insert(file.data().end(), table.data().begin() + 4, table.data().end());
  DebugLog log;
  auto image = LoadGbr(file);
  ASSERT_NE(image, nullptr);
  EXPECT_EQ(image->GetPixelColour(0, 0), (PaletteEntry{0, 0, 20, 30}));  // tile 0: palette 0
  EXPECT_EQ(image->GetPixelColour(8, 0), kGreyLight);                   // tile 1: no table entry
}

TEST(GbrReader, ASecondLoadStartsAfresh) {
  GbrFile first;
  first.TileSettings(1, 1, 0).UniformTiles(1, 8, 8, 1);
  GbrFile second;
  second.UniformTiles(2, 16, 16, 1);
  CGbrReader reader;
  ASSERT_TRUE(reader.LoadMemory(first.data().data(), first.data().size()));
  ASSERT_TRUE(reader.LoadMemory(second.data().data(), second.data().size()));  // another id is fine in another file
  EXPECT_EQ(reader.m_nHeight, 16);
  EXPECT_EQ(reader.ColourSet(), 2);
}

TEST(GbrReader, ReachedThroughTheReaderListByExtension) {
  GbrFile file;
  file.UniformTiles(1, 8, 8, 1);
  CImageReaderList list;
  EXPECT_NE(list.OpenImageFromMemory("tiles.GBR", file.data().data(), file.data().size()), nullptr);
  EXPECT_NE(list.OpenImageFromMemory("tiles.gbr", file.data().data(), file.data().size()), nullptr);
}

}  // namespace
}  // namespace pixolan::test
