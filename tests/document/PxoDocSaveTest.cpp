// A failed save says why and leaves the earlier file exactly as it was.
#include <sys/resource.h>

#include <csignal>
#include <filesystem>

#include "DocumentFixture.h"
#include "PxoFileBytes.h"

namespace pixolan::test {
namespace {

class PxoDocSaveTest : public DocumentTest {
 protected:
  PxoDocSaveTest() {
    m_target = (m_dir / "doc.pxo").string();
    WriteFile(m_target, EmptyDocumentBytes());
    m_doc.m_strImagePath = "a.bmp";
    AddAnimation("Run", 2);
    m_doc.SetModifiedFlag();
  }

  void ExpectFailedSaveKeptEverything(const std::string& path) {
    EXPECT_FALSE(m_doc.OnSaveDocument(path));
    EXPECT_EQ(m_prompts.m_messages.size(), 1u);
    EXPECT_EQ(ReadFile(m_target), EmptyDocumentBytes());
    EXPECT_TRUE(m_doc.IsModified());
    EXPECT_EQ(m_doc.GetPathName(), "");
  }

  std::size_t FilesInDir() const {
    return static_cast<std::size_t>(std::distance(std::filesystem::directory_iterator(m_dir.path()), {}));
  }

  std::string m_target;
};

TEST_F(PxoDocSaveTest, OverLongSheetPathIsNotWritten) {
  m_doc.m_strImagePath = "/" + std::string(kMaxDocumentString - 1, 'p');
  ExpectFailedSaveKeptEverything(m_target);
  EXPECT_EQ(m_prompts.m_messages[0], "FATAL: Error saving file");
  m_doc.m_strImagePath.pop_back();  // 2047 bytes and the NUL fit
  m_prompts.m_messages.clear();
  EXPECT_TRUE(m_doc.OnSaveDocument(m_target));
  EXPECT_TRUE(m_prompts.m_messages.empty());
}

TEST_F(PxoDocSaveTest, OverLongNameSetDirectlyIsNotWritten) {
  m_doc.m_animations[0]->m_pszName = std::string(kMaxDocumentString, 'n');
  ExpectFailedSaveKeptEverything(m_target);
  EXPECT_EQ(m_prompts.m_messages[0], "FATAL: Error saving file");
}

TEST_F(PxoDocSaveTest, CurrentAnimationOutsideTheListIsNotWritten) {
  CAnimation stranger;
  m_doc.m_pCurrentAnim = &stranger;
  ExpectFailedSaveKeptEverything(m_target);
  EXPECT_EQ(m_prompts.m_messages[0], "FATAL: Error saving file");
  m_doc.m_pCurrentAnim = nullptr;
}

TEST_F(PxoDocSaveTest, TargetThatIsAFolderIsRefused) {
  const auto folder = m_dir / "folder.pxo";
  std::filesystem::create_directory(folder);
  ExpectFailedSaveKeptEverything(folder.string());
  EXPECT_TRUE(std::filesystem::is_directory(folder));
}

TEST_F(PxoDocSaveTest, FolderThatIsAFileIsRefused) {
  ExpectFailedSaveKeptEverything(m_target + "/inside.pxo");
  EXPECT_EQ(FilesInDir(), 1u);
}

TEST_F(PxoDocSaveTest, FullDeviceIsReported) {
  if (!std::filesystem::exists("/dev/full")) GTEST_SKIP() << "no /dev/full";
  ExpectFailedSaveKeptEverything("/dev/full");
  EXPECT_NE(m_prompts.m_messages[0].find("/dev/full"), std::string::npos);
}

// A file-size limit makes the write of the temporary file fail as a full disk would.
TEST_F(PxoDocSaveTest, WriteThatRunsOutOfSpaceKeepsTheOldFile) {
  rlimit old{};
  ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &old), 0);
  auto* oldHandler = std::signal(SIGXFSZ, SIG_IGN);
  rlimit small = old;
  small.rlim_cur = 60;
  ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &small), 0);
  const bool saved = m_doc.OnSaveDocument(m_target);
  ::setrlimit(RLIMIT_FSIZE, &old);
  std::signal(SIGXFSZ, oldHandler);
  EXPECT_FALSE(saved);
  EXPECT_EQ(m_prompts.m_messages.size(), 1u);
  EXPECT_EQ(ReadFile(m_target), EmptyDocumentBytes());
  EXPECT_EQ(FilesInDir(), 1u);  // no temporary file left behind
}

TEST_F(PxoDocSaveTest, SuccessfulSaveReplacesTheFileAndClearsModified) {
  EXPECT_TRUE(m_doc.OnSaveDocument(m_target));
  EXPECT_FALSE(m_doc.IsModified());
  EXPECT_EQ(m_doc.GetTitle(), "doc.pxo");
  EXPECT_EQ(ReadFile(m_target).size(), 54u + 5u + 4u + 4u + 4u + 4u + 4u);  // path a.bmp, "Run", 2 invalid frames
  EXPECT_EQ(FilesInDir(), 1u);
}

}  // namespace
}  // namespace pixolan::test
