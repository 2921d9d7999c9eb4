#include "export/BlockMatcher.h"

#include <algorithm>

#include "document/PxoDoc.h"

namespace pixolan {
namespace {

constexpr std::uint64_t kPixelPrime = 0x9E3779B97F4A7C15ull;
constexpr std::uint64_t kRowPrime = 0xC2B2AE3D27D4EB4Full;

std::uint64_t Avalanche(std::uint64_t h) {
  h ^= h >> 33;
  h *= 0xFF51AFD7ED558CCDull;
  h ^= h >> 33;
  return h;
}

bool IsForcedFirst(const BlockInfo& record) { return record.nCellX == -1 && record.nCellY == -1; }

// The transparent colour: top-left pixel of the sheet, black without one.
PaletteEntry TransparentColour(const CRasterImage* image) {
  if (!image || image->m_ppRows.empty()) return PaletteEntry{};
  return image->GetPixelColour(0, 0);
}

}  // namespace

CBlockMatcher::CBlockMatcher(const CSheetColours& sheet, const PaletteEntry& transparent)
    : m_sheet(sheet), m_transparentRgb(PackRgb(transparent)) {}

bool CBlockMatcher::RecordRgb(const BlockInfo& record, std::array<std::uint32_t, 64>& out) const {
  if (IsForcedFirst(record)) {
    out.fill(m_transparentRgb);
    return true;
  }
  if (!m_sheet.IsCell(record.nCellX, record.nCellY)) return false;
  m_sheet.CellRgb(record.nCellX, record.nCellY, out);
  return true;
}

std::array<std::uint64_t, 4> CBlockMatcher::OrientedHashes(const std::array<std::uint32_t, 64>& rgb) {
  // Row hashes read left to right and right to left; the four orientations are
  // the rows combined top to bottom or bottom to top.
  std::array<std::uint64_t, 8> forward{}, backward{};
  for (std::size_t y = 0; y < 8; ++y) {
    std::uint64_t f = 0, b = 0;
    for (std::size_t x = 0; x < 8; ++x) {
      f = (f ^ rgb[8 * y + x]) * kPixelPrime;
      b = (b ^ rgb[8 * y + 7 - x]) * kPixelPrime;
    }
    forward[y] = Avalanche(f);
    backward[y] = Avalanche(b);
  }
  std::array<std::uint64_t, 4> h{};
  for (std::size_t y = 0; y < 8; ++y) {
    h[0] = (h[0] ^ forward[y]) * kRowPrime;
    h[1] = (h[1] ^ backward[y]) * kRowPrime;
    h[2] = (h[2] ^ forward[7 - y]) * kRowPrime;
    h[3] = (h[3] ^ backward[7 - y]) * kRowPrime;
  }
  for (std::uint64_t& v : h) v = Avalanche(v);
  return h;
}

bool CBlockMatcher::Matches(const std::array<std::uint32_t, 64>& later, const std::array<std::uint32_t, 64>& earlier,
                            Orientation o) {
  for (std::size_t y = 0; y < 8; ++y) {
    const std::size_t ly = o.yFlip ? 7 - y : y;
    for (std::size_t x = 0; x < 8; ++x) {
      const std::size_t lx = o.xFlip ? 7 - x : x;
      if (earlier[8 * y + x] != later[8 * ly + lx]) return false;
    }
  }
  return true;
}

void CBlockMatcher::ResetTable(std::int32_t count) {
  const std::size_t n = static_cast<std::size_t>(count);
  std::size_t size = 16;
  while (size < 2 * n) size *= 2;
  m_slots.assign(size, -1);
  m_mask = size - 1;
  m_hashOf.assign(n, 0);
  m_previous.assign(n, -1);
}

std::int32_t CBlockMatcher::Latest(std::uint64_t hash) const {
  for (std::uint64_t s = hash & m_mask;; s = (s + 1) & m_mask) {
    const std::int32_t r = m_slots[s];
    if (r < 0) return -1;
    if (m_hashOf[static_cast<std::size_t>(r)] == hash) return r;
  }
}

void CBlockMatcher::Insert(std::int32_t record, std::uint64_t hash) {
  m_hashOf[static_cast<std::size_t>(record)] = hash;
  for (std::uint64_t s = hash & m_mask;; s = (s + 1) & m_mask) {
    std::int32_t& slot = m_slots[s];
    if (slot < 0 || m_hashOf[static_cast<std::size_t>(slot)] == hash) {
      m_previous[static_cast<std::size_t>(record)] = slot;
      slot = record;
      return;
    }
  }
}

std::int32_t CBlockMatcher::FindNearest(const std::vector<BlockInfo>& blocks, std::int32_t record,
                                        const std::array<std::uint32_t, 64>& rgb, std::uint64_t hash, Orientation o,
                                        std::int32_t floor) const {
  const std::int32_t sum = blocks[static_cast<std::size_t>(record)].nColourSum;
  std::array<std::uint32_t, 64> candidate{};
  // Newest first; a hash hit still has to show the same colour sum and pixels.
  for (std::int32_t j = Latest(hash); j > floor; j = m_previous[static_cast<std::size_t>(j)]) {
    const BlockInfo& earlier = blocks[static_cast<std::size_t>(j)];
    if (earlier.nColourSum != sum || !RecordRgb(earlier, candidate)) continue;
    if (Matches(rgb, candidate, o)) return j;
  }
  return -1;
}

std::int32_t CBlockMatcher::LinkRepeats(std::vector<BlockInfo>& blocks, std::int32_t count) {
  ResetTable(count);
  std::int32_t uniques = 0;
  std::array<std::uint32_t, 64> rgb{};
  for (std::int32_t i = 0; i < count; ++i) {
    BlockInfo& record = blocks[static_cast<std::size_t>(i)];
    record.nBlock = -1;
    record.bXFlip = record.bYFlip = false;
    if (!RecordRgb(record, rgb)) {
      ++uniques;
      continue;
    }
    const std::array<std::uint64_t, 4> hashes = OrientedHashes(rgb);
    // The nearest record wins; for one record the first orientation in order.
    for (std::size_t o = 0; o < kOrientations.size(); ++o) {
      const std::int32_t j = FindNearest(blocks, i, rgb, hashes[o], kOrientations[o], record.nBlock);
      if (j > record.nBlock) {
        record.nBlock = j;
        record.bYFlip = kOrientations[o].yFlip;
        record.bXFlip = kOrientations[o].xFlip;
      }
    }
    if (record.nBlock < 0) ++uniques;
    Insert(i, hashes[0]);
  }
  return uniques;
}

std::int32_t CBlockMatcher::ResolveAndNumber(std::vector<BlockInfo>& blocks, std::int32_t count,
                                             std::vector<std::int32_t>& unique) {
  unique.assign(static_cast<std::size_t>(count), -1);
  std::int32_t n = 0;
  // In index order every referred record is already final: its flips are the
  // composition along its own chain and its nBlock the output number. Composing
  // here equals walking each chain, since the mirrors commute and undo themselves.
  for (std::int32_t i = 0; i < count; ++i) {
    BlockInfo& record = blocks[static_cast<std::size_t>(i)];
    if (record.nBlock < 0 || record.nBlock >= i) {
      record.nBlock = n;
      record.bXFlip = record.bYFlip = false;
      unique[static_cast<std::size_t>(n++)] = i;
      continue;
    }
    const BlockInfo& target = blocks[static_cast<std::size_t>(record.nBlock)];
    record.bXFlip = record.bXFlip != target.bXFlip;
    record.bYFlip = record.bYFlip != target.bYFlip;
    record.nBlock = target.nBlock;
  }
  return n;
}

bool CPxoDoc::BlocksMatch(const std::vector<BlockInfo>& blocks, int i, int j, bool yFlip, bool xFlip) const {
  const auto size = static_cast<std::int64_t>(blocks.size());
  if (i < 0 || j < 0 || i >= size || j >= size) return false;
  const CSheetColours sheet(m_pImage.get());
  const CBlockMatcher matcher(sheet, TransparentColour(m_pImage.get()));
  std::array<std::uint32_t, 64> later{}, earlier{};
  if (!matcher.RecordRgb(blocks[static_cast<std::size_t>(i)], later) ||
      !matcher.RecordRgb(blocks[static_cast<std::size_t>(j)], earlier)) {
    return false;
  }
  return CBlockMatcher::Matches(later, earlier, {yFlip, xFlip});
}

void CPxoDoc::MatchBlocks() {
  const std::int32_t count = std::min<std::int32_t>(m_nBlocks, static_cast<std::int32_t>(m_pBlocks.size()));
  const CSheetColours sheet(m_pImage.get());
  CBlockMatcher matcher(sheet, TransparentColour(m_pImage.get()));
  matcher.LinkRepeats(m_pBlocks, count);
  m_nUniqueBlocks = CBlockMatcher::ResolveAndNumber(m_pBlocks, count, m_pUniqueBlocks);
}

}  // namespace pixolan
