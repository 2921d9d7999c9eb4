#include "FuzzFixtures.h"

#include <unistd.h>

#include <array>
#include <cstdio>
#include <cstdlib>
#include <fstream>

#include "image/Colour.h"
#include "support/BmpBuilder.h"

namespace pixolan::fuzz {
namespace {

// Palette entry i: eight levels of red and green, four of blue; entry 255
// repeats entry 1 so that two indices share a colour.
std::array<std::uint8_t, 3> PaletteColour(int i) {
  if (i == 255) i = 1;
  return {static_cast<std::uint8_t>((i % 8) * 32), static_cast<std::uint8_t>((i / 8 % 8) * 32),
          static_cast<std::uint8_t>((i / 64) * 64)};
}

// Three colours in a pattern with no symmetry, so each mirror is a different block.
int Pattern(int x, int y) { return (x + 2 * y + x * y / 3) % 3 + 1; }

int SheetIndex(int px, int py) {
  const int cx = px / 8, cy = py / 8, x = px % 8, y = py % 8;
  switch (cy * 4 + cx) {
    case 0: return 0;                          // the transparent block
    case 1: return Pattern(x, y);
    case 2: return Pattern(7 - x, y);          // mirrored left to right
    case 3: return Pattern(x, 7 - y);          // mirrored top to bottom
    case 4: return Pattern(7 - x, 7 - y);      // both
    case 5: return (x * y) % 6 + 8;            // more than four colours
    case 6: return Pattern(x, y);              // a plain repeat
    case 7: return ((x ^ y) & 3) == 1 ? 255 : (x ^ y) & 3;  // same colours, other indices
    default: return (x + y + cx) % 4 + 4 * cx;
  }
}

std::vector<std::uint8_t> BuildSheet() {
  const std::uint32_t stride = (kSheetWidth + 3) & ~3u;
  test::BmpLayout layout{.width = kSheetWidth, .height = kSheetHeight, .bits = 8, .compression = 0,
                         .coloursUsed = 0, .headerSize = 40, .palette = {}, .pixels = {}, .gap = 0};
  for (int i = 0; i < 256; ++i) {
    const auto [r, g, b] = PaletteColour(i);
    layout.palette.push_back((std::uint32_t{r} << 16) | (std::uint32_t{g} << 8) | b);
  }
  for (int row = kSheetHeight - 1; row >= 0; --row) {  // bottom-up
    for (std::uint32_t x = 0; x < stride; ++x) {
      layout.pixels.push_back(static_cast<std::uint8_t>(x < kSheetWidth ? SheetIndex(static_cast<int>(x), row) : 0));
    }
  }
  return test::BuildBmp(layout);
}

unsigned ColourWord(int i) {
  const auto [r, g, b] = PaletteColour(i);
  return GbcColourWord(PaletteEntry{0, r, g, b});
}

std::string BuildPaletteFile() {
  std::string text = ";// PALETTE DATA\r\nPaletteData:\r\n";
  char line[80];
  for (int p = 0; p < 3; ++p) {
    std::snprintf(line, sizeof line, "\t\t\t\t\t\tdw\t\t$%04x, $%04x, $%04x, $%04x\r\n", ColourWord(4 * p),
                  ColourWord(4 * p + 1), ColourWord(4 * p + 2), ColourWord(4 * p + 3));
    text += line;
  }
  return text + "\r\n";
}

void WriteBytes(const std::filesystem::path& path, const void* data, std::size_t size) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(static_cast<const char*>(data), static_cast<std::streamsize>(size));
  if (!out) std::abort();  // the fixtures are not optional
}

void RemoveFixtureDir() {
  std::error_code ignored;
  std::filesystem::remove_all(FixtureDir(), ignored);
}

std::filesystem::path CreateFixtureDir() {
  const std::filesystem::path dir =
      std::filesystem::temp_directory_path() / ("pixolan-fuzz-" + std::to_string(::getpid()));
  std::filesystem::create_directories(dir);
  WriteBytes(dir / "sheet.bmp", SheetBmpBytes().data(), SheetBmpBytes().size());
  WriteBytes(dir / "palette.asm", PaletteFileText().data(), PaletteFileText().size());
  return dir;
}

}  // namespace

const std::vector<std::uint8_t>& SheetBmpBytes() {
  static const std::vector<std::uint8_t> bytes = BuildSheet();
  return bytes;
}

const std::string& PaletteFileText() {
  static const std::string text = BuildPaletteFile();
  return text;
}

const std::filesystem::path& FixtureDir() {
  static const std::filesystem::path dir = CreateFixtureDir();
  // Registered after the path exists, so the clean-up runs before the path is destroyed.
  static const bool cleanupRegistered = std::atexit(RemoveFixtureDir) == 0;
  (void)cleanupRegistered;
  return dir;
}

std::string SheetPath() { return (FixtureDir() / "sheet.bmp").string(); }
std::string PaletteFilePath() { return (FixtureDir() / "palette.asm").string(); }

}  // namespace pixolan::fuzz
