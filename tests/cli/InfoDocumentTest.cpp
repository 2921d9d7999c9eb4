// pixolan-cli info on documents, run as a separate process.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdlib>

#include "../document/PxoFileBytes.h"
#include "image/BmpBuilder.h"
#include "support/TestSupport.h"

namespace pixolan::test {
namespace {

struct CliResult {
  int status = -1;
  std::string out;
  std::string err;
};

std::string Quoted(const std::string& arg) {
  std::string q = "'";
  for (char c : arg) q += (c == '\'') ? std::string("'\\''") : std::string(1, c);
  return q + "'";
}

CliResult RunInfo(const TempDir& dir, const std::vector<std::string>& files) {
  std::string command = Quoted(PIXOLAN_CLI_PATH) + " info";
  for (const std::string& f : files) command += " " + Quoted(f);
  command += " >" + Quoted((dir / "stdout.txt").string()) + " 2>" + Quoted((dir / "stderr.txt").string());
  const int raw = std::system(command.c_str());
  CliResult result;
  result.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
  result.out = ReadText(dir / "stdout.txt");
  result.err = ReadText(dir / "stderr.txt");
  return result;
}

void WriteSheet(const std::filesystem::path& path) {
  BmpLayout layout;
  layout.width = 16;
  layout.height = 16;
  layout.palette = GreyPalette(16, 16);
  layout.coloursUsed = 16;
  layout.pixels.assign(256, 1);
  WriteFile(path, BuildBmp(layout));
}

TEST(InfoDocumentTest, PrintsWhatTheDocumentHolds) {
  TempDir dir;
  WriteSheet(dir / "a.bmp");
  const std::string doc = (dir / "run.pxo").string();
  WriteFile(doc, RunDocumentBytes());
  const CliResult r = RunInfo(dir, {doc});
  EXPECT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.out, doc + ": document\n"
                         "sheet: \"a.bmp\" (loaded)\n"
                         "canvas: 160x144, zoom 4\n"
                         "selection: (0, 0, 16, 16)\n"
                         "ANIM \"Run\": 2 frames\n"
                         "  frame 1: (0, 0, 16, 16) at (-8, -8)\n"
                         "  frame 2: not set\n"
                         "current: \"Run\"\n");
  EXPECT_EQ(r.err, "");
}

TEST(InfoDocumentTest, NoCurrentAnimationAndNoSelection) {
  TempDir dir;
  WriteSheet(dir / "a.bmp");
  auto bytes = RunDocumentBytes();
  bytes[46] = 0;                              // selection flag
  PutU32(bytes, kRunCurrentIndexAt, 0xFFFFFFFF);
  const std::string doc = (dir / "RUN.PXO").string();
  WriteFile(doc, bytes);
  const CliResult r = RunInfo(dir, {doc});
  EXPECT_EQ(r.status, 0) << r.err;
  EXPECT_NE(r.out.find("\nselection: none\n"), std::string::npos) << r.out;
  EXPECT_NE(r.out.find("\ncurrent: none\n"), std::string::npos) << r.out;
}

TEST(InfoDocumentTest, ZeroLengthDocumentHasNoSheet) {
  TempDir dir;
  const std::string doc = (dir / "new.pxo").string();
  WriteFile(doc, std::vector<std::uint8_t>{});
  const CliResult r = RunInfo(dir, {doc});
  EXPECT_EQ(r.status, 0);
  EXPECT_NE(r.out.find("sheet: \"\" (not loaded)\n"), std::string::npos) << r.out;
}

TEST(InfoDocumentTest, UnopenableDocumentsReportAndFail) {
  TempDir dir;
  const std::string empty = (dir / "empty.pxo").string();
  WriteFile(empty, EmptyDocumentBytes());  // no sheet to load
  const std::string missing = (dir / "missing.pxo").string();
  const CliResult r = RunInfo(dir, {empty, missing});
  EXPECT_EQ(r.status, 1);
  EXPECT_EQ(r.out, "");
  EXPECT_EQ(r.err, "An unknown error occurred while accessing " + empty + ".\n"
                   "An unknown error occurred while accessing " + missing + ".\n");
}

TEST(InfoDocumentTest, SheetsAreStillDescribed) {
  TempDir dir;
  WriteSheet(dir / "a.bmp");
  const CliResult r = RunInfo(dir, {(dir / "a.bmp").string()});
  EXPECT_EQ(r.status, 0);
  EXPECT_EQ(r.out, (dir / "a.bmp").string() + ": BMP 16x16, 8 bpp, palette 256 entries\n");
}

}  // namespace
}  // namespace pixolan::test
