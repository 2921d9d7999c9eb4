// pixolan-cli export and palette as a Makefile runs them: files, stdout, stderr
// and exit statuses.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>

#include "export/AnimExport.h"
#include "export/AsmFixture.h"
#include "export/PaletteExport.h"
#include "support/TestSupport.h"

namespace pixolan::test {
namespace {

struct CliRun {
  int status = -1;
  std::string out;
  std::string err;
};

class ExportCli : public AsmFixture, public ::testing::Test {
 protected:
  void SetUp() override { MirrorSheet(); }

  // Saves the fixture's document beside an 8-bit bitmap of its sheet.
  std::string SaveDocument() {
    const CRasterImage& sheet = *doc.m_pImage;
    const auto bmp = dir / "sheet.bmp";
    WriteFile(bmp, BmpBytes(sheet.m_nWidth, sheet.m_nHeight, 8, sheet.m_pPalette,
                            [&](int x, int y) { return sheet.GetPixelIndex(x, y); }));
    doc.m_strImagePath = bmp.string();
    const std::string pxo = (dir / "walker.pxo").string();
    EXPECT_TRUE(doc.OnSaveDocument(pxo));
    return pxo;
  }

  std::string Expected(const CExportOptionsDlg& options = {}) {
    CAnimExport exporter(doc, prompts);
    EXPECT_TRUE(exporter.Build(options, "expected.asm"));
    return exporter.File().Bytes();
  }

  CliRun Cli(const std::string& arguments) {
    const std::string command = std::string("'") + PIXOLAN_CLI_PATH + "' " + arguments + " >'" +
                                (dir / "stdout").string() + "' 2>'" + (dir / "stderr").string() + "'";
    CliRun run;
    const int raw = std::system(command.c_str());
    run.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
    run.out = ReadText(dir / "stdout");
    run.err = ReadText(dir / "stderr");
    return run;
  }

  std::string Out() const { return (dir / "out.asm").string(); }
  std::string Quote(const std::string& s) const { return "'" + s + "'"; }

  TempDir dir;
};

TEST_F(ExportCli, ExportWritesTheSameFileAsTheMenuCommand) {
  const std::string pxo = SaveDocument();
  CliRun run = Cli("export " + Quote(pxo) + " -o " + Quote(Out()));
  EXPECT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(run.err, "");
  EXPECT_EQ(ReadText(Out()), Expected());

  CExportOptionsDlg options;
  options.m_bForceFirst = options.m_bFirstTrans = 1;
  run = Cli("export " + Quote(pxo) + " --force-first --first-trans -o -");
  EXPECT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(run.out, Expected(options));
}

TEST_F(ExportCli, PaletteFileAndRemapOptions) {
  const std::string pxo = SaveDocument();
  const auto palettes = dir / "palettes.asm";
  WriteFile(palettes, std::string_view("PaletteData:\r\n\t\tdw\t\t$7fff, $0000, $7c1f, $001f\r\n"));
  CliRun run = Cli("export " + Quote(pxo) + " --palette-file " + Quote(palettes.string()) + " -o -");
  EXPECT_EQ(run.status, 0) << run.err;
  EXPECT_NE(run.out.find("NumberOfPalettes:\t\tdb\t\t2\r\n"), std::string::npos);  // magenta is 255, not 248

  const std::string missing = (dir / "none.asm").string();
  run = Cli("export " + Quote(pxo) + " --palette-file " + Quote(missing) + " -o " + Quote(Out()));
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(run.err, missing + " was not found.\n");
  EXPECT_FALSE(std::filesystem::exists(Out()));

  run = Cli("export " + Quote(pxo) + " --remap " + Quote(missing) + " -o " + Quote(Out()));
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(run.err, "FATAL: Unable to load image file\n");
  EXPECT_FALSE(std::filesystem::exists(Out()));

  const auto grey = dir / "grey.bmp";
  std::vector<PaletteEntry> greys(256, Colour(64, 64, 64));
  WriteFile(grey, BmpBytes(8, 8, 8, greys, [](int, int) { return 0; }));
  run = Cli("export " + Quote(pxo) + " --remap " + Quote(grey.string()) + " -o -");
  EXPECT_EQ(run.status, 0) << run.err;
  EXPECT_NE(run.out.find("\t\t\t\t\t\tdw\t\t$2108, $0000, $0000, $0000\r\n"), std::string::npos) << run.out;
}

TEST_F(ExportCli, ErrorsGoToStderrWithStatusOneAndNoFile) {
  CliRun run = Cli("export " + Quote((dir / "missing.pxo").string()) + " -o " + Quote(Out()));
  EXPECT_EQ(run.status, 1);
  EXPECT_NE(run.err, "");
  EXPECT_FALSE(std::filesystem::exists(Out()));

  doc.m_animations[0]->m_pFrames[1].m_rectSource = CellRect(2, 1, 2, 1);
  const std::string pxo = SaveDocument();
  run = Cli("export " + Quote(pxo) + " -o " + Quote(Out()));
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(run.err, "ERROR: Frame 1 of animation Walk Left lies outside the image\n");
  EXPECT_FALSE(std::filesystem::exists(Out()));
}

TEST_F(ExportCli, WarningsArePrintedOnceEachAndTheExportGoesOn) {
  doc.m_pImage->m_pPalette[4] = Colour(0, 255, 0);
  Cell(1, 1, [](int x, int y) { return y == 0 && x < 5 ? x : 1; });  // five colours in its top row
  const std::string pxo = SaveDocument();
  const CliRun run = Cli("export " + Quote(pxo) + " -o " + Quote(Out()));
  EXPECT_EQ(run.status, 0);
  const std::string warning =
      "Block starting at pixel X = 8, Y = 8 is using more than 4 colours\nAny extra colours will be cleared to index "
      "0\n";
  EXPECT_EQ(run.err, warning);
  EXPECT_TRUE(std::filesystem::exists(Out()));
}

TEST_F(ExportCli, UsageErrorsExitWithTwo) {
  const std::string pxo = SaveDocument();
  EXPECT_EQ(Cli("export " + Quote(pxo)).status, 2);
  EXPECT_EQ(Cli("export " + Quote(pxo) + " -o x.asm --no-such-switch").status, 2);
  const std::string sheet = Quote((dir / "sheet.bmp").string());
  for (const char* starts : {"1,2,3", "0,16,32,48,64,80,96,253", "0,16,32,48,64,80,96,-1", "a,b,c,d,e,f,g,h",
                             "0,16,32,48,64,80,96,112,128", "0,16,32,48,64,80,96,112,", ""}) {
    const CliRun run = Cli("palette " + sheet + " -o " + Quote(Out()) + " --starts '" + starts + "'");
    EXPECT_EQ(run.status, 2) << starts;
    EXPECT_FALSE(std::filesystem::exists(Out()));
  }
}

TEST_F(ExportCli, PaletteWritesEightPalettes) {
  SaveDocument();
  const std::string sheet = Quote((dir / "sheet.bmp").string());
  CliRun run = Cli("palette " + sheet + " -o " + Quote(Out()));
  EXPECT_EQ(run.status, 0) << run.err;
  CTextWriter expected;
  WritePaletteExport(expected, *doc.m_pImage, DefaultPaletteStarts());
  EXPECT_EQ(ReadText(Out()), expected.Bytes());

  run = Cli("palette " + sheet + " --starts 3,2,1,0,252,0,0,0 -o -");
  EXPECT_EQ(run.status, 0) << run.err;
  CTextWriter chosen;
  WritePaletteExport(chosen, *doc.m_pImage, {3, 2, 1, 0, 252, 0, 0, 0});
  EXPECT_EQ(run.out, chosen.Bytes());

  const auto trueColour = dir / "true.bmp";
  WriteFile(trueColour, BmpBytes(8, 8, 24, {}, [](int, int) { return 7; }));
  std::filesystem::remove(Out());
  run = Cli("palette " + Quote(trueColour.string()) + " -o " + Quote(Out()));
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(run.err, "ERROR: Image must have a palette\n");
  run = Cli("palette " + Quote((dir / "none.bmp").string()) + " -o " + Quote(Out()));
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(run.err, "FATAL: Unable to load image file\n");
  EXPECT_FALSE(std::filesystem::exists(Out()));
}

}  // namespace
}  // namespace pixolan::test
