#pragma once
// Sprite sheets and documents for the export benchmarks, written once per run.
#include <filesystem>
#include <string>

namespace pixolan::bench {

enum class SheetKind {
  kRealistic,  // prototypes repeated and mirrored, empty cells, some unique blocks, 64 colour groups
  kEqualSums,  // every block a different arrangement of the same 64 pixels: one colour sum for all
};

struct BenchFiles {
  std::string document;  // .pxo whose frames cover every cell of the sheet
  std::string sheet;     // 8-bit BMP, size x size pixels
};

// Files for the size and kind, made on first use in the bench folder: the folder
// named by PIXOLAN_BENCH_DIR (kept afterwards), else a temporary one.
const BenchFiles& GetBenchFiles(int size, SheetKind kind);

}  // namespace pixolan::bench
