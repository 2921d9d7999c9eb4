// Faults around the two exports that must lose nothing: a full device, a folder
// that cannot be written, a target that is a folder, a sheet that changes on
// disk after the document was opened, a palette file that disappears. Each is
// reported with the file's name, keeps an earlier output file as it was, and
// leaves the document in memory exactly as it was.
#include <fcntl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <csignal>
#include <filesystem>
#include <functional>
#include <gtest/gtest.h>

#include "export/ExportFixture.h"

namespace pixolan::test {
namespace {

namespace fs = std::filesystem;

// A 16x8 8-bit sheet: cell (0,0) in colour 0, cell (1,0) a diagonal of colours 1 and 2.
std::vector<std::uint8_t> SheetBytes(std::uint8_t tint = 0) {
  const auto t = [&](int c) { return static_cast<std::uint8_t>(c ^ tint); };
  return BmpBytes(16, 8, 8, {Rgb(t(255), t(0), t(255)), Rgb(t(0), t(0), t(0)), Rgb(t(255), t(255), t(255)), Rgb(255, 0, 0)},
                  [](int x, int y) { return x < 8 ? 0 : (x - 8 <= 7 - y ? 1 : 2); });
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
  DocumentState s;
  CArchive ar(doc.GetPathName());
  doc.Serialize(ar);
  s.saved = ar.StoredBytes();
  if (doc.m_pImage) {
    s.palette = doc.m_pImage->m_pPalette;
    s.pixels = doc.m_pImage->m_pBits;
  }
  s.pathName = doc.GetPathName();
  s.modified = doc.IsModified();
  return s;
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
    {
      // Saved by one document and opened by another, as File Open does.
      CPxoDoc author(m_prompts, m_settings);
      author.m_strImagePath = m_sheet.string();
      auto walk = std::make_unique<CAnimation>();
      walk->SetName("Walk");
      walk->SetFrameCount(2);
      walk->m_pFrames[0].Set(CRect{0, 0, 16, 8}, -8, -4);
      walk->m_pFrames[1].Set(CRect{8, 0, 16, 8}, 0, 0);
      author.m_animations.push_back(std::move(walk));
      ASSERT_TRUE(author.OnSaveDocument(m_docPath.string()));
    }
    ASSERT_TRUE(m_doc.OnOpenDocument(m_docPath.string()));
    ASSERT_NE(m_doc.m_pImage, nullptr);
    ASSERT_TRUE(m_prompts.m_messages.empty());
  }

  void ExportAnim(const fs::path& path, std::vector<DialogAction> options = {}) {
    options.push_back(DialogAction::Ok());
    m_prompts.QueueDialog(std::move(options));
    m_prompts.QueueFile(path.string());
    m_doc.OnExportAnim();
  }
  void ExportPalette(const fs::path& path) {
    m_prompts.QueueDialog({DialogAction::Ok()});
    m_prompts.QueueFile(path.string());
    m_doc.OnExportPalette();
  }
  std::vector<DialogAction> UsePalette(const fs::path& path) const {
    return {DialogAction::Set(CExportOptionsDlg::IDC_USE_PALETTE, "1"),
            DialogAction::Set(CExportOptionsDlg::IDC_PALETTE_NAME, path.string())};
  }
  // The animation export of the document as it is now, made where nothing can go wrong.
  std::string ReferenceExport() {
    const fs::path path = m_dir / "reference.asm";
    ExportAnim(path);
    EXPECT_TRUE(m_prompts.m_messages.empty());
    std::string text = ReadText(path);
    fs::remove(path);
    return text;
  }
  // Both exports into the target: each must fail with the message, and nothing else may change.
  void ExpectBothExportsRefused(const fs::path& target, const std::string& message) {
    const DocumentState before = StateOf(m_doc);
    const std::vector<std::string> files = Listing(m_dir.path());
    ExportAnim(target);
    ExportPalette(target);
    EXPECT_EQ(m_prompts.m_messages, (std::vector<std::string>{message, message}));
    EXPECT_EQ(StateOf(m_doc), before);
    EXPECT_EQ(Listing(m_dir.path()), files);  // no temporary file left behind
  }

  TempDir m_dir;
  fs::path m_sheet = m_dir / "sheet.bmp";
  fs::path m_docPath = m_dir / "walk.pxo";
  fs::path m_out = m_dir / "sprites.asm";
  CScriptedPrompts m_prompts;
  CMemorySettings m_settings;
  CPxoDoc m_doc{m_prompts, m_settings};
};

TEST_F(ExportFaults, FullDeviceIsReported) {
  if (!fs::exists("/dev/full")) GTEST_SKIP() << "this system has no /dev/full";
  ExpectBothExportsRefused("/dev/full", "Disk full while accessing /dev/full.");
}

TEST_F(ExportFaults, RunningOutOfSpaceKeepsTheEarlierFile) {
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
  const fs::path missing = m_dir / "no such folder" / "sprites.asm";
  ExpectBothExportsRefused(missing, missing.string() + " was not found.");
  m_prompts.m_messages.clear();
  const fs::path underFile = m_sheet / "sprites.asm";
  ExpectBothExportsRefused(underFile, underFile.string() + " contains an invalid path.");
  EXPECT_EQ(ReadFile(m_sheet), SheetBytes());
  m_prompts.m_messages.clear();
  const fs::path folder = m_dir / "folder.asm";
  fs::create_directory(folder);
  WriteFile(folder / "keep.txt", std::string_view("kept"));
  ExpectBothExportsRefused(folder, folder.string() + " contains an invalid path.");
  EXPECT_EQ(ReadText(folder / "keep.txt"), "kept");
  EXPECT_EQ(ReadText(m_out), "earlier");
}

TEST_F(ExportFaults, ReadOnlyFolderIsReportedAndTheEarlierFileKept) {
  const fs::path folder = m_dir / "read-only";
  fs::create_directory(folder);
  const fs::path target = folder / "sprites.asm";
  WriteFile(target, std::string_view("earlier export\r\n"));
  fs::permissions(folder, fs::perms::owner_read | fs::perms::owner_exec);
  // Root (and any user allowed to override permissions) can still create files there.
  const int probe = ::open((folder / "probe").c_str(), O_WRONLY | O_CREAT, 0600);
  if (probe >= 0) {
    ::close(probe);
    fs::remove(folder / "probe");
    fs::permissions(folder, fs::perms::owner_all);
    GTEST_SKIP() << "permission bits do not stop this user (root); FolderThatIsAFileIsReported covers the refusal";
  }
  ExpectBothExportsRefused(target, "Access to " + target.string() + " was denied.");
  fs::permissions(folder, fs::perms::owner_all);
  EXPECT_EQ(ReadText(target), "earlier export\r\n");
}

TEST_F(ExportFaults, SheetReplacedOrDeletedAfterOpeningExportsFromMemory) {
  const std::string reference = ReferenceExport();
  const DocumentState before = StateOf(m_doc);
  // Rewritten in place (same file, truncated first), replaced by another file, deleted.
  const std::vector<std::vector<std::uint8_t>> replacements = {SheetBytes(0x30), {'B', 'M', 0}, {}};
  for (const auto& bytes : replacements) {
    WriteFile(m_sheet, bytes);
    ExportAnim(m_out);
    EXPECT_EQ(ReadText(m_out), reference) << bytes.size();
  }
  fs::remove(m_sheet);
  WriteFile(m_dir / "other.bmp", SheetBytes(0x50));
  fs::rename(m_dir / "other.bmp", m_sheet);
  ExportAnim(m_out);
  EXPECT_EQ(ReadText(m_out), reference);
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
  ExportAnim(m_out, UsePalette(palettes));
  ASSERT_TRUE(m_prompts.m_messages.empty());
  const std::string earlier = ReadText(m_out);
  const DocumentState before = StateOf(m_doc);
  const std::int32_t blocks = m_doc.m_nBlocks, unique = m_doc.m_nUniqueBlocks, used = m_doc.m_nPalettes;
  const auto tables = m_doc.m_Palettes;

  fs::remove(palettes);
  const std::vector<std::string> files = Listing(m_dir.path());
  ExportAnim(m_out, UsePalette(palettes));
  EXPECT_EQ(m_prompts.m_messages, std::vector<std::string>{palettes.string() + " was not found."});
  EXPECT_EQ(ReadText(m_out), earlier);
  EXPECT_EQ(Listing(m_dir.path()), files);
  EXPECT_EQ(StateOf(m_doc), before);
  // The work tables of the last export are untouched as well.
  EXPECT_EQ(m_doc.m_nBlocks, blocks);
  EXPECT_EQ(m_doc.m_nUniqueBlocks, unique);
  EXPECT_EQ(m_doc.m_nPalettes, used);
  EXPECT_EQ(m_doc.m_Palettes, tables);
}

}  // namespace
}  // namespace pixolan::test
