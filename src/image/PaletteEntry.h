#pragma once
#include <cstdint>

namespace pixolan {

// One palette entry or pixel colour: {reserved/alpha, red, green, blue}, 8 bits each.
struct PaletteEntry {
  std::uint8_t reserved = 0;
  std::uint8_t red = 0;
  std::uint8_t green = 0;
  std::uint8_t blue = 0;

  friend bool operator==(const PaletteEntry&, const PaletteEntry&) = default;
};

// Colours compare by red, green and blue; the reserved byte never counts.
inline bool SameColour(const PaletteEntry& a, const PaletteEntry& b) {
  return a.red == b.red && a.green == b.green && a.blue == b.blue;
}

}  // namespace pixolan
