#include "export/ByteFields.h"

#include <memory>

#include "document/PxoDoc.h"
#include "export/FrameLayout.h"

namespace pixolan {
namespace {

// "Frame 0 of animation Walk", as the export's other frame messages name a frame.
std::string FrameText(std::uint32_t frame, const std::string& name) {
  return "ERROR: Frame " + std::to_string(frame) + " of animation " + name;
}

std::optional<std::string> FrameProblem(const CAnimFrame& frame, std::uint32_t f, const std::string& name) {
  const std::string offsets = " (-128 to 127)\n";
  if (!OffsetFitsByte(frame.m_nOffsetX)) {
    return FrameText(f, name) + " has the X offset " + std::to_string(frame.m_nOffsetX) +
           ", which its byte cannot hold" + offsets;
  }
  if (!OffsetFitsByte(frame.m_nOffsetY)) {
    return FrameText(f, name) + " has the Y offset " + std::to_string(frame.m_nOffsetY) +
           ", which its byte cannot hold" + offsets;
  }
  const FrameLayout layout = LayoutOfFrame(frame.m_rectSource);
  const std::string sizes = ", which its byte cannot hold (at most 255)\n";
  if (!BlocksFitByte(layout.nWidth)) return FrameText(f, name) + " is " + std::to_string(layout.nWidth) + " blocks wide" + sizes;
  if (!BlocksFitByte(layout.nHeight)) return FrameText(f, name) + " is " + std::to_string(layout.nHeight) + " blocks tall" + sizes;
  return std::nullopt;
}

}  // namespace

std::optional<std::string> FindValuePastByte(const CPxoDoc& doc) {
  for (const std::unique_ptr<CAnimation>& animation : doc.m_animations) {
    for (std::uint32_t f = 0; f < animation->m_nFrameCount; ++f) {
      if (auto problem = FrameProblem(animation->FrameOrNeverSet(f), f, animation->Name())) return problem;
    }
  }
  return std::nullopt;
}

std::optional<std::string> PaletteCountPastByte(std::int64_t palettes) {
  if (palettes <= kMaxPaletteCount) return std::nullopt;
  return "ERROR: The export needs " + std::to_string(palettes) +
         " palettes, which the palette count's byte cannot hold (at most 255)\n";
}

}  // namespace pixolan
