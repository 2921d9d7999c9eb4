#include "view/FileFilter.h"

#include <cstddef>

namespace pixolan {
namespace {

std::vector<std::string> Split(const std::string& text, char separator) {
  std::vector<std::string> parts;
  std::size_t start = 0;
  for (std::size_t end = text.find(separator); end != std::string::npos; end = text.find(separator, start)) {
    parts.push_back(text.substr(start, end - start));
    start = end + 1;
  }
  parts.push_back(text.substr(start));
  return parts;
}

std::string Trimmed(const std::string& s) {
  const std::size_t first = s.find_first_not_of(' ');
  if (first == std::string::npos) return {};
  return s.substr(first, s.find_last_not_of(' ') - first + 1);
}

// The description without a trailing "(...)": the desktop's dialogs read the
// patterns from the last parentheses, so they are written there afresh.
std::string WithoutTrailingPatterns(const std::string& description) {
  std::string text = Trimmed(description);
  const std::size_t open = text.rfind('(');
  if (!text.empty() && text.back() == ')' && open != std::string::npos) text = Trimmed(text.substr(0, open));
  return text;
}

}  // namespace

std::vector<FilterEntry> ParseFilter(const std::string& filter) {
  std::vector<FilterEntry> entries;
  const std::vector<std::string> fields = Split(filter, '|');
  // Pairs of description and patterns; an empty description ends the list ("||").
  for (std::size_t i = 0; i + 1 < fields.size() && !fields[i].empty(); i += 2) {
    FilterEntry entry{fields[i], {}};
    for (const std::string& pattern : Split(fields[i + 1], ';')) {
      if (std::string p = Trimmed(pattern); !p.empty()) entry.patterns.push_back(std::move(p));
    }
    if (!entry.patterns.empty()) entries.push_back(std::move(entry));
  }
  return entries;
}

std::vector<std::string> DesktopFilters(const std::string& filter) {
  std::vector<std::string> filters;
  for (const FilterEntry& entry : ParseFilter(filter)) {
    std::string text = WithoutTrailingPatterns(entry.strDescription);
    text += text.empty() ? "(" : " (";
    for (std::size_t i = 0; i < entry.patterns.size(); ++i) {
      // "*.*" means every file on the system these filters come from; here it would
      // miss files without a dot in their name.
      text += (i == 0 ? "" : " ") + (entry.patterns[i] == "*.*" ? std::string("*") : entry.patterns[i]);
    }
    filters.push_back(text + ")");
  }
  return filters;
}

}  // namespace pixolan
