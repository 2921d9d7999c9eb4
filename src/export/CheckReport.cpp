#include "export/CheckReport.h"

namespace pixolan {
namespace {

using Kind = CheckLine::Kind;

// "1 palette", "2 palettes".
std::string Count(std::int64_t n, const std::string& singular, const std::string& plural) {
  return std::to_string(n) + " " + (n == 1 ? singular : plural);
}

std::string FrameName(const FrameCheck& frame) {
  return "\"" + frame.strAnimation + "\" frame " + std::to_string(frame.nFrame);
}

std::string FrameSummary(const FrameCheck& frame) {
  return FrameName(frame) + ": " + std::to_string(frame.nWidth) + "x" + std::to_string(frame.nHeight) + " blocks, " +
         Count(frame.nObjects, "object", "objects") + " (" + std::to_string(frame.nDrawn) + " drawn), " +
         std::to_string(frame.nPerLine) + " per line, " + Count(frame.nPalettes, "palette", "palettes") + ", " +
         Count(frame.nChangedPixels, "pixel", "pixels") + " changed";
}

// Values the file holds that an assembler would cut to a byte.
void AddPastByte(const FrameCheck& frame, const std::string& name, std::vector<CheckLine>& lines) {
  const std::string offsets = " (limit " + std::to_string(kMinOffset) + " to " + std::to_string(kMaxOffset) + ")";
  if (!OffsetFitsByte(frame.nOffsetX)) {
    lines.push_back({Kind::kOver, name + ": X offset " + std::to_string(frame.nOffsetX) + offsets});
  }
  if (!OffsetFitsByte(frame.nOffsetY)) {
    lines.push_back({Kind::kOver, name + ": Y offset " + std::to_string(frame.nOffsetY) + offsets});
  }
  const std::string sizes = " (limit " + std::to_string(kMaxFrameBlocks) + ")";
  if (!BlocksFitByte(frame.nWidth)) {
    lines.push_back({Kind::kOver, name + ": " + std::to_string(frame.nWidth) + " blocks wide" + sizes});
  }
  if (!BlocksFitByte(frame.nHeight)) {
    lines.push_back({Kind::kOver, name + ": " + std::to_string(frame.nHeight) + " blocks tall" + sizes});
  }
}

// The cause of pixels that vanish, and without the first-colour rule its cure.
void AddHidden(const FrameCheck& frame, const std::string& name, bool firstTrans, std::vector<CheckLine>& lines) {
  if (frame.nHiddenPixels == 0) return;
  lines.push_back({Kind::kHidden, name + ": " + Count(frame.nHiddenPixels, "pixel uses", "pixels use") +
                                      " colour 0, which the console never draws" +
                                      (firstTrans ? "" : " (try --first-trans)")});
}

void AddFrame(const FrameCheck& frame, bool firstTrans, std::vector<CheckLine>& lines) {
  const std::string name = FrameName(frame);
  lines.push_back({Kind::kFrame, FrameSummary(frame)});
  AddPastByte(frame, name, lines);
  if (frame.TooManyObjects()) {
    lines.push_back({Kind::kOver, name + ": " + Count(frame.nObjects, "object", "objects") + " (limit " +
                                      std::to_string(kObjectsPerFrame) + ")"});
  }
  if (frame.TooManyPerLine()) {
    lines.push_back({Kind::kOver, name + ": " + Count(frame.nPerLine, "object", "objects") + " on one line (limit " +
                                      std::to_string(kObjectsPerLine) + ")"});
  }
  if (frame.TooManyPalettes()) {
    lines.push_back({Kind::kOver, name + ": " + Count(frame.nPalettes, "palette", "palettes") + " (limit " +
                                      std::to_string(kObjectPalettes) + ")"});
  }
  if (frame.nChangedPixels > 0) {
    lines.push_back({Kind::kChanged,
                     name + ": " + Count(frame.nChangedPixels, "pixel differs", "pixels differ") + " from the sheet"});
  }
  AddHidden(frame, name, firstTrans, lines);
}

std::string TileMemory(const ExportCheck& check) {
  switch (check.TileBanksNeeded()) {
    case 1: return "bank 0: " + std::to_string(kTilesPerBank) + " tiles";
    case 2: return "both banks: " + std::to_string(kTilesPerBank * kTileBanks) + " tiles";
    default: return "more than both banks hold";
  }
}

void AddExport(const ExportCheck& check, std::vector<CheckLine>& lines) {
  lines.push_back({Kind::kExport, Count(static_cast<std::int64_t>(check.animations.size()), "animation", "animations") +
                                      ", " + Count(static_cast<std::int64_t>(check.FrameCount()), "frame", "frames") +
                                      ", " + Count(check.nPalettes, "palette", "palettes") + ", " +
                                      Count(check.nUniqueBlocks, "unique block", "unique blocks") + " (" +
                                      TileMemory(check) + ")"});
  if (check.TooManyPalettes()) {
    lines.push_back({Kind::kOver, "export: " + Count(check.nPalettes, "palette", "palettes") + " (limit " +
                                      std::to_string(kObjectPalettes) + ")"});
  }
  if (check.PaletteCountPastByte()) {
    lines.push_back({Kind::kOver, "export: " + Count(check.nPalettes, "palette", "palettes") +
                                      ", more than the palette count's byte holds (limit " +
                                      std::to_string(kMaxPaletteCount) + ")"});
  }
  if (check.bRanOutOfPalettes) {
    lines.push_back({Kind::kOver, "export: ran out of palettes, some blocks use palette 0"});
  }
  if (check.TileBanksNeeded() == 0) {
    lines.push_back({Kind::kOver, "export: " + Count(check.nUniqueBlocks, "unique block", "unique blocks") +
                                      " (limit " + std::to_string(kTilesPerBank * kTileBanks) +
                                      " tiles in both banks)"});
  }
}

}  // namespace

std::string CheckLine::Printed() const {
  switch (kind) {
    case Kind::kOver: return "over: " + strText;
    case Kind::kChanged: return "changed: " + strText;
    case Kind::kHidden: return "hidden: " + strText;
    case Kind::kExport: return "export: " + strText;
    case Kind::kResult: return "result: " + strText;
    case Kind::kFrame: break;
  }
  return strText;
}

std::vector<CheckLine> CheckReport(const ExportCheck& check) {
  std::vector<CheckLine> lines;
  for (const AnimationCheck& animation : check.animations) {
    if (animation.frames.empty()) lines.push_back({Kind::kFrame, "\"" + animation.strName + "\": no frames"});
    for (const FrameCheck& frame : animation.frames) AddFrame(frame, check.bFirstTrans, lines);
  }
  AddExport(check, lines);
  std::int64_t over = 0, changed = 0;
  for (const CheckLine& line : lines) {
    over += line.kind == Kind::kOver ? 1 : 0;
    changed += line.kind == Kind::kChanged ? 1 : 0;
  }
  lines.push_back({Kind::kResult, over + changed == 0 ? std::string("fits")
                                                      : "does not fit: " + Count(over, "limit", "limits") +
                                                            " exceeded, " + Count(changed, "frame", "frames") +
                                                            " with changed pixels"});
  return lines;
}

}  // namespace pixolan
