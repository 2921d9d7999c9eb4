#pragma once
// Links each cut block to the nearest earlier block that it repeats directly or
// mirrored, resolves chains of repeats and numbers the output blocks.
//
// The result equals that of comparing every record with every earlier one,
// nearest first, in the order direct, left-right, top-bottom, both. Instead of
// that quadratic search, each record's content is hashed in its four mirror
// orientations and the latest earlier record with the same content is looked
// up per orientation; hash hits are always confirmed pixel by pixel.
#include <array>
#include <cstdint>
#include <vector>

#include "export/BlockContent.h"
#include "export/BlockInfo.h"
#include "export/SheetColours.h"

namespace pixolan {

class CBlockMatcher {
 public:
  // transparent: the colour of every pixel of the forced first block.
  CBlockMatcher(const CSheetColours& sheet, const PaletteEntry& transparent);

  // Every pixel (x, y) of `earlier` equals pixel (x', y') of `later`, x' = 7 - x
  // under the left-right mirror, y' = 7 - y under the top-bottom mirror. A record
  // whose cell is not a whole cell of the sheet matches nothing.
  bool Match(const BlockInfo& later, const BlockInfo& earlier, MirrorFlags o) const;

  // Sets nBlock (-1, or the index of the earlier record repeated) and both flips
  // of records 0 .. count - 1; returns the number of records left unique.
  std::int32_t LinkRepeats(std::vector<BlockInfo>& blocks, std::int32_t count);

  // Mirror bits composed along every chain, then nBlock becomes the output block
  // number; unique[n] = record supplying block n (one entry per output block). Needs every nBlock below its record.
  static std::int32_t ResolveAndNumber(std::vector<BlockInfo>& blocks, std::int32_t count,
                                       std::vector<std::int32_t>& unique);

 private:
  template <class Policy>
  std::int32_t Link(const Policy& policy, std::vector<BlockInfo>& blocks, std::int32_t count);
  // The nearest earlier record above `floor` whose content equals `content` seen through o.
  template <class Policy>
  std::int32_t FindNearest(const Policy& policy, const std::vector<BlockInfo>& blocks, std::int32_t record,
                           const typename Policy::Content& content, std::uint64_t hash, MirrorFlags o,
                           std::int32_t floor) const;

  void ResetTable(std::int32_t count);
  std::int32_t Latest(std::uint64_t hash) const;  // newest record with this hash key, or -1
  void Insert(std::int32_t record, std::uint64_t hash);

  const CSheetColours& m_sheet;
  PaletteEntry m_transparent;
  std::int32_t m_nTransparentCanonical;  // -1: content compared as red-green-blue words
  // Open addressing keyed by the top 32 bits of the direct-orientation hash: the
  // newest record with that key, its older ones chained through m_previous. One
  // cache line per lookup; a shared key only costs a pixel check that fails.
  struct Slot {
    std::uint32_t key = 0;
    std::int32_t record = -1;  // -1: empty
  };
  std::vector<Slot> m_slots;
  std::vector<std::int32_t> m_previous;  // the next older record with the same key, or -1
  std::uint64_t m_mask = 0;
};

}  // namespace pixolan
