#pragma once
// The block matching done the slow, obvious way: every record against every
// earlier one, nearest first, with the colour-sum pre-test, then chains walked
// one by one and output blocks numbered in index order. The fast matcher must
// give exactly this result.
#include <cstdint>
#include <vector>

#include "export/BlockInfo.h"
#include "image/RasterImage.h"

namespace pixolan::test {

inline PaletteEntry ReferencePixel(const CRasterImage& image, const BlockInfo& record, int x, int y) {
  if (record.nCellX == -1 && record.nCellY == -1) return image.GetPixelColour(0, 0);
  return image.GetPixelColour(8 * record.nCellX + x, 8 * record.nCellY + y);
}

inline bool ReferenceBlocksMatch(const CRasterImage& image, const std::vector<BlockInfo>& blocks, int i, int j,
                                 bool yFlip, bool xFlip) {
  for (int y = 0; y < 8; ++y) {
    for (int x = 0; x < 8; ++x) {
      const PaletteEntry a = ReferencePixel(image, blocks[static_cast<std::size_t>(j)], x, y);
      const PaletteEntry b = ReferencePixel(image, blocks[static_cast<std::size_t>(i)], xFlip ? 7 - x : x, yFlip ? 7 - y : y);
      if (!SameColour(a, b)) return false;
    }
  }
  return true;
}

struct ReferenceResult {
  std::vector<BlockInfo> linked;  // after matching, before chains are resolved
  std::vector<BlockInfo> blocks;
  std::vector<std::int32_t> unique;
  std::int32_t nUnique = 0;
};

// Records come as cut (their nBlock and flips are reset first).
inline ReferenceResult ReferenceMatchBlocks(const CRasterImage& image, std::vector<BlockInfo> blocks) {
  const int n = static_cast<int>(blocks.size());
  ReferenceResult result;
  for (BlockInfo& b : blocks) {
    b.nBlock = -1;
    b.bXFlip = b.bYFlip = false;
  }
  static constexpr bool kTries[4][2] = {{false, false}, {false, true}, {true, false}, {true, true}};  // yFlip, xFlip
  for (int i = 0; i < n; ++i) {
    bool found = false;
    for (int j = i - 1; j >= 0 && !found; --j) {
      if (blocks[static_cast<std::size_t>(j)].nColourSum != blocks[static_cast<std::size_t>(i)].nColourSum) continue;
      for (const auto& t : kTries) {
        if (ReferenceBlocksMatch(image, blocks, i, j, t[0], t[1])) {
          blocks[static_cast<std::size_t>(i)].nBlock = j;
          blocks[static_cast<std::size_t>(i)].bYFlip = t[0];
          blocks[static_cast<std::size_t>(i)].bXFlip = t[1];
          found = true;
          break;
        }
      }
    }
    if (!found) ++result.nUnique;
  }
  result.linked = blocks;
  std::vector<bool> copyX(static_cast<std::size_t>(n)), copyY(static_cast<std::size_t>(n));
  for (int i = 0; i < n; ++i) {
    copyX[static_cast<std::size_t>(i)] = blocks[static_cast<std::size_t>(i)].bXFlip;
    copyY[static_cast<std::size_t>(i)] = blocks[static_cast<std::size_t>(i)].bYFlip;
  }
  for (int i = 0; i < n; ++i) {
    BlockInfo& b = blocks[static_cast<std::size_t>(i)];
    for (int r = b.nBlock; r >= 0 && blocks[static_cast<std::size_t>(r)].nBlock != -1;
         r = blocks[static_cast<std::size_t>(r)].nBlock) {
      b.bXFlip = b.bXFlip != copyX[static_cast<std::size_t>(r)];
      b.bYFlip = b.bYFlip != copyY[static_cast<std::size_t>(r)];
    }
  }
  result.unique.assign(static_cast<std::size_t>(n), -1);
  int next = 0;
  for (int i = 0; i < n; ++i) {
    BlockInfo& b = blocks[static_cast<std::size_t>(i)];
    if (b.nBlock == -1) {
      b.nBlock = next;
      result.unique[static_cast<std::size_t>(next++)] = i;
    } else {
      b.nBlock = blocks[static_cast<std::size_t>(b.nBlock)].nBlock;
    }
  }
  result.blocks = std::move(blocks);
  return result;
}

}  // namespace pixolan::test
