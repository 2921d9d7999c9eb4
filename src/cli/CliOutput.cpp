#include "cli/CliOutput.h"

#include <cstdio>
#include <iostream>

namespace pixolan::cli {

void PrintMessage(std::string_view text) {
  std::cerr << text;
  // The program's messages mostly end with their own line end; never add a second.
  if (text.empty() || text.back() != '\n') std::cerr << '\n';
  std::cerr.flush();
}

bool WriteToStdout(const std::string& bytes) {
  const bool ok = std::fwrite(bytes.data(), 1, bytes.size(), stdout) == bytes.size() && std::fflush(stdout) == 0;
  if (!ok) PrintMessage("ERROR: Unable to write to standard output");
  return ok;
}

}  // namespace pixolan::cli
