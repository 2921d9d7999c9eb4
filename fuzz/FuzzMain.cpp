// One libFuzzer target; the build names its entry with PIXOLAN_FUZZ_TARGET ("bmp", ...).
#include <cstdlib>

#include "FuzzEntries.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static const pixolan::fuzz::FuzzTarget* target = pixolan::fuzz::FindTarget(PIXOLAN_FUZZ_TARGET);
  if (target == nullptr) std::abort();
  return target->entry(data, size);
}
