#include "image/PngReader.h"

#include <algorithm>

#include "image/PngSession.h"

namespace pixolan {

bool CPngReader::Decode() {
  m_file.Seek(0, CMappedFile::kBegin);
  const std::size_t size = m_file.Size();
  const std::uint8_t* data = m_file.ReadSpan(size);
  if (data == nullptr) return false;
  CPngSession session(data, size, static_cast<std::uint32_t>(kMaxImageDimension));
  PngHeader header;
  if (!session.ReadHeader(header)) return false;
  // Checked before Create reserves anything (libpng has checked it as well).
  if (header.width == 0 || header.height == 0 || header.width > static_cast<std::uint32_t>(kMaxImageDimension) ||
      header.height > static_cast<std::uint32_t>(kMaxImageDimension)) {
    return false;
  }
  const bool indexed = header.colourType == PNG_COLOR_TYPE_PALETTE || header.colourType == PNG_COLOR_TYPE_GRAY;
  return indexed ? DecodeIndexed(session, header) : DecodeTrueColour(session, header);
}

// Rows arrive packed as the image packs them (the leftmost pixel in the high
// bits); 2-bit rows are read into the wider 4-bit rows and spread out there.
bool CPngReader::DecodeIndexed(CPngSession& session, const PngHeader& header) {
  const int bits = std::min(header.bitDepth, 8);
  const std::int32_t depth = bits == 2 ? 4 : bits;
  SetChannelMasks(0, 0, 0, 0);
  if (!Create(static_cast<std::int32_t>(header.width), static_cast<std::int32_t>(header.height), depth)) return false;
  if (header.colourType == PNG_COLOR_TYPE_PALETTE) {
    CopyPalette(session);
  } else {
    FillGreyRamp(bits);
  }
  if (!session.ReadRows(PngRowForm::kPackedIndices, m_ppRows.data(), static_cast<std::size_t>(GetStride()))) {
    return false;
  }
  if (bits == 2) WidenTwoBitRows();
  return true;
}

bool CPngReader::DecodeTrueColour(CPngSession& session, const PngHeader& header) {
  const bool alpha = (header.colourType & PNG_COLOR_MASK_ALPHA) != 0;
  SetChannelMasks(alpha ? 0xFF000000u : 0u, 0xFF0000, 0xFF00, 0xFF);
  if (!Create(static_cast<std::int32_t>(header.width), static_cast<std::int32_t>(header.height), 32)) return false;
  return session.ReadRows(PngRowForm::kBgra, m_ppRows.data(), static_cast<std::size_t>(GetStride()));
}

// Entries the PLTE does not supply stay black; entries past the palette are ignored.
void CPngReader::CopyPalette(const CPngSession& session) {
  const png_color* entries = nullptr;
  const int count = session.Palette(&entries);
  const std::size_t used = std::min(static_cast<std::size_t>(std::max(count, 0)), m_pPalette.size());
  for (std::size_t i = 0; i < used; ++i) m_pPalette[i] = PaletteEntry{0, entries[i].red, entries[i].green, entries[i].blue};
}

// Grey level v of a b-bit picture is v scaled so that the top level is white.
void CPngReader::FillGreyRamp(int bitDepth) {
  const int levels = 1 << bitDepth;
  for (int v = 0; v < levels; ++v) {
    const auto grey = static_cast<std::uint8_t>(v * 255 / (levels - 1));
    m_pPalette[static_cast<std::size_t>(v)] = PaletteEntry{0, grey, grey, grey};
  }
}

// Each row holds four 2-bit pixels a byte; rewrite it right to left as two
// nibbles a byte, reading each pair before its byte is written.
void CPngReader::WidenTwoBitRows() {
  auto pixel = [](const std::uint8_t* row, std::int32_t x) {
    return static_cast<std::uint8_t>((row[x / 4] >> (6 - 2 * (x % 4))) & 0x03);
  };
  for (std::uint8_t* row : m_ppRows) {
    for (std::int32_t j = (m_nWidth + 1) / 2 - 1; j >= 0; --j) {
      const std::uint8_t high = pixel(row, 2 * j);
      const std::uint8_t low = 2 * j + 1 < m_nWidth ? pixel(row, 2 * j + 1) : 0;
      row[j] = static_cast<std::uint8_t>((high << 4) | low);
    }
  }
}

}  // namespace pixolan
