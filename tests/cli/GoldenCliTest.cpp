// pixolan-cli as a Makefile runs it, case by case from tests/data/golden/<case>/:
// the case's inputs are copied to a fresh folder, the CLI runs there with the
// arguments in `args` (one per line), and its stdout, stderr, exit status and
// every file it writes must equal the files in the case's expected/ folder
// ("{dir}" stands for the run's folder). With PIXOLAN_UPDATE_GOLDEN set the
// results become the expectations instead (scripts/update-golden.sh).
#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <map>
#include <sstream>
#include <sys/stat.h>
#include <sys/wait.h>

#include "cli/CliRun.h"
#include "support/TestSupport.h"

namespace pixolan::test {
namespace {

namespace fs = std::filesystem;
using FileSet = std::map<std::string, std::string>;  // relative path: bytes

// A shell command of its words, each quoted.
std::string Command(const std::vector<std::string>& words) {
  std::string command;
  for (const std::string& word : words) command += (command.empty() ? "" : " ") + Quoted(word);
  return command;
}

// Runs the command line in `dir`; stdout and stderr go to files beside it.
FileSet RunCli(const fs::path& dir, const std::vector<std::string>& args) {
  const fs::path out = dir.parent_path() / "stdout.txt", err = dir.parent_path() / "stderr.txt";
  std::vector<std::string> words{PIXOLAN_CLI_PATH};
  words.insert(words.end(), args.begin(), args.end());
  std::string command = Command({"cd", dir.string()});
  command.append(" && ").append(Command(words)).append(" >").append(Command({out.string()}));
  command.append(" 2>").append(Command({err.string()}));
  const int raw = std::system(command.c_str());
  return {{"stdout", ReadText(out)}, {"stderr", ReadText(err)},
          {"status", std::to_string(WIFEXITED(raw) ? WEXITSTATUS(raw) : -1) + "\n"}};
}

FileSet Files(const fs::path& dir) {
  FileSet files;
  if (!fs::exists(dir)) return files;
  for (const auto& e : fs::recursive_directory_iterator(dir)) {
    if (e.is_regular_file()) files[fs::relative(e.path(), dir).generic_string()] = ReadText(e.path());
  }
  return files;
}

std::string Replaced(std::string text, const std::string& from, const std::string& to) {
  for (std::size_t at; (at = text.find(from)) != std::string::npos;) text.replace(at, from.size(), to);
  return text;
}

std::string Diff(const fs::path& scratch, const std::string& expected, const std::string& actual) {
  WriteFile(scratch / "expected", expected);
  WriteFile(scratch / "actual", actual);
  const std::string command = Command({"cd", scratch.string()}).append(" && diff -u expected actual > diff.txt");
  return std::system(command.c_str()) == -1 ? std::string("(no diff)") : ReadText(scratch / "diff.txt");
}

std::vector<std::string> CaseNames() {
  std::vector<std::string> names;
  for (const auto& e : fs::directory_iterator(DataDir() / "golden")) {
    if (e.is_directory()) names.push_back(e.path().filename().string());
  }
  std::sort(names.begin(), names.end());
  return names;
}

// The case's inputs in a fresh folder.
fs::path CopyInputs(const fs::path& caseDir, const TempDir& temp) {
  const fs::path run = fs::canonical(temp.path()) / "run";
  fs::create_directory(run);
  CopyGoldenInputs(caseDir, run);
  return run;
}

std::vector<std::string> Args(const fs::path& file) {
  std::istringstream in(ReadText(file));
  std::vector<std::string> args;
  for (std::string line; std::getline(in, line);) args.push_back(line);
  return args;
}

class GoldenCli : public ::testing::TestWithParam<std::string> {};

TEST_P(GoldenCli, OutputsEqualTheExpectedFiles) {
  const fs::path caseDir = DataDir() / "golden" / GetParam();
  TempDir temp;
  const fs::path run = CopyInputs(caseDir, temp);
  const FileSet inputs = Files(run);
  FileSet actual = RunCli(run, Args(caseDir / "args"));
  for (const auto& [name, bytes] : Files(run)) {
    if (!inputs.contains(name) || inputs.at(name) != bytes) actual["files/" + name] = bytes;
  }
  for (auto& [name, bytes] : actual) bytes = Replaced(bytes, run.string(), "{dir}");
  const fs::path expectedDir = caseDir / "expected";
  if (std::getenv("PIXOLAN_UPDATE_GOLDEN") != nullptr) {
    fs::remove_all(expectedDir);
    for (const auto& [name, bytes] : actual) {
      fs::create_directories((expectedDir / name).parent_path());
      WriteFile(expectedDir / name, bytes);
    }
    return;
  }
  const FileSet expected = Files(expectedDir);
  for (const auto& [name, bytes] : expected) {
    if (!actual.contains(name)) ADD_FAILURE() << name << " was expected but not written";
    else if (actual.at(name) != bytes) ADD_FAILURE() << name << " differs:\n" << Diff(temp.path(), bytes, actual.at(name));
  }
  for (const auto& [name, bytes] : actual) {
    if (!expected.contains(name)) ADD_FAILURE() << name << " was written but not expected";
  }
}

INSTANTIATE_TEST_SUITE_P(Cases, GoldenCli, ::testing::ValuesIn(CaseNames()), [](const auto& info) {
  std::string name = info.param;
  std::replace(name.begin(), name.end(), '-', '_');
  return name;
});

// Command lines a build script can get wrong fail as usage errors and write nothing.
TEST(CliUsage, BadCommandLinesExitWithTwo) {
  TempDir temp;
  const fs::path run = CopyInputs(DataDir() / "golden" / "export-mirror", temp);
  const std::vector<std::vector<std::string>> lines = {
      {"export", "walk.pxo"}, {"export", "walk.pxo", "-o", ""}, {"export", "walk.pxo", "-o", "out.asm", "--no-such"},
      {"palette", "sheet.bmp", "-o", ""}};
  for (const char* starts : {"1,2,3", "0,16,32,48,64,80,96,253", "0,16,32,48,64,80,96,-1", "a,b,c,d,e,f,g,h",
                             "0,16,32,48,64,80,96,112,128", "0,16,32,48,64,80,96,112,", ""}) {
    EXPECT_EQ(RunCli(run, {"palette", "sheet.bmp", "-o", "out.asm", "--starts", starts})["status"], "2\n") << starts;
  }
  for (const auto& args : lines) EXPECT_EQ(RunCli(run, args)["status"], "2\n") << args.back();
  EXPECT_FALSE(fs::exists(run / "out.asm"));
}


// A document path that is no document file (a link to an endless device) is
// refused with the file message and exit status 1, before anything is read.
TEST(OpenRefusalCli, InfoAndExportRefuseALinkToAnEndlessDevice) {
  TempDir temp;
  const fs::path run = temp / "run";
  fs::create_directory(run);
  const std::string zero = (run / "zero.pxo").string();
  fs::create_symlink("/dev/zero", zero);
  for (const auto& args : {std::vector<std::string>{"info", zero}, {"export", zero, "-o", (run / "out.asm").string()}}) {
    EXPECT_EQ(RunCli(run, args), (FileSet{{"stdout", ""}, {"status", "1\n"},
                                         {"stderr", "An unknown error occurred while accessing " + zero + ".\n"}}));
  }
  EXPECT_FALSE(fs::exists(run / "out.asm"));
}

TEST(OpenRefusalCli, ASheetThatIsAPipeIsRefusedWithoutWaitingForAWriter) {
  TempDir temp;
  const fs::path run = temp / "run";
  fs::create_directory(run);
  const std::string pipe = (run / "sheet.bmp").string();
  ASSERT_EQ(mkfifo(pipe.c_str(), 0600), 0);
  const FileSet result = RunCli(run, {"info", pipe});
  EXPECT_EQ(std::pair(result.at("status"), result.at("stderr")),
            std::pair(std::string("1\n"), pipe + ": error: cannot load image: not a regular file\n"));
}

// A real assembler reads what the exports write (the golden cases' expected
// files): the binary holds, at each label, the bytes the tables say.
struct Assembled {
  std::vector<std::uint8_t> bytes;
  std::map<std::string, std::size_t> labels;
};

// Assembles the text with z80asm; labels come from its label file ("Name:\tequ $hhhh").
Assembled Assemble(const std::string& text) {
  TempDir dir;
  WriteFile(dir / "in.asm", std::string_view(text));
  const std::string command = "z80asm -i '" + (dir / "in.asm").string() + "' -o '" + (dir / "out.bin").string() +
                              "' -L'" + (dir / "out.lbl").string() + "' 2>&1";
  EXPECT_EQ(std::system(command.c_str()), 0) << text;
  Assembled result;
  result.bytes = ReadFile(dir / "out.bin");
  std::istringstream lines(ReadText(dir / "out.lbl"));
  std::string name, equ, value;
  while (lines >> name >> equ >> value) {
    result.labels[name.substr(0, name.size() - 1)] = std::stoul(value.substr(1), nullptr, 16);
  }
  return result;
}

std::string Golden(const std::string& file) { return ReadText(DataDir() / "golden" / file); }

class Z80asm : public ::testing::Test {
 protected:
  void SetUp() override {
    if (std::system("command -v z80asm >/dev/null 2>&1") != 0) GTEST_SKIP() << "z80asm is not installed";
  }
};

TEST_F(Z80asm, AnimationExportAssemblesToTheTablesBytes) {
  const Assembled bin = Assemble(Golden("export-mirror/expected/files/out.asm"));
  EXPECT_EQ(bin.labels, (std::map<std::string, std::size_t>{
                            {"NumberOfAnimations", 0}, {"NumberOfPalettes", 1}, {"PaletteData", 2},
                            {"BlockPaletteData", 10}, {"AnimationData", 14}, {"AnimWalk_Left", 18}, {"AnimIdle", 24},
                            {"AnimWalk_LeftFrame0", 26}, {"AnimWalk_LeftFrame1", 36}, {"GraphicData", 46}}));
  Bytes b;
  b.u8(2).u8(1).u16le(0x7c1f).u16le(0x0000).u16le(0x7fff).u16le(0x001f);  // counts, the palette
  b.u8(0).u8(0).u8(0).u8(0);                                                  // three blocks and the pad
  b.u16le(18).u16le(24);                                                      // the animation list
  b.u8(2).u8(0).u16le(26).u16le(36).u8(0).u8(0);                              // two frames, none
  b.u8(3).u8(1).u8(0xf4).u8(0xf8).u16le(0x0000).u16le(0x0010).u16le(0x0012);  // offsets -12, -8
  b.u8(3).u8(1).u8(4).u8(0xfd).u16le(0x0011).u16le(0x0010).u16le(0x0020);
  // Block n at GraphicData + 16 n, as the block word masked with FFF0h says.
  b.fill(16, 0).raw({0x80, 0x7f, 0xc0, 0x3f, 0xe0, 0x1f, 0xf0, 0x0f, 0xf8, 0x07, 0xfc, 0x03, 0xfe, 0x01, 0xff, 0x00});
  b.u8(0xff).u8(0xff).fill(14, 0);
  EXPECT_EQ(bin.bytes, b.data());
}

// Two exports and a palette file, each with its own label prefix, are one
// program: no label is defined twice, and each file's labels carry its prefix.
TEST_F(Z80asm, PrefixedFilesAssembleTogether) {
  const Assembled bin = Assemble(Golden("export-label-prefix/expected/files/out.asm") +
                                 Golden("export-label-prefix-second/expected/files/out.asm") +
                                 Golden("palette-label-prefix/expected/files/palettes.asm"));
  std::vector<std::string> palettes;
  for (const auto& [label, address] : bin.labels) {
    EXPECT_TRUE(label.starts_with("Hero") || label.starts_with("Coin_") || label.starts_with("Pal")) << label;
    if (label.ends_with("PaletteData") && !label.ends_with("BlockPaletteData")) palettes.push_back(label);
  }
  EXPECT_EQ(palettes, (std::vector<std::string>{"Coin_PaletteData", "HeroPaletteData", "PalPaletteData"}));
}

}  // namespace
}  // namespace pixolan::test
