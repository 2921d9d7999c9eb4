#pragma once
// Reads the tile files of a Game Boy tile editor ("GBO0" followed by typed
// objects) and lays the tiles out left to right, top to bottom, in a 24-bit
// picture at most 128 pixels wide, each pixel painted in its final colour.
// Progress and problems go to the debug output only.
#include <array>
#include <cstddef>
#include <cstdint>
#include <vector>

#include "image/ImageReader.h"
#include "image/Colour.h"

namespace pixolan {

class CGbrReader : public CImageReader {
 public:
  using Palette4 = std::array<PaletteEntry, 4>;

  static constexpr std::uint16_t kNoTileDataId = 0xFFFF;
  static constexpr std::int32_t kMaxPictureWidth = 128;

  CGbrReader();

  std::uint8_t ColourSet() const { return m_nColourSet; }
  std::uint16_t TileDataId() const { return m_nTileDataId; }

 protected:
  bool Decode() override;

 private:
  // A reader may be loaded more than once; nothing of an earlier file may leak in.
  void ForgetPreviousFile();
  bool ReadObjects();
  bool HandleObject(std::uint16_t type, std::uint16_t id, CMappedFile& content);
  bool AcceptTileDataId(std::uint16_t id);
  bool AcceptReferencedId(CMappedFile& content, const char* rejectMessage);

  void ReadProducer(CMappedFile& content);
  bool ReadTileData(std::uint16_t id, CMappedFile& content);
  bool HasUsableTileGeometry();
  void ReadTileSettings(CMappedFile& content);
  void ReadPalettes(CMappedFile& content);
  void ReadTilePalettes(CMappedFile& content);

  bool BuildPicture();
  // The tile's palette, or null when the file does not supply one for it.
  const Palette4* ChoosePalette(std::uint32_t tile) const;
  bool TilePixelsInRange(const std::uint8_t* pixels) const;
  void PaintTile(std::uint32_t tile, const std::uint8_t* pixels, const Palette4& palette);

  // A tile-palette table in place in the file: one u32 palette number per tile.
  struct TilePaletteTable {
    const std::uint8_t* entries = nullptr;
    std::size_t count = 0;  // entries present in the file
  };

  std::uint16_t m_nTileWidth = 8;
  std::uint16_t m_nTileHeight = 8;
  std::uint16_t m_nTileCount = 0;
  std::uint16_t m_nTileDataId = kNoTileDataId;
  std::array<std::uint8_t, 4> m_colourMap{0, 1, 2, 3};
  const std::uint8_t* m_pTilePixels = nullptr;  // inside the open file's view
  std::size_t m_nTilePixelSize = 0;
  std::array<TilePaletteTable, 2> m_tilePalettes{};
  std::uint8_t m_nColourSet = 2;
  std::array<std::vector<Palette4>, 2> m_paletteLists;
  std::array<Palette4, 2> m_fixedPalettes{};  // grey, green
  std::int32_t m_nTilesPerRow = 0;
};

}  // namespace pixolan
