// The three writers (document save, animation export, palette export) where
// writing must fail: a full device, no room left, a missing folder, a folder
// that is a file, a target that is a folder, a read-only folder. Each failure is
// reported once with the file's name and cause, keeps an earlier file byte for
// byte, leaves no temporary file, and leaves the document in memory (sheet,
// animations, unsaved changes, path, modified flag) as it was.
#include <sys/resource.h>
#include <unistd.h>

#include <csignal>
#include <filesystem>
#include <functional>
#include <set>
#include <tuple>

#include "export/ExportCommands.h"
#include "export/ExportFixture.h"
#include "export/ExportOptionsDlg.h"

namespace pixolan::test {
namespace {

namespace fs = std::filesystem;

// A 24x16 8-bit sheet of mirrored blocks.
std::vector<std::uint8_t> SheetBytes() { return ReadFile(DataDir() / "golden" / "export-mirror" / "sheet.bmp"); }

// Everything of a document that a user could lose: the document as File Save
// would write it, the sheet's palette and pixels, the path and the modified flag.
using DocumentState = std::tuple<std::vector<std::uint8_t>, std::vector<PaletteEntry>, std::vector<std::uint8_t>,
                                 std::string, bool>;
DocumentState StateOf(CPxoDoc& doc) {
  CArchive ar(doc.GetPathName());
  doc.Serialize(ar);
  return {ar.StoredBytes(), doc.m_pImage->m_pPalette, doc.m_pImage->m_pBits, doc.GetPathName(), doc.IsModified()};
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

class WriterFaults : public ::testing::Test {
 protected:
  void SetUp() override {
    WriteFile(m_sheet, SheetBytes());
    ExportFixture author;  // saved by one document and opened by another, as File Open does
    author.doc.m_strImagePath = m_sheet.string();
    author.AddAnimation("Walk", {{CRect{0, 0, 16, 8}, -8, -4}, CRect{8, 0, 16, 8}});
    ASSERT_TRUE(author.doc.OnSaveDocument(m_docPath.string()));
    ASSERT_TRUE(m_doc.OnOpenDocument(m_docPath.string()));
    m_earlierDocument = ReadFile(m_docPath);
    // An unsaved change: it must survive every failed save.
    m_doc.m_animations[0]->Frame(2)->Set(CRect{0, 0, 8, 8}, 3, 4);
    m_doc.SetModifiedFlag();
  }

  void Save(const fs::path& path) { m_doc.OnSaveDocument(path.string()); }
  void ExportAnim(const fs::path& path, const std::string& paletteFile = "") {
    m_prompts.QueueDialog({DialogAction::Set(CExportOptionsDlg::IDC_USE_PALETTE, paletteFile.empty() ? "0" : "1"),
                           DialogAction::Set(CExportOptionsDlg::IDC_PALETTE_NAME, paletteFile), DialogAction::Ok()});
    m_prompts.QueueFile(path.string());
    OnExportAnim(m_doc);
  }
  void ExportPalette(const fs::path& path) {
    m_prompts.QueueDialog({DialogAction::Ok()});
    m_prompts.QueueFile(path.string());
    OnExportPalette(m_doc);
  }
  std::set<fs::path> Listing() const {
    std::set<fs::path> names;
    for (const auto& e : fs::recursive_directory_iterator(m_dir.path())) names.insert(e.path());
    return names;
  }
  // Every writer into the target: one message each, and nothing else changes.
  void ExpectEveryWriterRefused(const fs::path& target, const std::string& message) {
    SCOPED_TRACE(target.string());
    const std::function<void(const fs::path&)> writers[] = {[&](const fs::path& p) { Save(p); },
                                                            [&](const fs::path& p) { ExportAnim(p); },
                                                            [&](const fs::path& p) { ExportPalette(p); }};
    for (const auto& write : writers) {
      m_prompts.m_messages.clear();
      const DocumentState before = StateOf(m_doc);
      const std::set<fs::path> files = Listing();
      const std::vector<std::uint8_t> earlier = fs::is_regular_file(target) ? ReadFile(target) : std::vector<std::uint8_t>{};
      write(target);
      EXPECT_EQ(m_prompts.m_messages, std::vector<std::string>{message});
      EXPECT_EQ(StateOf(m_doc), before);
      EXPECT_EQ(Listing(), files);  // no temporary file left behind
      if (fs::is_regular_file(target) && target != "/dev/full") {
        EXPECT_EQ(ReadFile(target), earlier);
      }
    }
  }

  TempDir m_dir;
  fs::path m_sheet = m_dir / "sheet.bmp", m_docPath = m_dir / "walk.pxo", m_out = m_dir / "sprites.asm";
  std::vector<std::uint8_t> m_earlierDocument;
  CScriptedPrompts m_prompts;
  CMemorySettings m_settings;
  CPxoDoc m_doc{m_prompts, m_settings};
};

TEST_F(WriterFaults, NoRoomLeftKeepsTheEarlierFile) {
  if (fs::exists("/dev/full")) ExpectEveryWriterRefused("/dev/full", "Disk full while accessing /dev/full.");
  WriteFile(m_out, std::string_view("earlier\r\n"));
  // Every file written here is longer than 100 bytes; the earlier ones are not limited.
  WithFileSizeLimit(100, [&] {
    ExpectEveryWriterRefused(m_out, "An unknown error occurred while accessing " + m_out.string() + ".");
    ExpectEveryWriterRefused(m_docPath, "An unknown error occurred while accessing " + m_docPath.string() + ".");
  });
  EXPECT_EQ(ReadFile(m_docPath), m_earlierDocument);
  // With room again the same writes succeed; the document is saved with its change.
  m_prompts.m_messages.clear();
  ExportAnim(m_out);
  Save(m_docPath);
  EXPECT_TRUE(m_prompts.m_messages.empty());
  EXPECT_NE(ReadText(m_out), "earlier\r\n");
  EXPECT_FALSE(m_doc.IsModified());
  EXPECT_EQ(ReadFile(m_docPath), std::get<0>(StateOf(m_doc)));
}

TEST_F(WriterFaults, PathsThatCannotBeWritten) {
  const fs::path missing = m_dir / "no such folder" / "out", underFile = m_sheet / "out", folder = m_dir / "folder";
  fs::create_directory(folder);
  WriteFile(folder / "keep.txt", std::string_view("kept"));
  ExpectEveryWriterRefused(missing, missing.string() + " was not found.");
  ExpectEveryWriterRefused(underFile, underFile.string() + " contains an invalid path.");
  ExpectEveryWriterRefused(folder, folder.string() + " contains an invalid path.");
  EXPECT_EQ(ReadFile(m_sheet), SheetBytes());
  EXPECT_EQ(ReadText(folder / "keep.txt"), "kept");
}

TEST_F(WriterFaults, ReadOnlyFolder) {
  const fs::path readOnly = m_dir / "read-only", target = readOnly / "out";
  fs::create_directory(readOnly);
  WriteFile(target, std::string_view("earlier"));
  // Root (and any user allowed to override permissions) can still create files there.
  if (!MakeFolderReadOnly(readOnly)) GTEST_SKIP() << "permission bits do not stop this user (root)";
  ExpectEveryWriterRefused(target, "Access to " + target.string() + " was denied.");
  fs::permissions(readOnly, fs::perms::owner_all);
}

// Contents the document file cannot hold are not written at all.
TEST_F(WriterFaults, DocumentContentsTheFileCannotHold) {
  CAnimation stranger;
  const std::function<void()> breakers[] = {
      [&] { m_doc.m_strImagePath = "/" + std::string(kMaxDocumentString - 1, 'p'); },
      [&] { m_doc.m_animations[0]->m_pszName = std::string(kMaxDocumentString, 'n'); },
      [&] { m_doc.m_pCurrentAnim = &stranger; },  // current animation outside the list
  };
  for (const auto& breakIt : breakers) {
    ASSERT_TRUE(m_doc.OnOpenDocument(m_docPath.string()));
    m_doc.SetModifiedFlag();
    m_prompts.m_messages.clear();
    breakIt();
    const auto files = Listing();
    EXPECT_FALSE(m_doc.OnSaveDocument(m_docPath.string()));
    EXPECT_EQ(m_prompts.m_messages, std::vector<std::string>{"FATAL: Error saving file"});
    EXPECT_TRUE(m_doc.IsModified());
    EXPECT_EQ(ReadFile(m_docPath), m_earlierDocument);
    EXPECT_EQ(Listing(), files);
    m_doc.m_pCurrentAnim = nullptr;
  }
  m_doc.m_strImagePath = "/" + std::string(kMaxDocumentString - 2, 'p');  // 2047 bytes and the NUL fit
  m_prompts.m_messages.clear();
  EXPECT_TRUE(m_doc.OnSaveDocument(m_docPath.string()));
  EXPECT_TRUE(m_prompts.m_messages.empty());
}

// The sheet is read once, when the document opens: changing or deleting it on
// disk changes neither the exports nor what a save writes.
TEST_F(WriterFaults, SheetReplacedOrDeletedAfterOpening) {
  ExportAnim(m_out);
  const std::string reference = ReadText(m_out);
  const DocumentState before = StateOf(m_doc);
  for (const auto& bytes : std::vector<std::vector<std::uint8_t>>{{'B', 'M', 0}, {}}) {
    WriteFile(m_sheet, bytes);
    ExportAnim(m_out);
    EXPECT_EQ(ReadText(m_out), reference) << bytes.size();
  }
  fs::remove(m_sheet);
  ExportAnim(m_out);
  EXPECT_EQ(ReadText(m_out), reference);
  EXPECT_EQ(StateOf(m_doc), before);
  ASSERT_TRUE(m_doc.OnSaveDocument(m_docPath.string()));  // still names the sheet
  EXPECT_TRUE(m_prompts.m_messages.empty());
  EXPECT_EQ(ReadFile(m_docPath), std::get<0>(before));
}

TEST_F(WriterFaults, PaletteFileThatDisappearsStopsBeforeAnythingIsWritten) {
  const fs::path palettes = m_dir / "palettes.asm";
  ExportPalette(palettes);
  ExportAnim(m_out, palettes.string());
  ASSERT_TRUE(m_prompts.m_messages.empty());
  const std::string earlier = ReadText(m_out);
  const DocumentState before = StateOf(m_doc);
  fs::remove(palettes);
  const auto files = Listing();
  ExportAnim(m_out, palettes.string());
  EXPECT_EQ(m_prompts.m_messages, std::vector<std::string>{palettes.string() + " was not found."});
  EXPECT_EQ(ReadText(m_out), earlier);
  EXPECT_EQ(Listing(), files);
  EXPECT_EQ(StateOf(m_doc), before);
  // The box ticked with an empty name names the file as unnamed.
  m_prompts.m_messages.clear();
  ExportAnim(m_out, "");
  m_prompts.QueueDialog({DialogAction::Set(CExportOptionsDlg::IDC_USE_PALETTE, "1"), DialogAction::Ok()});
  m_prompts.QueueFile(m_out.string());
  OnExportAnim(m_doc);
  EXPECT_EQ(m_prompts.m_messages, std::vector<std::string>{"an unnamed file was not found."});
}

}  // namespace
}  // namespace pixolan::test
