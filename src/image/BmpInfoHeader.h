#pragma once
// The information header of a Windows or OS/2 bitmap, in each of the sizes that
// real programs write: 12 bytes (OS/2 1.x: 16-bit sizes, 3-byte colour table
// entries), 16 and 64 (OS/2 2.x), 40 (Windows), 52 and 56 (40 plus colour
// masks), 108 (V4) and 124 (V5). Fields a short header lacks read as zero; the
// fields beyond the masks (colour space, gamma, profile) say nothing about pixels
// and are skipped.
#include <cstdint>

#include "image/MappedFile.h"

namespace pixolan {

struct BmpInfoHeader {
  std::uint32_t headerSize = 0;
  std::int32_t width = 0;
  std::int32_t height = 0;  // negative: rows stored top row first
  std::uint16_t planes = 0;
  std::uint16_t bitCount = 0;
  std::uint32_t compression = 0;
  std::uint32_t imageSize = 0;
  std::int32_t xPelsPerMeter = 0;
  std::int32_t yPelsPerMeter = 0;
  std::uint32_t coloursUsed = 0;
  std::uint32_t coloursImportant = 0;
  // Bit-field masks, valid when HasBitFields().
  std::uint32_t redMask = 0;
  std::uint32_t greenMask = 0;
  std::uint32_t blueMask = 0;
  std::uint32_t alphaMask = 0;

  static constexpr std::uint32_t kCoreSize = 12;
  static constexpr std::uint32_t kInfoSize = 40;
  static constexpr std::uint32_t kBitFields = 3;
  static constexpr std::uint32_t kAlphaBitFields = 6;

  // The sizes above; any other is an unknown layout.
  static bool IsKnownSize(std::uint32_t size);
  bool IsCore() const { return headerSize == kCoreSize; }
  // OS/2 2.x headers give compression 3 and 4 other meanings (Huffman, 24-bit runs).
  bool IsOs2() const { return headerSize == 16 || headerSize == 64; }
  bool HasBitFields() const {
    return !IsOs2() && (bitCount == 16 || bitCount == 32) &&
           (compression == kBitFields || compression == kAlphaBitFields);
  }
  // Bytes of one colour table entry: blue, green, red (and a reserved byte after 12-byte headers).
  std::uint32_t ColourEntrySize() const { return IsCore() ? 3 : 4; }
};

// Reads the header at the cursor (the byte after the 14-byte file header) and,
// for a 40-byte header with bit fields, the mask words after it; the cursor is
// left at the colour table. False for an unknown size or a short file.
bool ReadBmpInfoHeader(CMappedFile& file, BmpInfoHeader& header);

}  // namespace pixolan
