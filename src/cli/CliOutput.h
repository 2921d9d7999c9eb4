#pragma once
// What the export commands share on the command line: messages to stderr, and
// the finished file either saved in one piece or, for "-o -", sent to stdout.
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include <CLI/CLI.hpp>

#include "framework/ConsolePrompts.h"

namespace pixolan::cli {

// Prints one message to stderr, ending it with exactly one line end.
void PrintMessage(std::string_view text);

// Prompts that answer nothing and print every message as it is shown, keeping
// none (a noisy sheet can raise a warning for every block).
inline CConsolePrompts MakeConsolePrompts() { return CConsolePrompts(PrintMessage); }

inline bool IsStdout(const std::string& path) { return path == "-"; }

// Refuses an empty output path as a usage error.
inline CLI::Validator NonEmptyPath() {
  return CLI::Validator([](std::string& text) { return text.empty() ? std::string("needs a file name") : std::string(); },
                        "PATH");
}

// Writes the bytes to stdout; false (after a message) when that fails.
bool WriteToStdout(const std::string& bytes);

// Saves the bytes in one piece; false after the file error's message, with any
// earlier file left untouched.
bool SaveFile(const std::string& path, const std::string& bytes);
bool SaveFile(const std::string& path, std::span<const std::uint8_t> bytes);

}  // namespace pixolan::cli
