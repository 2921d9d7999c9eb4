// Sheet readers from memory, chosen by extension as the program chooses them,
// then everything the program does with a loaded sheet: the display bitmap and
// the colour of every pixel.
#include <memory>
#include <string_view>

#include "FuzzEntries.h"
#include "image/ImageReaderList.h"

namespace pixolan::fuzz {
namespace {

// Keeps the reads from being optimised away.
volatile std::uint32_t g_sink = 0;

// In the program's order: the display bitmap is made right after loading, then
// the views and the export read pixel colours.
void ExerciseImage(CRasterImage& image) {
  std::uint32_t sum = 0;
  if (HBITMAP bitmap = image.CreateDisplayBitmap()) {
    const std::size_t size = bitmap->SizeBytes();
    if (size > 0) sum += bitmap->Bits()[0] + bitmap->Bits()[size - 1];
  }
  for (std::int32_t y = 0; y < image.m_nHeight; ++y) {
    for (std::int32_t x = 0; x < image.m_nWidth; ++x) {
      const PaletteEntry c = image.GetPixelColour(x, y);
      sum += c.red + c.green + c.blue + c.reserved + static_cast<std::uint32_t>(image.GetPixelIndex(x, y));
    }
  }
  g_sink = sum;
}

int LoadNamed(std::string_view name, const std::uint8_t* data, std::size_t size) {
  static const CImageReaderList readers;
  std::unique_ptr<CRasterImage> image = readers.OpenImageFromMemory(name, data, size);
  if (image) ExerciseImage(*image);
  return 0;
}

}  // namespace

int FuzzBmp(const std::uint8_t* data, std::size_t size) { return LoadNamed("fuzz.bmp", data, size); }
int FuzzIff(const std::uint8_t* data, std::size_t size) {
  // Both extensions reach the same reader; alternate so each name is tried.
  return LoadNamed(size % 2 == 0 ? "fuzz.iff" : "fuzz.lbm", data, size);
}
int FuzzGbr(const std::uint8_t* data, std::size_t size) { return LoadNamed("fuzz.gbr", data, size); }
int FuzzPng(const std::uint8_t* data, std::size_t size) { return LoadNamed("fuzz.png", data, size); }

}  // namespace pixolan::fuzz
