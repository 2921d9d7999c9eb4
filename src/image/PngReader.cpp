#include "image/PngReader.h"

#include <algorithm>
#include <string>
#include <vector>

#include "image/PngSession.h"

namespace pixolan {

namespace {

// Pictures whose pixels need more than this are decoded once into a single row
// before their memory is reserved: a file that is going to be refused must never
// make us reserve what its header promises.
constexpr std::uint64_t kMaxUnprovenBytes = 64u << 20;

bool IsIndexed(const PngHeader& header) {
  return header.colourType == PNG_COLOR_TYPE_PALETTE || header.colourType == PNG_COLOR_TYPE_GRAY;
}

// Bytes of an image row as Create will make it (2-bit rows widen to 4 bits).
std::uint64_t ImageStride(const PngHeader& header) {
  const int indexBits = std::min(header.bitDepth, 8);
  const int bits = !IsIndexed(header) ? 32 : indexBits == 2 ? 4 : indexBits;
  return (static_cast<std::uint64_t>(header.width) * static_cast<std::uint64_t>(bits) + 31) / 32 * 4;
}

}  // namespace

bool CPngReader::Decode() {
  m_file.Seek(0, CMappedFile::kBegin);
  const std::size_t size = m_file.Size();
  const std::uint8_t* data = m_file.ReadSpan(size);
  if (data == nullptr) return false;
  if (size < 8 || png_sig_cmp(data, 0, 8) != 0) return Refuse("not a PNG file");
  CPngSession session(data, size);
  PngHeader header;
  if (!session.ReadHeader(header) || session.MemoryExceeded()) return RefuseWith(session);
  // Checked before Create reserves anything.
  const std::string problem = ImageSizeProblem(header.width, header.height);
  if (!problem.empty()) return Refuse(problem);
  if (ImageStride(header) * header.height > kMaxUnprovenBytes && !AllRowsPresent(data, size)) return false;
  const bool decoded = IsIndexed(header) ? DecodeIndexed(session, header) : DecodeTrueColour(session, header);
  return decoded && (!session.MemoryExceeded() || RefuseWith(session));
}

// A second read of the file, row by row into one row's memory.
bool CPngReader::AllRowsPresent(const std::uint8_t* data, std::size_t size) {
  CPngSession session(data, size);
  PngHeader header;
  if (!session.ReadHeader(header)) return RefuseWith(session);
  std::vector<std::uint8_t> row(static_cast<std::size_t>(header.width) * 4 + 16);
  const PngRowForm form = IsIndexed(header) ? PngRowForm::kPackedIndices : PngRowForm::kBgra;
  return session.CheckRows(form, row.data(), row.size()) || RefuseWith(session);
}

bool CPngReader::RefuseWith(const CPngSession& session) {
  if (session.MemoryExceeded()) return Refuse("needs more than 64 MiB to decode");
  return Refuse(*session.Error() != '\0' ? session.Error() : "damaged PNG");
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
    return RefuseWith(session);
  }
  if (bits == 2) WidenTwoBitRows();
  return true;
}

bool CPngReader::DecodeTrueColour(CPngSession& session, const PngHeader& header) {
  const bool alpha = (header.colourType & PNG_COLOR_MASK_ALPHA) != 0;
  SetChannelMasks(alpha ? 0xFF000000u : 0u, 0xFF0000, 0xFF00, 0xFF);
  if (!Create(static_cast<std::int32_t>(header.width), static_cast<std::int32_t>(header.height), 32)) return false;
  return session.ReadRows(PngRowForm::kBgra, m_ppRows.data(), static_cast<std::size_t>(GetStride())) ||
         RefuseWith(session);
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
