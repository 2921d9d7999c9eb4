// Headers that claim pictures of up to 1 GB, and PNG chunks that claim 2 GB, in files
// of a few bytes are refused (tests/data/images/limits, in its manifest) before more
// than 64 MiB is reserved.
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <unistd.h>

#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>

#include "ReaderHelpers.h"
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

#if !defined(PIXOLAN_UNDER_ASAN)
using NamedFile = std::pair<std::string, std::vector<std::uint8_t>>;

std::unique_ptr<CRasterImage> Open(const std::string& name, const std::vector<std::uint8_t>& bytes) {
  static const CImageReaderList readers;
  return readers.OpenImageFromMemory(name, bytes.data(), bytes.size());
}

// Caps the address space 64 MiB above what the process uses, then opens each
// file: a reader that reserved what these headers claim (up to 2 GB) fails there.
// A child that hangs is ended by an alarm after a few seconds.
void CapAddressSpace() {
  ::alarm(10);
  std::ifstream statm("/proc/self/statm");
  std::size_t pages = 0;
  statm >> pages;
  const rlim_t cap = pages * static_cast<rlim_t>(::sysconf(_SC_PAGESIZE)) + (64u << 20);
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
  std::vector<NamedFile> hostile;
  for (const auto& entry : std::filesystem::directory_iterator(Image("limits"))) {
    const std::string name = entry.path().filename().string();
    if (name.starts_with("refused-claims-") || name.starts_with("refused-huge-")) {
      hostile.emplace_back(name, ReadFile(entry.path()));
    }
  }
  ASSERT_EQ(hostile.size(), 14u);
  EXPECT_EXIT(OpenUnderAddressSpaceCap(hostile), ::testing::ExitedWithCode(0), "");
  // The cap itself works: under it the child cannot reserve 1 GB.
  EXPECT_EXIT(ReserveGigabyteUnderCap(), ::testing::ExitedWithCode(5), "");
#endif
}

}  // namespace
}  // namespace pixolan::test
