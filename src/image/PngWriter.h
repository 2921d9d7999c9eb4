#pragma once
// Writes pictures as PNG files in memory through libpng: 8-bit RGB, not
// interlaced. Like the reader, every libpng call sits in a small function that
// holds no C++ object, so libpng's error jump unwinds nothing of ours.
#include <cstdint>
#include <stdexcept>
#include <vector>

#include "image/RgbPicture.h"

namespace pixolan {

class PngWriteError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// The picture's bytes as a PNG file. Throws PngWriteError when libpng fails
// (an empty picture, or memory running out).
std::vector<std::uint8_t> EncodePng(const CRgbPicture& picture);

}  // namespace pixolan
