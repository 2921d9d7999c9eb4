#include "export/GbdkSource.h"

#include <algorithm>
#include <cctype>
#include <cstdint>
#include <cstdio>

namespace pixolan {
namespace {

constexpr int kTilesPerBank = 256;
constexpr std::uint8_t kPropBank1 = 0x08, kPropFlipX = 0x20, kPropFlipY = 0x40;

struct Item {
  std::int64_t nDy, nDx;
  std::uint8_t nTile, nProps;
};

std::string AnimationName(const std::string& name) {
  std::string text = name;
  std::replace(text.begin(), text.end(), ' ', '_');
  return text;
}

bool IsCName(const std::string& text) {
  if (text.empty() || std::isdigit(static_cast<unsigned char>(text[0]))) return false;
  return std::all_of(text.begin(), text.end(), [](char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '_';
  });
}

std::string Format(const char* format, long long a, long long b = 0) {
  char text[160];
  std::snprintf(text, sizeof text, format, a, b);
  return text;
}

std::size_t AnimationCount(const DecodedExport& decoded, const GbdkNames& names) {
  return std::min(decoded.animations.size(), names.animationNames.size());
}

// The frame's objects in GBDK's order: rows top to bottom, each left to right,
// positions as steps from the previous item (the first from the pivot).
std::vector<Item> FrameItems(const DecodedExport& decoded, const DecodedFrame& frame) {
  std::vector<Item> items;
  if (!frame.HasBlockMap()) return items;
  std::int64_t y = 0, x = 0;
  for (std::int64_t r = 0; r < frame.nHeight; ++r) {
    for (std::int64_t c = 0; c < frame.nWidth; ++c) {
      const std::uint32_t word = frame.Word(c, r);
      const std::uint32_t block = word >> 4;
      const std::int64_t top = frame.nOffsetY + 8 * r, left = frame.nOffsetX + 8 * c;
      auto props = static_cast<std::uint8_t>(decoded.PaletteOf(word) & 7);
      if (block >= kTilesPerBank) props |= kPropBank1;
      if (word & 2u) props |= kPropFlipX;
      if (word & 1u) props |= kPropFlipY;
      items.push_back({top - y, left - x, static_cast<std::uint8_t>(block % kTilesPerBank), props});
      y = top;
      x = left;
    }
  }
  return items;
}

// -128 ends a frame: no step may take it.
bool FitsItem(const Item& item) { return item.nDy >= -127 && item.nDy <= 127 && item.nDx >= -127 && item.nDx <= 127; }

std::string ColourText(std::uint16_t word) {
  char text[32];
  std::snprintf(text, sizeof text, "RGB(%d, %d, %d)", word & 31, (word >> 5) & 31, (word >> 10) & 31);
  return text;
}

void WriteTiles(std::string& out, const DecodedExport& decoded, const std::string& p) {
  out += "const uint8_t " + p + "_tiles[" + p + "_TILE_COUNT * 16] = {\n";
  for (const TileBytes& tile : decoded.graphics) {
    out += "   ";
    for (const std::uint8_t byte : tile) out += Format(" 0x%02llx,", byte);
    out += "\n";
  }
  out += "};\n\n";
}

void WritePalettes(std::string& out, const DecodedExport& decoded, const std::string& p) {
  out += "const palette_color_t " + p + "_palettes[" + p + "_PALETTE_COUNT * 4] = {\n";
  for (const GbcColourWords& palette : decoded.palettes) {
    out += "    " + ColourText(palette[0]) + ", " + ColourText(palette[1]) + ", " + ColourText(palette[2]) + ", " +
           ColourText(palette[3]) + ",\n";
  }
  out += "};\n";
}

void WriteFrame(std::string& out, const std::vector<Item>& items, const std::string& name) {
  out += "const metasprite_t " + name + "[] = {\n";
  for (const Item& item : items) {
    out += Format("    METASPR_ITEM(%lld, %lld, ", item.nDy, item.nDx) +
           Format("%lld, 0x%02llx),\n", item.nTile, item.nProps);
  }
  out += "    METASPR_TERM\n};\n";
}

std::string FramesName(const std::string& p, const std::string& animation) { return p + "_" + animation + "_frames"; }
std::string FrameName(const std::string& p, const std::string& animation, std::size_t f) {
  return p + "_" + animation + "_frame" + std::to_string(f);
}

void WriteAnimations(std::string& out, const DecodedExport& decoded, const GbdkNames& names) {
  const std::string& p = names.strPrefix;
  std::string list = "const metasprite_t* const* const " + p + "_animations[" + p + "_ANIMATION_COUNT + 1] = {\n";
  std::string counts = "const uint8_t " + p + "_frame_counts[" + p + "_ANIMATION_COUNT + 1] = {\n";
  for (std::size_t a = 0; a < AnimationCount(decoded, names); ++a) {
    const std::string animation = AnimationName(names.animationNames[a]);
    const std::vector<DecodedFrame>& frames = decoded.animations[a].frames;
    out += "\n// " + names.animationNames[a] + "\n";
    for (std::size_t f = 0; f < frames.size(); ++f) {
      WriteFrame(out, FrameItems(decoded, frames[f]), FrameName(p, animation, f));
    }
    out += "const metasprite_t* const " + FramesName(p, animation) + "[] = {\n";
    for (std::size_t f = 0; f < frames.size(); ++f) out += "    " + FrameName(p, animation, f) + ",\n";
    out += "    0\n};\n";
    list += "    " + FramesName(p, animation) + ",\n";
    counts += "    " + std::to_string(frames.size()) + ",\n";
  }
  out += "\n" + list + "    0\n};\n" + counts + "    0\n};\n";
}

std::string HeaderText(const DecodedExport& decoded, const GbdkNames& names) {
  const std::string& p = names.strPrefix;
  std::string guard = p + "_GBDK_H";
  std::transform(guard.begin(), guard.end(), guard.begin(), [](unsigned char c) { return std::toupper(c); });
  std::string out = "// Exported by Pixolan for GBDK-2020. Draw frame n of an animation with\n"
                    "// move_metasprite_ex(" + p + "_<animation>_frames[n], first_tile, 0, first_sprite, x, y);\n"
                    "// (x, y) is where the canvas centre goes, in OAM coordinates; objects are 8x8 (SPRITES_8x8).\n";
  out += "#ifndef " + guard + "\n#define " + guard + "\n\n#include <stdint.h>\n#include <gb/gb.h>\n"
         "#include <gb/cgb.h>\n#include <gb/metasprites.h>\n\n";
  out += "#define " + p + "_TILE_COUNT " + std::to_string(decoded.graphics.size()) + "\n";
  out += "#define " + p + "_PALETTE_COUNT " + std::to_string(decoded.palettes.size()) + "\n";
  out += "#define " + p + "_ANIMATION_COUNT " + std::to_string(AnimationCount(decoded, names)) + "\n\n";
  out += "extern const uint8_t " + p + "_tiles[" + p + "_TILE_COUNT * 16];\n";
  out += "extern const palette_color_t " + p + "_palettes[" + p + "_PALETTE_COUNT * 4];\n";
  out += "extern const metasprite_t* const* const " + p + "_animations[" + p + "_ANIMATION_COUNT + 1];\n";
  out += "extern const uint8_t " + p + "_frame_counts[" + p + "_ANIMATION_COUNT + 1];\n";
  for (std::size_t a = 0; a < AnimationCount(decoded, names); ++a) {
    const std::string animation = AnimationName(names.animationNames[a]);
    const std::size_t frames = decoded.animations[a].frames.size();
    out += "\n#define " + p + "_" + animation + "_FRAME_COUNT " + std::to_string(frames) + "\n";
    out += "extern const metasprite_t* const " + FramesName(p, animation) + "[" + std::to_string(frames + 1) + "];\n";
    for (std::size_t f = 0; f < frames; ++f) out += "extern const metasprite_t " + FrameName(p, animation, f) + "[];\n";
  }
  return out + "\n#endif\n";
}

}  // namespace

std::optional<std::string> FindGbdkProblem(const DecodedExport& decoded, const GbdkNames& names) {
  if (!IsCName(names.strPrefix)) {
    return "ERROR: The name prefix " + names.strPrefix + " cannot start a C name; give a label prefix\n";
  }
  if (decoded.graphics.size() > static_cast<std::size_t>(kGbdkMaxTiles)) {
    return Format("ERROR: The C output holds at most %lld tiles (two banks of 256); this export has %lld\n",
                  kGbdkMaxTiles, static_cast<long long>(decoded.graphics.size()));
  }
  for (std::size_t a = 0; a < AnimationCount(decoded, names); ++a) {
    const std::string& name = names.animationNames[a];
    if (!IsCName(names.strPrefix + "_" + AnimationName(name))) {
      return "ERROR: Animation \"" + name + "\" gives a C name that holds a character no C name can hold\n";
    }
    const std::vector<DecodedFrame>& frames = decoded.animations[a].frames;
    for (std::size_t f = 0; f < frames.size(); ++f) {
      for (const Item& item : FrameItems(decoded, frames[f])) {
        if (!FitsItem(item)) {
          return Format("ERROR: Frame %lld of animation ", static_cast<long long>(f)) + name +
                 " needs an object step outside -127..127, which a metasprite item cannot hold\n";
        }
      }
    }
  }
  for (const std::int64_t palette : decoded.blockPalettes) {
    if (palette < 0 || palette > 7) {
      return Format("ERROR: A block uses palette %lld; objects have palettes 0..7\n", palette);
    }
  }
  return std::nullopt;
}

GbdkSource WriteGbdkSource(const DecodedExport& decoded, const GbdkNames& names) {
  GbdkSource source;
  source.strHeader = HeaderText(decoded, names);
  std::string& out = source.strSource;
  out = "// Exported by Pixolan for GBDK-2020.\n#include \"" + names.strHeaderName + "\"\n\n";
  WriteTiles(out, decoded, names.strPrefix);
  WritePalettes(out, decoded, names.strPrefix);
  WriteAnimations(out, decoded, names);
  return source;
}

}  // namespace pixolan
