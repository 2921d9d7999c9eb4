// Documents are read whole, so only regular files of a document's size are read:
// a device, a pipe or a huge file is refused before any byte is read.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <functional>

#include "framework/NoteDocument.h"
#include "framework/ScriptedPrompts.h"
#include "support/TestSupport.h"

namespace pixolan::test {
namespace {

void Sparse(const std::filesystem::path& path, std::uintmax_t size) {
  WriteFile(path, std::string_view());
  std::filesystem::resize_file(path, size);  // a hole: no disk space used
}

TEST(OpenRefusal, OnlyRegularFilesUpToTheLimitAreRead) {
  namespace fs = std::filesystem;
  const std::pair<const char*, std::function<void(const fs::path&)>> refused[] = {
      {"a link to an endless device", [](const fs::path& p) { fs::create_symlink("/dev/zero", p); }},
      {"a pipe (would wait for a writer)", [](const fs::path& p) { ASSERT_EQ(::mkfifo(p.c_str(), 0600), 0); }},
      {"a folder", [](const fs::path& p) { fs::create_directory(p); }},
      {"one byte over the limit", [](const fs::path& p) { Sparse(p, kMaxDocumentFileBytes + 1); }},
      {"far over the limit", [](const fs::path& p) { Sparse(p, 65u << 20); }},
  };
  for (const auto& [what, make] : refused) {
    SCOPED_TRACE(what);
    TempDir dir;
    const std::string path = (dir / "x.pxo").string();
    make(path);
    CScriptedPrompts prompts;
    NoteDocument doc(prompts);
    doc.SetDefaultTitle(1);
    EXPECT_FALSE(doc.OnOpenDocument(path));
    EXPECT_EQ(prompts.m_messages, std::vector<std::string>{"An unknown error occurred while accessing " + path + "."});
    EXPECT_EQ(doc.m_text.size(), 0u);
    EXPECT_EQ(doc.GetTitle(), "Untitled1");
  }

  TempDir dir;
  Sparse(dir / "full.pxo", kMaxDocumentFileBytes);
  CScriptedPrompts prompts;
  NoteDocument doc(prompts);
  EXPECT_TRUE(doc.OnOpenDocument((dir / "full.pxo").string()));
  EXPECT_EQ(doc.m_text.size(), kMaxDocumentFileBytes);
}

}  // namespace
}  // namespace pixolan::test
