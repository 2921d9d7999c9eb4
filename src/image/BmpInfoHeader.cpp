#include "image/BmpInfoHeader.h"

#include "framework/ByteOrder.h"

namespace pixolan {
namespace {

constexpr std::uint32_t kLongestHeader = 124;

}  // namespace

bool BmpInfoHeader::IsKnownSize(std::uint32_t size) {
  switch (size) {
    case 12:
    case 16:
    case 40:
    case 52:
    case 56:
    case 64:
    case 108:
    case 124:
      return true;
    default:
      return false;
  }
}

namespace {

std::uint16_t U16(const std::uint8_t* p) { return ReadLe16(p); }
std::uint32_t U32(const std::uint8_t* p) { return ReadLe32(p); }

// OS/2 1.x: 16-bit width and height, then planes and bit count.
void ParseCore(const std::uint8_t* h, BmpInfoHeader& header) {
  header.width = U16(h + 4);
  header.height = U16(h + 6);
  header.planes = U16(h + 8);
  header.bitCount = U16(h + 10);
}

// The 40-byte layout, of which shorter OS/2 2.x headers hold a prefix (h is zero-filled past it).
void ParseInfo(const std::uint8_t* h, BmpInfoHeader& header) {
  header.width = static_cast<std::int32_t>(U32(h + 4));
  header.height = static_cast<std::int32_t>(U32(h + 8));
  header.planes = U16(h + 12);
  header.bitCount = U16(h + 14);
  header.compression = U32(h + 16);
  header.imageSize = U32(h + 20);
  header.xPelsPerMeter = static_cast<std::int32_t>(U32(h + 24));
  header.yPelsPerMeter = static_cast<std::int32_t>(U32(h + 28));
  header.coloursUsed = U32(h + 32);
  header.coloursImportant = U32(h + 36);
}

void ParseMasks(const std::uint8_t* m, std::uint32_t count, BmpInfoHeader& header) {
  header.redMask = U32(m);
  header.greenMask = U32(m + 4);
  header.blueMask = U32(m + 8);
  header.alphaMask = count > 3 ? U32(m + 12) : 0;
}

}  // namespace

bool ReadBmpInfoHeader(CMappedFile& file, BmpInfoHeader& header) {
  header = BmpInfoHeader{};
  if (!file.ReadU32LE(header.headerSize) || !BmpInfoHeader::IsKnownSize(header.headerSize)) return false;
  std::uint8_t h[kLongestHeader] = {};
  if (!file.ReadBytes(h + 4, header.headerSize - 4)) return false;
  if (header.IsCore()) {
    ParseCore(h, header);
    return true;
  }
  ParseInfo(h, header);
  if (!header.HasBitFields()) return true;
  if (header.headerSize > header.kInfoSize) {
    // 52 bytes and more hold the red, green and blue masks, 56 and more alpha too.
    ParseMasks(h + 40, header.headerSize >= 56 ? 4 : 3, header);
    return true;
  }
  // After a 40-byte header the masks follow it: three words, four with alpha.
  const std::uint32_t count = header.compression == header.kAlphaBitFields ? 4 : 3;
  const std::uint8_t* masks = file.ReadSpan(4 * count);
  if (masks == nullptr) return false;
  ParseMasks(masks, count, header);
  return true;
}

}  // namespace pixolan
