// Faults around the two exports that must lose nothing: a full device, a folder
// that cannot be written, a target that is a folder, a sheet that changes on
// disk after the document was opened, a palette file that disappears. Each is
// reported with the file's name, keeps an earlier output file as it was, and
// leaves the document in memory exactly as it was.
#include <sys/resource.h>
#include <unistd.h>

#include <algorithm>
#include <csignal>
#include <filesystem>
#include <functional>
#include <tuple>
#include <gtest/gtest.h>

#include "export/AsmFile.h"
#include "export/ExportFixture.h"

namespace pixolan::test {
namespace {

namespace fs = std::filesystem;

// A 16x8 8-bit sheet: cell (0,0) in colour 0, cell (1,0) a diagonal of colours 1 and 2.
std::vector<std::uint8_t> SheetBytes(std::uint8_t tint = 0) {
  const auto t = [&](int c) { return static_cast<std::uint8_t>(c ^ tint); };
  return BmpBytes(16, 8, 8, {Rgb(t(255), t(0), t(255)), Rgb(t(0), t(0), t(0)), Rgb(t(255), t(255), t(255)), Rgb(255, 0, 0)},
                  [](int x, int y) { return x < 8 ? 0 : (x - 8 <= y ? 1 : 2); });
}

// Everything of a document that a user could lose.
struct DocumentState {
  std::vector<std::uint8_t> saved;  // the document as File Save would write it
  std::vector<PaletteEntry> palette;
  std::vector<std::uint8_t> pixels;
  std::string pathName;
  bool modified = false;
  bool operator==(const DocumentState&) const = default;
};

DocumentState StateOf(CPxoDoc& doc) {
  CArchive ar(doc.GetPathName());
  doc.Serialize(ar);
  return DocumentState{ar.StoredBytes(), doc.m_pImage ? doc.m_pImage->m_pPalette : std::vector<PaletteEntry>{},
                       doc.m_pImage ? doc.m_pImage->m_pBits : std::vector<std::uint8_t>{}, doc.GetPathName(),
                       doc.IsModified()};
}

// Runs f while no file may grow past `bytes`: writes then fail as on a full disk.
void WithFileSizeLimit(rlim_t bytes, const std::function<void()>& f) {
  rlimit old{};
  ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &old), 0);
  auto* oldHandler = std::signal(SIGXFSZ, SIG_IGN);
  rlimit small = old;
  small.rlim_cur = bytes;
  ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &small), 0);
  f();
  ::setrlimit(RLIMIT_FSIZE, &old);
  std::signal(SIGXFSZ, oldHandler);
}

std::vector<std::string> Listing(const fs::path& dir) {
  std::vector<std::string> names;
  for (const auto& e : fs::recursive_directory_iterator(dir)) names.push_back(e.path().string());
  std::sort(names.begin(), names.end());
  return names;
}

class ExportFaults : public ::testing::Test {
 protected:
  void SetUp() override {
    WriteFile(m_sheet, SheetBytes());
    ExportFixture author;  // saved by one document and opened by another, as File Open does
    author.doc.m_strImagePath = m_sheet.string();
    author.AddAnimation("Walk", {{CRect{0, 0, 16, 8}, -8, -4}, CRect{8, 0, 16, 8}});
    ASSERT_TRUE(author.doc.OnSaveDocument(m_docPath.string()));
    ASSERT_TRUE(m_doc.OnOpenDocument(m_docPath.string()));
    ASSERT_NE(m_doc.m_pImage, nullptr);
  }

  void ExportAnim(const fs::path& path, const std::string& paletteFile = "") {
    m_prompts.QueueDialog({DialogAction::Set(CExportOptionsDlg::IDC_USE_PALETTE, paletteFile.empty() ? "0" : "1"),
                           DialogAction::Set(CExportOptionsDlg::IDC_PALETTE_NAME, paletteFile), DialogAction::Ok()});
    m_prompts.QueueFile(path.string());
    m_doc.OnExportAnim();
  }
  void ExportPalette(const fs::path& path) {
    m_prompts.QueueDialog({DialogAction::Ok()});
    m_prompts.QueueFile(path.string());
    m_doc.OnExportPalette();
  }
  // Both exports into the target: each must fail with the message, and nothing else may change.
  void ExpectBothExportsRefused(const fs::path& target, const std::string& message) {
    m_prompts.m_messages.clear();
    const DocumentState before = StateOf(m_doc);
    const std::vector<std::string> files = Listing(m_dir.path());
    ExportAnim(target);
    ExportPalette(target);
    EXPECT_EQ(m_prompts.m_messages, (std::vector<std::string>{message, message}));
    EXPECT_EQ(StateOf(m_doc), before);
    EXPECT_EQ(Listing(m_dir.path()), files);  // no temporary file left behind
  }

  TempDir m_dir;
  fs::path m_sheet = m_dir / "sheet.bmp", m_docPath = m_dir / "walk.pxo", m_out = m_dir / "sprites.asm";
  CScriptedPrompts m_prompts;
  CMemorySettings m_settings;
  CPxoDoc m_doc{m_prompts, m_settings};
};

TEST(AsmFile, NothingReachesTheDiskUntilCloseAndNoTemporaryIsLeft) {
  TempDir dir;
  const auto path = dir / "sprites.asm";
  EXPECT_FALSE(CAsmFile().Open(""));
  {
    CAsmFile file;
    ASSERT_TRUE(file.Open(path.string()));
    file.Writer().WriteString("more\n");
    EXPECT_FALSE(fs::exists(path));
  }  // destroyed without Close: discarded
  EXPECT_FALSE(fs::exists(path));
  CAsmFile file;
  ASSERT_TRUE(file.Open(path.string()));
  file.Writer().WriteString("more\n");
  file.Close();
  EXPECT_FALSE(file.IsOpen());
  EXPECT_EQ(ReadText(path), CrLf(kAsmHeader + "more\n"));
  EXPECT_EQ(Listing(dir.path()), std::vector<std::string>{path.string()});
}

TEST_F(ExportFaults, FullDeviceOrRunningOutOfSpaceIsReportedAndKeepsTheEarlierFile) {
  if (fs::exists("/dev/full")) ExpectBothExportsRefused("/dev/full", "Disk full while accessing /dev/full.");
  WriteFile(m_out, std::string_view("earlier export\r\n"));
  // Both files are far longer than 200 bytes; the earlier one is shorter.
  WithFileSizeLimit(200, [&] { ExpectBothExportsRefused(m_out, "An unknown error occurred while accessing " + m_out.string() + "."); });
  EXPECT_EQ(ReadText(m_out), "earlier export\r\n");
  m_prompts.m_messages.clear();
  ExportAnim(m_out);  // with room again the same export succeeds
  EXPECT_TRUE(m_prompts.m_messages.empty());
  EXPECT_NE(ReadText(m_out), "earlier export\r\n");
}

TEST_F(ExportFaults, MissingFolderFolderThatIsAFileAndTargetThatIsAFolderAreReported) {
  WriteFile(m_out, std::string_view("earlier"));
  const fs::path missing = m_dir / "no such folder" / "sprites.asm", underFile = m_sheet / "sprites.asm";
  ExpectBothExportsRefused(missing, missing.string() + " was not found.");
  ExpectBothExportsRefused(underFile, underFile.string() + " contains an invalid path.");
  EXPECT_EQ(ReadFile(m_sheet), SheetBytes());
  const fs::path folder = m_dir / "folder.asm";
  fs::create_directory(folder);
  WriteFile(folder / "keep.txt", std::string_view("kept"));
  ExpectBothExportsRefused(folder, folder.string() + " contains an invalid path.");
  EXPECT_EQ(ReadText(folder / "keep.txt"), "kept");
  EXPECT_EQ(ReadText(m_out), "earlier");
}

TEST_F(ExportFaults, ReadOnlyFolderIsReportedAndTheEarlierFileKept) {
  const fs::path folder = m_dir / "read-only", target = folder / "sprites.asm";
  fs::create_directory(folder);
  WriteFile(target, std::string_view("earlier export\r\n"));
  // Root (and any user allowed to override permissions) can still create files there.
  if (!MakeFolderReadOnly(folder)) {
    GTEST_SKIP() << "permission bits do not stop this user (root); the invalid-path cases cover the refusal";
  }
  ExpectBothExportsRefused(target, "Access to " + target.string() + " was denied.");
  fs::permissions(folder, fs::perms::owner_all);
  EXPECT_EQ(ReadText(target), "earlier export\r\n");
}

TEST_F(ExportFaults, SheetReplacedOrDeletedAfterOpeningExportsFromMemory) {
  ExportAnim(m_out);
  const std::string reference = ReadText(m_out);
  const DocumentState before = StateOf(m_doc);
  // Rewritten in place (truncated first), then deleted.
  for (const auto& bytes : std::vector<std::vector<std::uint8_t>>{SheetBytes(0x30), {'B', 'M', 0}, {}}) {
    WriteFile(m_sheet, bytes);
    ExportAnim(m_out);
    EXPECT_EQ(ReadText(m_out), reference) << bytes.size();
  }
  fs::remove(m_sheet);
  ExportAnim(m_out);
  EXPECT_EQ(ReadText(m_out), reference);
  EXPECT_TRUE(m_prompts.m_messages.empty());
  EXPECT_EQ(StateOf(m_doc), before);
  // Saving still names the sheet, so the document reopens once the sheet is back.
  ASSERT_TRUE(m_doc.OnSaveDocument(m_docPath.string()));
  WriteFile(m_sheet, SheetBytes());
  CPxoDoc reopened(m_prompts, m_settings);
  EXPECT_TRUE(reopened.OnOpenDocument(m_docPath.string()));
  EXPECT_EQ(StateOf(reopened).saved, before.saved);
}

TEST_F(ExportFaults, PaletteFileThatDisappearsStopsBeforeAnythingIsWritten) {
  const fs::path palettes = m_dir / "palettes.asm";
  ExportPalette(palettes);
  ExportAnim(m_out, palettes.string());
  ASSERT_TRUE(m_prompts.m_messages.empty());
  const std::string earlier = ReadText(m_out);
  const DocumentState before = StateOf(m_doc);
  auto tables = [&] { return std::tuple(m_doc.m_nBlocks, m_doc.m_nUniqueBlocks, m_doc.m_nPalettes, m_doc.m_Palettes); };
  const auto tablesBefore = tables();
  fs::remove(palettes);
  const std::vector<std::string> files = Listing(m_dir.path());
  ExportAnim(m_out, palettes.string());
  EXPECT_EQ(m_prompts.m_messages, std::vector<std::string>{palettes.string() + " was not found."});
  EXPECT_EQ(ReadText(m_out), earlier);
  EXPECT_EQ(Listing(m_dir.path()), files);
  EXPECT_EQ(StateOf(m_doc), before);
  EXPECT_TRUE(tables() == tablesBefore);  // the work tables of the last export are untouched too
}

}  // namespace
}  // namespace pixolan::test
