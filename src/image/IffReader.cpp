#include "image/IffReader.h"

#include <algorithm>

#include <string>

#include "image/ByteRun1.h"

namespace pixolan {
namespace {

constexpr std::uint32_t ChunkId(const char (&name)[5]) {
  return (static_cast<std::uint32_t>(static_cast<unsigned char>(name[0])) << 24) |
         (static_cast<std::uint32_t>(static_cast<unsigned char>(name[1])) << 16) |
         (static_cast<std::uint32_t>(static_cast<unsigned char>(name[2])) << 8) |
         static_cast<std::uint32_t>(static_cast<unsigned char>(name[3]));
}

constexpr std::uint32_t kForm = ChunkId("FORM");
constexpr std::uint32_t kIlbm = ChunkId("ILBM");
constexpr std::uint32_t kPbm = ChunkId("PBM ");
constexpr std::uint32_t kBmhd = ChunkId("BMHD");
constexpr std::uint32_t kCmap = ChunkId("CMAP");
constexpr std::uint32_t kCamg = ChunkId("CAMG");
constexpr std::uint32_t kBody = ChunkId("BODY");

constexpr std::size_t kBitmapHeaderSize = 20;
constexpr std::size_t kLongestRepeatRun = 128;  // two input bytes at best
constexpr int kHalfBriteBase = 32;

// Masking values of the bitmap header.
constexpr std::uint8_t kMaskNone = 0;
constexpr std::uint8_t kMaskPlane = 1;        // an extra plane after the colour planes of each row
constexpr std::uint8_t kTransparentColour = 2;
constexpr std::uint8_t kLasso = 3;

void StoreIndex(std::uint8_t* row, std::int32_t x, std::uint32_t value, std::int32_t depth) {
  switch (depth) {
    case 1:
      if (value & 1u) row[x / 8] = static_cast<std::uint8_t>(row[x / 8] | (0x80u >> (x % 8)));
      break;
    case 4:
      // Even pixels take the high nibble, odd pixels the low one.
      row[x / 2] = static_cast<std::uint8_t>(row[x / 2] | ((value & 0x0Fu) << ((x % 2 == 0) ? 4 : 0)));
      break;
    default:
      row[x] = static_cast<std::uint8_t>(value);
      break;
  }
}

std::string Planes(int count) { return std::to_string(count) + (count == 1 ? " bit plane" : " bit planes"); }

}  // namespace

std::int32_t IffImageDepthForPlanes(int planes) {
  switch (planes) {
    case 1:
      return 1;
    case 2:  // the image model has no 2-bit rows: four colours in a 4-bit image
    case 4:
      return 4;
    case 3:
    case 5:
    case 6:
    case 7:
    case 8:
      return 8;
    case 24:
      return 24;
    default:
      return 0;
  }
}

bool CIffReader::Decode() {
  ForgetPreviousFile();
  if (!WalkChunks()) return Refuse("not an ILBM or PBM picture");
  if (!m_bHaveHeader) return Refuse(StartsWithForm() ? "no bitmap header" : "not an IFF file");
  // Without a body only a palette can be had: a blank indexed picture carries it.
  // A body that is there but incomplete has already refused the file.
  // A file cut short, or with a chunk running past its end, may have lost its body.
  if (!m_bHaveBody) {
    if (m_bCutShort) return Refuse("cut short before its body");
    if (!m_bHaveColourMap || m_header.planes == 24 || IsHoldAndModify()) return Refuse("no body");
  }
  if (IsHoldAndModify()) return BuildHoldAndModify();
  return m_header.planes == 24 ? BuildTrueColour() : BuildIndexed();
}

bool CIffReader::StartsWithForm() {
  std::uint32_t id = 0;
  m_file.Seek(0, CMappedFile::kBegin);
  return m_file.ReadU32BE(id) && id == kForm;
}

void CIffReader::ForgetPreviousFile() {
  m_header = IffBitmapHeader{};
  m_bHaveHeader = false;
  m_bHaveBody = false;
  m_planes.clear();
  m_nPlaneRowLength = 0;
  m_colourMap.clear();
  m_bHaveColourMap = false;
  m_nDisplayMode = 0;
  m_bChunky = false;
  m_bCutShort = false;
}

// The FORM's length counts the bytes still expected; chunks after its end are
// not read. A torn chunk header at the end of the file ends the walk.
bool CIffReader::WalkChunks() {
  std::int64_t expected = 1;
  while (!m_file.AtEnd() && expected > 0) {
    std::uint32_t id = 0;
    std::uint32_t length = 0;
    if (!m_file.ReadU32BE(id) || !m_file.ReadU32BE(length)) break;
    // An odd-length chunk is followed by a pad byte that belongs to it.
    const std::uint64_t rounded = (std::uint64_t{length} + 1) & ~std::uint64_t{1};
    if (id == kForm) {
      if (!ReadFormType()) return false;
      expected = static_cast<std::int64_t>(rounded) - 4;
      continue;
    }
    // Only a missing pad byte at the very end is forgiven.
    if (length > m_file.Remaining()) m_bCutShort = true;
    if (!HandleChunk(id, rounded)) return false;
    expected -= 8 + static_cast<std::int64_t>(rounded);
  }
  if (expected > 1) m_bCutShort = true;
  return true;
}

// Interleaved planes (ILBM), or the PC's chunky form with a byte a pixel (PBM).
bool CIffReader::ReadFormType() {
  std::uint32_t type = 0;
  if (!m_file.ReadU32BE(type) || (type != kIlbm && type != kPbm)) return false;
  m_bChunky = type == kPbm;
  return true;
}

// Each handler reads from a view of its own chunk, so a short or malformed
// chunk can never pull bytes from the next one, and the walk always resumes at
// the chunk's end (or the file's end when the length overstates it).
bool CIffReader::HandleChunk(std::uint32_t id, std::uint64_t roundedLength) {
  const std::size_t available =
      static_cast<std::size_t>(std::min<std::uint64_t>(roundedLength, m_file.Remaining()));
  const std::uint8_t* content = m_file.ReadSpan(available);
  if (content == nullptr) return false;
  CMappedFile chunk;
  chunk.OpenMemory(content, available);
  switch (id) {
    case kBmhd:
      return ReadBitmapHeader(chunk);
    case kCmap:
      ReadColourMap(chunk, available);
      return true;
    case kCamg:
      ReadDisplayMode(chunk);
      return true;
    case kBody:
      return ReadBody(chunk);
    default:
      return true;
  }
}

bool CIffReader::ReadBitmapHeader(CMappedFile& chunk) {
  if (m_bHaveHeader) return Refuse("two bitmap headers");  // the geometry would be ambiguous
  std::uint8_t raw[kBitmapHeaderSize];
  if (!chunk.ReadBytes(raw, sizeof raw)) return Refuse("bitmap header cut short");
  auto u16 = [&raw](int at) { return static_cast<std::uint16_t>((raw[at] << 8) | raw[at + 1]); };
  m_header.width = u16(0);
  m_header.height = u16(2);
  m_header.x = static_cast<std::int16_t>(u16(4));
  m_header.y = static_cast<std::int16_t>(u16(6));
  m_header.planes = raw[8];
  m_header.masking = raw[9];
  m_header.compression = raw[10];
  m_header.pad = raw[11];
  m_header.transparentColour = u16(12);
  m_header.xAspect = raw[14];
  m_header.yAspect = raw[15];
  m_header.pageWidth = static_cast<std::int16_t>(u16(16));
  m_header.pageHeight = static_cast<std::int16_t>(u16(18));
  if (!HasSupportedMasking() || !HasSupportedGeometry()) return false;
  // Each plane row is padded to a multiple of 16 pixels; a chunky row to an even length.
  m_nPlaneRowLength = m_bChunky ? m_header.width + (m_header.width & 1) : 2 * ((m_header.width + 15) / 16);
  m_bHaveHeader = true;
  return true;
}

// A transparent colour or a lasso changes nothing in the planes (the export has
// its own transparency rule); a mask plane is skipped. Chunky rows have no planes.
bool CIffReader::HasSupportedMasking() {
  switch (m_header.masking) {
    case kMaskNone:
    case kTransparentColour:
    case kLasso:
      return true;
    case kMaskPlane:
      return !m_bChunky || Refuse("mask plane in a PBM picture");
    default:
      return Refuse("masking " + std::to_string(m_header.masking));
  }
}

bool CIffReader::HasSupportedGeometry() {
  if (m_bChunky && m_header.planes != 8) return Refuse("PBM picture of " + Planes(m_header.planes));
  const std::string problem = ImageSizeProblem(m_header.width, m_header.height);
  if (!problem.empty()) return Refuse(problem);
  return IffImageDepthForPlanes(m_header.planes) != 0 || Refuse("picture of " + Planes(m_header.planes));
}

// Plane rows stored for each picture row: the colour planes, then the mask plane
// if any; a chunky picture stores its pixels as one "plane" of bytes.
int CIffReader::StoredRowsPerLine() const {
  if (m_bChunky) return 1;
  return m_header.planes + (m_header.masking == kMaskPlane ? 1 : 0);
}

void CIffReader::ReadColourMap(CMappedFile& chunk, std::size_t length) {
  const std::size_t entries = length / 3;
  m_colourMap.assign(entries, PaletteEntry{});
  for (PaletteEntry& entry : m_colourMap) {
    chunk.ReadU8(entry.red);
    chunk.ReadU8(entry.green);
    chunk.ReadU8(entry.blue);
  }
  m_bHaveColourMap = true;
}

void CIffReader::ReadDisplayMode(CMappedFile& chunk) {
  std::uint32_t mode = 0;
  if (chunk.ReadU32BE(mode)) m_nDisplayMode = mode;
}

bool CIffReader::ReadBody(CMappedFile& chunk) {
  // The body needs its header first; a second body would overwrite the first.
  if (!m_bHaveHeader) return Refuse("body before the bitmap header");
  if (m_bHaveBody) return Refuse("two bodies");
  if (!BodyCanFit(chunk.Remaining())) return Refuse("body cut short");
  const std::size_t planeSize = static_cast<std::size_t>(m_header.height) * static_cast<std::size_t>(m_nPlaneRowLength);
  m_planes.assign(static_cast<std::size_t>(StoredRowsPerLine()), std::vector<std::uint8_t>(planeSize, 0));
  const bool complete = m_header.compression == 0 ? DecodeUncompressed(chunk) : DecodeByteRun1(chunk);
  if (!complete) return Refuse("body cut short");
  m_bHaveBody = true;
  return true;
}

// Checked before the planes are allocated, so that a header claiming a huge
// picture over a small body cannot make us reserve the memory.
bool CIffReader::BodyCanFit(std::size_t available) const {
  const std::uint64_t pictureRow =
      static_cast<std::uint64_t>(StoredRowsPerLine()) * static_cast<std::uint64_t>(m_nPlaneRowLength);
  const std::uint64_t perRow = m_header.compression == 0
                                   ? pictureRow
                                   : 2 * ((pictureRow + kLongestRepeatRun - 1) / kLongestRepeatRun);
  return perRow * m_header.height <= available;
}

bool CIffReader::DecodeUncompressed(CMappedFile& chunk) {
  const std::size_t rowLength = static_cast<std::size_t>(m_nPlaneRowLength);
  for (std::int32_t y = 0; y < m_header.height; ++y) {
    for (int k = 0; k < StoredRowsPerLine(); ++k) {
      if (!chunk.ReadBytes(PlaneRow(k, y), rowLength)) return false;
    }
  }
  return true;
}

// Every compression value other than 0 is read as ByteRun1. A run may carry
// on from one plane row into the next, but never into the next picture row.
bool CIffReader::DecodeByteRun1(CMappedFile& chunk) {
  CByteRun1Decoder decoder(chunk);
  const std::size_t rowLength = static_cast<std::size_t>(m_nPlaneRowLength);
  for (std::int32_t y = 0; y < m_header.height; ++y) {
    decoder.ForgetRun();
    for (int k = 0; k < StoredRowsPerLine(); ++k) {
      if (!decoder.Fill(PlaneRow(k, y), rowLength)) return false;
    }
  }
  return true;
}

std::uint8_t* CIffReader::PlaneRow(int plane, std::int32_t y) {
  return m_planes[static_cast<std::size_t>(plane)].data() +
         static_cast<std::size_t>(y) * static_cast<std::size_t>(m_nPlaneRowLength);
}

// Plane firstPlane gives the least significant bit of the value.
std::uint32_t CIffReader::PlaneValue(std::int32_t x, std::int32_t y, int firstPlane, int count) const {
  const std::size_t offset = static_cast<std::size_t>(y) * static_cast<std::size_t>(m_nPlaneRowLength) +
                             static_cast<std::size_t>(x / 8);
  const std::uint8_t mask = static_cast<std::uint8_t>(0x80u >> (x % 8));
  std::uint32_t value = 0;
  for (int k = 0; k < count; ++k) {
    if (m_planes[static_cast<std::size_t>(firstPlane + k)][offset] & mask) value |= 1u << k;
  }
  return value;
}

bool CIffReader::BuildIndexed() {
  SetChannelMasks(0, 0, 0, 0);
  if (!m_bHaveColourMap) return Refuse("no colour map");
  const std::int32_t depth = IffImageDepthForPlanes(m_header.planes);
  if (!Create(m_header.width, m_header.height, depth)) return false;
  CopyColourMapToPalette();
  if (!m_bHaveBody) return true;  // blank: every pixel is index 0
  for (std::int32_t y = 0; y < m_nHeight; ++y) {
    std::uint8_t* row = m_ppRows[static_cast<std::size_t>(y)];
    if (m_bChunky) {
      std::copy_n(PlaneRow(0, y), m_nWidth, row);
      continue;
    }
    for (std::int32_t x = 0; x < m_nWidth; ++x) StoreIndex(row, x, PlaneValue(x, y, 0, m_header.planes), depth);
  }
  return true;
}

// Copies the colours the planes can index (2^planes; a 2-plane picture's palette
// has room for 16), so the palette export never shows stray colour-map entries;
// extra-half-brite pictures get their upper 32 colours as half-bright copies of the lower 32.
void CIffReader::CopyColourMapToPalette() {
  const std::size_t indexable = m_header.planes < 16 ? std::size_t{1} << m_header.planes : m_pPalette.size();
  const std::size_t count = std::min({m_colourMap.size(), m_pPalette.size(), indexable});
  std::copy_n(m_colourMap.begin(), count, m_pPalette.begin());
  if (m_header.planes != 6 || (m_nDisplayMode & kCamgExtraHalfBrite) == 0) return;
  for (int i = 0; i < kHalfBriteBase; ++i) {
    const PaletteEntry& full = m_pPalette[static_cast<std::size_t>(i)];
    m_pPalette[static_cast<std::size_t>(kHalfBriteBase + i)] =
        PaletteEntry{0, static_cast<std::uint8_t>(full.red >> 1), static_cast<std::uint8_t>(full.green >> 1),
                     static_cast<std::uint8_t>(full.blue >> 1)};
  }
}

// Planes 0-7 are red, 8-15 green, 16-23 blue; stored blue first as 24-bit rows are.
bool CIffReader::BuildTrueColour() {
  SetChannelMasks(0, 0xFF0000, 0xFF00, 0xFF);
  if (!Create(m_header.width, m_header.height, 24)) return false;
  for (std::int32_t y = 0; y < m_nHeight; ++y) {
    std::uint8_t* out = m_ppRows[static_cast<std::size_t>(y)];
    for (std::int32_t x = 0; x < m_nWidth; ++x) {
      *out++ = static_cast<std::uint8_t>(PlaneValue(x, y, 16, 8));
      *out++ = static_cast<std::uint8_t>(PlaneValue(x, y, 8, 8));
      *out++ = static_cast<std::uint8_t>(PlaneValue(x, y, 0, 8));
    }
  }
  return true;
}

// Hold-and-modify: the top two planes say what the pixel does, the others give
// a value: a colour-map entry, or new top bits for blue, red or green, the other
// components carried over from the pixel to the left (the colour-map's first
// colour at the start of each row). Six planes change 4 bits, eight planes 6.
bool CIffReader::BuildHoldAndModify() {
  const int planes = m_header.planes;
  if (planes != 6 && planes != 8) {
    return Refuse("HAM pictures of " + Planes(planes) + " are not supported");
  }
  const int valueBits = planes - 2;
  SetChannelMasks(0, 0xFF0000, 0xFF00, 0xFF);
  if (!Create(m_header.width, m_header.height, 24)) return false;
  const PaletteEntry black{};
  for (std::int32_t y = 0; y < m_nHeight; ++y) {
    PaletteEntry colour = m_colourMap.empty() ? black : m_colourMap[0];
    std::uint8_t* out = m_ppRows[static_cast<std::size_t>(y)];
    for (std::int32_t x = 0; x < m_nWidth; ++x) {
      const std::uint32_t value = PlaneValue(x, y, 0, valueBits);
      const std::uint32_t control = PlaneValue(x, y, valueBits, 2);
      if (control == 0) {
        colour = value < m_colourMap.size() ? m_colourMap[value] : black;
      } else {
        std::uint8_t& component = control == 1 ? colour.blue : control == 2 ? colour.red : colour.green;
        component = ModifiedComponent(component, value, valueBits);
      }
      *out++ = colour.blue;
      *out++ = colour.green;
      *out++ = colour.red;
    }
  }
  return true;
}

// The value becomes the component's top bits; below them, six-plane pictures repeat
// the value (4 bits of the Amiga's 12-bit colour) and eight-plane ones keep the old bits.
std::uint8_t CIffReader::ModifiedComponent(std::uint8_t old, std::uint32_t value, int valueBits) {
  if (valueBits == 4) return static_cast<std::uint8_t>((value << 4) | value);
  return static_cast<std::uint8_t>((value << 2) | (old & 0x03u));
}

}  // namespace pixolan
