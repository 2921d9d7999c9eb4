#pragma once
// Writes PNG files in memory with libpng, for the PNG reader tests.
#include <png.h>

#include <csetjmp>
#include <cstdint>
#include <vector>

namespace pixolan::test {

struct PngLayout {
  std::uint32_t width = 1;
  std::uint32_t height = 1;
  int bitDepth = 8;
  int colourType = PNG_COLOR_TYPE_PALETTE;
  bool interlaced = false;
  std::vector<png_color> palette{};
  std::vector<std::vector<std::uint8_t>> rows{};  // as PNG stores them, before filtering
};

namespace detail {

inline void AppendToVector(png_structp png, png_bytep data, png_size_t n) {
  auto* out = static_cast<std::vector<std::uint8_t>*>(png_get_io_ptr(png));
  out->insert(out->end(), data, data + n);
}
inline void NoFlush(png_structp) {}

// No object with a destructor lives in this frame, so libpng's longjmp is safe.
inline bool Write(png_structp png, png_infop info, const PngLayout& layout, png_bytepp rows, void* out) {
  if (setjmp(png_jmpbuf(png))) return false;
  png_set_write_fn(png, out, AppendToVector, NoFlush);
  png_set_check_for_invalid_index(png, 0);  // pixels may index past a short PLTE
  png_set_IHDR(png, info, layout.width, layout.height, layout.bitDepth, layout.colourType,
               layout.interlaced ? PNG_INTERLACE_ADAM7 : PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT,
               PNG_FILTER_TYPE_DEFAULT);
  if (!layout.palette.empty()) {
    png_set_PLTE(png, info, layout.palette.data(), static_cast<int>(layout.palette.size()));
  }
  png_write_info(png, info);
  png_write_image(png, rows);
  png_write_end(png, info);
  return true;
}

}  // namespace detail

inline std::vector<std::uint8_t> BuildPng(const PngLayout& layout) {
  std::vector<std::uint8_t> out;
  std::vector<png_bytep> rows;
  for (const auto& row : layout.rows) rows.push_back(const_cast<png_bytep>(row.data()));
  png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
  png_infop info = png_create_info_struct(png);
  const bool ok = detail::Write(png, info, layout, rows.data(), &out);
  png_destroy_write_struct(&png, &info);
  if (!ok) out.clear();
  return out;
}

}  // namespace pixolan::test
