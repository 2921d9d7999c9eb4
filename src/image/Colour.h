#pragma once
// Every colour type of the program and the conversions between them: the
// palette entry the sheets hold, the 8-bit RGB the preview draws, the 32-bit
// pixel the desktop paints, and the Game Boy Color's 15-bit word.
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

struct RgbColour {
  std::uint8_t red = 0;
  std::uint8_t green = 0;
  std::uint8_t blue = 0;
  bool operator==(const RgbColour&) const = default;
};

// An opaque 0xffRRGGBB pixel, the form the desktop's painters draw fastest.
constexpr std::uint32_t Argb(std::uint32_t r, std::uint32_t g, std::uint32_t b) {
  return 0xff000000u | (r << 16) | (g << 8) | b;
}
constexpr std::uint32_t Argb(RgbColour c) { return Argb(c.red, c.green, c.blue); }

// A 5-bit channel widened to 8 bits with its top bits repeated below, so that
// 31 becomes 255: how the console (and a 16-bit bitmap) shows it.
constexpr std::uint8_t Widen5(unsigned c) { return static_cast<std::uint8_t>((c << 3) | (c >> 2)); }

// The Game Boy Color's 15-bit colour word: red in bits 4..0, green in 9..5,
// blue in 14..10, each the top five bits of the 8-bit component; bit 15 zero.
inline std::uint16_t GbcColourWord(const PaletteEntry& colour) {
  // The low three bits of each component are dropped, not rounded.
  return static_cast<std::uint16_t>(((colour.blue >> 3) << 10) | ((colour.green >> 3) << 5) | (colour.red >> 3));
}

// The way back, as the console shows a colour.
constexpr RgbColour ExpandGbcColour(std::uint16_t word) {
  return RgbColour{Widen5(word & 31u), Widen5((word >> 5) & 31u), Widen5((word >> 10) & 31u)};
}

}  // namespace pixolan
