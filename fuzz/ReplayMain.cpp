// Replays saved inputs through the fuzz entries without libFuzzer, so the normal
// (and the sanitizer) build checks that no input that ever crashed crashes again.
// Usage: fuzz_replay TARGET PATH...   (files, or folders whose files are replayed)
#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

#include "FuzzEntries.h"

namespace {

namespace fs = std::filesystem;

std::vector<fs::path> InputsUnder(const fs::path& path) {
  std::vector<fs::path> inputs;
  if (fs::is_directory(path)) {
    for (const fs::directory_entry& e : fs::directory_iterator(path)) {
      if (e.is_regular_file() && e.path().filename().string().front() != '.') inputs.push_back(e.path());
    }
    std::sort(inputs.begin(), inputs.end());
  } else if (fs::is_regular_file(path)) {
    inputs.push_back(path);
  }
  return inputs;
}

std::vector<std::uint8_t> ReadAll(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: %s TARGET PATH...\n", argv[0]);
    return 2;
  }
  const pixolan::fuzz::FuzzTarget* target = pixolan::fuzz::FindTarget(argv[1]);
  if (target == nullptr) {
    std::fprintf(stderr, "unknown target %s\n", argv[1]);
    return 2;
  }
  int replayed = 0;
  for (int i = 2; i < argc; ++i) {
    for (const fs::path& input : InputsUnder(argv[i])) {
      // Printed before the run, so a crash names its input.
      std::printf("%s\n", input.string().c_str());
      std::fflush(stdout);
      const std::vector<std::uint8_t> bytes = ReadAll(input);
      target->entry(bytes.data(), bytes.size());
      ++replayed;
    }
  }
  std::printf("replayed %d inputs through %s\n", replayed, argv[1]);
  return 0;
}
