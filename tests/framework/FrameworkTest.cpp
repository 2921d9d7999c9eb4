// The framework services: the document base (views, hints, open and save), atomic
// and text files, file messages, dialog data exchange. (The archive's bytes and its
// refusal to read past the end are pinned by the document files of the golden cases.)
#include <filesystem>
#include <gtest/gtest.h>

#include "framework/Archive.h"
#include "framework/AtomicFile.h"
#include "framework/DataExchange.h"
#include "framework/Document.h"
#include "framework/FileException.h"
#include "framework/ScriptedPrompts.h"
#include "framework/TextFile.h"
#include "support/TestSupport.h"

namespace pixolan::test {
namespace {

// A document whose content is one byte string.
class TextDocument : public CDocument {
 public:
  using CDocument::CDocument;
  void Serialize(CArchive& ar) override {
    if (ar.IsStoring()) {
      ar.Write(m_text.data(), m_text.size());
    } else {
      m_text.resize(ar.Remaining());
      ar.Read(m_text.data(), m_text.size());
      if (m_text == "bad") throw CFileException(CFileException::generic, -1, ar.GetFileName());
    }
  }
  void DeleteContents() override { m_text.clear(); }
  std::string m_text;
};

class Recorder : public CView {
 public:
  explicit Recorder(CDocument* detachFrom = nullptr) : m_detach(detachFrom) {}
  void OnUpdate(CView*, UpdateHint hint) override {
    m_hints.push_back(hint);
    if (m_detach) m_detach->RemoveView(this);
  }
  std::vector<UpdateHint> m_hints;
  CDocument* m_detach;
};

TEST(DocumentTest, HintsReachEveryViewButTheSender) {
  CScriptedPrompts prompts;
  TextDocument doc(prompts);
  Recorder a, b, leaver(&doc);
  doc.AddView(&a);
  doc.AddView(&b);
  doc.AddView(&b);  // once only
  doc.AddView(&leaver);
  doc.UpdateAllViews(&a, HINT_ANIM_CHANGED);
  doc.UpdateAllViews(nullptr, HINT_ANIM_ADDED);
  EXPECT_EQ(a.m_hints, std::vector<UpdateHint>{HINT_ANIM_ADDED});
  EXPECT_EQ(b.m_hints, (std::vector<UpdateHint>{HINT_ANIM_CHANGED, HINT_ANIM_ADDED}));
  EXPECT_EQ(leaver.m_hints, std::vector<UpdateHint>{HINT_ANIM_CHANGED});  // detached itself during the first
}

TEST(DocumentTest, OpenAndSaveSetPathTitleAndModifiedFlagOrReportAndEmpty) {
  TempDir dir;
  CScriptedPrompts prompts;
  TextDocument doc(prompts);
  EXPECT_EQ(doc.GetTitle(), "Untitled");
  WriteFile(dir / "one.pxo", std::string_view("hello"));
  doc.SetModifiedFlag();
  ASSERT_TRUE(doc.OnOpenDocument((dir / "one.pxo").string()));
  EXPECT_EQ(doc.m_text, "hello");
  EXPECT_EQ(doc.GetTitle(), "one.pxo");
  EXPECT_FALSE(doc.IsModified());
  doc.m_text = "changed";
  doc.SetModifiedFlag();
  ASSERT_TRUE(doc.OnSaveDocument((dir / "two.pxo").string()));
  EXPECT_EQ(ReadText(dir / "two.pxo"), "changed");
  EXPECT_EQ(doc.GetPathName(), (dir / "two.pxo").string());
  EXPECT_FALSE(doc.IsModified());
  EXPECT_TRUE(prompts.m_messages.empty());

  TextDocument fresh(prompts);
  WriteFile(dir / "bad.pxo", std::string_view("bad"));
  const std::string bad = (dir / "bad.pxo").string();
  const std::string missing = (dir / "missing.pxo").string();
  EXPECT_FALSE(fresh.OnOpenDocument(bad));
  EXPECT_FALSE(fresh.OnOpenDocument(missing));
  EXPECT_FALSE(fresh.OnOpenDocument(dir.path().string()));
  EXPECT_TRUE(fresh.m_text.empty());
  ASSERT_EQ(prompts.m_messages.size(), 3u);
  EXPECT_EQ(prompts.m_messages[0], "An unknown error occurred while accessing " + bad + ".");
  EXPECT_EQ(prompts.m_messages[1], "An unknown error occurred while accessing " + missing + ".");
  EXPECT_EQ(fresh.GetPathName(), "");

  // A failed open of a document that had a file forgets that file.
  EXPECT_FALSE(doc.OnOpenDocument(bad));
  EXPECT_EQ(doc.GetPathName(), "");
  EXPECT_EQ(doc.GetTitle(), "Untitled");
}

TEST(AtomicFileTest, ReplacesTheTargetKeepingItsPermissionsAndLinks) {
  TempDir dir;
  const auto target = dir / "out.asm";
  WriteFile(target, std::string_view("old"));
  std::filesystem::permissions(target, std::filesystem::perms(0640));
  std::filesystem::create_symlink(target, dir / "link.asm");
  WriteFileAtomically((dir / "link.asm").string(), std::string("new"));
  EXPECT_EQ(ReadText(target), "new");
  EXPECT_TRUE(std::filesystem::is_symlink(dir / "link.asm"));
  EXPECT_EQ(std::filesystem::status(target).permissions(), std::filesystem::perms(0640));
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), {}), 2);
}

TEST(TextFileTest, WritesCrLfReadsBothLineEndsAndRefusesEndlessInput) {
  TempDir dir;
  CTextWriter writer;
  writer.Printf("%s\t%02x\n", "b", 10);
  writer.Printf("%s", std::string(600, 'z').c_str());  // longer than the small buffer
  EXPECT_EQ(writer.Bytes(), "b\t0a\r\n" + std::string(600, 'z'));

  WriteFile(dir / "mixed.txt", "one\r\ntwo\n" + std::string(CTextFileReader::kMaxLineLength + 100, 'x') + "\nthree");
  CTextFileReader reader((dir / "mixed.txt").string());
  std::string line;
  std::vector<std::string> lines;
  while (reader.ReadString(line)) lines.push_back(line);
  EXPECT_EQ(lines, (std::vector<std::string>{"one", "two", std::string(CTextFileReader::kMaxLineLength, 'x'), "three"}));
  EXPECT_THROW(CTextFileReader("/dev/zero"), CFileException);
}


TEST(FileExceptionTest, MessagesNameTheFileAsItIs) {
  EXPECT_EQ(CFileException(CFileException::fileNotFound, 2, "").GetErrorMessage(), "an unnamed file was not found.");
  EXPECT_EQ(CFileException(CFileException::generic, -1, "/art/a%2b%1.pxo").GetErrorMessage(),
            "An unknown error occurred while accessing /art/a%2b%1.pxo.");
  EXPECT_EQ(CFileException::CauseFromErrno(ENOSPC), CFileException::diskFull);
  EXPECT_EQ(CFileException::CauseFromErrno(EIO), CFileException::generic);
  EXPECT_EQ(FormatMessage("%1 and %2", "%2", "%1"), "%2 and %1");  // one pass: no endless replacement
}

TEST(DataExchangeTest, ValidatesWholeNumbersAndNamesTheFailingField) {
  struct Case {
    std::string n, u, message;  // message empty: accepted
    int control;
  };
  const std::vector<Case> cases = {
      {" -5 ", "+7", "", 0},  // blanks and signs are accepted
      {"1.5", "1", "Please enter an integer.", 10},
      {"+-5", "1", "Please enter an integer.", 10},  // one sign, then digits only
      {"+-0", "1", "Please enter an integer.", 10},
      {"-", "1", "Please enter an integer.", 10},
      {"5-", "1", "Please enter an integer.", 10},
      {"1", "+-0", "Please enter a positive integer.", 11},
      {"", "1", "Please enter an integer.", 10},
      {"3000000000", "1", "Please enter an integer.", 10},
      {"11", "1", "Please enter an integer between -10 and 10.", 10},
      {"1", "-1", "Please enter a positive integer.", 11},
      {"1", "5000000000", "Please enter a positive integer.", 11},
      {"1", "0", "Please enter an integer between 1 and 128.", 11},
  };
  for (const Case& c : cases) {
    // One signed and one unsigned field, exchanged the way dialogs do on OK.
    DialogControls controls{{10, c.n}, {11, c.u}};
    std::int32_t n = 0;
    std::uint32_t u = 0;
    CDataExchange dx(controls, true);
    DDX_Text(dx, 10, n);
    DDV_MinMaxInt(dx, n, -10, 10);
    DDX_Text(dx, 11, u);
    DDV_MinMaxUInt(dx, u, 1, 128);
    EXPECT_EQ(std::tuple(dx.FailureMessage(), dx.FailedControl()), std::tuple(c.message, c.control)) << c.n << "/" << c.u;
    if (c.message.empty()) {
      EXPECT_EQ(std::pair(n, u), std::pair(-5, 7u));
    }
  }
}

}  // namespace
}  // namespace pixolan::test
