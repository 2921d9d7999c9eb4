#pragma once
// Reads Windows bitmaps with the 40-byte information header: 1, 4, 8, 24 and
// 32 bits per pixel, uncompressed or run-length encoded at 4 and 8 bits.
// Bottom-up files fill the last image row first; top-down files (negative
// height) fill row 0 first, so the picture is always the right way up.
#include <cstdint>
#include <vector>

#include "image/ImageReader.h"
#include "image/PaletteEntry.h"

namespace pixolan {

class CBmpReader : public CImageReader {
 public:
  CBmpReader();

 protected:
  bool Decode() override;

 private:
  bool ReadFileHeader();
  bool ReadInfoHeader();
  bool HasSupportedGeometry() const;
  bool ReadColourTable();
  bool CreateImage();
  void SetMasksForDepth();
  bool DecodePixels();
  bool HoldsUncompressedRows() const;
  std::uint64_t UncompressedBytesNeeded() const;
  bool UncompressedRowsFit() const;
  bool DecodeUncompressed();
  // Both run-length forms share one escape grammar; nibbles selects 4-bit pixels.
  bool DecodeRunLength(bool nibbles);

  // Image row that the file's n-th stored row fills, null past the last row.
  std::uint8_t* RowForFileLine(std::int32_t line) const;
  std::int64_t FileStride() const;

  // Information header as read.
  std::uint32_t m_nHeaderSize = 0;
  std::int32_t m_nFileWidth = 0;
  std::int32_t m_nFileHeight = 0;  // negative: rows stored top row first
  std::uint16_t m_nPlanes = 0;
  std::uint16_t m_nBitCount = 0;
  std::uint32_t m_nCompression = 0;
  std::uint32_t m_nImageSize = 0;
  std::int32_t m_nXPelsPerMeter = 0;
  std::int32_t m_nYPelsPerMeter = 0;
  std::uint32_t m_nColoursUsed = 0;
  std::uint32_t m_nColoursImportant = 0;

  std::vector<PaletteEntry> m_colourTable;  // 256 entries
  std::uint64_t m_nColourTableBytes = 0;    // as the file declares it
  std::int64_t m_nPixelDataOffset = 0;      // first byte after the colour table
  bool m_bTopDown = false;
};

}  // namespace pixolan
