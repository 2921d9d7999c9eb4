// Saving an opened document where the save must fail: the message names the
// file and its cause, the earlier file stays byte for byte, no temporary file
// is left, and the document in memory (sheet, animations, path, title, modified
// flag) is as it was, so the user can save it elsewhere.
#include <sys/resource.h>
#include <unistd.h>

#include <csignal>
#include <filesystem>
#include <functional>
#include <set>

#include "DocumentFixture.h"

namespace pixolan::test {
namespace {

namespace fs = std::filesystem;

class SaveFaults : public DocumentTest {
 protected:
  void SetUp() override {
    m_doc.m_strImagePath = WriteSheet("sheet.bmp");
    AddAnimation("Walk", 2).m_pFrames[0].Set(CRect{0, 0, 16, 8}, -8, -4);
    ASSERT_TRUE(m_doc.OnSaveDocument(m_docPath.string()));
    m_earlier = ReadFile(m_docPath);
    ASSERT_TRUE(m_doc.OnOpenDocument(m_docPath.string()));
    // An unsaved change: it must survive every failed save.
    m_doc.m_animations[0]->m_pFrames[1].Set(CRect{8, 8, 16, 16}, 3, 4);
    m_doc.SetModifiedFlag();
  }

  struct State {
    std::vector<std::uint8_t> saved;
    std::string pathName, title;
    bool modified = false;
    const CRasterImage* image = nullptr;
    bool operator==(const State&) const = default;
  };
  State Now() {
    CArchive ar(m_doc.GetPathName());
    m_doc.Serialize(ar);
    return {ar.StoredBytes(), m_doc.GetPathName(), m_doc.GetTitle(), m_doc.IsModified(), m_doc.m_pImage.get()};
  }

  std::set<fs::path> Listing() const { return {fs::directory_iterator(m_dir.path()), fs::directory_iterator()}; }

  void ExpectRefused(const fs::path& target, const std::string& message) {
    const State before = Now();
    const auto listing = Listing();
    EXPECT_FALSE(m_doc.OnSaveDocument(target.string()));
    EXPECT_EQ(m_prompts.m_messages, std::vector<std::string>{message});
    EXPECT_EQ(Now(), before);
    EXPECT_EQ(ReadFile(m_docPath), m_earlier);
    EXPECT_EQ(Listing(), listing);
    // What is in memory can still be saved where there is room.
    EXPECT_TRUE(m_doc.OnSaveDocument((m_dir / "rescued.pxo").string()));
    EXPECT_EQ(ReadFile(m_dir / "rescued.pxo"), before.saved);
  }

  fs::path m_docPath = m_dir / "walk.pxo";
  std::vector<std::uint8_t> m_earlier;
};

TEST_F(SaveFaults, FullDevice) {
  if (!fs::exists("/dev/full")) GTEST_SKIP() << "this system has no /dev/full";
  ExpectRefused("/dev/full", "Disk full while accessing /dev/full.");
}

// A file-size limit makes the write of the temporary file fail as a full disk would.
TEST_F(SaveFaults, RunningOutOfSpaceOverTheEarlierFile) {
  rlimit old{};
  ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &old), 0);
  auto* oldHandler = std::signal(SIGXFSZ, SIG_IGN);
  rlimit small = old;
  small.rlim_cur = m_earlier.size();  // the new save is longer: its last frame is now valid
  ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &small), 0);
  const State before = Now();
  const auto listing = Listing();
  const bool saved = m_doc.OnSaveDocument(m_docPath.string());
  ::setrlimit(RLIMIT_FSIZE, &old);
  std::signal(SIGXFSZ, oldHandler);
  EXPECT_FALSE(saved);
  EXPECT_EQ(m_prompts.m_messages,
            std::vector<std::string>{"An unknown error occurred while accessing " + m_docPath.string() + "."});
  EXPECT_EQ(Now(), before);
  EXPECT_EQ(ReadFile(m_docPath), m_earlier);
  EXPECT_EQ(Listing(), listing);  // no temporary file left behind
}

TEST_F(SaveFaults, FolderThatIsAFileOrTargetThatIsAFolder) {
  const fs::path inside = m_docPath / "walk.pxo";
  ExpectRefused(inside, inside.string() + " contains an invalid path.");
  m_prompts.m_messages.clear();
  const fs::path folder = m_dir / "folder.pxo";
  fs::create_directory(folder);
  ExpectRefused(folder, folder.string() + " contains an invalid path.");
  EXPECT_TRUE(fs::is_directory(folder));
}

TEST_F(SaveFaults, ReadOnlyFolder) {
  const fs::path folder = m_dir / "read-only";
  fs::create_directory(folder);
  if (!MakeFolderReadOnly(folder)) {
    GTEST_SKIP() << "permission bits do not stop this user (root); FolderThatIsAFile covers the refusal";
  }
  const fs::path target = folder / "walk.pxo";
  ExpectRefused(target, "Access to " + target.string() + " was denied.");
  fs::permissions(folder, fs::perms::owner_all);
}

// Contents the file cannot hold are not written at all.
TEST_F(SaveFaults, UnwritableContents) {
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
    const auto listing = Listing();
    EXPECT_FALSE(m_doc.OnSaveDocument(m_docPath.string()));
    EXPECT_EQ(m_prompts.m_messages, std::vector<std::string>{"FATAL: Error saving file"});
    EXPECT_TRUE(m_doc.IsModified());
    EXPECT_EQ(ReadFile(m_docPath), m_earlier);
    EXPECT_EQ(Listing(), listing);
    m_doc.m_pCurrentAnim = nullptr;
  }
  m_doc.m_strImagePath = "/" + std::string(kMaxDocumentString - 2, 'p');  // 2047 bytes and the NUL fit
  m_prompts.m_messages.clear();
  EXPECT_TRUE(m_doc.OnSaveDocument(m_docPath.string()));
  EXPECT_TRUE(m_prompts.m_messages.empty());
}

TEST_F(SaveFaults, SheetDeletedAfterOpeningStillSavesItsPath) {
  const State before = Now();
  fs::remove(m_doc.m_strImagePath);
  EXPECT_TRUE(m_doc.OnSaveDocument(m_docPath.string()));
  EXPECT_TRUE(m_prompts.m_messages.empty());
  EXPECT_FALSE(m_doc.IsModified());
  EXPECT_EQ(ReadFile(m_docPath), before.saved);
  EXPECT_NE(m_doc.m_pImage, nullptr);  // the sheet in memory stays
}

}  // namespace
}  // namespace pixolan::test
