// New documents' titles and the .pxo file dialogs of Open and Save As.
#include <tuple>

#include "document/DocumentFixture.h"
#include "document/PxoFileDialog.h"

namespace pixolan::test {
namespace {

auto Fields(const FileDialogRequest& r) {
  return std::tie(r.bOpen, r.strDefaultExt, r.bHideReadOnly, r.bOverwritePrompt, r.strFilter);
}

TEST_F(DocumentTest, NewDocumentsAreNumberedAndSaveAsOffersTheTitleThenTheFileName) {
  const FileDialogRequest open = m_doc.DocumentFileRequest(true), saveAs = PxoFileRequest(false, "");
  EXPECT_EQ(Fields(open),
            std::make_tuple(true, ".pxo", true, true, "Pixolan Files (*.pxo)|*.pxo|All Files (*.*)|*.*||"));
  EXPECT_EQ(open.strInitialName, "");

  m_doc.SetDefaultTitle(2);
  ASSERT_TRUE(m_doc.OnNewDocument());
  EXPECT_EQ(m_doc.GetTitle(), "Pixolan2");  // a new document keeps its number
  m_prompts.QueueFile(std::nullopt);
  EXPECT_FALSE(m_doc.DoSaveAs());
  m_prompts.QueueFile((m_dir / "walk.pxo").string());
  EXPECT_TRUE(m_doc.DoFileSave());  // no file yet: Save goes through Save As
  EXPECT_EQ(ReadFile(m_dir / "walk.pxo"), ReadFile(DataDir() / "golden/info-unopenable/empty.pxo"));  // 54 bytes
  EXPECT_EQ(m_doc.GetTitle(), "walk.pxo");
  EXPECT_TRUE(m_doc.DoFileSave());  // now straight to the file
  m_prompts.QueueFile(std::nullopt);
  EXPECT_FALSE(m_doc.DoSaveAs());
  std::vector<std::string> initialNames;
  for (const FileDialogRequest& r : m_prompts.m_fileRequests) {
    initialNames.push_back(r.strInitialName);
    EXPECT_EQ(Fields(r), Fields(saveAs));
  }
  EXPECT_EQ(initialNames, (std::vector<std::string>{"Pixolan2", "Pixolan2", "walk.pxo"}));
}

}  // namespace
}  // namespace pixolan::test
