#pragma once
// Runs pixolan-cli as a separate process, as a Makefile would.
#include <sys/wait.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "support/TestSupport.h"

namespace pixolan::test {

struct CliRun {
  int status = -1;
  std::string out;
  std::string err;
};

inline std::string Quoted(const std::string& arg) {
  std::string q = "'";
  for (char c : arg) q += (c == '\'') ? std::string("'\\''") : std::string(1, c);
  return q + "'";
}

// stdout and stderr are caught in files of `dir`.
inline CliRun RunCli(const TempDir& dir, const std::vector<std::string>& args) {
  std::string command = Quoted(PIXOLAN_CLI_PATH);
  for (const std::string& a : args) command += " " + Quoted(a);
  command += " >" + Quoted((dir / "stdout.txt").string()) + " 2>" + Quoted((dir / "stderr.txt").string());
  const int raw = std::system(command.c_str());
  return CliRun{WIFEXITED(raw) ? WEXITSTATUS(raw) : -1, ReadText(dir / "stdout.txt"), ReadText(dir / "stderr.txt")};
}

}  // namespace pixolan::test
