#pragma once
// The budget pane's lines: what the check measures of the current frame and of
// the whole document against the console's limits, the frames that break one,
// and what the export said (blocks over four colours) as a list.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "export/ConsoleRun.h"

namespace pixolan {

struct BudgetRow {
  enum class Kind { kHeading, kLine };
  Kind kind = Kind::kLine;
  std::string strText;
  bool bOver = false;              // past its limit (or pixels changed): shown in red
  std::int64_t nAnimation = -1;    // the frame a click selects: its animation's index, -1 for none
  std::uint32_t nFrame = 0;        // and its number, from 1
};

// `animation` and `frame` (from 1): the document's current frame.
std::vector<BudgetRow> BudgetRows(const ConsoleResult& result, std::optional<std::size_t> animation,
                                  std::int32_t frame);

}  // namespace pixolan
