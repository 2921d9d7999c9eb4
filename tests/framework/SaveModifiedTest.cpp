// Closing a modified document (the question, its three answers, Save As), and
// which files a document is read from at all.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <functional>

#include "framework/Document.h"
#include "framework/ScriptedPrompts.h"
#include "support/TestSupport.h"

namespace pixolan::test {
namespace {

namespace fs = std::filesystem;

class NoteDocument : public CDocument {  // its content is the file's bytes
 public:
  using CDocument::CDocument;
  void Serialize(CArchive& ar) override {
    if (ar.IsStoring()) return ar.Write(m_text.data(), m_text.size());
    m_text.resize(ar.Remaining());
    ar.Read(m_text.data(), m_text.size());
  }
  std::string m_text;
};

struct CloseCase {
  const char* what;
  bool fromFile, modified;            // opened from old.pxo, else new and titled Untitled3
  std::optional<int> answer;          // none: nothing queued
  std::optional<std::string> saveAs;  // the Save As dialog's answer, a name in the folder
  bool mayClose;
  std::string oldFile, newFile;  // old.pxo ("-": a folder replaced it) and new.pxo afterwards
  bool reported = false;         // a failed save was reported
};

TEST(SaveModified, AsksOnlyWhenModifiedAndClosesOnlyWhenSavedOrDiscarded) {
  const CloseCase cases[] = {
      {"unmodified", true, false, IDCANCEL, {}, true, "old", ""},
      {"yes saves to the file", true, true, IDYES, {}, true, "changed", ""},
      {"yes with a failed save", true, true, IDYES, {}, false, "-", "", true},
      {"no discards", true, true, IDNO, {}, true, "old", ""},
      {"cancel", true, true, IDCANCEL, {}, false, "old", ""},
      {"no answer is a cancel", false, true, std::nullopt, {}, false, "old", ""},
      {"yes on a new document saves as", false, true, IDYES, "new.pxo", true, "old", "changed"},
      {"save as cancelled", false, true, IDYES, std::nullopt, false, "old", ""},
      {"save as into a missing folder", false, true, IDYES, "none/new.pxo", false, "old", "", true},
  };
  for (const CloseCase& c : cases) {
    SCOPED_TRACE(c.what);
    TempDir dir;
    const std::string old = (dir / "old.pxo").string(), newer = (dir / "new.pxo").string();
    WriteFile(old, std::string_view("old"));
    CScriptedPrompts prompts;
    NoteDocument doc(prompts);
    doc.SetDefaultTitle(3);
    ASSERT_TRUE(!c.fromFile || doc.OnOpenDocument(old));
    doc.m_text = "changed";
    doc.SetModifiedFlag(c.modified);
    if (c.oldFile == "-") {
      fs::remove(old);
      fs::create_directory(old);
    }
    if (c.answer) prompts.QueueAnswer(*c.answer);
    prompts.QueueFile(c.saveAs ? std::optional<std::string>((dir / *c.saveAs).string()) : std::nullopt);

    EXPECT_EQ(doc.SaveModified(), c.mayClose);
    const std::string question = "Save changes to " + (c.fromFile ? old : "Untitled3") + "?";
    EXPECT_EQ(prompts.m_questions, std::vector<std::string>(c.modified ? 1 : 0, question));
    EXPECT_EQ(c.oldFile == "-" ? "-" : ReadText(old), c.oldFile);
    EXPECT_EQ(fs::exists(newer) ? ReadText(newer) : "", c.newFile);
    EXPECT_EQ(doc.IsModified(), c.modified && c.oldFile != "changed" && c.newFile.empty());
    EXPECT_EQ(doc.GetPathName(), !c.newFile.empty() ? newer : c.fromFile ? old : "");
    EXPECT_EQ(prompts.m_messages.size(), c.reported ? 1u : 0u);
  }
}

TEST(OpenRefusal, OnlyRegularFilesUpToTheLimitAreRead) {
  const auto sparse = [](std::uintmax_t size) {  // holes: no disk space used
    return [size](const fs::path& p) {
      WriteFile(p, std::string_view());
      fs::resize_file(p, size);
    };
  };
  const std::tuple<const char*, std::function<void(const fs::path&)>, bool> cases[] = {
      {"a link to an endless device", [](const fs::path& p) { fs::create_symlink("/dev/zero", p); }, false},
      {"a pipe (would wait for a writer)", [](const fs::path& p) { ASSERT_EQ(::mkfifo(p.c_str(), 0600), 0); }, false},
      {"a folder", [](const fs::path& p) { fs::create_directory(p); }, false},
      {"one byte over the limit", sparse(kMaxDocumentFileBytes + 1), false},
      {"at the limit", sparse(kMaxDocumentFileBytes), true},
  };
  for (const auto& [what, make, opens] : cases) {
    SCOPED_TRACE(what);
    TempDir dir;
    const std::string path = (dir / "x.pxo").string();
    make(path);
    CScriptedPrompts prompts;
    NoteDocument doc(prompts);
    EXPECT_EQ(doc.OnOpenDocument(path), opens);
    EXPECT_EQ(doc.m_text.size(), opens ? kMaxDocumentFileBytes : 0u);
    EXPECT_EQ(prompts.m_messages,
              std::vector<std::string>(opens ? 0 : 1, "An unknown error occurred while accessing " + path + "."));
  }
}

// What a shell shows of the document each time an observer is told.
struct TitleObserver : CDocumentObserver {
  void OnDocumentStateChanged(const CDocument& doc) override {
    seen.push_back(doc.GetTitle() + (doc.IsModified() ? "*" : ""));
  }
  std::vector<std::string> seen;
};

TEST(DocumentObservers, HearEachChangeOfTitleAndModifiedFlagOnceItIsMade) {
  TempDir dir;
  CScriptedPrompts prompts;
  NoteDocument doc(prompts);
  TitleObserver observer;
  doc.AddObserver(&observer);
  doc.SetDefaultTitle(2);
  doc.SetModifiedFlag();
  doc.SetModifiedFlag();  // no change, no news
  ASSERT_TRUE(doc.OnSaveDocument((dir / "a.pxo").string()));
  EXPECT_FALSE(doc.OnOpenDocument((dir / "missing.pxo").string()));
  doc.RemoveObserver(&observer);
  doc.SetModifiedFlag();
  EXPECT_EQ(observer.seen, (std::vector<std::string>{"Untitled2", "Untitled2*", "a.pxo", "Untitled2"}));
}

}  // namespace
}  // namespace pixolan::test
