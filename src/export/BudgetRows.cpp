#include "export/BudgetRows.h"

#include "export/CheckReport.h"

namespace pixolan {
namespace {

using Kind = BudgetRow::Kind;

BudgetRow Heading(std::string text) {
  BudgetRow row;
  row.kind = Kind::kHeading;
  row.strText = std::move(text);
  return row;
}

BudgetRow Line(std::string text, bool over, std::int64_t animation = -1, std::uint32_t frame = 0) {
  BudgetRow row;
  row.strText = std::move(text);
  row.bOver = over;
  row.nAnimation = animation;
  row.nFrame = frame;
  return row;
}

std::string OfLimit(const std::string& what, std::int64_t value, std::int64_t limit) {
  return what + ": " + std::to_string(value) + " of " + std::to_string(limit);
}

std::string FrameName(const FrameCheck& frame) {
  return "\"" + frame.strAnimation + "\" frame " + std::to_string(frame.nFrame);
}

struct FrameRef {
  const FrameCheck* frame = nullptr;
  std::int64_t nAnimation = -1;
};

void AddCurrentFrame(const FrameRef& current, std::vector<BudgetRow>& rows) {
  if (current.frame == nullptr) {
    rows.push_back(Heading("Current frame: none"));
    return;
  }
  const FrameCheck& f = *current.frame;
  rows.push_back(Heading("Current frame: " + FrameName(f)));
  rows.push_back(Line(OfLimit("Objects", f.nObjects, kObjectsPerFrame), f.TooManyObjects()));
  rows.push_back(Line(OfLimit("Most objects on one line", f.nPerLine, kObjectsPerLine), f.TooManyPerLine()));
  rows.push_back(Line(OfLimit("Palettes", f.nPalettes, kObjectPalettes), f.TooManyPalettes()));
  rows.push_back(Line("Changed pixels: " + std::to_string(f.nChangedPixels), f.nChangedPixels > 0));
}

// The frame with the most of `measure`, named so that a click selects it.
template <typename Measure>
void AddMost(const ExportCheck& check, const std::string& what, std::int64_t limit, Measure measure,
             std::vector<BudgetRow>& rows) {
  FrameRef most;
  for (std::size_t a = 0; a < check.animations.size(); ++a) {
    for (const FrameCheck& f : check.animations[a].frames) {
      if (most.frame == nullptr || measure(f) > measure(*most.frame)) most = {&f, static_cast<std::int64_t>(a)};
    }
  }
  if (most.frame == nullptr) return;
  const std::int64_t value = measure(*most.frame);
  rows.push_back(Line(OfLimit(what, value, limit) + " (" + FrameName(*most.frame) + ")", value > limit,
                      most.nAnimation, most.frame->nFrame));
}

void AddDocument(const ExportCheck& check, std::vector<BudgetRow>& rows) {
  std::int64_t changed = 0;
  for (const AnimationCheck& animation : check.animations) {
    for (const FrameCheck& f : animation.frames) changed += f.nChangedPixels;
  }
  const auto count = [](std::size_t n, const char* one, const char* many) {
    return std::to_string(n) + " " + (n == 1 ? one : many);
  };
  rows.push_back(Heading("Document: " + count(check.animations.size(), "animation", "animations") + ", " +
                         count(check.FrameCount(), "frame", "frames")));
  AddMost(check, "Most objects in a frame", kObjectsPerFrame, [](const FrameCheck& f) { return f.nObjects; }, rows);
  AddMost(check, "Most objects on one line", kObjectsPerLine, [](const FrameCheck& f) { return f.nPerLine; }, rows);
  rows.push_back(Line(OfLimit("Palettes", check.nPalettes, kObjectPalettes), check.TooManyPalettes()));
  const std::int64_t tiles = check.nUniqueBlocks > kTilesPerBank ? kTilesPerBank * kTileBanks : kTilesPerBank;
  rows.push_back(Line(OfLimit("Unique tiles", check.nUniqueBlocks, tiles), check.TileBanksNeeded() == 0));
  rows.push_back(Line("Changed pixels: " + std::to_string(changed), changed > 0));
}

// The check's own lines of every frame that breaks something, each selecting its frame.
void AddFramesOver(const ExportCheck& check, std::vector<BudgetRow>& rows) {
  std::vector<BudgetRow> lines;
  for (std::size_t a = 0; a < check.animations.size(); ++a) {
    for (const FrameCheck& f : check.animations[a].frames) {
      ExportCheck one;
      one.bFirstTrans = check.bFirstTrans;
      one.animations.push_back(AnimationCheck{check.animations[a].strName, {f}});
      for (const CheckLine& line : CheckReport(one)) {
        if (line.kind == CheckLine::Kind::kOver || line.kind == CheckLine::Kind::kChanged ||
            line.kind == CheckLine::Kind::kHidden) {
          lines.push_back(Line(line.strText, true, static_cast<std::int64_t>(a), f.nFrame));
        }
      }
    }
  }
  if (lines.empty()) return;
  rows.push_back(Heading("Frames past a limit"));
  rows.insert(rows.end(), lines.begin(), lines.end());
}

// A message as one line: its line ends become spaces, the last dropped.
std::string OneLine(std::string text) {
  while (!text.empty() && (text.back() == '\n' || text.back() == '\r')) text.pop_back();
  for (char& c : text) {
    if (c == '\n' || c == '\r') c = ' ';
  }
  return text;
}

}  // namespace

std::vector<BudgetRow> BudgetRows(const ConsoleResult& result, std::optional<std::size_t> animation,
                                  std::int32_t frame) {
  std::vector<BudgetRow> rows;
  if (result.bExported) {
    FrameRef current;
    if (animation && *animation < result.check.animations.size() && frame >= 1 &&
        static_cast<std::size_t>(frame) <= result.check.animations[*animation].frames.size()) {
      current = {&result.check.animations[*animation].frames[static_cast<std::size_t>(frame - 1)],
                 static_cast<std::int64_t>(*animation)};
    }
    AddCurrentFrame(current, rows);
    AddDocument(result.check, rows);
    AddFramesOver(result.check, rows);
  }
  if (!result.messages.empty()) {
    rows.push_back(Heading(result.bExported ? "Export warnings" : "Not exported"));
    for (const std::string& message : result.messages) rows.push_back(Line(OneLine(message), true));
  }
  return rows;
}

}  // namespace pixolan
