#pragma once
// The two document files every reader and writer of the format must agree on.
#include <cstdint>
#include <string>
#include <vector>

#include "support/TestSupport.h"

namespace pixolan::test {

// No sheet, no animations, nothing selected: 54 bytes.
inline std::vector<std::uint8_t> EmptyDocumentBytes() {
  Bytes b;
  b.text("PXOV1.01").u32le(1).u8(0).u32le(160).u32le(144).u32le(4);
  b.u32le(0).u32le(0).u32le(0xFFFFFFFF).u32le(0).u8(0).u32le(1).u32le(0).u32le(0xFFFFFFFF);
  return b.data();
}

// Sheet a.bmp, selection (0, 0, 16, 16), current animation "Run" of two frames,
// the first at (0, 0, 16, 16) offset (-8, -8), the second never set: 103 bytes.
inline std::vector<std::uint8_t> RunDocumentBytes(const std::string& sheet = "a.bmp") {
  Bytes b;
  b.text("PXOV1.01").u32le(static_cast<std::uint32_t>(sheet.size() + 1)).text(sheet).u8(0);
  b.u32le(160).u32le(144).u32le(4);
  b.u32le(0).u32le(0).u32le(16).u32le(16).u8(1);
  b.u32le(1).u32le(1);
  b.u32le(4).text("Run").u8(0).u32le(2);
  b.u32le(1).u32le(0xFFFFFFF8).u32le(0xFFFFFFF8).u32le(0).u32le(0).u32le(16).u32le(16);
  b.u32le(0);
  b.u32le(0);
  return b.data();
}

// Overwrites four bytes of a file image with a little-endian number.
inline void PutU32(std::vector<std::uint8_t>& bytes, std::size_t at, std::uint32_t v) {
  for (std::size_t i = 0; i < 4; ++i) bytes.at(at + i) = static_cast<std::uint8_t>(v >> (8 * i));
}

// Offsets into RunDocumentBytes("a.bmp").
inline constexpr std::size_t kRunFrameCountAt = 8 + 4 + 6 + 12 + 17 + 4 + 4 + 4 + 4;
inline constexpr std::size_t kRunCurrentIndexAt = 99;

}  // namespace pixolan::test
