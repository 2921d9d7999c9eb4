// check --json says what the text says: the same frames with the same figures,
// the same problems, and "fits" exactly when the exit status is 0.
#include <gtest/gtest.h>

#include <algorithm>
#include <nlohmann/json.hpp>
#include <sstream>

#include "cli/CliRun.h"

namespace pixolan::test {
namespace {

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}

std::string Plural(std::int64_t n, const std::string& word) { return std::to_string(n) + " " + word + (n == 1 ? "" : "s"); }

// The text's frame lines, rebuilt from the JSON's figures.
std::vector<std::string> FrameLines(const nlohmann::json& report) {
  std::vector<std::string> lines;
  for (const auto& animation : report.at("animations")) {
    const std::string name = "\"" + animation.at("name").get<std::string>() + "\"";
    if (animation.at("frames").empty()) lines.push_back(name + ": no frames");
    for (const auto& f : animation.at("frames")) {
      lines.push_back(name + " frame " + std::to_string(f.at("frame").get<int>()) + ": " +
                      std::to_string(f.at("width").get<int>()) + "x" + std::to_string(f.at("height").get<int>()) +
                      " blocks, " + Plural(f.at("objects"), "object") + " (" + std::to_string(f.at("drawn").get<int>()) +
                      " drawn), " + std::to_string(f.at("perLine").get<int>()) + " per line, " +
                      Plural(f.at("palettes"), "palette") + ", " + Plural(f.at("pixelsChanged"), "pixel") + " changed");
    }
  }
  return lines;
}

TEST(CheckJson, AgreesWithTheText) {
  for (const char* name : {"check-fits", "check-changed-pixels", "check-line-limit", "check-ran-out-of-palettes",
                           "check-hidden-pixels", "check-offsets-past-byte"}) {
    SCOPED_TRACE(name);
    TempDir dir;
    const std::filesystem::path inputs = dir / "inputs";
    std::filesystem::create_directory(inputs);
    CopyGoldenInputs(DataDir() / "golden" / name, inputs);
    std::vector<std::string> args = Lines(ReadText(DataDir() / "golden" / name / "args"));
    for (std::string& arg : args) {
      if (std::filesystem::exists(inputs / arg)) arg = (inputs / arg).string();
    }
    const CliRun text = RunCli(dir, args);
    args.push_back("--json");
    const CliRun json = RunCli(dir, args);
    ASSERT_EQ(json.status, text.status);
    const nlohmann::json report = nlohmann::json::parse(json.out);
    EXPECT_EQ(report.at("fits").get<bool>(), text.status == 0);
    std::vector<std::string> frames, problems, jsonProblems;
    for (const std::string& line : Lines(text.out)) {
      if (line.rfind("over: ", 0) == 0 || line.rfind("changed: ", 0) == 0 || line.rfind("hidden: ", 0) == 0) {
        problems.push_back(line);
      }
      else if (line.rfind("export: ", 0) != 0 && line.rfind("result: ", 0) != 0) frames.push_back(line);
    }
    EXPECT_EQ(FrameLines(report), frames);
    for (const auto& over : report.at("over")) jsonProblems.push_back("over: " + over.get<std::string>());
    for (const auto& changed : report.at("changed")) jsonProblems.push_back("changed: " + changed.get<std::string>());
    for (const auto& hidden : report.at("hidden")) jsonProblems.push_back("hidden: " + hidden.get<std::string>());
    std::sort(problems.begin(), problems.end());
    std::sort(jsonProblems.begin(), jsonProblems.end());
    EXPECT_EQ(jsonProblems, problems);
  }
}

}  // namespace
}  // namespace pixolan::test
