// The GBDK C output built by the host compiler against stand-ins of GBDK's
// headers (tests/data/gbdk) and read back by a small program: its tiles,
// palettes and metasprite items must be the decoded assembler export's, the
// items walked as move_metasprite_ex() walks them (each step from the item
// before, the first from the pivot at the canvas centre).
#include <gtest/gtest.h>

#include <cstdlib>
#include <sstream>

#include "cli/CliRun.h"
#include "export/ExportDecoder.h"

namespace pixolan::test {
namespace {

namespace fs = std::filesystem;

// Builds and runs the dump program for the export's files in `dir`. GBDK's own
// METASPR_TERM sets dy alone, which -Wextra would report.
std::string DumpC(const TempDir& dir, const std::string& prefix) {
  const fs::path gbdk = DataDir() / "gbdk";
  const std::string command = "cd " + Quoted(dir.path().string()) +
                              " && cc -std=c99 -Wall -Wextra -Wno-missing-field-initializers -Werror -I " +
                              Quoted(gbdk.string()) + " -I . -DPREFIX=" + prefix + " '-DEXPORT_HEADER=\"" + prefix +
                              ".h\"' " + prefix + ".c " + Quoted((gbdk / "dump.c").string()) + " -o dump && ./dump > dump.txt";
  EXPECT_EQ(std::system(command.c_str()), 0) << command;
  return ReadText(dir / "dump.txt");
}

// What the dump must print, from the decoded file: positions as absolute
// places relative to the pivot; the test turns the dump's steps into the same.
std::string Expected(const DecodedExport& decoded) {
  std::ostringstream out;
  out << "tiles " << decoded.graphics.size() << "\n";
  for (const TileBytes& tile : decoded.graphics) {
    for (const std::uint8_t byte : tile) out << int{byte} << "\n";
  }
  out << "palettes " << decoded.palettes.size() << "\n";
  for (const GbcColourWords& palette : decoded.palettes) {
    for (const std::uint16_t word : palette) out << word << "\n";
  }
  out << "animations " << decoded.animations.size() << "\n";
  for (const DecodedAnimation& animation : decoded.animations) {
    out << "frames " << animation.frames.size() << "\n";
    for (const DecodedFrame& frame : animation.frames) {
      for (std::int64_t r = 0; frame.HasBlockMap() && r < frame.nHeight; ++r) {
        for (std::int64_t c = 0; c < frame.nWidth; ++c) {
          const std::uint32_t word = frame.Word(c, r);
          const std::uint32_t block = word >> 4;
          const int props = static_cast<int>(decoded.PaletteOf(word)) | (block >= 256 ? 0x08 : 0) |
                            ((word & 2u) ? 0x20 : 0) | ((word & 1u) ? 0x40 : 0);
          out << "at " << frame.nOffsetY + 8 * r << " " << frame.nOffsetX + 8 * c << " " << block % 256 << " "
              << props << "\n";
        }
      }
      out << "end\n";
    }
  }
  return out.str();
}

// The dump with each frame's steps summed into places relative to the pivot.
std::string Placed(const std::string& dump) {
  std::istringstream in(dump);
  std::ostringstream out;
  long y = 0, x = 0;
  for (std::string word; in >> word;) {
    if (word == "item") {
      long dy = 0, dx = 0, tile = 0, props = 0;
      in >> dy >> dx >> tile >> props;
      y += dy;
      x += dx;
      out << "at " << y << " " << x << " " << tile << " " << props << "\n";
      continue;
    }
    if (word == "end") y = x = 0;
    std::string rest;
    std::getline(in, rest);
    out << word << rest << "\n";
  }
  return out.str();
}

TEST(GbdkSource, CompilesAndHoldsTheDecodedExport) {
  for (const char* golden : {"export-mirror", "export-seventeen-blocks", "export-first-fit-palettes"}) {
    SCOPED_TRACE(golden);
    TempDir dir;
    CopyGoldenInputs(DataDir() / "golden" / golden, dir.path());
    const std::string document = (dir / "walk.pxo").string();
    ASSERT_EQ(RunCli(dir, {"export", document, "-o", (dir / "walk.asm").string()}).status, 0);
    const CliRun c = RunCli(dir, {"export", document, "--format", "c", "-o", (dir / "hero.c").string()});
    ASSERT_EQ(c.status, 0) << c.err;
    EXPECT_EQ(Placed(DumpC(dir, "hero")), Expected(DecodeExport(ReadText(dir / "walk.asm"))));
  }
}

}  // namespace
}  // namespace pixolan::test
