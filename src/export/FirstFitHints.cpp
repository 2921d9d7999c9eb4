#include "export/FirstFitHints.h"

#include <algorithm>

namespace pixolan {
namespace {

// Above every packed 24-bit colour: marks the unused places of a smaller set.
constexpr std::uint32_t kNoColour = 0xFFFFFFFFu;

}  // namespace

CFirstFitHints::ColourSet CFirstFitHints::Canonical(ColourSet colours, std::int32_t count) {
  const auto n = static_cast<std::size_t>(std::clamp(count, 0, 4));
  std::fill(colours.begin() + static_cast<std::ptrdiff_t>(n), colours.end(), kNoColour);
  std::sort(colours.begin(), colours.end());
  return colours;
}

std::uint64_t CFirstFitHints::Hash(const ColourSet& key) {
  std::uint64_t h = 0x9E3779B97F4A7C15ull;
  for (std::uint32_t v : key) {
    h ^= v;
    h *= 0xFF51AFD7ED558CCDull;
    h ^= h >> 32;
  }
  return h;
}

void CFirstFitHints::Grow() {
  std::vector<Entry> old = std::move(m_entries);
  m_entries.assign(old.empty() ? 64 : 2 * old.size(), Entry{});
  const std::size_t mask = m_entries.size() - 1;
  for (const Entry& e : old) {
    if (!e.used) continue;
    std::size_t s = Hash(e.key) & mask;
    while (m_entries[s].used) s = (s + 1) & mask;
    m_entries[s] = e;
  }
}

std::int32_t& CFirstFitHints::StartFor(const ColourSet& colours, std::int32_t count) {
  if (2 * (m_nUsed + 1) > m_entries.size()) Grow();
  const ColourSet key = Canonical(colours, count);
  const std::size_t mask = m_entries.size() - 1;
  std::size_t s = Hash(key) & mask;
  while (m_entries[s].used && m_entries[s].key != key) s = (s + 1) & mask;
  if (!m_entries[s].used) {
    m_entries[s].used = true;
    m_entries[s].key = key;
    m_entries[s].start = 0;
    ++m_nUsed;
  }
  return m_entries[s].start;
}

}  // namespace pixolan
