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

#include "export/BlockInfo.h"
#include "export/SheetColours.h"

namespace pixolan {

class CBlockMatcher {
 public:
  // transparent: the colour of every pixel of the forced first block.
  CBlockMatcher(const CSheetColours& sheet, const PaletteEntry& transparent);

  // The 64 colours of a record, row by row; false for a record whose cell is not
  // a whole cell of the sheet (such a record is never matched).
  bool RecordRgb(const BlockInfo& record, std::array<std::uint32_t, 64>& out) const;

  // Sets nBlock (-1, or the index of the earlier record repeated) and both flips
  // of records 0 .. count - 1; returns the number of records left unique.
  std::int32_t LinkRepeats(std::vector<BlockInfo>& blocks, std::int32_t count);

  // Mirror bits composed along every chain, then nBlock becomes the output block
  // number; unique[n] = record supplying block n. Needs every nBlock below its record.
  static std::int32_t ResolveAndNumber(std::vector<BlockInfo>& blocks, std::int32_t count,
                                       std::vector<std::int32_t>& unique);

  struct Orientation {
    bool yFlip;
    bool xFlip;
  };
  // Pixel (x, y) of `earlier` equals pixel (x', y') of `later`, x' = 7 - x under
  // the left-right mirror, y' = 7 - y under the top-bottom mirror.
  static bool Matches(const std::array<std::uint32_t, 64>& later, const std::array<std::uint32_t, 64>& earlier,
                      Orientation o);

 private:
  static constexpr std::array<Orientation, 4> kOrientations{{{false, false}, {false, true}, {true, false}, {true, true}}};

  // Hashes of the record's picture as seen through each orientation.
  static std::array<std::uint64_t, 4> OrientedHashes(const std::array<std::uint32_t, 64>& rgb);
  void ResetTable(std::int32_t count);
  std::int32_t Latest(std::uint64_t hash) const;  // newest record with this direct hash, or -1
  void Insert(std::int32_t record, std::uint64_t hash);
  // The nearest earlier record above `floor` whose picture equals `rgb` seen through o.
  std::int32_t FindNearest(const std::vector<BlockInfo>& blocks, std::int32_t record,
                           const std::array<std::uint32_t, 64>& rgb, std::uint64_t hash, Orientation o,
                           std::int32_t floor) const;

  const CSheetColours& m_sheet;
  std::uint32_t m_transparentRgb;
  std::vector<std::uint64_t> m_hashOf;   // direct-orientation hash of every inserted record
  std::vector<std::int32_t> m_previous;  // the next older record with the same hash, or -1
  std::vector<std::int32_t> m_slots;     // open addressing: newest record per hash, -1 empty
  std::uint64_t m_mask = 0;
};

}  // namespace pixolan
