#include "cli/CliOutput.h"

#include <cstdio>
#include <iostream>

#include "framework/AtomicFile.h"
#include "framework/FileException.h"

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

namespace {

template <class Bytes>
bool SaveWithMessage(const std::string& path, const Bytes& bytes) {
  try {
    WriteFileAtomically(path, bytes);
  } catch (const CFileException& e) {
    PrintMessage(e.GetErrorMessage());
    return false;
  }
  return true;
}

}  // namespace

bool SaveFile(const std::string& path, const std::string& bytes) { return SaveWithMessage(path, bytes); }
bool SaveFile(const std::string& path, std::span<const std::uint8_t> bytes) { return SaveWithMessage(path, bytes); }

}  // namespace pixolan::cli
