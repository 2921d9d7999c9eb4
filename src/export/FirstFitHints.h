#pragma once
// Remembers, per set of block colours, the lowest palette that may still take
// that set. Palettes only ever gain colours, so a palette that could not take a
// set once never can later: first fit may start its search there, with the same
// result as starting from palette 0.
#include <array>
#include <cstdint>
#include <vector>

namespace pixolan {

class CFirstFitHints {
 public:
  // Packed red-green-blue colours of a block, any order, count 0..4.
  using ColourSet = std::array<std::uint32_t, 4>;

  // The hint for the set (0 for a set not seen yet); the reference stays valid
  // until the next call.
  std::int32_t& StartFor(const ColourSet& colours, std::int32_t count);

 private:
  struct Entry {
    ColourSet key{};
    bool used = false;
    std::int32_t start = 0;
  };
  static ColourSet Canonical(ColourSet colours, std::int32_t count);
  static std::uint64_t Hash(const ColourSet& key);
  void Grow();

  std::vector<Entry> m_entries;
  std::size_t m_nUsed = 0;
};

}  // namespace pixolan
