// Closing a modified document: the question, its three answers, and Save As.
#include <gtest/gtest.h>

#include <filesystem>
#include <optional>

#include "framework/NoteDocument.h"
#include "framework/ScriptedPrompts.h"
#include "support/TestSupport.h"

namespace pixolan::test {
namespace {

struct CloseCase {
  const char* what;
  bool fromFile;                 // opened from old.pxo (else new, titled Untitled3)
  bool modified;
  std::optional<int> answer;     // to the question; none: the queue is empty
  std::optional<std::string> saveAs;  // the Save As dialog's answer, a name in the folder
  bool mayClose;
  std::string oldFile;           // old.pxo afterwards; "-" when it cannot be saved over
  std::string savedAs;           // new.pxo afterwards, "" when not written
  bool reported = false;         // the failed save was reported
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
    const std::string old = (dir / "old.pxo").string();
    WriteFile(old, std::string_view("old"));
    CScriptedPrompts prompts;
    NoteDocument doc(prompts);
    doc.SetDefaultTitle(3);
    if (c.fromFile) {
      ASSERT_TRUE(doc.OnOpenDocument(old));
    }
    doc.m_text = "changed";
    doc.SetModifiedFlag(c.modified);
    if (c.oldFile == "-") {  // a folder in its place: the save cannot replace it
      std::filesystem::remove(old);
      std::filesystem::create_directory(old);
    }
    if (c.answer) prompts.QueueAnswer(*c.answer);
    prompts.QueueFile(c.saveAs ? std::optional<std::string>((dir / *c.saveAs).string()) : std::nullopt);

    EXPECT_EQ(doc.SaveModified(), c.mayClose);
    const std::string name = c.fromFile ? old : "Untitled3";
    EXPECT_EQ(prompts.m_questions, std::vector<std::string>(c.modified ? 1 : 0, "Save changes to " + name + "?"));
    if (c.oldFile != "-") {
      EXPECT_EQ(ReadText(old), c.oldFile);
    }
    EXPECT_EQ(std::filesystem::exists(dir / "new.pxo") ? ReadText(dir / "new.pxo") : "", c.savedAs);
    const bool saved = c.oldFile == "changed" || !c.savedAs.empty();
    EXPECT_EQ(doc.IsModified(), c.modified && !saved);  // a failed save keeps the changes marked
    EXPECT_EQ(doc.m_text, "changed");
    EXPECT_EQ(doc.GetPathName(), !c.savedAs.empty() ? (dir / "new.pxo").string() : c.fromFile ? old : "");
    EXPECT_EQ(prompts.m_messages.size(), c.reported ? 1u : 0u);
  }
}

}  // namespace
}  // namespace pixolan::test
