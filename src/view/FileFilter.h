#pragma once
// File dialog filters: the core writes "desc|pattern|desc|pattern||"; the desktop's
// dialogs take one "desc (pattern)" entry per line with patterns separated by spaces.
#include <string>
#include <vector>

namespace pixolan {

struct FilterEntry {
  std::string strDescription;  // "Bitmap Files (*.bmp)"
  std::vector<std::string> patterns;  // "*.bmp"
};

std::vector<FilterEntry> ParseFilter(const std::string& filter);
// The entries as the desktop's file dialogs name them, e.g. "Bitmap Files (*.bmp)",
// patterns in parentheses separated by spaces; a description that already ends with its
// parenthesised patterns keeps them once.
std::vector<std::string> DesktopFilters(const std::string& filter);

}  // namespace pixolan
