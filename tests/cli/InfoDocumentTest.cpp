// pixolan-cli info on documents and sheets.
#include <gtest/gtest.h>

#include "../document/PxoFileBytes.h"
#include "cli/CliRun.h"
#include "export/ExportFixture.h"

namespace pixolan::test {
namespace {

class InfoDocumentTest : public ::testing::Test {
 protected:
  void SetUp() override { WriteFile(dir / "a.bmp", BmpBytes(16, 16, 8, {}, [](int, int) { return 1; })); }
  std::string Write(const std::string& name, const std::vector<std::uint8_t>& bytes) {
    WriteFile(dir / name, bytes);
    return (dir / name).string();
  }
  TempDir dir;
};

TEST_F(InfoDocumentTest, PrintsWhatTheDocumentHolds) {
  const std::string doc = Write("run.pxo", RunDocumentBytes());
  CliRun r = RunCli(dir, {"info", doc});
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

  auto bytes = RunDocumentBytes();
  bytes[46] = 0;  // selection flag
  PutU32(bytes, kRunCurrentIndexAt, 0xFFFFFFFF);
  r = RunCli(dir, {"info", Write("RUN.PXO", bytes)});
  EXPECT_EQ(r.status, 0) << r.err;
  EXPECT_NE(r.out.find("\nselection: none\n"), std::string::npos) << r.out;
  EXPECT_NE(r.out.find("\ncurrent: none\n"), std::string::npos) << r.out;

  r = RunCli(dir, {"info", Write("new.pxo", {})});
  EXPECT_EQ(r.status, 0);
  EXPECT_NE(r.out.find("sheet: \"\" (not loaded)\n"), std::string::npos) << r.out;
}

TEST_F(InfoDocumentTest, UnopenableDocumentsReportAndFailWhileSheetsAreStillDescribed) {
  const std::string empty = Write("empty.pxo", EmptyDocumentBytes());  // no sheet to load
  const std::string missing = (dir / "missing.pxo").string();
  CliRun r = RunCli(dir, {"info", empty, missing});
  EXPECT_EQ(r.status, 1);
  EXPECT_EQ(r.out, "");
  EXPECT_EQ(r.err, "An unknown error occurred while accessing " + empty + ".\n"
                   "An unknown error occurred while accessing " + missing + ".\n");
  r = RunCli(dir, {"info", (dir / "a.bmp").string()});
  EXPECT_EQ(r.status, 0);
  EXPECT_EQ(r.out, (dir / "a.bmp").string() + ": BMP 16x16, 8 bpp, palette 256 entries\n");
}

}  // namespace
}  // namespace pixolan::test
