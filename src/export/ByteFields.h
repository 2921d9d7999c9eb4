#pragma once
// Values the export writes with db: an assembler cuts anything a byte cannot
// hold to a byte, mostly without a word, so the game would read another value.
// The export refuses such values; the check reports them.
#include <cstdint>
#include <optional>
#include <string>

namespace pixolan {

class CPxoDoc;

// Offsets are signed bytes; a width or height is a count read as one byte
// (a negative one, a frame without blocks, still assembles).
inline constexpr std::int64_t kMinOffset = -128;
inline constexpr std::int64_t kMaxOffset = 127;
inline constexpr std::int64_t kMinFrameBlocks = -128;
inline constexpr std::int64_t kMaxFrameBlocks = 255;
inline constexpr std::int64_t kMaxPaletteCount = 255;

inline bool OffsetFitsByte(std::int64_t offset) { return offset >= kMinOffset && offset <= kMaxOffset; }
inline bool BlocksFitByte(std::int64_t blocks) { return blocks >= kMinFrameBlocks && blocks <= kMaxFrameBlocks; }

// The message for the first frame whose offsets, width or height a byte cannot
// hold; nothing when every frame's values fit.
std::optional<std::string> FindValuePastByte(const CPxoDoc& doc);

// The message when the prepared export holds more palettes than its count byte.
std::optional<std::string> PaletteCountPastByte(std::int64_t palettes);

}  // namespace pixolan
