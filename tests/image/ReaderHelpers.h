#pragma once
// Helpers shared by the image reader tests: the made pictures, debug output,
// and what every loaded picture must satisfy.
#include <gtest/gtest.h>

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "framework/DebugOutput.h"
#include "image/RasterImage.h"
#include "support/TestSupport.h"

namespace pixolan::test {

using ByteRow = std::vector<std::uint8_t>;

// The reader after loading the bytes, or null when it refused them.
template <class Reader>
std::unique_ptr<Reader> LoadAs(const std::vector<std::uint8_t>& file) {
  auto reader = std::make_unique<Reader>();
  if (!reader->LoadMemory(file.data(), file.size())) return nullptr;
  return reader;
}

// Row y with its padding.
inline ByteRow Row(const CRasterImage& image, std::int32_t y) {
  const std::uint8_t* row = image.m_ppRows[static_cast<std::size_t>(y)];
  return {row, row + image.GetStride()};
}

inline PaletteEntry Rgb(std::uint8_t r, std::uint8_t g, std::uint8_t b) { return {0, r, g, b}; }
inline PaletteEntry Grey(std::uint8_t v) { return {0, v, v, v}; }

struct Probe {
  std::int32_t x, y;
  PaletteEntry colour;
};

inline void ExpectColours(const CRasterImage& image, const std::vector<Probe>& probes) {
  for (const Probe& p : probes) EXPECT_EQ(image.GetPixelColour(p.x, p.y), p.colour) << p.x << "," << p.y;
}

// A picture made byte by byte for the readers (tests/data/images, see its manifest).
inline std::string Image(const std::string& relative) { return (DataDir() / "images" / relative).string(); }

// A loaded picture must be internally consistent: every pixel readable, display bitmap buildable.
inline void ExpectConsistent(CRasterImage& image) {
  ASSERT_GE(image.m_nWidth, 1);
  ASSERT_GE(image.m_nHeight, 1);
  ASSERT_LE(image.m_nWidth, kMaxImageDimension);
  ASSERT_LE(image.m_nHeight, kMaxImageDimension);
  ASSERT_EQ(image.m_ppRows.size(), static_cast<std::size_t>(image.m_nHeight));
  ASSERT_EQ(image.m_pBits.size(), static_cast<std::size_t>(image.GetStride()) * image.m_ppRows.size());
  if (image.m_nBitsPerPixel <= 8) {
    ASSERT_EQ(image.PaletteSize(), 1 << image.m_nBitsPerPixel);
  }
  if (std::int64_t{image.m_nWidth} * image.m_nHeight > (1 << 18)) return;  // large blank pictures: skip the walk
  std::uint32_t sum = 0;
  for (std::int32_t y = 0; y < image.m_nHeight; ++y)
    for (std::int32_t x = 0; x < image.m_nWidth; ++x) sum += image.GetPixelColour(x, y).green;
  (void)sum;
  ASSERT_NE(image.CreateDisplayBitmap(), nullptr);
}

// Collects the debug output for the lifetime of the object.
class DebugLog {
 public:
  DebugLog() : m_previous(SetDebugSink([this](std::string_view t) { m_text.append(t); })) {}
  ~DebugLog() { SetDebugSink(std::move(m_previous)); }
  const std::string& text() const { return m_text; }

 private:
  std::string m_text;
  DebugSink m_previous;
};

}  // namespace pixolan::test
