// pixolan-cli export and palette as a Makefile runs them: files, stdout, stderr
// and exit statuses.
#include <gtest/gtest.h>

#include <filesystem>

#include "cli/CliRun.h"
#include "export/AnimExport.h"
#include "export/ExportFixture.h"
#include "export/PaletteExport.h"

namespace pixolan::test {
namespace {

namespace fs = std::filesystem;

class ExportCli : public ExportFixture, public ::testing::Test {
 protected:
  void SetUp() override { MirrorSheet(); }

  // Saves the fixture's document beside an 8-bit bitmap of its sheet.
  std::string SaveDocument() {
    const CRasterImage& sheet = *doc.m_pImage;
    WriteFile(Sheet(), BmpBytes(sheet.m_nWidth, sheet.m_nHeight, 8, sheet.m_pPalette,
                                [&](int x, int y) { return sheet.GetPixelIndex(x, y); }));
    doc.m_strImagePath = Sheet();
    const std::string pxo = (dir / "walker.pxo").string();
    EXPECT_TRUE(doc.OnSaveDocument(pxo));
    return pxo;
  }
  std::string Expected(const CExportOptionsDlg& options = {}) {
    CAnimExport exporter(doc, prompts);
    EXPECT_TRUE(exporter.Build(options, "expected.asm"));
    return exporter.File().Bytes();
  }
  std::string ExpectedPalette(const PaletteStarts& starts) {
    CTextWriter file;
    WritePaletteExport(file, *doc.m_pImage, starts);
    return file.Bytes();
  }
  CliRun Cli(const std::vector<std::string>& args) { return RunCli(dir, args); }
  // A failed run: status 1, the message on stderr, no output file.
  void ExpectFailure(const std::vector<std::string>& args, const std::string& message) {
    const CliRun run = Cli(args);
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err, message);
    EXPECT_FALSE(fs::exists(Out()));
  }
  std::string Out() const { return (dir / "out.asm").string(); }
  std::string Sheet() const { return (dir / "sheet.bmp").string(); }

  TempDir dir;
};

TEST_F(ExportCli, ExportWritesTheSameFileAsTheMenuCommandWithEveryOption) {
  const std::string pxo = SaveDocument();
  CliRun run = Cli({"export", pxo, "-o", Out()});
  EXPECT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(run.err, "");
  EXPECT_EQ(ReadText(Out()), Expected());
  fs::remove(Out());

  CExportOptionsDlg options;
  options.m_bForceFirst = options.m_bFirstTrans = 1;
  run = Cli({"export", pxo, "--force-first", "--first-trans", "-o", "-"});
  EXPECT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(run.out, Expected(options));

  const std::string palettes = (dir / "palettes.asm").string(), missing = (dir / "none.asm").string();
  WriteFile(palettes, std::string_view("PaletteData:\r\n\t\tdw\t\t$7fff, $0000, $7c1f, $001f\r\n"));
  run = Cli({"export", pxo, "--palette-file", palettes, "-o", "-"});
  EXPECT_EQ(run.status, 0) << run.err;
  EXPECT_NE(run.out.find("NumberOfPalettes:\t\tdb\t\t2\r\n"), std::string::npos);  // magenta is 255, not 248
  ExpectFailure({"export", pxo, "--palette-file", missing, "-o", Out()}, missing + " was not found.\n");
  ExpectFailure({"export", pxo, "--remap", missing, "-o", Out()}, "FATAL: Unable to load image file\n");

  const auto grey = dir / "grey.bmp";
  WriteFile(grey, BmpBytes(8, 8, 8, std::vector<PaletteEntry>(256, Rgb(64, 64, 64)), [](int, int) { return 0; }));
  run = Cli({"export", pxo, "--remap", grey.string(), "-o", "-"});
  EXPECT_EQ(run.status, 0) << run.err;
  EXPECT_NE(run.out.find("\t\t\t\t\t\tdw\t\t$2108, $0000, $0000, $0000\r\n"), std::string::npos) << run.out;
}

TEST_F(ExportCli, ErrorsGoToStderrWithStatusOneAndNoFile) {
  const CliRun run = Cli({"export", (dir / "missing.pxo").string(), "-o", Out()});
  EXPECT_EQ(run.status, 1);
  EXPECT_NE(run.err, "");
  EXPECT_FALSE(fs::exists(Out()));

  doc.m_animations[0]->m_pFrames[1].m_rectSource = Cells(2, 1, 2, 1);
  ExpectFailure({"export", SaveDocument(), "-o", Out()}, "ERROR: Frame 1 of animation Walk Left lies outside the image\n");
}

TEST_F(ExportCli, WarningsArePrintedOnceEachAndTheExportGoesOn) {
  doc.m_pImage->m_pPalette[4] = Rgb(0, 255, 0);
  FillCell(1, 1, CellOf([](int x, int y) { return y == 0 && x < 5 ? x : 1; }));  // five colours in its top row
  const CliRun run = Cli({"export", SaveDocument(), "-o", Out()});
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.err,
            "Block starting at pixel X = 8, Y = 8 is using more than 4 colours\nAny extra colours will be cleared to "
            "index 0\n");
  EXPECT_TRUE(fs::exists(Out()));
}

TEST_F(ExportCli, UsageErrorsExitWithTwo) {
  const std::string pxo = SaveDocument();
  EXPECT_EQ(Cli({"export", pxo}).status, 2);
  EXPECT_EQ(Cli({"export", pxo, "-o", "x.asm", "--no-such-switch"}).status, 2);
  for (const char* starts : {"1,2,3", "0,16,32,48,64,80,96,253", "0,16,32,48,64,80,96,-1", "a,b,c,d,e,f,g,h",
                             "0,16,32,48,64,80,96,112,128", "0,16,32,48,64,80,96,112,", ""}) {
    EXPECT_EQ(Cli({"palette", Sheet(), "-o", Out(), "--starts", starts}).status, 2) << starts;
    EXPECT_FALSE(fs::exists(Out()));
  }
}

TEST_F(ExportCli, PaletteWritesEightPalettes) {
  SaveDocument();
  CliRun run = Cli({"palette", Sheet(), "-o", Out()});
  EXPECT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(ReadText(Out()), ExpectedPalette(DefaultPaletteStarts()));
  run = Cli({"palette", Sheet(), "--starts", "3,2,1,0,252,0,0,0", "-o", "-"});
  EXPECT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(run.out, ExpectedPalette({3, 2, 1, 0, 252, 0, 0, 0}));

  fs::remove(Out());
  const auto trueColour = dir / "true.bmp";
  WriteFile(trueColour, BmpBytes(8, 8, 24, {}, [](int, int) { return 7; }));
  ExpectFailure({"palette", trueColour.string(), "-o", Out()}, "ERROR: Image must have a palette\n");
  ExpectFailure({"palette", (dir / "none.bmp").string(), "-o", Out()}, "FATAL: Unable to load image file\n");
}

}  // namespace
}  // namespace pixolan::test
