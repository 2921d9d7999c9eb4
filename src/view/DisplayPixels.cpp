#include "view/DisplayPixels.h"

#include <array>
#include <cstdint>
#include <vector>

#include "image/Colour.h"
#include "image/LargePages.h"

namespace pixolan {
namespace {

// The colour table as display pixels, one entry per index a row can hold (indexes
// the table lacks are black), so an indexed row converts by lookup alone.
template <std::size_t kEntries>
std::array<std::uint32_t, kEntries> TableLookup(const BitmapInfo& info) {
  std::array<std::uint32_t, kEntries> lookup{};
  for (std::size_t i = 0; i < kEntries; ++i) {
    if (i < info.bmiColors.size()) {
      const RgbQuad& q = info.bmiColors[i];
      lookup[i] = Argb(q.rgbRed, q.rgbGreen, q.rgbBlue);
    } else {
      lookup[i] = Argb(0, 0, 0);
    }
  }
  return lookup;
}

// One display bitmap row of `width` pixels into `dest`, per depth.
using RowConverter = void (*)(const BitmapInfo& info, const std::uint8_t* row, std::int32_t width, std::uint32_t* dest);

void Row1(const BitmapInfo& info, const std::uint8_t* row, std::int32_t width, std::uint32_t* dest) {
  const auto lookup = TableLookup<2>(info);
  for (std::int32_t x = 0; x < width; ++x) dest[x] = lookup[(row[x / 8] >> (7 - x % 8)) & 1u];
}

void Row4(const BitmapInfo& info, const std::uint8_t* row, std::int32_t width, std::uint32_t* dest) {
  const auto lookup = TableLookup<16>(info);
  for (std::int32_t x = 0; x < width; ++x) dest[x] = lookup[(x % 2 == 0) ? (row[x / 2] >> 4) : (row[x / 2] & 0x0fu)];
}

void Row16(const BitmapInfo&, const std::uint8_t* row, std::int32_t width, std::uint32_t* dest) {
  for (std::int32_t x = 0; x < width; ++x) {
    const std::uint32_t v = row[x * 2] | (static_cast<std::uint32_t>(row[x * 2 + 1]) << 8);
    dest[x] = Argb(Widen5((v >> 10) & 31u), Widen5((v >> 5) & 31u), Widen5(v & 31u));
  }
}

void Row24(const BitmapInfo&, const std::uint8_t* row, std::int32_t width, std::uint32_t* dest) {
  for (std::int32_t x = 0; x < width; ++x) dest[x] = Argb(row[x * 3 + 2], row[x * 3 + 1], row[x * 3]);
}

void Row32(const BitmapInfo&, const std::uint8_t* row, std::int32_t width, std::uint32_t* dest) {
  for (std::int32_t x = 0; x < width; ++x) dest[x] = Argb(row[x * 4 + 2], row[x * 4 + 1], row[x * 4]);
}

RowConverter ConverterFor(std::int32_t depth) {
  switch (depth) {
    case 1: return Row1;
    case 4: return Row4;
    case 16: return Row16;
    case 24: return Row24;
    case 32: return Row32;
    default: return nullptr;  // 8 has its own loop; other depths never reach a display bitmap
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
  const RowConverter convert = ConverterFor(depth);
  if ((convert == nullptr && depth != 8) || !RowsFit(bits, depth)) return {};
  ArgbPixels out{bits.Width(), bits.Height(), {}};
  const auto width = static_cast<std::size_t>(out.nWidth);
  // Rows are converted in a small buffer and appended, so each pixel of the large
  // result is written once (no zero fill first).
  out.pixels = ReserveLarge<std::uint32_t>(width * static_cast<std::size_t>(out.nHeight));
  std::vector<std::uint32_t> line(width);
  // The common sheet: one table built once, then one lookup per pixel.
  const auto lookup8 = depth == 8 ? TableLookup<256>(info) : std::array<std::uint32_t, 256>{};
  // Memory row 0 is the picture's bottom row.
  for (std::int32_t y = 0; y < out.nHeight; ++y) {
    const std::uint8_t* row = bits.Row(out.nHeight - 1 - y);
    if (depth == 8) {
      for (std::size_t x = 0; x < width; ++x) line[x] = lookup8[row[x]];
    } else {
      convert(info, row, out.nWidth, line.data());
    }
    out.pixels.insert(out.pixels.end(), line.begin(), line.end());
  }
  return out;
}

}  // namespace pixolan
