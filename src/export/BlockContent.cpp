#include "export/BlockContent.h"

namespace pixolan {
namespace {

constexpr std::uint64_t kMix = 0x9E3779B97F4A7C15ull;

std::uint64_t Avalanche(std::uint64_t h) {
  h ^= h >> 33;
  h *= 0xFF51AFD7ED558CCDull;
  h ^= h >> 33;
  return h;
}

bool IsForcedFirst(const BlockInfo& record) { return record.nCellX == -1 && record.nCellY == -1; }

// Row words combined top to bottom and bottom to top; `rows` and `mirrored`
// are each row read left to right and right to left.
OrientedHashes Combine(const std::array<std::uint64_t, 8>& rows, const std::array<std::uint64_t, 8>& mirrored) {
  OrientedHashes h{};
  for (std::size_t y = 0; y < 8; ++y) {
    h[0] = (h[0] ^ rows[y]) * kMix;
    h[1] = (h[1] ^ mirrored[y]) * kMix;
    h[2] = (h[2] ^ rows[7 - y]) * kMix;
    h[3] = (h[3] ^ mirrored[7 - y]) * kMix;
    for (std::uint64_t& v : h) v ^= v >> 29;
  }
  for (std::uint64_t& v : h) v = Avalanche(v);
  return h;
}

}  // namespace

bool IndexedRows::Load(const BlockInfo& record, Content& out) const {
  if (IsForcedFirst(record)) {
    out.fill(0x0101010101010101ull * m_transparent);
    return true;
  }
  if (!m_sheet.IsCell(record.nCellX, record.nCellY)) return false;
  std::array<std::uint8_t, 64> indices;
  m_sheet.CellIndices(record.nCellX, record.nCellY, indices);
  if (m_sheet.CanonicalIsIndex()) {
    // Byte x of a row word is pixel x (little-endian order, spelled out portably).
    for (std::size_t y = 0; y < 8; ++y) {
      std::uint64_t row = 0;
      for (std::size_t x = 0; x < 8; ++x) row |= std::uint64_t{indices[8 * y + x]} << (8 * x);
      out[y] = row;
    }
    return true;
  }
  for (std::size_t y = 0; y < 8; ++y) {
    std::uint64_t row = 0;
    for (std::size_t x = 0; x < 8; ++x) row |= std::uint64_t{m_sheet.Canonical(indices[8 * y + x])} << (8 * x);
    out[y] = row;
  }
  return true;
}

OrientedHashes IndexedRows::Hashes(const Content& c) {
  std::array<std::uint64_t, 8> mirrored{};
  for (std::size_t y = 0; y < 8; ++y) mirrored[y] = __builtin_bswap64(c[y]);  // pixel x moves to 7 - x
  return Combine(c, mirrored);
}

bool IndexedRows::Matches(const Content& later, const Content& earlier, MirrorFlags o) {
  for (std::size_t y = 0; y < 8; ++y) {
    std::uint64_t row = later[o.yFlip ? 7 - y : y];
    if (o.xFlip) row = __builtin_bswap64(row);
    if (row != earlier[y]) return false;
  }
  return true;
}

bool RgbPixels::Load(const BlockInfo& record, Content& out) const {
  if (IsForcedFirst(record)) {
    out.fill(m_transparent);
    return true;
  }
  if (!m_sheet.IsCell(record.nCellX, record.nCellY)) return false;
  m_sheet.CellRgb(record.nCellX, record.nCellY, out);
  return true;
}

OrientedHashes RgbPixels::Hashes(const Content& c) {
  std::array<std::uint64_t, 8> rows{}, mirrored{};
  for (std::size_t y = 0; y < 8; ++y) {
    std::uint64_t f = 0, b = 0;
    for (std::size_t x = 0; x < 8; ++x) {
      f = (f ^ c[8 * y + x]) * kMix;
      b = (b ^ c[8 * y + 7 - x]) * kMix;
    }
    rows[y] = Avalanche(f);
    mirrored[y] = Avalanche(b);
  }
  return Combine(rows, mirrored);
}

bool RgbPixels::Matches(const Content& later, const Content& earlier, MirrorFlags o) {
  for (std::size_t y = 0; y < 8; ++y) {
    const std::size_t ly = o.yFlip ? 7 - y : y;
    for (std::size_t x = 0; x < 8; ++x) {
      if (earlier[8 * y + x] != later[8 * ly + (o.xFlip ? 7 - x : x)]) return false;
    }
  }
  return true;
}

}  // namespace pixolan
