#pragma once
// A block's 64 pixel colours in the two forms the matcher compares: rows of
// canonical palette indices packed into 64-bit words (palettized sheets; a left-
// right mirror is a byte swap), or packed red-green-blue words (any other sheet).
// Equal content means equal colours pixel by pixel.
#include <array>
#include <cstdint>

#include "export/BlockInfo.h"
#include "export/SheetColours.h"

namespace pixolan {

struct MirrorFlags {
  bool yFlip;
  bool xFlip;
};

// Hashes of the content seen through no mirror, left-right, top-bottom, both.
using OrientedHashes = std::array<std::uint64_t, 4>;

class IndexedRows {
 public:
  using Content = std::array<std::uint64_t, 8>;
  // transparent: canonical index of the forced first block's colour.
  IndexedRows(const CSheetColours& sheet, std::uint8_t transparent) : m_sheet(sheet), m_transparent(transparent) {}

  bool Load(const BlockInfo& record, Content& out) const;
  static OrientedHashes Hashes(const Content& c);
  // Pixel (x, y) of `earlier` equals pixel (x', y') of `later` under the mirror.
  static bool Matches(const Content& later, const Content& earlier, MirrorFlags o);

 private:
  const CSheetColours& m_sheet;
  std::uint8_t m_transparent;
};

class RgbPixels {
 public:
  using Content = std::array<std::uint32_t, 64>;
  RgbPixels(const CSheetColours& sheet, std::uint32_t transparentRgb) : m_sheet(sheet), m_transparent(transparentRgb) {}

  bool Load(const BlockInfo& record, Content& out) const;
  static OrientedHashes Hashes(const Content& c);
  static bool Matches(const Content& later, const Content& earlier, MirrorFlags o);

 private:
  const CSheetColours& m_sheet;
  std::uint32_t m_transparent;
};

}  // namespace pixolan
