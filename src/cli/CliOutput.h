#pragma once
// What the export commands share on the command line: messages to stderr, and
// the finished file either saved in one piece or, for "-o -", sent to stdout.
#include <string>
#include <string_view>

#include "framework/ScriptedPrompts.h"

namespace pixolan::cli {

// Prints one message to stderr, ending it with exactly one line end.
void PrintMessage(std::string_view text);

// Prompts that answer nothing and print every message as it is shown.
void PrintMessagesOf(CScriptedPrompts& prompts);

inline bool IsStdout(const std::string& path) { return path == "-"; }

// Writes the bytes to stdout; false (after a message) when that fails.
bool WriteToStdout(const std::string& bytes);

}  // namespace pixolan::cli
