#include "BenchSheets.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <map>
#include <memory>
#include <random>
#include <vector>

#include "document/PxoDoc.h"
#include "support/BmpBuilder.h"
#include "framework/MemorySettings.h"
#include "framework/ScriptedPrompts.h"

namespace pixolan::bench {
namespace {

constexpr int kFrameCells = 8;         // frames of 64 x 64 pixels
constexpr int kFramesPerAnimation = 16;

using Cell = std::array<std::uint8_t, 64>;

class CBenchDir {
 public:
  CBenchDir() {
    if (const char* keep = std::getenv("PIXOLAN_BENCH_DIR")) {
      m_path = keep;
      m_bKeep = true;
    } else {
      m_path = std::filesystem::temp_directory_path() / ("pixolan-bench-" + std::to_string(std::random_device{}()));
    }
    std::filesystem::create_directories(m_path);
  }
  ~CBenchDir() {
    std::error_code ignored;
    if (!m_bKeep) std::filesystem::remove_all(m_path, ignored);
  }
  const std::filesystem::path& Path() const { return m_path; }

 private:
  std::filesystem::path m_path;
  bool m_bKeep = false;
};

// An uncompressed 8-bit BMP; rows bottom-up, `size` is a multiple of 4.
void WriteBmp(const std::filesystem::path& path, int size, const std::vector<std::array<std::uint8_t, 3>>& palette,
              const std::vector<std::uint8_t>& pixels) {
  test::BmpLayout layout{.width = size, .height = size, .bits = 8, .compression = 0, .coloursUsed = 256,
                         .headerSize = 40, .palette = {}, .pixels = {}, .gap = 0};
  for (const auto& c : palette) layout.palette.push_back((std::uint32_t{c[0]} << 16) | (std::uint32_t{c[1]} << 8) | c[2]);
  layout.pixels.reserve(pixels.size());
  for (int y = size - 1; y >= 0; --y) {
    const auto row = pixels.begin() + static_cast<std::ptrdiff_t>(y) * size;
    layout.pixels.insert(layout.pixels.end(), row, row + size);
  }
  test::WriteFile(path, test::BuildBmp(layout));
}

Cell Mirrored(const Cell& in, bool yFlip, bool xFlip) {
  Cell out{};
  for (int y = 0; y < 8; ++y)
    for (int x = 0; x < 8; ++x) out[8 * y + x] = in[8 * (yFlip ? 7 - y : y) + (xFlip ? 7 - x : x)];
  return out;
}

// Index 0 is the transparent colour; group g owns indices 3g + 1 .. 3g + 3.
Cell GroupCell(std::mt19937& rng, int group) {
  Cell c{};
  std::uniform_int_distribution<int> pick(0, 3);
  for (std::uint8_t& v : c) {
    const int k = pick(rng);
    v = static_cast<std::uint8_t>(k == 0 ? 0 : 3 * group + k);
  }
  return c;
}

Cell RealisticCell(std::mt19937& rng, const std::vector<Cell>& prototypes) {
  std::uniform_int_distribution<int> percent(0, 99);
  const Cell& p = prototypes[std::uniform_int_distribution<std::size_t>(0, prototypes.size() - 1)(rng)];
  const int kind = percent(rng);
  if (kind < 15) return Cell{};                                          // empty: transparent only
  if (kind < 50) return p;                                               // exact repeat
  if (kind < 75) return Mirrored(p, percent(rng) < 50, percent(rng) < 50);  // mirrored repeat
  return GroupCell(rng, std::uniform_int_distribution<int>(0, 63)(rng));  // unique
}

Cell EqualSumCell(std::mt19937& rng) {
  Cell c{};
  for (std::size_t p = 0; p < 64; ++p) c[p] = static_cast<std::uint8_t>(p / 16);
  std::shuffle(c.begin(), c.end(), rng);
  return c;
}

std::vector<std::uint8_t> MakePixels(int size, SheetKind kind) {
  std::mt19937 rng(static_cast<std::uint32_t>(size) * 7 + static_cast<std::uint32_t>(kind));
  std::vector<Cell> prototypes;
  for (int i = 0; i < 512; ++i) prototypes.push_back(GroupCell(rng, i % 64));
  std::vector<std::uint8_t> pixels(static_cast<std::size_t>(size) * static_cast<std::size_t>(size));
  const int cells = size / 8;
  for (int cy = 0; cy < cells; ++cy) {
    for (int cx = 0; cx < cells; ++cx) {
      Cell c = kind == SheetKind::kRealistic ? RealisticCell(rng, prototypes) : EqualSumCell(rng);
      if (cx == 0 && cy == 0) c[0] = 0;  // the top-left pixel shows the transparent colour
      for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 8; ++x)
          pixels[static_cast<std::size_t>(8 * cy + y) * static_cast<std::size_t>(size) +
                 static_cast<std::size_t>(8 * cx + x)] = c[static_cast<std::size_t>(8 * y + x)];
    }
  }
  return pixels;
}

std::vector<std::array<std::uint8_t, 3>> MakePalette() {
  std::mt19937 rng(99);
  std::uniform_int_distribution<int> component(0, 255);
  std::vector<std::array<std::uint8_t, 3>> palette(256);
  palette[0] = {248, 0, 248};
  for (std::size_t i = 1; i < palette.size(); ++i) {
    for (std::uint8_t& v : palette[i]) v = static_cast<std::uint8_t>(component(rng));
  }
  return palette;
}

// Frames of 8 x 8 cells tiling the sheet, 16 to an animation.
void WriteDocument(const std::filesystem::path& path, const std::filesystem::path& sheet, int size) {
  CScriptedPrompts prompts;
  CMemorySettings settings;
  CPxoDoc doc(prompts, settings);
  doc.m_strImagePath = sheet.string();
  const int framesPerSide = size / (8 * kFrameCells);
  std::vector<CRect> frames;
  for (int fy = 0; fy < framesPerSide; ++fy)
    for (int fx = 0; fx < framesPerSide; ++fx)
      frames.push_back(CRect{64 * fx, 64 * fy, 64 * fx + 64, 64 * fy + 64});
  for (std::size_t first = 0; first < frames.size(); first += kFramesPerAnimation) {
    auto animation = std::make_unique<CAnimation>();
    animation->SetName("Walk" + std::to_string(first / kFramesPerAnimation));
    const std::size_t count = std::min<std::size_t>(kFramesPerAnimation, frames.size() - first);
    animation->SetFrameCount(static_cast<std::uint32_t>(count));
    for (std::size_t f = 0; f < count; ++f) animation->Frame(static_cast<std::int32_t>(f + 1))->Set(frames[first + f], -32, -32);
    doc.m_animations.push_back(std::move(animation));
  }
  if (!doc.OnSaveDocument(path.string())) std::abort();
}

}  // namespace

const BenchFiles& GetBenchFiles(int size, SheetKind kind) {
  static CBenchDir dir;
  static std::map<std::pair<int, SheetKind>, BenchFiles> made;
  const auto key = std::make_pair(size, kind);
  if (auto it = made.find(key); it != made.end()) return it->second;
  const std::string stem = (kind == SheetKind::kRealistic ? "sheet" : "equalsum") + std::to_string(size);
  BenchFiles files{(dir.Path() / (stem + ".pxo")).string(), (dir.Path() / (stem + ".bmp")).string()};
  WriteBmp(files.sheet, size, MakePalette(), MakePixels(size, kind));
  WriteDocument(files.document, files.sheet, size);
  return made.emplace(key, files).first->second;
}

}  // namespace pixolan::bench
