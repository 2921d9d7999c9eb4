#pragma once
// What the exported data asks of the Game Boy Color, frame by frame: objects,
// objects on one line, palettes, tile memory, values a byte cannot hold, and
// the pixels that the console shows differently from the sheet. Measured on
// the file read back, so what is checked is what the console gets. The console
// never draws colour 0 of an object, whatever its palette.
#include <cstdint>
#include <string>
#include <vector>

#include "export/ByteFields.h"
#include "export/ExportDecoder.h"

namespace pixolan {

class CPxoDoc;

// The console's object limits.
inline constexpr std::int64_t kObjectsPerFrame = 40;
inline constexpr std::int64_t kObjectsPerLine = 10;
inline constexpr std::int64_t kObjectPalettes = 8;
inline constexpr std::int64_t kTilesPerBank = 256;
inline constexpr std::int64_t kTileBanks = 2;  // the colour model's two banks of object tiles

struct FrameCheck {
  std::string strAnimation;       // the animation's name
  std::uint32_t nFrame = 0;       // counted from 1
  std::int64_t nWidth = 0;        // blocks
  std::int64_t nHeight = 0;
  std::int64_t nOffsetX = 0;      // as the file holds them
  std::int64_t nOffsetY = 0;
  std::int64_t nObjects = 0;      // width x height, none without a block map
  std::int64_t nDrawn = 0;        // objects with a pixel of a colour other than 0
  std::int64_t nPerLine = 0;      // the width: every row of blocks shares its lines
  std::int64_t nPalettes = 0;     // distinct palettes of the drawn objects
  std::int64_t nChangedPixels = 0;
  std::int64_t nHiddenPixels = 0;  // visible on the sheet, colour 0 on the console (counted as changed too)

  bool TooManyObjects() const { return nObjects > kObjectsPerFrame; }
  bool OffsetsPastByte() const { return !OffsetFitsByte(nOffsetX) || !OffsetFitsByte(nOffsetY); }
  bool SizePastByte() const { return !BlocksFitByte(nWidth) || !BlocksFitByte(nHeight); }
  bool TooManyPerLine() const { return nPerLine > kObjectsPerLine; }
  bool TooManyPalettes() const { return nPalettes > kObjectPalettes; }
};

struct AnimationCheck {
  std::string strName;
  std::vector<FrameCheck> frames;
};

struct ExportCheck {
  std::vector<AnimationCheck> animations;  // in document order
  std::int64_t nPalettes = 0;
  std::int64_t nUniqueBlocks = 0;
  bool bRanOutOfPalettes = false;  // some block had to borrow palette 0
  bool bFirstTrans = false;        // the export gave every block the transparent colour as colour 0

  // 1 when the tiles fit bank 0, 2 when they need both banks, 0 when they fit neither.
  int TileBanksNeeded() const;
  bool TooManyPalettes() const { return nPalettes > kObjectPalettes; }
  bool PaletteCountPastByte() const { return nPalettes > kMaxPaletteCount; }
  std::size_t FrameCount() const;
  // Every limit kept and no pixel changed.
  bool Fits() const;
};

// The document holds the export tables of the file that `decoded` was read from.
// A sheet pixel of the transparent colour is expected to show nothing, any
// other its colour; `firstTrans` only says how the export assigned colours.
ExportCheck CheckExport(const CPxoDoc& doc, const DecodedExport& decoded, bool firstTrans, bool ranOutOfPalettes);

}  // namespace pixolan
