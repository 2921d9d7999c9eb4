// The decoder reads the export's layout and refuses, with a reason, any file
// that strays from it, instead of reading past a table.
#include <gtest/gtest.h>

#include "export/ExportDecoder.h"

namespace pixolan {
namespace {

// One animation of one 1x1 frame showing block 0 mirrored both ways. The block's
// top row is colours 1, 2, 3, 0, 0, 0, 0, 0; every other row colour 0.
const std::string kFile =
    "PaletteData:\n\t\tdw\t$7fff, $0000, $001f, $03e0\n"
    "BlockPaletteData:\n\t\tdb\t0\n\t\tdb\t0\t;// Pad byte to word align data\n"
    "AnimationData:\t\tdw\tAnimA\n"
    "AnimA:\n\t\tdb\t1, 0\n\t\tdw\tAnimAFrame0\n"
    "AnimAFrame0:\n\t\tdb\t1, 1\t;// Width and Height\n\t\tdb\t-4, 3\n\t\tdw\t$0003\n"
    "GraphicData:\n\t\tdb\t$a0, $60, $00, $00, $00, $00, $00, $00, $00, $00, $00, $00, $00, $00, $00, $00\n";

std::string Replaced(std::string text, const std::string& from, const std::string& to) {
  const std::size_t at = text.find(from);
  EXPECT_NE(at, std::string::npos) << from;
  return text.replace(at, from.size(), to);
}

TEST(ExportDecoder, ReadsTheLayoutAndAppliesTheMirrorBits) {
  const DecodedExport file = DecodeExport(kFile);
  ASSERT_EQ(file.animations.size(), 1u);
  const DecodedFrame& frame = file.animations[0].frames.at(0);
  EXPECT_EQ(std::tuple(frame.nWidth, frame.nHeight, frame.nOffsetX, frame.nOffsetY), std::tuple(1, 1, -4, 3));
  EXPECT_EQ(file.blockPalettes, std::vector<std::int64_t>{0});  // the pad byte is not a block's
  // Mirrored both ways, the top row's colours 1, 2, 3 show at the bottom right, reversed.
  EXPECT_EQ(std::tuple(file.ColourIndex(3, 7, 7), file.ColourIndex(3, 6, 7), file.ColourIndex(3, 5, 7)), std::tuple(1, 2, 3));
  EXPECT_EQ(file.ColourIndex(3, 0, 0), 0);
  EXPECT_EQ(file.ColourWord(3, 2), 0x001f);
}

TEST(ExportDecoder, RefusesWhatStraysFromTheLayout) {
  const std::vector<std::pair<std::string, std::string>> damage{
      {"GraphicData:", "Graphics:"},                 // a table missing
      {"$7fff, $0000, $001f, $03e0", "$7fff, $0000"},  // a short palette
      {"dw\t$0003", "dw\t$0013"},                    // block 1 of 1
      {"dw\t$0003", "dw\t$00x3"},                    // not a number
      {"db\t1, 0\n", "db\t2, 0\n"},                  // a frame table shorter than its count
      {"db\t1, 1\t", "db\t1, 2\t"},                  // a block map shorter than its height
      {"BlockPaletteData:\n\t\tdb\t0", "BlockPaletteData:\n\t\tdb\t1"},  // palette 1 of 1
      {"AnimA:\n", "AnimAFrame0:\n"},                // a label defined twice
  };
  for (const auto& [from, to] : damage) {
    EXPECT_THROW(DecodeExport(Replaced(kFile, from, to)), ExportDecodeError) << to;
  }
}

}  // namespace
}  // namespace pixolan
