#include <gtest/gtest.h>

#include <filesystem>

#include "framework/AtomicFile.h"
#include "framework/Document.h"
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
  void DeleteContents() override {
    m_text.clear();
    ++m_nDeletes;
  }
  std::string m_text;
  int m_nDeletes = 0;
};

class Recorder : public CView {
 public:
  explicit Recorder(CDocument* detachFrom = nullptr) : m_detach(detachFrom) {}
  void OnUpdate(CView*, long hint) override {
    m_hints.push_back(hint);
    if (m_detach) m_detach->RemoveView(this);
  }
  std::vector<long> m_hints;
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
  doc.UpdateAllViews(&a, 4);
  doc.UpdateAllViews(nullptr, 2);
  EXPECT_EQ(a.m_hints, std::vector<long>{2});
  EXPECT_EQ(b.m_hints, (std::vector<long>{4, 2}));
  EXPECT_EQ(leaver.m_hints, std::vector<long>{4});  // detached itself during the first
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

TEST(AtomicFileTest, ReplacesTheTargetAndKeepsItsPermissions) {
  TempDir dir;
  const auto target = dir / "out.asm";
  WriteFile(target, std::string_view("old"));
  std::filesystem::permissions(target, std::filesystem::perms(0640));
  WriteFileAtomically(target.string(), std::string("new"));
  EXPECT_EQ(ReadText(target), "new");
  EXPECT_EQ(std::filesystem::status(target).permissions(), std::filesystem::perms(0640));
  EXPECT_THROW(WriteFileAtomically((dir / "no" / "such.asm").string(), std::string("x")), CFileException);
  EXPECT_THROW(WriteFileAtomically(dir.path().string(), std::string("x")), CFileException);
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), {}), 1);
}

TEST(TextFileTest, WritesCrLfAndReadsBothLineEnds) {
  TempDir dir;
  CTextWriter writer;
  writer.WriteString("a\n");
  writer.Printf("%s\t%02x\n", "b", 10);
  writer.Printf("%s", std::string(600, 'z').c_str());  // longer than the small buffer
  EXPECT_EQ(writer.Bytes(), "a\r\nb\t0a\r\n" + std::string(600, 'z'));
  writer.Save((dir / "t.txt").string());

  WriteFile(dir / "mixed.txt", std::string_view("one\r\ntwo\nthree"));
  CTextFileReader reader((dir / "mixed.txt").string());
  std::string line;
  std::vector<std::string> lines;
  while (reader.ReadString(line)) lines.push_back(line);
  EXPECT_EQ(lines, (std::vector<std::string>{"one", "two", "three"}));

  try {
    CTextFileReader missing((dir / "none.txt").string());
    FAIL() << "opened a missing file";
  } catch (const CFileException& e) {
    EXPECT_EQ(e.GetErrorMessage(), (dir / "none.txt").string() + " was not found.");
  }
}

}  // namespace
}  // namespace pixolan::test
