#pragma once
// How an assembler file's labels are spelled for the program that includes it:
// a prefix on every label the file defines or refers to (so that several
// exports and palette files can share one program), and RGBDS's form (a SECTION
// line first, labels exported with "::"). Applied to the finished text in one
// place for the animation export and the palette export alike, so that the
// plain style is today's file byte for byte by construction.
#include <optional>
#include <string>

namespace pixolan {

struct AsmLabelStyle {
  std::string strPrefix;
  bool bRgbds = false;
  std::string strSection;  // RGBDS only

  bool IsPlain() const { return strPrefix.empty() && !bRgbds; }
};

// The message when the prefix cannot start an assembler label; nothing when it can.
std::optional<std::string> FindLabelPrefixProblem(const std::string& prefix);
// The message when the name cannot stand between the SECTION line's quotes.
std::optional<std::string> FindSectionNameProblem(const std::string& name);

// The file's text (CR LF or LF lines) with every label definition and every
// "dw" of a label prefixed, and for RGBDS the SECTION line first and "::".
std::string StyledAsm(const std::string& text, const AsmLabelStyle& style);

}  // namespace pixolan
