#include "export/AsmLabelStyle.h"

#include <algorithm>
#include <string_view>

namespace pixolan {
namespace {

bool IsLabelCharacter(char c) {
  return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '_';
}

bool StartsLabel(char c) { return IsLabelCharacter(c) && !(c >= '0' && c <= '9'); }

// "\tdw\t\tLabel" (a reference in the animation list or a frame table): the
// label's position, or npos for data lines and everything else.
std::size_t ReferenceAt(std::string_view rest) {
  const std::size_t dw = rest.find("dw\t");
  if (dw == std::string_view::npos || rest.find_first_not_of('\t') != dw) return std::string_view::npos;
  const std::size_t at = rest.find_first_not_of('\t', dw + 2);
  return at != std::string_view::npos && StartsLabel(rest[at]) ? at : std::string_view::npos;
}

void AppendStyledLine(std::string& out, std::string_view line, const AsmLabelStyle& style) {
  std::string_view rest = line;
  if (!line.empty() && StartsLabel(line[0])) {
    const std::size_t colon = line.find(':');
    if (colon != std::string_view::npos) {
      out.append(style.strPrefix).append(line.substr(0, colon)).append(style.bRgbds ? "::" : ":");
      rest = line.substr(colon + 1);
    }
  }
  const std::size_t at = ReferenceAt(rest);
  if (at == std::string_view::npos) {
    out.append(rest);
    return;
  }
  out.append(rest.substr(0, at)).append(style.strPrefix).append(rest.substr(at));
}

}  // namespace

std::optional<std::string> FindLabelPrefixProblem(const std::string& prefix) {
  if (!std::all_of(prefix.begin(), prefix.end(), IsLabelCharacter)) {
    return "ERROR: The label prefix " + prefix + " holds a character no assembler label can hold\n";
  }
  if (!prefix.empty() && !StartsLabel(prefix[0])) {
    return "ERROR: The label prefix " + prefix + " starts with a digit, which no assembler label can\n";
  }
  return std::nullopt;
}

std::optional<std::string> FindSectionNameProblem(const std::string& name) {
  const bool plain = std::all_of(name.begin(), name.end(), [](char c) {
    return c >= ' ' && c <= '~' && c != '"' && c != '\\' && c != '{' && c != '}';
  });
  if (name.empty() || !plain) return "ERROR: The section name " + name + " cannot be written between quotes\n";
  return std::nullopt;
}

std::string StyledAsm(const std::string& text, const AsmLabelStyle& style) {
  if (style.IsPlain()) return text;
  std::string out;
  out.reserve(text.size() + text.size() / 8 + 64);
  const std::string_view lineEnd = text.find("\r\n") != std::string::npos ? "\r\n" : "\n";
  if (style.bRgbds) out.append("SECTION \"").append(style.strSection).append("\", ROMX").append(lineEnd);
  std::string_view rest = text;
  while (!rest.empty()) {
    const std::size_t end = rest.find('\n');
    std::string_view line = rest.substr(0, end);
    const bool cr = !line.empty() && line.back() == '\r';
    AppendStyledLine(out, cr ? line.substr(0, line.size() - 1) : line, style);
    if (end == std::string_view::npos) break;
    out.append(cr ? "\r\n" : "\n");
    rest.remove_prefix(end + 1);
  }
  return out;
}

}  // namespace pixolan
