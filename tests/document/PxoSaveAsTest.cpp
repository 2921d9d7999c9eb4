// New documents' titles and the .pxo file dialogs of Open and Save As.
#include "document/DocumentFixture.h"
#include "document/PxoFileBytes.h"
#include "document/PxoFileDialog.h"

namespace pixolan::test {
namespace {

void ExpectPxoDialog(const FileDialogRequest& request, bool open, const std::string& initialName) {
  EXPECT_EQ(request.bOpen, open);
  EXPECT_EQ(request.strDefaultExt, ".pxo");
  EXPECT_EQ(request.strInitialName, initialName);
  EXPECT_TRUE(request.bHideReadOnly && request.bOverwritePrompt);
  EXPECT_EQ(request.strFilter, "Pixolan Files (*.pxo)|*.pxo|All Files (*.*)|*.*||");
}

TEST_F(DocumentTest, NewDocumentsAreNumberedAndSaveAsOffersTheTitleThenTheFileName) {
  ExpectPxoDialog(PxoFileRequest(true, ""), true, "");
  ExpectPxoDialog(m_doc.DocumentFileRequest(true), true, "");

  m_doc.SetDefaultTitle(2);
  EXPECT_EQ(m_doc.GetTitle(), "Pixolan2");
  ASSERT_TRUE(m_doc.OnNewDocument());
  EXPECT_EQ(m_doc.GetTitle(), "Pixolan2");  // a new document keeps its number

  m_prompts.QueueFile(std::nullopt);
  EXPECT_FALSE(m_doc.DoSaveAs());
  m_prompts.QueueFile((m_dir / "walk.pxo").string());
  EXPECT_TRUE(m_doc.DoFileSave());  // no file yet: Save goes through Save As
  EXPECT_EQ(ReadFile(m_dir / "walk.pxo"), EmptyDocumentBytes());
  EXPECT_EQ(m_doc.GetTitle(), "walk.pxo");
  EXPECT_TRUE(m_doc.DoFileSave());  // now straight to the file, no dialog
  m_prompts.QueueFile(std::nullopt);
  EXPECT_FALSE(m_doc.DoSaveAs());
  ASSERT_EQ(m_prompts.m_fileRequests.size(), 3u);
  ExpectPxoDialog(m_prompts.m_fileRequests[0], false, "Pixolan2");
  ExpectPxoDialog(m_prompts.m_fileRequests[1], false, "Pixolan2");
  ExpectPxoDialog(m_prompts.m_fileRequests[2], false, "walk.pxo");
  EXPECT_EQ(m_doc.GetPathName(), (m_dir / "walk.pxo").string());
}

}  // namespace
}  // namespace pixolan::test
