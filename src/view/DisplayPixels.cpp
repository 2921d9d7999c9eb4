#include "view/DisplayPixels.h"

#include "image/Colour.h"

namespace pixolan {
namespace {

std::uint32_t FromTable(const BitmapInfo& info, std::uint32_t index) {
  if (index >= info.bmiColors.size()) return Argb(0, 0, 0);
  const RgbQuad& q = info.bmiColors[index];
  return Argb(q.rgbRed, q.rgbGreen, q.rgbBlue);
}

// One pixel of a display bitmap row; every depth the display bitmap can have.
std::uint32_t PixelAt(const BitmapInfo& info, const std::uint8_t* row, std::int32_t x, std::int32_t depth) {
  const auto ux = static_cast<std::size_t>(x);
  switch (depth) {
    case 1:
      return FromTable(info, (row[ux / 8] >> (7 - ux % 8)) & 1u);
    case 4:
      return FromTable(info, (ux % 2 == 0) ? (row[ux / 2] >> 4) : (row[ux / 2] & 0x0fu));
    case 8:
      return FromTable(info, row[ux]);
    case 16: {
      const std::uint32_t v = row[ux * 2] | (static_cast<std::uint32_t>(row[ux * 2 + 1]) << 8);
      return Argb(Widen5((v >> 10) & 31u), Widen5((v >> 5) & 31u), Widen5(v & 31u));
    }
    case 24:
      return Argb(row[ux * 3 + 2], row[ux * 3 + 1], row[ux * 3]);
    default:  // 32
      return Argb(row[ux * 4 + 2], row[ux * 4 + 1], row[ux * 4]);
  }
}

bool RowsFit(const CDibSection& bits, std::int32_t depth) {
  if (bits.Width() <= 0 || bits.Height() <= 0) return false;
  const std::int64_t rowBits = static_cast<std::int64_t>(bits.Width()) * depth;
  return (rowBits + 7) / 8 <= bits.Stride() &&
         static_cast<std::uint64_t>(bits.Stride()) * static_cast<std::uint64_t>(bits.Height()) <= bits.SizeBytes();
}

}  // namespace

ArgbPixels DisplayPixels(const BitmapInfo& info, const CDibSection& bits) {
  const std::int32_t depth = bits.BitsPerPixel();
  if (depth != 1 && depth != 4 && depth != 8 && depth != 16 && depth != 24 && depth != 32) return {};
  if (!RowsFit(bits, depth)) return {};
  ArgbPixels out{bits.Width(), bits.Height(), {}};
  out.pixels.resize(static_cast<std::size_t>(out.nWidth) * static_cast<std::size_t>(out.nHeight));
  std::uint32_t* dest = out.pixels.data();
  // Memory row 0 is the picture's bottom row.
  for (std::int32_t y = 0; y < out.nHeight; ++y) {
    const std::uint8_t* row = bits.Row(out.nHeight - 1 - y);
    for (std::int32_t x = 0; x < out.nWidth; ++x) *dest++ = PixelAt(info, row, x, depth);
  }
  return out;
}

}  // namespace pixolan
