#pragma once
// Reads interleaved-bitmap pictures (FORM ILBM) of 1 to 8 bit planes into
// indexed images and of 24 planes into true-colour images, and the PC's chunky
// pictures (FORM PBM, a byte a pixel) into 8-bit indexed images; hold-and-modify
// pictures (HAM6, HAM8) become true-colour images. The chunks are
// walked inside the FORM; the bitmap header, colour map, display mode and body
// are kept, then the image is built from the decoded planes. A transparent
// colour or lasso is ignored, a mask plane skipped; a picture without a body
// becomes a blank picture with its colour map, usable as a palette.
#include <cstdint>
#include <vector>

#include "image/ImageReader.h"
#include "image/Colour.h"

namespace pixolan {

// The "BMHD" chunk as stored (20 bytes, big-endian).
struct IffBitmapHeader {
  std::uint16_t width = 0;
  std::uint16_t height = 0;
  std::int16_t x = 0;
  std::int16_t y = 0;
  std::uint8_t planes = 0;
  std::uint8_t masking = 0;
  std::uint8_t compression = 0;
  std::uint8_t pad = 0;
  std::uint16_t transparentColour = 0;
  std::uint8_t xAspect = 0;
  std::uint8_t yAspect = 0;
  std::int16_t pageWidth = 0;
  std::int16_t pageHeight = 0;
};

class CIffReader : public CImageReader {
 public:
  // Display-mode bits of the "CAMG" chunk that change how planes are read.
  static constexpr std::uint32_t kCamgHoldAndModify = 0x800;
  static constexpr std::uint32_t kCamgExtraHalfBrite = 0x80;

  const IffBitmapHeader& Header() const { return m_header; }
  std::int32_t PlaneRowLength() const { return m_nPlaneRowLength; }

 protected:
  bool Decode() override;

 private:
  // A reader may be loaded more than once; nothing of an earlier file may leak in.
  void ForgetPreviousFile();
  bool WalkChunks();
  bool ReadFormType();
  bool HandleChunk(std::uint32_t id, std::uint64_t roundedLength);
  bool ReadBitmapHeader(CMappedFile& chunk);
  bool StartsWithForm();
  bool HasSupportedMasking();
  bool HasSupportedGeometry();
  bool IsHoldAndModify() const { return !m_bChunky && (m_nDisplayMode & kCamgHoldAndModify) != 0; }
  int StoredRowsPerLine() const;
  void ReadColourMap(CMappedFile& chunk, std::size_t length);
  void ReadDisplayMode(CMappedFile& chunk);
  bool ReadBody(CMappedFile& chunk);
  bool BodyCanFit(std::size_t available) const;
  bool DecodeUncompressed(CMappedFile& chunk);
  bool DecodeByteRun1(CMappedFile& chunk);

  bool BuildIndexed();
  bool BuildTrueColour();
  bool BuildHoldAndModify();
  static std::uint8_t ModifiedComponent(std::uint8_t old, std::uint32_t value, int valueBits);
  void CopyColourMapToPalette();
  std::uint32_t PlaneValue(std::int32_t x, std::int32_t y, int firstPlane, int count) const;
  std::uint8_t* PlaneRow(int plane, std::int32_t y);

  IffBitmapHeader m_header;
  bool m_bHaveHeader = false;
  bool m_bHaveBody = false;
  // height x plane-row length bytes each: the colour planes, then the mask plane
  // if any; a chunky picture's rows are the one entry.
  std::vector<std::vector<std::uint8_t>> m_planes;
  std::int32_t m_nPlaneRowLength = 0;
  std::vector<PaletteEntry> m_colourMap;
  bool m_bHaveColourMap = false;
  std::uint32_t m_nDisplayMode = 0;  // "CAMG" value, 0 when absent
  bool m_bChunky = false;            // FORM PBM
  bool m_bCutShort = false;          // the FORM or a chunk runs past the file's end
};

// Bits per pixel of the image that a picture of this many planes becomes, 0 when refused.
std::int32_t IffImageDepthForPlanes(int planes);

}  // namespace pixolan
