#include "image/RasterImage.h"

#include <cstring>

#include "framework/ByteOrder.h"
#include "image/LargePages.h"
#include "image/TrueColourIndex.h"

namespace pixolan {
namespace {

std::int32_t StrideFor(std::int32_t width, std::int32_t bitsPerPixel) {
  return ((width * bitsPerPixel + 31) / 8) & ~3;
}

// Scales a channel field to 8 bits: a wider one keeps its top 8 bits, a narrower
// one repeats its bits below themselves, so that its full value becomes 255.
std::uint8_t ChannelTo8Bits(std::uint32_t value, const ChannelMask& c) {
  if (c.mask == 0 || c.width == 0) return 0;
  const std::uint32_t field = (value & c.mask) >> c.shift;
  if (c.width >= 8) return static_cast<std::uint8_t>(field >> (c.width - 8));
  std::uint32_t wide = 0;
  for (std::int32_t at = 8 - static_cast<std::int32_t>(c.width); at > -static_cast<std::int32_t>(c.width);
       at -= static_cast<std::int32_t>(c.width)) {
    wide |= at >= 0 ? field << at : field >> -at;
  }
  return static_cast<std::uint8_t>(wide);
}

// The inverse: places the top bits of an 8-bit component into a channel field.
std::uint32_t ChannelFrom8Bits(std::uint8_t byte, const ChannelMask& c) {
  if (c.width == 0) return 0;
  std::uint32_t field = c.width >= 8 ? static_cast<std::uint32_t>(byte) << (c.width - 8)
                                     : static_cast<std::uint32_t>(byte) >> (8 - c.width);
  return (field << c.shift) & c.mask;
}

}  // namespace

ChannelMask MakeChannelMask(std::uint32_t mask) {
  ChannelMask c;
  c.mask = mask;
  if (mask == 0) return c;
  while (((mask >> c.shift) & 1u) == 0) ++c.shift;
  while (c.shift + c.width < 32 && ((mask >> (c.shift + c.width)) & 1u) != 0) ++c.width;
  return c;
}

std::string ImageSizeProblem(std::int64_t width, std::int64_t height) {
  const std::string limit = " (limit " + std::to_string(kMaxImageDimension) + ")";
  if (width <= 0) return std::to_string(width) + " pixels wide";
  if (height <= 0) return std::to_string(height) + " pixels tall";
  if (width > kMaxImageDimension) return std::to_string(width) + " pixels wide" + limit;
  if (height > kMaxImageDimension) return std::to_string(height) + " pixels tall" + limit;
  return {};
}

CRasterImage* CRasterImage::IndexedForm() {
  if (HasPalette()) return this;
  if (!m_bIndexedFormMade) m_pIndexedForm = MakeIndexedCopy(*this);
  m_bIndexedFormMade = true;
  return m_pIndexedForm.get();
}

void CRasterImage::ForgetIndexedForm() {
  m_pIndexedForm.reset();
  m_bIndexedFormMade = false;
}

bool CRasterImage::Create(std::int32_t width, std::int32_t height, std::int32_t bitsPerPixel) {
  ForgetIndexedForm();
  m_pPalette.clear();
  if (width <= 0 || height <= 0 || width > kMaxImageDimension || height > kMaxImageDimension ||
      bitsPerPixel <= 0 || bitsPerPixel > 32) {
    Release();
    return false;
  }
  // Entries a reader leaves unwritten are black, so loads are deterministic.
  if (bitsPerPixel < 16) m_pPalette.assign(std::size_t{1} << bitsPerPixel, PaletteEntry{});
  m_nWidth = width;
  m_nHeight = height;
  m_nBitsPerPixel = bitsPerPixel;
  const std::size_t bytes = static_cast<std::size_t>(GetStride()) * static_cast<std::size_t>(height);
  m_pBits = ReserveLarge<std::uint8_t>(bytes);
  m_pBits.assign(bytes, 0);
  RebuildRowTable();
  return true;
}

void CRasterImage::Release() {
  ForgetIndexedForm();
  m_pPalette.clear();
  m_pPalette.shrink_to_fit();
  m_pBits.clear();
  m_pBits.shrink_to_fit();
  m_ppRows.clear();
  m_ppRows.shrink_to_fit();
  m_hBitmap.reset();
  m_pBitmapInfo.reset();
}

void CRasterImage::RebuildRowTable() {
  m_ppRows.assign(static_cast<std::size_t>(m_nHeight), nullptr);
  const std::size_t stride = static_cast<std::size_t>(GetStride());
  if (m_pBits.empty()) return;
  for (std::size_t y = 0; y < m_ppRows.size(); ++y) m_ppRows[y] = m_pBits.data() + y * stride;
}

std::int32_t CRasterImage::GetRowBytes() const { return (m_nWidth * m_nBitsPerPixel + 7) / 8; }

std::int32_t CRasterImage::GetStride() const { return StrideFor(m_nWidth, m_nBitsPerPixel); }

void CRasterImage::SetChannelMasks(std::uint32_t alpha, std::uint32_t red, std::uint32_t green,
                                   std::uint32_t blue) {
  m_channels[kAlpha] = MakeChannelMask(alpha);
  m_channels[kRed] = MakeChannelMask(red);
  m_channels[kGreen] = MakeChannelMask(green);
  m_channels[kBlue] = MakeChannelMask(blue);
}

std::int32_t CRasterImage::GetPixelIndex(std::int32_t x, std::int32_t y) const {
  const std::uint8_t* row = m_ppRows[static_cast<std::size_t>(y)];
  const std::int32_t o = x * m_nBitsPerPixel;
  switch (m_nBitsPerPixel) {
    case 1:
      return (row[o / 8] >> (7 - o % 8)) & 1;
    case 4:
      return (o % 8 == 0) ? (row[o / 8] >> 4) : (row[o / 8] & 0x0F);
    case 8:
      return row[x];
    default:
      return -1;
  }
}

std::uint32_t CRasterImage::ReadPixelValue(std::int32_t x, std::int32_t y) const {
  const std::uint8_t* p = m_ppRows[static_cast<std::size_t>(y)];
  switch (m_nBitsPerPixel) {
    case 16:
      return ReadLe16(p + 2 * x);
    case 24:
      return ReadLe24(p + 3 * x);
    case 32:
      return ReadLe32(p + 4 * x);
    default:
      return 0;
  }
}

PaletteEntry CRasterImage::GetPixelColour(std::int32_t x, std::int32_t y) const {
  if (m_nBitsPerPixel < 16) {
    const std::int32_t i = GetPixelIndex(x, y);
    if (i < 0 || static_cast<std::size_t>(i) >= m_pPalette.size()) return PaletteEntry{};
    return m_pPalette[static_cast<std::size_t>(i)];
  }
  const std::uint32_t value = ReadPixelValue(x, y);
  return PaletteEntry{ChannelTo8Bits(value, m_channels[kAlpha]), ChannelTo8Bits(value, m_channels[kRed]),
                      ChannelTo8Bits(value, m_channels[kGreen]), ChannelTo8Bits(value, m_channels[kBlue])};
}

bool CRasterImage::ConvertDepth(std::int32_t bitsPerPixel, std::uint32_t alpha, std::uint32_t red,
                                std::uint32_t green, std::uint32_t blue) {
  if (bitsPerPixel < 16 || bitsPerPixel > 32 || m_ppRows.empty()) return false;
  const ChannelMask a = MakeChannelMask(alpha), r = MakeChannelMask(red), g = MakeChannelMask(green),
                    b = MakeChannelMask(blue);
  const std::int32_t stride = StrideFor(m_nWidth, bitsPerPixel);
  const std::int32_t bytesPerPixel = bitsPerPixel / 8;
  std::vector<std::uint8_t> bits(static_cast<std::size_t>(stride) * static_cast<std::size_t>(m_nHeight), 0);
  for (std::int32_t y = 0; y < m_nHeight; ++y) {
    std::uint8_t* out = bits.data() + static_cast<std::size_t>(y) * static_cast<std::size_t>(stride);
    for (std::int32_t x = 0; x < m_nWidth; ++x) {
      const PaletteEntry c = GetPixelColour(x, y);
      const std::uint32_t value = ChannelFrom8Bits(c.red, r) | ChannelFrom8Bits(c.green, g) |
                                  ChannelFrom8Bits(c.blue, b) | ChannelFrom8Bits(c.reserved, a);
      for (std::int32_t k = 0; k < bytesPerPixel; ++k) *out++ = static_cast<std::uint8_t>(value >> (8 * k));
    }
  }
  ForgetIndexedForm();
  m_pBits = std::move(bits);
  m_nBitsPerPixel = bitsPerPixel;
  m_channels[kAlpha] = a;
  m_channels[kRed] = r;
  m_channels[kGreen] = g;
  m_channels[kBlue] = b;
  RebuildRowTable();
  return true;
}

bool CRasterImage::PrepareForDisplay() {
  switch (m_nBitsPerPixel) {
    case 1:
    case 4:
    case 8:
    case 24:
      return true;
    case 32:
      // A 32-bit display bitmap shows red, green and blue in the low three bytes.
      if (m_channels[kRed].mask == 0xFF0000 && m_channels[kGreen].mask == 0xFF00 && m_channels[kBlue].mask == 0xFF) {
        return true;
      }
      // Alpha stays in the top byte, which the display ignores and the export reads.
      return ConvertDepth(32, m_channels[kAlpha].width != 0 ? 0xFF000000u : 0u, 0xFF0000, 0xFF00, 0xFF);
    case 16:
      if (m_channels[kRed].width == 5 && m_channels[kGreen].width == 5 && m_channels[kBlue].width == 5) return true;
      return ConvertDepth(16, 0, 0x7C00, 0x03E0, 0x001F);  // 5-5-5, what a 16-bit DIB shows
    default:
      return ConvertDepth(32, 0, 0xFF0000, 0xFF00, 0xFF);
  }
}

HBITMAP CRasterImage::CreateDisplayBitmap() {
  if (!PrepareForDisplay() || m_ppRows.empty()) return nullptr;
  auto info = std::make_unique<BitmapInfo>();
  info->bmiHeader.biWidth = m_nWidth;
  info->bmiHeader.biHeight = m_nHeight;
  info->bmiHeader.biBitCount = static_cast<std::uint16_t>(m_nBitsPerPixel);
  if (m_nBitsPerPixel < 16) {
    const std::size_t entries = std::size_t{1} << m_nBitsPerPixel;
    info->bmiHeader.biClrUsed = static_cast<std::uint32_t>(entries);
    info->bmiColors.resize(entries);
    for (std::size_t i = 0; i < entries && i < m_pPalette.size(); ++i) {
      info->bmiColors[i] = RgbQuad{m_pPalette[i].blue, m_pPalette[i].green, m_pPalette[i].red, 0};
    }
  }
  const std::int32_t stride = GetStride();
  const std::int32_t rowBytes = GetRowBytes();
  // Each byte written once, rows appended bottom-up (the image's top row last).
  std::vector<std::uint8_t> bits =
      ReserveLarge<std::uint8_t>(static_cast<std::size_t>(stride) * static_cast<std::size_t>(m_nHeight));
  for (std::int32_t y = m_nHeight - 1; y >= 0; --y) {
    const std::uint8_t* row = m_ppRows[static_cast<std::size_t>(y)];
    bits.insert(bits.end(), row, row + rowBytes);
    bits.insert(bits.end(), static_cast<std::size_t>(stride - rowBytes), std::uint8_t{0});
  }
  auto dib = std::make_unique<CDibSection>(m_nWidth, m_nHeight, m_nBitsPerPixel, stride, std::move(bits));
  m_pBitmapInfo = std::move(info);
  m_hBitmap = std::move(dib);
  return m_hBitmap.get();
}

}  // namespace pixolan
