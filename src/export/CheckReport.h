#pragma once
// The check's findings as lines a build log can grep: one per frame, each
// followed by what it breaks, then the export as a whole and the verdict.
#include <string>
#include <vector>

#include "export/ExportCheck.h"

namespace pixolan {

struct CheckLine {
  enum class Kind { kFrame, kOver, kChanged, kHidden, kExport, kResult };
  Kind kind;
  std::string strText;  // without the kind's prefix

  // "over: ", "changed: ", "hidden: ", "export: ", "result: ", nothing for a frame.
  std::string Printed() const;
};

std::vector<CheckLine> CheckReport(const ExportCheck& check);

}  // namespace pixolan
