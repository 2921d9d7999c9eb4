#include "image/BmpReader.h"

#include <algorithm>
#include <cstring>

namespace pixolan {
namespace {

constexpr std::uint16_t kBitmapType = 0x4D42;  // "BM"
constexpr std::uint32_t kInfoHeaderSize = 40;
constexpr std::size_t kColourTableCapacity = 256;

// Run-length escapes (a zero count followed by one of these).
constexpr std::uint8_t kEndOfLine = 0;
constexpr std::uint8_t kEndOfBitmap = 1;
constexpr std::uint8_t kDelta = 2;

bool IsSupportedBitCount(std::uint16_t bits) {
  return bits == 1 || bits == 4 || bits == 8 || bits == 24 || bits == 32;
}

// Writes run-length pixels left to right into one image row. Pixels that fall
// past the row's end, or on a row outside the image, are dropped.
class CRlePen {
 public:
  CRlePen(std::int32_t width, bool nibbles) : m_nWidth(width), m_bNibbles(nibbles) {}

  void StartRow(std::uint8_t* row) {
    m_pRow = row;
    m_nX = 0;
  }

  void Put(std::uint8_t pixel) {
    if (m_pRow == nullptr || m_nX >= m_nWidth) return;
    if (!m_bNibbles) {
      m_pRow[m_nX] = pixel;
    } else if (m_nX % 2 == 0) {
      // The high nibble comes first and replaces the whole byte.
      m_pRow[m_nX / 2] = static_cast<std::uint8_t>(pixel << 4);
    } else {
      m_pRow[m_nX / 2] = static_cast<std::uint8_t>(m_pRow[m_nX / 2] | (pixel & 0x0F));
    }
    ++m_nX;
  }

  // A run: one byte repeated, or at 4 bits its two nibbles alternately.
  void PutRun(std::uint8_t count, std::uint8_t value) {
    for (std::uint32_t i = 0; i < count; ++i) Put(PixelOf(value, i));
  }

  // A literal of pixelCount pixels packed in bytes as a file row packs them.
  void PutLiteral(const std::uint8_t* bytes, std::uint32_t pixelCount) {
    const std::uint32_t perByte = m_bNibbles ? 2 : 1;
    for (std::uint32_t i = 0; i < pixelCount; ++i) Put(PixelOf(bytes[i / perByte], i));
  }

  // Bytes that hold pixelCount literal pixels.
  std::uint32_t LiteralBytes(std::uint32_t pixelCount) const {
    return m_bNibbles ? (pixelCount + 1) / 2 : pixelCount;
  }

  // Pixels that a byte count holds, for a literal that the file cuts short.
  std::uint32_t PixelsIn(std::size_t bytes) const {
    return static_cast<std::uint32_t>(m_bNibbles ? bytes * 2 : bytes);
  }

 private:
  std::uint8_t PixelOf(std::uint8_t value, std::uint32_t i) const {
    if (!m_bNibbles) return value;
    return (i % 2 == 0) ? static_cast<std::uint8_t>(value >> 4) : static_cast<std::uint8_t>(value & 0x0F);
  }

  std::int32_t m_nWidth;
  bool m_bNibbles;
  std::uint8_t* m_pRow = nullptr;
  std::int32_t m_nX = 0;
};

}  // namespace

CBmpReader::CBmpReader() : m_colourTable(kColourTableCapacity) {}

bool CBmpReader::Decode() {
  m_file.Seek(0, CMappedFile::kBegin);
  if (!ReadFileHeader() || !ReadInfoHeader() || !HasSupportedGeometry() || !ReadColourTable()) return false;
  // Refuse short files before allocating, so a hostile header costs nothing.
  if (HoldsUncompressedRows() && !UncompressedRowsFit()) return false;
  if (!CreateImage()) return false;
  SetMasksForDepth();
  return DecodePixels();
}

bool CBmpReader::ReadFileHeader() {
  std::uint16_t type = 0;
  std::uint32_t pixelOffset = 0;
  if (!m_file.ReadU16LE(type) || type != kBitmapType) return false;
  // File size and the two reserved words say nothing we rely on. The pixel
  // offset is read but not followed: pixels start right after the colour table.
  return m_file.Skip(8) && m_file.ReadU32LE(pixelOffset);
}

bool CBmpReader::ReadInfoHeader() {
  if (!m_file.ReadU32LE(m_nHeaderSize) || m_nHeaderSize != kInfoHeaderSize) return false;
  std::uint32_t width = 0, height = 0, xPels = 0, yPels = 0;
  const bool complete = m_file.ReadU32LE(width) && m_file.ReadU32LE(height) && m_file.ReadU16LE(m_nPlanes) &&
                        m_file.ReadU16LE(m_nBitCount) && m_file.ReadU32LE(m_nCompression) &&
                        m_file.ReadU32LE(m_nImageSize) && m_file.ReadU32LE(xPels) && m_file.ReadU32LE(yPels) &&
                        m_file.ReadU32LE(m_nColoursUsed) && m_file.ReadU32LE(m_nColoursImportant);
  if (!complete) return false;
  m_nFileWidth = static_cast<std::int32_t>(width);
  m_nFileHeight = static_cast<std::int32_t>(height);
  m_nXPelsPerMeter = static_cast<std::int32_t>(xPels);
  m_nYPelsPerMeter = static_cast<std::int32_t>(yPels);
  return true;
}

bool CBmpReader::HasSupportedGeometry() const {
  if (!IsSupportedBitCount(m_nBitCount)) return false;
  // Negative heights are top-down bitmaps; a zero or too large size is refused.
  const std::int64_t rows = m_nFileHeight < 0 ? -static_cast<std::int64_t>(m_nFileHeight) : m_nFileHeight;
  return m_nFileWidth > 0 && m_nFileWidth <= kMaxImageDimension && rows > 0 && rows <= kMaxImageDimension;
}

bool CBmpReader::ReadColourTable() {
  std::fill(m_colourTable.begin(), m_colourTable.end(), PaletteEntry{});
  const bool indexed = m_nBitCount <= 8;
  // A true-colour file may still carry a table (a display hint); it is skipped
  // when the file holds it and the rows after it, else the count is taken as bogus.
  std::uint64_t count = m_nColoursUsed;
  if (count == 0 && indexed) count = std::uint64_t{1} << m_nBitCount;
  m_nColourTableBytes = 4 * count;
  if (!indexed && m_nColourTableBytes + UncompressedBytesNeeded() > m_file.Remaining()) m_nColourTableBytes = 0;
  if (m_nColourTableBytes > m_file.Remaining()) return false;
  const std::uint8_t* table = m_file.ReadSpan(static_cast<std::size_t>(m_nColourTableBytes));
  if (table == nullptr) return false;
  if (indexed) {
    // Surplus entries beyond what the depth can index are ignored.
    const std::uint64_t used = std::min<std::uint64_t>(count, std::uint64_t{1} << m_nBitCount);
    for (std::size_t i = 0; i < used; ++i) {
      const std::uint8_t* bgr = table + 4 * i;
      m_colourTable[i] = PaletteEntry{0, bgr[2], bgr[1], bgr[0]};
    }
  }
  m_nPixelDataOffset = m_file.Tell();
  return true;
}

bool CBmpReader::CreateImage() {
  m_bTopDown = m_nFileHeight < 0;
  const std::int32_t rows = m_bTopDown ? -m_nFileHeight : m_nFileHeight;
  if (!Create(m_nFileWidth, rows, m_nBitCount)) return false;
  const std::size_t entries = std::min(m_pPalette.size(), m_colourTable.size());
  std::copy_n(m_colourTable.begin(), entries, m_pPalette.begin());
  return true;
}

void CBmpReader::SetMasksForDepth() {
  switch (m_nBitCount) {
    case 24:
      SetChannelMasks(0, 0xFF0000, 0xFF00, 0xFF);
      break;
    case 32:
      // Bit-field compression is not followed: these fixed masks always apply.
      SetChannelMasks(0xFF000000, 0xFF0000, 0xFF00, 0xFF);
      break;
    default:
      SetChannelMasks(0, 0, 0, 0);
      break;
  }
}

// The cursor stands at the pixel data, right after the colour table.
bool CBmpReader::DecodePixels() {
  if (HoldsUncompressedRows()) return DecodeUncompressed();
  return DecodeRunLength(m_nBitCount == 4);
}

// Compression is honoured only at 4 and 8 bits; elsewhere the field is ignored.
bool CBmpReader::HoldsUncompressedRows() const {
  return m_nCompression == 0 || (m_nBitCount != 4 && m_nBitCount != 8);
}

std::int64_t CBmpReader::FileStride() const {
  return (static_cast<std::int64_t>(m_nFileWidth) * m_nBitCount + 31) / 32 * 4;
}

// The last row need not carry its padding; every other row must be complete.
std::uint64_t CBmpReader::UncompressedBytesNeeded() const {
  const std::int64_t rows = m_nFileHeight < 0 ? -static_cast<std::int64_t>(m_nFileHeight) : m_nFileHeight;
  const std::int64_t rowBytes = (static_cast<std::int64_t>(m_nFileWidth) * m_nBitCount + 7) / 8;
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

// Decodes until end of bitmap, the end of line of the last row, or the end of
// the data; a stream that simply stops keeps the rows decoded so far. Only the
// delta escape, which this reader does not support, refuses the file.
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
      case kDelta:
        return false;
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
