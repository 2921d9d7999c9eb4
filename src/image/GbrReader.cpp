#include "image/GbrReader.h"

#include <algorithm>
#include <cstring>
#include <string>
#include <string_view>

#include "framework/ByteOrder.h"
#include "framework/DebugOutput.h"

namespace pixolan {
namespace {

constexpr std::uint32_t kSignature = 0x304F4247;  // "GBO0"

enum ObjectType : std::uint16_t {
  kProducer = 0x01,
  kTileData = 0x02,
  kTileSettings = 0x03,
  kTileExport = 0x04,
  kTileImport = 0x05,
  kPalettes = 0x0D,
  kTilePalette = 0x0E,
  kDeleted = 0xFF,
};

struct ObjectName {
  std::uint16_t type;
  const char* text;  // written whenever an object of this type is met
};

constexpr ObjectName kObjectNames[] = {
    {kProducer, "Producer\n"},         {kTileData, "Tile Data\n"}, {kTileSettings, "Tile Settings\n"},
    {kTileExport, "Tile Export\n"},    {kTileImport, "Tile Import\n"}, {kPalettes, "Palettes\n"},
    {kTilePalette, "Tile Palette\n"},  {kDeleted, "Deleted\n"},
};

constexpr std::size_t kNameField = 30;
constexpr std::size_t kVersionField = 10;
constexpr std::size_t kInfoField = 80;
constexpr std::size_t kSettingsBeforeColourSet = 9;  // after the tile-data id
constexpr std::size_t kPaletteBytes = 16;            // four colours of four bytes
constexpr std::uint8_t kHighestColourSet = 4;        // 4 occurs in real files and means what 2 does

constexpr std::uint8_t FromFiveBits(int v) { return static_cast<std::uint8_t>(v * 8); }

constexpr PaletteEntry FiveBitColour(int r, int g, int b) {
  return PaletteEntry{0, FromFiveBits(r), FromFiveBits(g), FromFiveBits(b)};
}

// A zero-terminated text in a fixed field: at most the field is printed.
void WriteFieldText(CMappedFile& content, std::size_t field) {
  const std::size_t present = std::min(field, content.Remaining());
  if (present == 0) return;
  const char* text = reinterpret_cast<const char*>(content.ReadSpan(present));
  const void* nul = std::memchr(text, 0, present);
  const std::size_t length = nul != nullptr ? static_cast<std::size_t>(static_cast<const char*>(nul) - text) : present;
  OutputDebugString(std::string(text, length) + "\n");
}

std::uint32_t ReadU32LEAt(const std::uint8_t* p) { return ReadLe32(p); }

}  // namespace

CGbrReader::CGbrReader() {
  m_fixedPalettes[0] = {FiveBitColour(31, 31, 31), FiveBitColour(23, 23, 23), FiveBitColour(15, 15, 15),
                        FiveBitColour(0, 0, 0)};
  m_fixedPalettes[1] = {FiveBitColour(28, 30, 5), FiveBitColour(7, 23, 8), FiveBitColour(4, 14, 6),
                        FiveBitColour(0, 7, 6)};
}

bool CGbrReader::Decode() {
  ForgetPreviousFile();
  return ReadObjects() && BuildPicture();
}

void CGbrReader::ForgetPreviousFile() {
  m_nTileWidth = 8;
  m_nTileHeight = 8;
  m_nTileCount = 0;
  m_nTileDataId = kNoTileDataId;
  m_colourMap = {0, 1, 2, 3};
  m_pTilePixels = nullptr;
  m_nTilePixelSize = 0;
  m_tilePalettes = {};
  m_nColourSet = 2;
  for (auto& list : m_paletteLists) list.clear();
  m_nTilesPerRow = 0;
}

bool CGbrReader::ReadObjects() {
  std::uint32_t signature = 0;
  if (!m_file.ReadU32LE(signature) || signature != kSignature) return Refuse("not a GBR file");
  while (!m_file.AtEnd()) {
    std::uint16_t type = 0;
    std::uint16_t id = 0;
    std::uint32_t length = 0;
    // A torn header at the end of the file ends the object list.
    if (!m_file.ReadU16LE(type) || !m_file.ReadU16LE(id) || !m_file.ReadU32LE(length)) break;
    // Handlers see only their object's content, so short or overlong fields
    // never reach into the next object; the next object starts after it.
    const std::size_t available = static_cast<std::size_t>(std::min<std::uint64_t>(length, m_file.Remaining()));
    const std::uint8_t* data = m_file.ReadSpan(available);
    if (data == nullptr) return false;
    CMappedFile content;
    content.OpenMemory(data, available);
    if (!HandleObject(type, id, content)) return false;
  }
  return true;
}

bool CGbrReader::HandleObject(std::uint16_t type, std::uint16_t id, CMappedFile& content) {
  const auto named = std::find_if(std::begin(kObjectNames), std::end(kObjectNames),
                                  [type](const ObjectName& n) { return n.type == type; });
  if (named == std::end(kObjectNames)) {
    OutputDebugString("Error: Unknown Object Type Found\n");
    return true;
  }
  OutputDebugString(named->text);
  switch (type) {
    case kProducer:
      ReadProducer(content);
      return true;
    case kTileData:
      return ReadTileData(id, content);
    case kTileSettings:
      ReadTileSettings(content);
      return true;
    case kTileExport:
      OutputDebugString("Skipping Object Chunk: dont require anything from the Tile Export at present\n");
      return true;
    case kTileImport:
      OutputDebugString("Skipping Object Chunk: dont require anything from the Tile Import at present\n");
      return true;
    case kPalettes:
      ReadPalettes(content);
      return true;
    case kTilePalette:
      ReadTilePalettes(content);
      return true;
    default:
      return true;  // deleted objects carry nothing we use
  }
}

// Every object refers to one tile set: the first id seen is the one kept.
bool CGbrReader::AcceptTileDataId(std::uint16_t id) {
  if (m_nTileDataId != kNoTileDataId && m_nTileDataId != id) return false;
  m_nTileDataId = id;
  return true;
}

bool CGbrReader::AcceptReferencedId(CMappedFile& content, const char* rejectMessage) {
  std::uint16_t id = 0;
  if (!content.ReadU16LE(id)) return false;  // too short to name its tile set
  if (AcceptTileDataId(id)) return true;
  OutputDebugString(rejectMessage);
  return false;
}

void CGbrReader::ReadProducer(CMappedFile& content) {
  WriteFieldText(content, kNameField);
  WriteFieldText(content, kVersionField);
  WriteFieldText(content, kInfoField);
}

bool CGbrReader::ReadTileData(std::uint16_t id, CMappedFile& content) {
  if (!AcceptTileDataId(id)) {
    OutputDebugString("Error: Only handle one lot of tile data - sorry\n");
    return true;
  }
  WriteFieldText(content, kNameField);
  if (content.Tell() != static_cast<std::int64_t>(kNameField)) return Refuse("tile data cut short");
  if (!content.ReadU16LE(m_nTileWidth) || !content.ReadU16LE(m_nTileHeight) || !content.ReadU16LE(m_nTileCount) ||
      !content.ReadBytes(m_colourMap.data(), m_colourMap.size())) {
    return Refuse("tile data cut short");
  }
  if (!HasUsableTileGeometry()) return false;
  // The tile pixels must all be present: a tile set cut short is refused.
  m_nTilePixelSize = std::size_t{m_nTileCount} * m_nTileHeight * m_nTileWidth;
  m_pTilePixels = content.ReadSpan(m_nTilePixelSize);
  if (m_pTilePixels == nullptr) return Refuse("tile data cut short");
  m_nBitsPerPixel = 24;
  m_nTilesPerRow = kMaxPictureWidth / m_nTileWidth;
  m_nWidth = m_nTileWidth * m_nTilesPerRow;
  m_nHeight = ((m_nTileCount + m_nTilesPerRow - 1) / m_nTilesPerRow) * m_nTileHeight;
  SetChannelMasks(0, 0xFF0000, 0xFF00, 0xFF);
  return true;
}

bool CGbrReader::HasUsableTileGeometry() {
  if (m_nTileWidth == 0 || m_nTileWidth > kMaxPictureWidth || m_nTileHeight == 0) {
    return Refuse("tiles of " + std::to_string(m_nTileWidth) + "x" + std::to_string(m_nTileHeight) + " pixels");
  }
  if (m_nTileCount == 0) return Refuse("no tiles");
  const std::int64_t tilesPerRow = kMaxPictureWidth / m_nTileWidth;
  const std::int64_t rows = (m_nTileCount + tilesPerRow - 1) / tilesPerRow;
  const std::string problem = ImageSizeProblem(m_nTileWidth * tilesPerRow, rows * m_nTileHeight);
  return problem.empty() || Refuse(problem);
}

void CGbrReader::ReadTileSettings(CMappedFile& content) {
  if (!AcceptReferencedId(content, "Error: Palettes are not for the correct Tile Data read in\n")) return;
  std::uint8_t colourSet = 0;
  // The colour set follows the unused bytes; shorter objects keep the default.
  if (content.Skip(kSettingsBeforeColourSet) && content.ReadU8(colourSet)) m_nColourSet = colourSet;
}

// Two lists, each a count and that many palettes; a list cut short by the
// object's end keeps the palettes that are present.
void CGbrReader::ReadPalettes(CMappedFile& content) {
  if (!AcceptReferencedId(content, "Error: Palettes are not for the correct Tile Data read in\n")) return;
  for (std::vector<Palette4>& list : m_paletteLists) {
    list.clear();
    std::uint16_t count = 0;
    if (!content.ReadU16LE(count)) return;
    for (std::uint16_t i = 0; i < count; ++i) {
      const std::uint8_t* p = content.ReadSpan(kPaletteBytes);
      if (p == nullptr) return;
      Palette4 palette;
      for (std::size_t c = 0; c < palette.size(); ++c, p += 4) palette[c] = PaletteEntry{p[3], p[0], p[1], p[2]};
      list.push_back(palette);
    }
  }
}

void CGbrReader::ReadTilePalettes(CMappedFile& content) {
  if (!AcceptReferencedId(content, "Error: Tile Palettes are not for the correct Tile Data read in\n")) return;
  for (TilePaletteTable& table : m_tilePalettes) {
    table = TilePaletteTable{};
    std::uint16_t count = 0;
    if (!content.ReadU16LE(count)) return;
    table.count = std::min<std::size_t>(count, content.Remaining() / 4);
    table.entries = content.ReadSpan(table.count * 4);
    if (table.count < count) return;
  }
}

bool CGbrReader::BuildPicture() {
  if (m_pTilePixels == nullptr) return Refuse("no tile data");
  if (!Create(m_nWidth, m_nHeight, m_nBitsPerPixel)) return false;
  if (m_nColourSet > kHighestColourSet) {
    OutputDebugString("Warning: Unknown colour set " + std::to_string(m_nColourSet) +
                      " - tiles painted with the grey palette\n");
  }
  const std::size_t tileSize = std::size_t{m_nTileWidth} * m_nTileHeight;
  std::uint32_t greyTiles = 0;
  for (std::uint32_t t = 0; t < m_nTileCount; ++t) {
    const std::uint8_t* pixels = m_pTilePixels + t * tileSize;
    const Palette4* palette = ChoosePalette(t);
    if (palette == nullptr || !TilePixelsInRange(pixels)) {
      palette = &m_fixedPalettes[0];
      if (m_nColourSet <= kHighestColourSet) ++greyTiles;
    }
    PaintTile(t, pixels, *palette);
  }
  if (greyTiles > 0) {
    OutputDebugString("Warning: " + std::to_string(greyTiles) +
                      " tiles lack a palette or hold pixel values above 3 - painted with the grey palette\n");
  }
  return true;
}

const CGbrReader::Palette4* CGbrReader::ChoosePalette(std::uint32_t tile) const {
  std::size_t list = 0;
  switch (m_nColourSet) {
    case 0:
      return &m_fixedPalettes[0];
    case 1:
      return &m_fixedPalettes[1];
    case 2:
    case 4:
      list = 0;
      break;
    case 3:
      list = 1;
      break;
    default:
      return nullptr;
  }
  const TilePaletteTable& table = m_tilePalettes[list];
  if (tile >= table.count) return nullptr;
  const std::uint32_t number = ReadU32LEAt(table.entries + 4 * std::size_t{tile});
  if (number >= m_paletteLists[list].size()) return nullptr;
  return &m_paletteLists[list][number];
}

// Pixel values index the four-entry colour map, whose entries index the palette.
bool CGbrReader::TilePixelsInRange(const std::uint8_t* pixels) const {
  const std::size_t tileSize = std::size_t{m_nTileWidth} * m_nTileHeight;
  return std::all_of(pixels, pixels + tileSize,
                     [this](std::uint8_t v) { return v < m_colourMap.size() && m_colourMap[v] < 4; });
}

void CGbrReader::PaintTile(std::uint32_t tile, const std::uint8_t* pixels, const Palette4& palette) {
  const std::int32_t left = static_cast<std::int32_t>(tile % static_cast<std::uint32_t>(m_nTilesPerRow)) * m_nTileWidth;
  const std::int32_t top = static_cast<std::int32_t>(tile / static_cast<std::uint32_t>(m_nTilesPerRow)) * m_nTileHeight;
  for (std::int32_t r = 0; r < m_nTileHeight; ++r) {
    std::uint8_t* out = m_ppRows[static_cast<std::size_t>(top + r)] + 3 * static_cast<std::size_t>(left);
    for (std::int32_t c = 0; c < m_nTileWidth; ++c) {
      // Out-of-range values only reach here on the grey fallback; keep them in bounds.
      const PaletteEntry& colour = palette[m_colourMap[*pixels++ & 3u] & 3u];
      *out++ = colour.blue;
      *out++ = colour.green;
      *out++ = colour.red;
    }
  }
}

}  // namespace pixolan
