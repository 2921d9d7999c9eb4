#pragma once
// The picture a document works on: size, depth, palette, pixel rows (top row
// first, each padded to 4 bytes) and a display bitmap built from those rows.
// Readers derive from it and fill it in Load.
#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "image/DibSection.h"
#include "image/Colour.h"

namespace pixolan {

struct ChannelMask {
  std::uint32_t mask = 0;
  std::uint32_t shift = 0;  // zero bits below the lowest set bit
  std::uint32_t width = 0;  // consecutive set bits from there up
};

// Sheets larger than this are refused: a hostile header must not exhaust memory.
// Fuzzing builds lower it, so that inputs claiming huge pictures stay quick.
#ifndef PIXOLAN_MAX_IMAGE_DIMENSION
#define PIXOLAN_MAX_IMAGE_DIMENSION 16384
#endif
inline constexpr std::int32_t kMaxImageDimension = PIXOLAN_MAX_IMAGE_DIMENSION;

class CRasterImage {
 public:
  enum Channel { kRed = 0, kGreen = 1, kBlue = 2, kAlpha = 3 };

  CRasterImage() = default;
  CRasterImage(const CRasterImage&) = delete;
  CRasterImage& operator=(const CRasterImage&) = delete;
  virtual ~CRasterImage() { Release(); }

  virtual bool Load(const char* path) = 0;

  // Allocates palette (2^depth entries, cleared, below 16 bits), zeroed pixel rows
  // and the row table. Refuses sizes outside 1..kMaxImageDimension.
  bool Create(std::int32_t width, std::int32_t height, std::int32_t bitsPerPixel);
  void Release();

  std::int32_t GetRowBytes() const;
  std::int32_t GetStride() const;
  void SetChannelMasks(std::uint32_t alpha, std::uint32_t red, std::uint32_t green, std::uint32_t blue);
  std::int32_t GetPixelIndex(std::int32_t x, std::int32_t y) const;
  PaletteEntry GetPixelColour(std::int32_t x, std::int32_t y) const;
  bool ConvertDepth(std::int32_t bitsPerPixel, std::uint32_t alpha, std::uint32_t red, std::uint32_t green,
                    std::uint32_t blue);
  bool PrepareForDisplay();
  HBITMAP CreateDisplayBitmap();

  bool HasPalette() const { return !m_pPalette.empty(); }
  // The picture as the animation export reads it: itself when it has a palette; a
  // true-colour picture of at most 256 colours as its indexed copy (made once and
  // kept, so that a remap of its palette lasts as an indexed sheet's does); else null.
  CRasterImage* IndexedForm();
  std::int32_t PaletteSize() const { return static_cast<std::int32_t>(m_pPalette.size()); }
  const ChannelMask& Mask(Channel c) const { return m_channels[c]; }

  std::int32_t m_nWidth = 0;
  std::int32_t m_nHeight = 0;
  std::int32_t m_nBitsPerPixel = 0;
  std::array<ChannelMask, 4> m_channels{};   // red, green, blue, alpha
  std::vector<PaletteEntry> m_pPalette;      // empty when the image has no palette
  std::vector<std::uint8_t> m_pBits;         // m_nHeight rows of GetStride() bytes
  std::vector<std::uint8_t*> m_ppRows;       // row 0 is the top row
  std::unique_ptr<BitmapInfo> m_pBitmapInfo;
  std::unique_ptr<CDibSection> m_hBitmap;

 private:
  std::uint32_t ReadPixelValue(std::int32_t x, std::int32_t y) const;
  void RebuildRowTable();
  void ForgetIndexedForm();

  std::unique_ptr<CRasterImage> m_pIndexedForm;
  bool m_bIndexedFormMade = false;
};

ChannelMask MakeChannelMask(std::uint32_t mask);

// Why a picture of this size is refused ("16385 pixels wide (limit 16384)"), empty when Create takes it.
std::string ImageSizeProblem(std::int64_t width, std::int64_t height);

}  // namespace pixolan
