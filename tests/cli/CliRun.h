#pragma once
// Runs pixolan-cli as a separate process, as a Makefile would.
#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "support/TestSupport.h"

namespace pixolan::test {

struct CliRun {
  int status = -1;
  std::string out;
  std::string err;
};

// A golden case's inputs (all but `args`, `expected/` and `inputs`) copied into
// `run`. A case that runs another command on another case's files names that
// case in its `inputs` file; its files come first, the case's own on top.
inline void CopyGoldenInputs(const std::filesystem::path& caseDir, const std::filesystem::path& run) {
  const std::filesystem::path shared = caseDir / "inputs";
  if (std::filesystem::exists(shared)) {
    std::string name = ReadText(shared);
    name.erase(name.find_last_not_of("\r\n") + 1);
    CopyGoldenInputs(caseDir.parent_path() / name, run);
  }
  for (const auto& e : std::filesystem::directory_iterator(caseDir)) {
    const std::string name = e.path().filename().string();
    if (name == "args" || name == "expected" || name == "inputs") continue;
    std::filesystem::copy(e.path(), run / name,
                          std::filesystem::copy_options::recursive | std::filesystem::copy_options::overwrite_existing);
  }
}

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
