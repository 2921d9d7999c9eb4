#pragma once
// The preview's marks of the console's limits: a red outline, one canvas pixel
// wide, around every object the console would not draw as the data says.
#include <cstdint>

#include "export/ExportDecoder.h"
#include "image/RgbPicture.h"

namespace pixolan {

inline constexpr RgbColour kLimitMark{255, 0, 0};

// True for the object at column `col` of a block-map row drawn with `word`:
// past the tenth on its lines (a game writes the map row by row, so each row's
// objects share their lines), or of a palette the 3-bit field cannot name.
bool ObjectPastLimits(const DecodedExport& file, std::uint32_t word, std::int64_t col);

// Outlines the 8x8 object whose top-left pixel is canvas (x0, y0), clipped to
// the width x height canvas whose top-left is (left, top) of the picture.
void OutlineObject(CRgbPicture& picture, int left, int top, std::int64_t x0, std::int64_t y0, int width, int height);

}  // namespace pixolan
