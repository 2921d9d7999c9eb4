#include "export/BlockMatcher.h"

#include <algorithm>

#include "document/PxoDoc.h"
#include "export/ExportTables.h"

namespace pixolan {
namespace {

constexpr std::array<MirrorFlags, 4> kOrientations{{{false, false}, {false, true}, {true, false}, {true, true}}};

template <class Policy>
bool MatchWith(const Policy& policy, const BlockInfo& later, const BlockInfo& earlier, MirrorFlags o) {
  typename Policy::Content a{}, b{};
  return policy.Load(later, a) && policy.Load(earlier, b) && Policy::Matches(a, b, o);
}

}  // namespace

CBlockMatcher::CBlockMatcher(const CSheetColours& sheet, const PaletteEntry& transparent)
    : m_sheet(sheet), m_transparent(transparent), m_nTransparentCanonical(sheet.CanonicalOf(transparent)) {}

bool CBlockMatcher::Match(const BlockInfo& later, const BlockInfo& earlier, MirrorFlags o) const {
  if (m_nTransparentCanonical >= 0) {
    return MatchWith(IndexedRows(m_sheet, static_cast<std::uint8_t>(m_nTransparentCanonical)), later, earlier, o);
  }
  return MatchWith(RgbPixels(m_sheet, PackRgb(m_transparent)), later, earlier, o);
}

void CBlockMatcher::ResetTable(std::int32_t count) {
  const std::size_t n = static_cast<std::size_t>(count);
  std::size_t size = 16;
  while (3 * size < 4 * n) size *= 2;  // at most three quarters full
  m_slots.assign(size, Slot{});
  m_mask = size - 1;
  m_previous.assign(n, -1);
}

std::int32_t CBlockMatcher::Latest(std::uint64_t hash) const {
  const auto key = static_cast<std::uint32_t>(hash >> 32);
  for (std::uint64_t s = hash & m_mask;; s = (s + 1) & m_mask) {
    const Slot& slot = m_slots[s];
    if (slot.record < 0 || slot.key == key) return slot.record;
  }
}

void CBlockMatcher::Insert(std::int32_t record, std::uint64_t hash) {
  const auto key = static_cast<std::uint32_t>(hash >> 32);
  for (std::uint64_t s = hash & m_mask;; s = (s + 1) & m_mask) {
    Slot& slot = m_slots[s];
    if (slot.record < 0 || slot.key == key) {
      m_previous[static_cast<std::size_t>(record)] = slot.record;
      slot = Slot{key, record};
      return;
    }
  }
}

template <class Policy>
std::int32_t CBlockMatcher::FindNearest(const Policy& policy, const std::vector<BlockInfo>& blocks,
                                        std::int32_t record, const typename Policy::Content& content,
                                        std::uint64_t hash, MirrorFlags o, std::int32_t floor) const {
  const std::int32_t sum = blocks[static_cast<std::size_t>(record)].nColourSum;
  typename Policy::Content candidate{};
  // Newest first; a hash hit still has to show the same colour sum and pixels.
  for (std::int32_t j = Latest(hash); j > floor; j = m_previous[static_cast<std::size_t>(j)]) {
    const BlockInfo& earlier = blocks[static_cast<std::size_t>(j)];
    if (earlier.nColourSum != sum || !policy.Load(earlier, candidate)) continue;
    if (Policy::Matches(content, candidate, o)) return j;
  }
  return -1;
}

template <class Policy>
std::int32_t CBlockMatcher::Link(const Policy& policy, std::vector<BlockInfo>& blocks, std::int32_t count) {
  ResetTable(count);
  std::int32_t uniques = 0;
  typename Policy::Content content{};
  for (std::int32_t i = 0; i < count; ++i) {
    BlockInfo& record = blocks[static_cast<std::size_t>(i)];
    record.nBlock = -1;
    record.bXFlip = record.bYFlip = false;
    if (!policy.Load(record, content)) {
      ++uniques;
      continue;
    }
    const OrientedHashes hashes = Policy::Hashes(content);
    // The nearest record wins; for one record the first orientation in order.
    for (std::size_t o = 0; o < kOrientations.size(); ++o) {
      const std::int32_t j = FindNearest(policy, blocks, i, content, hashes[o], kOrientations[o], record.nBlock);
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

std::int32_t CBlockMatcher::LinkRepeats(std::vector<BlockInfo>& blocks, std::int32_t count) {
  count = std::clamp<std::int32_t>(count, 0, static_cast<std::int32_t>(blocks.size()));
  if (m_nTransparentCanonical >= 0) {
    return Link(IndexedRows(m_sheet, static_cast<std::uint8_t>(m_nTransparentCanonical)), blocks, count);
  }
  return Link(RgbPixels(m_sheet, PackRgb(m_transparent)), blocks, count);
}

std::int32_t CBlockMatcher::ResolveAndNumber(std::vector<BlockInfo>& blocks, std::int32_t count,
                                             std::vector<std::int32_t>& unique) {
  count = std::clamp<std::int32_t>(count, 0, static_cast<std::int32_t>(blocks.size()));
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
  unique.resize(static_cast<std::size_t>(n));
  return n;
}

void MatchBlocks(const CPxoDoc& doc, CExportTables& tables) {
  const auto count = static_cast<std::int32_t>(tables.m_pBlocks.size());
  const CSheetColours sheet(doc.m_pImage.get());
  CBlockMatcher matcher(sheet, TransparentColour(doc.m_pImage.get()));
  matcher.LinkRepeats(tables.m_pBlocks, count);
  CBlockMatcher::ResolveAndNumber(tables.m_pBlocks, count, tables.m_pUniqueBlocks);
}

}  // namespace pixolan
