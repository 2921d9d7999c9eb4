#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "ReaderHelpers.h"
#include "image/GbrBuilder.h"
#include "image/GbrReader.h"
#include "image/ImageReaderList.h"

namespace pixolan::test {
namespace {

std::unique_ptr<CGbrReader> LoadGbr(const GbrFile& file) { return LoadAs<CGbrReader>(file.data()); }

const std::string kGreyWarning =
    "Warning: 1 tiles lack a palette or hold pixel values above 3 - painted with the grey palette\n";

ByteRow PixelsWith(std::size_t n, std::initializer_list<std::pair<std::size_t, std::uint8_t>> set) {
  ByteRow p(n, 0);
  for (auto [at, v] : set) p[at] = v;
  return p;
}

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

struct PaintCase {
  const char* what;
  std::function<void(GbrFile&)> build;
  std::vector<Probe> colours;
  int colourSet = -1;  // -1: not checked
};

// Palette p of a list has colour c = (10p + c (+100 in the second list), 20 + c, 30 + c).
const PaintCase kPaintCases[] = {
    {"part row of tiles leaves the rest black", [](GbrFile& f) { f.TileSettings(1, 1, 0).UniformTiles(1, 16, 16, 20); },
     {{63, 47, Grey(248)}, {64, 32, Grey(0)}, {127, 47, Grey(0)}}},
    {"tiles are row by row, placed left to right",
     [](GbrFile& f) {
       f.TileSettings(1, 1, 0).TileData(1, 8, 8, 17, {0, 1, 2, 3}, PixelsWith(17 * 64, {{8 * 8 + 1, 3}, {16 * 64 + 9, 2}}));
     },
     {{9, 0, Grey(0)}, {1, 9, Grey(120)}}},
    {"colour map chooses the entry",
     [](GbrFile& f) { f.TileSettings(1, 1, 0).TileData(1, 8, 8, 1, {3, 2, 1, 0}, PixelsWith(64, {{1, 3}, {2, 1}})); },
     {{0, 0, Grey(0)}, {1, 0, Grey(248)}, {2, 0, Grey(120)}}},
    {"colour set 1 is green", [](GbrFile& f) { f.TileSettings(1, 1, 1).UniformTiles(1, 8, 8, 1, 1); },
     {{0, 0, Rgb(56, 184, 64)}}},
    {"without settings tiles use their own palettes",
     [](GbrFile& f) { f.Palettes(5, 1, 3, 0).TilePalette(6, 1, {2, 0}, {}).UniformTiles(1, 8, 8, 2, 1); },
     {{0, 0, Rgb(21, 21, 31)}, {8, 0, Rgb(1, 21, 31)}}, 2},
    {"eleven-byte settings keep the default",
     [](GbrFile& f) { f.TileSettings(1, 1, 0, 11).Palettes(5, 1, 1, 0).TilePalette(6, 1, {0}, {}).UniformTiles(1, 8, 8, 1, 3); },
     {}, 2},
    {"twelve-byte settings are read", [](GbrFile& f) { f.TileSettings(1, 1, 0, 12).UniformTiles(1, 8, 8, 1); }, {}, 0},
    {"colour set 4 paints like 2",
     [](GbrFile& f) { f.TileSettings(1, 1, 4).Palettes(5, 1, 2, 2).TilePalette(6, 1, {1}, {0}).UniformTiles(1, 8, 8, 1, 0); },
     {{0, 0, Rgb(10, 20, 30)}}},
    {"colour set 3 uses the second lists",
     [](GbrFile& f) { f.TileSettings(1, 1, 3).Palettes(5, 1, 2, 2).TilePalette(6, 1, {1}, {1}).UniformTiles(1, 8, 8, 1, 0); },
     {{0, 0, Rgb(110, 20, 30)}}},
    {"a second load starts afresh: another id in another file",
     [](GbrFile& f) { f.UniformTiles(2, 16, 16, 1); }, {{0, 0, Grey(248)}}, 2},
};

TEST(GbrReader, PaintsTilesWithTheirColourSetAndPalettes) {
  CGbrReader reader;
  for (const PaintCase& c : kPaintCases) {
    SCOPED_TRACE(c.what);
    GbrFile file;
    c.build(file);
    ASSERT_TRUE(reader.LoadMemory(file.data().data(), file.data().size()));  // one reader for all: nothing carries over
    ExpectColours(reader, c.colours);
    if (c.colourSet >= 0) {
      EXPECT_EQ(reader.ColourSet(), c.colourSet);
    }
  }
  EXPECT_EQ(reader.m_nHeight, 16);
}

TEST(GbrReader, TilesWithoutAUsablePaletteArePaintedGrey) {
  const std::function<void(GbrFile&)> builds[] = {
      [](GbrFile& f) { f.UniformTiles(1, 8, 8, 1, 0); },                                               // no palettes
      [](GbrFile& f) { f.Palettes(5, 1, 2, 0).TilePalette(6, 1, {2}, {}).UniformTiles(1, 8, 8, 1, 0); },  // past the list
      [](GbrFile& f) { f.Palettes(5, 1, 2, 0).TilePalette(6, 1, {}, {}).UniformTiles(1, 8, 8, 1, 0); },   // short table
      [](GbrFile& f) { f.TileSettings(1, 1, 0).TileData(1, 8, 8, 1, {0, 1, 2, 3}, ByteRow(64, 4)); },     // pixel 4
      [](GbrFile& f) { f.TileSettings(1, 1, 0).TileData(1, 8, 8, 1, {4, 1, 2, 3}, ByteRow(64, 0)); },     // map to 4
  };
  for (const auto& build : builds) {
    GbrFile file;
    build(file);
    DebugLog log;
    auto image = LoadGbr(file);
    ASSERT_NE(image, nullptr);
    EXPECT_EQ(image->GetPixelColour(0, 0), Grey(248));  // out-of-range values keep their low two bits
    EXPECT_NE(log.text().find(kGreyWarning), std::string::npos) << log.text();
  }
  GbrFile unknownSet;
  unknownSet.TileSettings(1, 1, 5).UniformTiles(1, 8, 8, 1, 3);
  DebugLog log;
  auto image = LoadGbr(unknownSet);
  ASSERT_NE(image, nullptr);
  EXPECT_EQ(image->GetPixelColour(0, 0), Grey(0));
  EXPECT_NE(log.text().find("Warning: Unknown colour set 5 - tiles painted with the grey palette\n"), std::string::npos);
}

TEST(GbrReader, OnlyOneTileSetIsRead) {
  GbrFile second;
  second.TileSettings(1, 1, 0).UniformTiles(1, 8, 8, 3).UniformTiles(2, 16, 16, 40);
  DebugLog log;
  auto image = LoadGbr(second);
  ASSERT_NE(image, nullptr);
  EXPECT_EQ(image->m_nHeight, 8);
  EXPECT_NE(log.text().find("Tile Data\nError: Only handle one lot of tile data - sorry\n"), std::string::npos);
  // Palettes before the tile data fix the tile set's id: the only tile set is rejected.
  GbrFile early;
  early.Palettes(5, 7, 1, 0).UniformTiles(1, 8, 8, 1);
  DebugLog earlyLog;
  EXPECT_EQ(LoadGbr(early), nullptr);
  EXPECT_EQ(earlyLog.text(), "Palettes\nTile Data\nError: Only handle one lot of tile data - sorry\n");
}

TEST(GbrReader, WritesTheObjectLog) {
  Bytes producer;
  producer.text("Tile Designer").fill(17, 0).text("2.2").fill(7, 0).text(std::string(80, 'i'));  // info without NUL
  GbrFile file;
  file.Object(0x01, 0, producer.data()).Object(0xFF, 1, {1, 2, 3}).TileSettings(2, 1, 0).Object(0x04, 3, {0, 0})
      .Object(0x05, 4, {}).Object(0x42, 9, {1}).UniformTiles(1, 8, 8, 1);
  DebugLog log;
  ASSERT_NE(LoadGbr(file), nullptr);
  EXPECT_EQ(log.text(), "Producer\nTile Designer\n2.2\n" + std::string(80, 'i') +
                            "\nDeleted\nTile Settings\n"
                            "Tile Export\nSkipping Object Chunk: dont require anything from the Tile Export at present\n"
                            "Tile Import\nSkipping Object Chunk: dont require anything from the Tile Import at present\n"
                            "Error: Unknown Object Type Found\nTile Data\ntiles\n");
  // Objects for another tile set are skipped with their messages.
  GbrFile other;
  other.UniformTiles(1, 8, 8, 1).TileSettings(3, 2, 0).Palettes(5, 2, 1, 0).TilePalette(6, 2, {0}, {});
  DebugLog otherLog;
  auto image = LoadGbr(other);
  ASSERT_NE(image, nullptr);
  EXPECT_EQ(image->ColourSet(), 2);
  EXPECT_EQ(otherLog.text(), "Tile Data\ntiles\n"
                             "Tile Settings\nError: Palettes are not for the correct Tile Data read in\n"
                             "Palettes\nError: Palettes are not for the correct Tile Data read in\n"
                             "Tile Palette\nError: Tile Palettes are not for the correct Tile Data read in\n" +
                                 kGreyWarning);
}

TEST(GbrReader, RefusesFilesWithoutACompleteTileSet) {
  GbrFile none;
  none.TileSettings(1, 1, 0);
  EXPECT_EQ(LoadGbr(none), nullptr);
  for (auto [w, h, n] : {std::tuple{0, 8, 1}, {129, 8, 1}, {8, 0, 1}, {8, 8, 0}, {8, 16385, 1}, {128, 8193, 3}}) {
    GbrFile file;
    file.TileData(1, static_cast<std::uint16_t>(w), static_cast<std::uint16_t>(h), static_cast<std::uint16_t>(n),
                  {0, 1, 2, 3}, ByteRow(64, 0));
    EXPECT_EQ(LoadGbr(file), nullptr) << w << "x" << h << "x" << n;
  }
  GbrFile bad;
  bad.data()[3] = '1';
  EXPECT_EQ(LoadGbr(bad), nullptr);
  GbrFile file;
  file.UniformTiles(1, 8, 8, 2);
  ASSERT_NE(LoadGbr(file), nullptr);
  GbrFile truncated = file;
  truncated.data().pop_back();
  EXPECT_EQ(LoadGbr(truncated), nullptr);
  // The object's own length ends before the pixels do, though the file goes on.
  file.data()[4 + 4] -= 1;
  file.Object(0xFF, 0, ByteRow(8, 0));
  EXPECT_EQ(LoadGbr(file), nullptr);
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
  EXPECT_EQ(image->GetPixelColour(0, 0), Rgb(0, 20, 30));  // tile 0: palette 0
  EXPECT_EQ(image->GetPixelColour(8, 0), Grey(248));       // tile 1: no table entry
}

}  // namespace
}  // namespace pixolan::test
