#pragma once
// Reads Windows and OS/2 bitmaps (every information header size real programs
// write, see BmpInfoHeader.h): 1, 4, 8, 16, 24 and 32 bits per pixel,
// uncompressed, run-length encoded at 4 and 8 bits (deltas included), or with
// bit-field masks at 16 and 32 bits. 16-bit pictures become 16-bit images in
// the 5-5-5 layout. Bottom-up files fill the last image row first; top-down
// files (negative height) fill row 0 first, so the picture is always the right way up.
#include <cstdint>
#include <string>
#include <vector>

#include "image/BmpInfoHeader.h"
#include "image/ImageReader.h"
#include "image/Colour.h"

namespace pixolan {

class CBmpReader : public CImageReader {
 public:
  CBmpReader();

 protected:
  bool Decode() override;

 private:
  bool ReadFileHeader();
  bool HasSupportedCompression() const;
  std::string CompressionProblem() const;
  bool HasSupportedGeometry();
  std::uint64_t ColourTableEntries() const;
  bool ReadColourTable();
  void FollowPixelDataOffset();
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

  BmpInfoHeader m_header;
  std::uint32_t m_nDeclaredPixelOffset = 0;  // followed only past the colour table and inside the file
  std::vector<PaletteEntry> m_colourTable;   // 256 entries
  std::uint64_t m_nColourTableBytes = 0;     // as the file declares it
  std::int64_t m_nPixelDataOffset = 0;       // where the pixel data starts
  bool m_bTopDown = false;
};

}  // namespace pixolan
