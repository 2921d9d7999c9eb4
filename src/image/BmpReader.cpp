#include "image/BmpReader.h"

#include <algorithm>
#include <cstring>
#include <string>

#include "image/RlePen.h"

namespace pixolan {
namespace {

constexpr std::uint16_t kBitmapType = 0x4D42;  // "BM"
constexpr std::uint32_t kFileHeaderSize = 14;
constexpr std::size_t kColourTableCapacity = 256;

// Run-length escapes (a zero count followed by one of these).
constexpr std::uint8_t kEndOfLine = 0;
constexpr std::uint8_t kEndOfBitmap = 1;
constexpr std::uint8_t kDelta = 2;

// Compression values of run-length data.
constexpr std::uint32_t kRle8 = 1;
constexpr std::uint32_t kRle4 = 2;
constexpr std::uint32_t kBitFields = 3;  // Huffman in OS/2 headers
constexpr std::uint32_t kJpeg = 4;
constexpr std::uint32_t kPng = 5;

// The layouts a 16-bit file without bit fields, and the image model, use.
constexpr std::uint32_t kRed555 = 0x7C00, kGreen555 = 0x03E0, kBlue555 = 0x001F;

bool IsSupportedBitCount(std::uint16_t bits) {
  return bits == 1 || bits == 4 || bits == 8 || bits == 16 || bits == 24 || bits == 32;
}

}  // namespace

CBmpReader::CBmpReader() : m_colourTable(kColourTableCapacity) {}

bool CBmpReader::Decode() {
  m_file.Seek(0, CMappedFile::kBegin);
  if (!ReadFileHeader()) return Refuse("not a BMP file");
  if (!ReadBmpInfoHeader(m_file, m_header)) {
    return Refuse(m_header.headerSize == 0 || BmpInfoHeader::IsKnownSize(m_header.headerSize)
                      ? "cut short in its header"
                      : "BMP header of " + std::to_string(m_header.headerSize) + " bytes");
  }
  if (!HasSupportedCompression()) return Refuse(CompressionProblem());
  if (!HasSupportedGeometry()) return false;
  if (!ReadColourTable()) return Refuse("colour table cut short");
  // Refuse short files before allocating, so a hostile header costs nothing.
  if (HoldsUncompressedRows() && !UncompressedRowsFit()) return Refuse("pixel data cut short");
  if (!CreateImage()) return false;
  SetMasksForDepth();
  if (!DecodePixels()) return false;
  // 16-bit images keep the one layout that a 16-bit display bitmap shows.
  if (m_nBitsPerPixel == 16 && (Mask(kRed).mask != kRed555 || Mask(kGreen).mask != kGreen555 ||
                                Mask(kBlue).mask != kBlue555 || Mask(kAlpha).mask != 0)) {
    return ConvertDepth(16, 0, kRed555, kGreen555, kBlue555);
  }
  return true;
}

std::string CBmpReader::CompressionProblem() const {
  const std::uint32_t c = m_header.compression;
  if (m_header.IsOs2() && c == kBitFields) return "compressed with OS/2 Huffman";
  if (m_header.IsOs2() && c == kJpeg) return "24-bit run-length compression";
  if (c == kJpeg) return "compressed with JPEG";
  if (c == kPng) return "compressed with PNG";
  return "compression " + std::to_string(c) + " at " + std::to_string(m_header.bitCount) + " bits";
}

bool CBmpReader::ReadFileHeader() {
  std::uint16_t type = 0;
  if (!m_file.ReadU16LE(type) || type != kBitmapType) return false;
  // File size and the two reserved words say nothing we rely on.
  return m_file.Skip(8) && m_file.ReadU32LE(m_nDeclaredPixelOffset);
}

// The 40-byte header keeps its long-standing reading of the field (any nonzero
// value at 4 and 8 bits is run-length data, other depths ignore it, except that
// 16 bits take only bit fields). The other headers arrived with programs that
// write what they mean, so only what this reader decodes is taken.
bool CBmpReader::HasSupportedCompression() const {
  const std::uint32_t c = m_header.compression;
  const std::uint16_t bits = m_header.bitCount;
  if (c == 0 || m_header.HasBitFields()) return true;
  if (bits == 16) return false;
  if (m_header.headerSize == BmpInfoHeader::kInfoSize) return true;
  return (c == kRle8 && bits == 8) || (c == kRle4 && bits == 4);
}

bool CBmpReader::HasSupportedGeometry() {
  if (!IsSupportedBitCount(m_header.bitCount)) return Refuse(std::to_string(m_header.bitCount) + "-bit BMP");
  // Negative heights are top-down bitmaps; a zero or too large size is refused.
  const std::int64_t rows = m_header.height < 0 ? -static_cast<std::int64_t>(m_header.height) : m_header.height;
  const std::string problem = ImageSizeProblem(m_header.width, rows);
  return problem.empty() || Refuse(problem);
}

// A 12-byte header has no colour count: the table fills the space up to the
// pixel data when the offset says so, else it has an entry for every index.
std::uint64_t CBmpReader::ColourTableEntries() const {
  const bool indexed = m_header.bitCount <= 8;
  const std::uint64_t full = indexed ? std::uint64_t{1} << m_header.bitCount : 0;
  if (!m_header.IsCore()) return m_header.coloursUsed == 0 ? full : m_header.coloursUsed;
  const std::uint64_t tableStart = kFileHeaderSize + m_header.headerSize;
  if (m_nDeclaredPixelOffset <= tableStart) return full;
  return std::min<std::uint64_t>(full, (m_nDeclaredPixelOffset - tableStart) / m_header.ColourEntrySize());
}

bool CBmpReader::ReadColourTable() {
  std::fill(m_colourTable.begin(), m_colourTable.end(), PaletteEntry{});
  const bool indexed = m_header.bitCount <= 8;
  // A true-colour file may still carry a table (a display hint); it is skipped
  // when the file holds it and the rows after it, else the count is taken as bogus.
  const std::uint64_t count = ColourTableEntries();
  const std::uint32_t entrySize = m_header.ColourEntrySize();
  m_nColourTableBytes = entrySize * count;
  if (!indexed && m_nColourTableBytes + UncompressedBytesNeeded() > m_file.Remaining()) m_nColourTableBytes = 0;
  if (m_nColourTableBytes > m_file.Remaining()) return false;
  const std::uint8_t* table = m_file.ReadSpan(static_cast<std::size_t>(m_nColourTableBytes));
  if (table == nullptr) return false;
  if (indexed) {
    // Surplus entries beyond what the depth can index are ignored.
    const std::uint64_t used = std::min<std::uint64_t>(count, std::uint64_t{1} << m_header.bitCount);
    for (std::size_t i = 0; i < used; ++i) {
      const std::uint8_t* bgr = table + entrySize * i;
      m_colourTable[i] = PaletteEntry{0, bgr[2], bgr[1], bgr[0]};
    }
  }
  m_nPixelDataOffset = m_file.Tell();
  FollowPixelDataOffset();
  return true;
}

// Pixels normally follow the colour table; a declared offset past it (a gap, as
// some programs leave) is followed when it lies inside the file and, for
// uncompressed rows, the rows fit from there. Offsets into the headers or past
// the end are taken as bogus.
void CBmpReader::FollowPixelDataOffset() {
  const std::int64_t declared = m_nDeclaredPixelOffset;
  if (declared <= m_nPixelDataOffset || declared >= static_cast<std::int64_t>(m_file.Size())) return;
  const std::uint64_t after = m_file.Size() - static_cast<std::uint64_t>(declared);
  if (HoldsUncompressedRows() && UncompressedBytesNeeded() > after) return;
  m_file.Seek(m_nDeclaredPixelOffset, CMappedFile::kBegin);
  m_nPixelDataOffset = declared;
}

bool CBmpReader::CreateImage() {
  m_bTopDown = m_header.height < 0;
  const std::int32_t rows = m_bTopDown ? -m_header.height : m_header.height;
  if (!Create(m_header.width, rows, m_header.bitCount)) return false;
  const std::size_t entries = std::min(m_pPalette.size(), m_colourTable.size());
  std::copy_n(m_colourTable.begin(), entries, m_pPalette.begin());
  return true;
}

void CBmpReader::SetMasksForDepth() {
  const bool bitFields = m_header.HasBitFields();
  switch (m_header.bitCount) {
    case 16:
      if (bitFields) {
        SetChannelMasks(m_header.alphaMask, m_header.redMask, m_header.greenMask, m_header.blueMask);
      } else {
        SetChannelMasks(0, kRed555, kGreen555, kBlue555);
      }
      break;
    case 24:
      SetChannelMasks(0, 0xFF0000, 0xFF00, 0xFF);
      break;
    case 32:
      // The file's masks; without them, or with the usual ones and no alpha
      // mask, the fixed layout with alpha in the top byte.
      if (bitFields && !(m_header.redMask == 0xFF0000 && m_header.greenMask == 0xFF00 &&
                         m_header.blueMask == 0xFF && m_header.alphaMask == 0)) {
        SetChannelMasks(m_header.alphaMask, m_header.redMask, m_header.greenMask, m_header.blueMask);
      } else {
        SetChannelMasks(0xFF000000, 0xFF0000, 0xFF00, 0xFF);
      }
      break;
    default:
      SetChannelMasks(0, 0, 0, 0);
      break;
  }
}

// The cursor stands at the pixel data.
bool CBmpReader::DecodePixels() {
  if (HoldsUncompressedRows()) return DecodeUncompressed();
  return DecodeRunLength(m_header.bitCount == 4);
}

// Compression is honoured only at 4 and 8 bits; elsewhere the field is ignored.
bool CBmpReader::HoldsUncompressedRows() const {
  return m_header.compression == 0 || (m_header.bitCount != 4 && m_header.bitCount != 8);
}

std::int64_t CBmpReader::FileStride() const {
  return (static_cast<std::int64_t>(m_header.width) * m_header.bitCount + 31) / 32 * 4;
}

// The last row need not carry its padding; every other row must be complete.
std::uint64_t CBmpReader::UncompressedBytesNeeded() const {
  const std::int64_t rows = m_header.height < 0 ? -static_cast<std::int64_t>(m_header.height) : m_header.height;
  const std::int64_t rowBytes = (static_cast<std::int64_t>(m_header.width) * m_header.bitCount + 7) / 8;
  // The last row need not carry its padding.
  return static_cast<std::uint64_t>((rows - 1) * FileStride() + rowBytes);
}

bool CBmpReader::UncompressedRowsFit() const { return UncompressedBytesNeeded() <= m_file.Remaining(); }

std::uint8_t* CBmpReader::RowForFileLine(std::int32_t line) const {
  if (line < 0 || line >= m_nHeight) return nullptr;
  const std::int32_t y = m_bTopDown ? line : m_nHeight - 1 - line;
  return m_ppRows[static_cast<std::size_t>(y)];
}

bool CBmpReader::DecodeUncompressed() {
  const std::size_t rowBytes = static_cast<std::size_t>(GetRowBytes());
  const std::size_t padding = static_cast<std::size_t>(FileStride()) - rowBytes;
  for (std::int32_t line = 0; line < m_nHeight; ++line) {
    const std::uint8_t* source = m_file.ReadSpan(rowBytes);
    if (source == nullptr) return false;
    std::memcpy(RowForFileLine(line), source, rowBytes);
    if (line + 1 < m_nHeight && !m_file.Skip(padding)) return false;
  }
  return true;
}

// Decodes until end of bitmap, the end of line of the last row, the end of the
// data, or a delta that leaves the picture; a stream that simply stops keeps the
// rows decoded so far. Pixels the data skips stay index 0.
bool CBmpReader::DecodeRunLength(bool nibbles) {
  CRlePen pen(m_nWidth, nibbles);
  std::int32_t line = 0;
  pen.StartRow(RowForFileLine(line));
  for (;;) {
    std::uint8_t count = 0, value = 0;
    if (!m_file.ReadU8(count) || !m_file.ReadU8(value)) return true;
    if (count > 0) {
      pen.PutRun(count, value);
      continue;
    }
    switch (value) {
      case kEndOfLine:
        ++line;
        if (line >= m_nHeight) return true;
        pen.StartRow(RowForFileLine(line));
        break;
      case kEndOfBitmap:
        return true;
      case kDelta: {
        // Right by dx pixels and up by dy rows (bottom-up; down a top-down file).
        std::uint8_t dx = 0, dy = 0;
        if (!m_file.ReadU8(dx) || !m_file.ReadU8(dy)) return true;
        const std::int32_t x = pen.X() + dx;
        line += dy;
        if (line >= m_nHeight || x > m_nWidth) return true;
        pen.MoveTo(RowForFileLine(line), x);
        break;
      }
      default: {
        // A literal: its bytes are padded to an even count.
        const std::uint32_t bytes = pen.LiteralBytes(value);
        const std::size_t available = std::min<std::size_t>(bytes, m_file.Remaining());
        const std::uint8_t* literal = m_file.ReadSpan(available);
        if (available < bytes) {
          if (literal != nullptr) pen.PutLiteral(literal, pen.PixelsIn(available));
          return true;
        }
        pen.PutLiteral(literal, value);
        if (bytes % 2 != 0) m_file.Skip(1);
        break;
      }
    }
  }
}

}  // namespace pixolan
