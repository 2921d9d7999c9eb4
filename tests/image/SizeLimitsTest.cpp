// Headers that claim pictures beyond the size limit, or more uncompressed data
// than the file holds, are refused with the readers' usual failure (no image),
// and the refusal comes before the claimed memory is reserved.
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <unistd.h>

#include <climits>
#include <csignal>
#include <cstdlib>
#include <fstream>
#include <memory>

#include "image/BmpBuilder.h"
#include "image/GbrBuilder.h"
#include "image/IffBuilder.h"
#include "image/ImageReaderList.h"

#if defined(__has_feature)
#if __has_feature(address_sanitizer)
#define PIXOLAN_UNDER_ASAN 1
#endif
#endif
#if defined(__SANITIZE_ADDRESS__)
#define PIXOLAN_UNDER_ASAN 1
#endif

namespace pixolan::test {
namespace {

std::unique_ptr<CRasterImage> Open(std::string_view name, const std::vector<std::uint8_t>& bytes) {
  static const CImageReaderList readers;
  return readers.OpenImageFromMemory(name, bytes.data(), bytes.size());
}

// A bitmap header claiming width x height, followed by a full colour table and `data` bytes.
std::vector<std::uint8_t> BmpClaim(std::int32_t width, std::int32_t height, std::uint16_t bits,
                                   std::uint32_t compression = 0, std::size_t data = 64) {
  return BuildBmp({.width = width, .height = height, .bits = bits, .compression = compression,
                   .palette = bits <= 8 ? GreyPalette(std::size_t{1} << bits) : std::vector<std::uint32_t>{},
                   .pixels = std::vector<std::uint8_t>(data, 0)});
}

struct Claim {
  std::int32_t width, height;
};
constexpr Claim kHugeClaims[] = {{100000, 100000}, {100000, 1}, {1, 100000}, {1, -100000},
                                 {16385, 1},       {1, 16385},  {1, -16385}, {INT_MAX, INT_MAX},
                                 {INT_MIN, 1},     {1, INT_MIN}, {-1, 1},     {0, 0}};

TEST(SizeLimits, BitmapsBeyondTheLimitAreRefusedAtEveryDepth) {
  for (const Claim c : kHugeClaims) {
    for (std::uint16_t bits : {1, 4, 8, 24, 32}) {
      EXPECT_EQ(Open("huge.bmp", BmpClaim(c.width, c.height, bits)), nullptr) << c.width << "x" << c.height << "@" << bits;
    }
    EXPECT_EQ(Open("huge.bmp", BmpClaim(c.width, c.height, 8, 1)), nullptr) << "run-length 8";
    EXPECT_EQ(Open("huge.bmp", BmpClaim(c.width, c.height, 4, 2)), nullptr) << "run-length 4";
  }
}

TEST(SizeLimits, BitmapRowsTheFileCannotHoldAreRefused) {
  // Within the limit, but 16384 rows of 16384 pixels need far more than the file has.
  for (std::uint16_t bits : {1, 4, 8, 24, 32}) {
    EXPECT_EQ(Open("big.bmp", BmpClaim(16384, 16384, bits)), nullptr) << bits;
    EXPECT_EQ(Open("big.bmp", BmpClaim(16384, -16384, bits)), nullptr) << bits;
  }
  // A 512 x 512 8-bit picture needs 262144 bytes: one short is refused, the exact size loads.
  EXPECT_EQ(Open("exact.bmp", BmpClaim(512, 512, 8, 0, 512 * 512 - 1)), nullptr);
  const auto image = Open("exact.bmp", BmpClaim(512, 512, 8, 0, 512 * 512));
  ASSERT_NE(image, nullptr);
  EXPECT_EQ(image->m_nWidth, 512);
}

TEST(SizeLimits, IffPicturesBeyondTheLimitOrTheirBodyAreRefused) {
  for (std::uint8_t planes : {8, 24}) {
    for (std::uint8_t compression : {0, 1}) {
      EXPECT_EQ(Open("huge.iff", IffForm({IffBmhd(65535, 65535, planes, compression), IffCmap(256),
                                          IffChunk("BODY", ByteVector(64, 0))})),
                nullptr);
      EXPECT_EQ(Open("big.lbm", IffForm({IffBmhd(16384, 16384, planes, compression), IffCmap(256),
                                         IffChunk("BODY", ByteVector(64, 0x80))})),
                nullptr);
    }
  }
  // Wider than the limit with every byte of its one row present: refused for its size alone.
  const int rowBytes = 2 * ((16385 + 15) / 16);
  EXPECT_EQ(Open("wide.iff", IffForm({IffBmhd(16385, 1, 8, 0), IffCmap(256),
                                      IffChunk("BODY", ByteVector(static_cast<std::size_t>(rowBytes) * 8, 0))})),
            nullptr);
}

TEST(SizeLimits, GbrTileSetsBeyondTheLimitOrTheirDataAreRefused) {
  GbrFile huge;  // 65535 tiles of 8 x 65535 pixels, with 64 pixel bytes in the file
  huge.TileData(1, 8, 65535, 65535, {0, 1, 2, 3}, std::vector<std::uint8_t>(64, 0));
  EXPECT_EQ(Open("huge.gbr", huge.data()), nullptr);
  GbrFile tall;  // one tile 16385 pixels tall, every pixel present
  tall.UniformTiles(1, 1, 16385, 1);
  EXPECT_EQ(Open("tall.gbr", tall.data()), nullptr);
}

#if !defined(PIXOLAN_UNDER_ASAN)
using NamedFile = std::pair<std::string, std::vector<std::uint8_t>>;

// Caps the address space a little above what the process uses, then opens each
// file: a reader that reserved what these headers claim (up to 1 GB) fails there.
void CapAddressSpace() {
  std::ifstream statm("/proc/self/statm");
  std::size_t pages = 0;
  statm >> pages;
  const rlim_t cap = pages * static_cast<rlim_t>(::sysconf(_SC_PAGESIZE)) + (256u << 20);
  const rlimit limit{cap, cap};
  if (::setrlimit(RLIMIT_AS, &limit) != 0) std::_Exit(3);
}

[[noreturn]] void OpenUnderAddressSpaceCap(const std::vector<NamedFile>& files) {
  CapAddressSpace();
  for (const NamedFile& file : files) {
    if (Open(file.first, file.second) != nullptr) std::_Exit(2);
  }
  std::_Exit(0);
}

[[noreturn]] void ReserveGigabyteUnderCap() {
  CapAddressSpace();
  try {
    std::vector<std::uint8_t> big(std::size_t{1} << 30);
    std::_Exit(big.empty() ? 4 : 0);
  } catch (const std::bad_alloc&) {
    std::_Exit(5);
  }
}

#endif

TEST(SizeLimits, RefusalsReserveNoMemory) {
#if defined(PIXOLAN_UNDER_ASAN)
  GTEST_SKIP() << "AddressSanitizer reserves far more address space than the cap allows";
#else
  GTEST_FLAG_SET(death_test_style, "threadsafe");
  const std::vector<NamedFile> hostile = {
      {"a.bmp", BmpClaim(16384, 16384, 32)},
      {"b.bmp", BmpClaim(16384, -16384, 24)},
      {"c.iff", IffForm({IffBmhd(16384, 16384, 24, 0), IffChunk("BODY", ByteVector(64, 0))})},
      {"d.iff", IffForm({IffBmhd(16384, 16384, 24, 1), IffChunk("BODY", ByteVector(64, 0x80))})},
  };
  EXPECT_EXIT(OpenUnderAddressSpaceCap(hostile), ::testing::ExitedWithCode(0), "");
  // The cap itself works: under it the child cannot reserve 1 GB.
  EXPECT_EXIT(ReserveGigabyteUnderCap(), ::testing::ExitedWithCode(5), "");
#endif
}

}  // namespace
}  // namespace pixolan::test
