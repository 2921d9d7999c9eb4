#include "DocumentFixture.h"
#include "document/AddAnimationDlg.h"
#include "document/InsertFrameDlg.h"

namespace pixolan::test {
namespace {

using Act = DialogAction;

class PxoDocCommandsTest : public DocumentTest {
 protected:
  CAnimation& CurrentFiveFrames() {
    CAnimation& a = AddAnimation("Walk", 5);
    for (std::int32_t n = 1; n <= 5; ++n) a.Frame(n)->Set(CRect{0, 0, 8, 8}, n, 0);
    m_doc.m_pCurrentAnim = &a;
    return a;
  }
};

TEST_F(PxoDocCommandsTest, ImportAsksForASheetAndSendsHintOne) {
  const std::string sheet = WriteSheet();
  m_prompts.QueueFile(sheet);
  m_doc.OnImportImage();
  ASSERT_EQ(m_prompts.m_fileRequests.size(), 1u);
  const FileDialogRequest& request = m_prompts.m_fileRequests[0];
  EXPECT_TRUE(request.bOpen);
  EXPECT_EQ(request.strDefaultExt, ".lbm");
  EXPECT_EQ(request.strInitialName, "");
  EXPECT_TRUE(request.bHideReadOnly);
  EXPECT_TRUE(request.bOverwritePrompt);
  EXPECT_EQ(request.strFilter,
            "Bitmap Files (*.bmp)|*.bmp|IFF/LBM Files (*.iff;*.lbm)|*.iff;*.lbm|GBR Files (*.gbr)|*.gbr|"
            "All Files (*.*)|*.*||");
  EXPECT_NE(m_doc.m_pImage, nullptr);
  EXPECT_EQ(m_doc.m_strImagePath, sheet);
  EXPECT_EQ(m_view.m_hints, std::vector<long>{HINT_IMAGE_CHANGED});
  EXPECT_TRUE(m_doc.IsModified());
}

TEST_F(PxoDocCommandsTest, CancelledImportChangesNothing) {
  ASSERT_NE(m_doc.LoadImage(WriteSheet()), nullptr);
  m_doc.OnImportImage();  // nothing queued: the dialog is cancelled
  EXPECT_NE(m_doc.m_pImage, nullptr);
  EXPECT_TRUE(m_view.m_hints.empty());
  EXPECT_FALSE(m_doc.IsModified());
}

TEST_F(PxoDocCommandsTest, FailedImportDropsTheSheetButKeepsThePath) {
  ASSERT_NE(m_doc.LoadImage(WriteSheet()), nullptr);
  m_doc.m_strImagePath = "earlier.bmp";
  m_doc.SetSelection(CRect{0, 0, 8, 8});
  m_prompts.QueueFile((m_dir / "missing.bmp").string());
  m_doc.OnImportImage();
  EXPECT_EQ(m_prompts.m_messages, std::vector<std::string>{"FATAL: Unable to load image file"});
  EXPECT_EQ(m_doc.m_pImage, nullptr);
  EXPECT_FALSE(m_doc.m_bSelectionValid);
  EXPECT_EQ(m_doc.m_strImagePath, "earlier.bmp");
  EXPECT_TRUE(m_view.m_hints.empty());
  EXPECT_FALSE(m_doc.IsModified());  // the file would still say the same
}

TEST_F(PxoDocCommandsTest, PathTooLongForTheFileIsRefusedKeepingTheSheet) {
  ASSERT_NE(m_doc.LoadImage(WriteSheet()), nullptr);
  m_prompts.QueueFile("/" + std::string(kMaxDocumentString, 'p') + ".bmp");
  m_doc.OnImportImage();
  EXPECT_EQ(m_prompts.m_messages, std::vector<std::string>{"FATAL: Unable to load image file"});
  EXPECT_NE(m_doc.m_pImage, nullptr);
  EXPECT_TRUE(m_view.m_hints.empty());
}

TEST_F(PxoDocCommandsTest, AddAnimationAcceptedUnchanged) {
  AddAnimation("First", 2);
  m_prompts.QueueDialog({Act::Ok()});
  m_doc.OnAddAnimation();
  ASSERT_EQ(m_prompts.m_shownDialogs.size(), 1u);
  const ShownDialog& shown = m_prompts.m_shownDialogs[0];
  EXPECT_EQ(shown.nTemplateId, 133);
  EXPECT_EQ(shown.strTitle, "Add New Animation");
  EXPECT_EQ(shown.initialControls, (DialogControls{{1002, "Unnamed"}, {1003, "1"}}));
  ASSERT_EQ(m_doc.m_animations.size(), 2u);
  const CAnimation& added = *m_doc.m_animations[1];
  EXPECT_EQ(added.Name(), "Unnamed");
  ASSERT_EQ(added.m_nFrameCount, 1u);
  EXPECT_FALSE(added.Frame(1)->m_bValid);
  EXPECT_EQ(m_view.m_hints, std::vector<long>{HINT_ANIM_ADDED});
  EXPECT_TRUE(m_doc.IsModified());
}

TEST_F(PxoDocCommandsTest, AddAnimationValidatesTheFrameCount) {
  m_prompts.QueueDialog({Act::Set(1002, " two words "), Act::Set(1003, "abc"), Act::Ok(), Act::Set(1003, "-1"),
                         Act::Ok(), Act::Set(1003, "0"), Act::Ok(), Act::Set(1003, "129"), Act::Ok(),
                         Act::Set(1003, "128"), Act::Ok()});
  m_doc.OnAddAnimation();
  const std::string between = "Please enter an integer between 1 and 128.";
  EXPECT_EQ(m_prompts.m_messages, (std::vector<std::string>{"Please enter a positive integer.",
                                                            "Please enter a positive integer.", between, between}));
  ASSERT_EQ(m_doc.m_animations.size(), 1u);
  EXPECT_EQ(m_doc.m_animations[0]->Name(), " two words ");
  EXPECT_EQ(m_doc.m_animations[0]->m_nFrameCount, 128u);
}

TEST_F(PxoDocCommandsTest, CancelledAddAddsNothing) {
  m_prompts.QueueDialog({Act::Set(1003, "4"), Act::Cancel()});
  m_doc.OnAddAnimation();
  EXPECT_TRUE(m_doc.m_animations.empty());
  EXPECT_TRUE(m_view.m_hints.empty());
  EXPECT_FALSE(m_doc.IsModified());
}

TEST_F(PxoDocCommandsTest, PropertiesShrinkAndGrowTheCurrentAnimation) {
  CAnimation& walk = CurrentFiveFrames();
  m_doc.m_nCurrentFrame = 5;
  m_prompts.QueueDialog({Act::Set(1002, ""), Act::Set(1003, "3"), Act::Ok()});
  m_doc.OnAnimProperties();
  EXPECT_EQ(m_prompts.m_shownDialogs[0].strTitle, "Add New Animation");
  EXPECT_EQ(m_prompts.m_shownDialogs[0].initialControls, (DialogControls{{1002, "Walk"}, {1003, "5"}}));
  EXPECT_EQ(walk.Name(), "");
  ASSERT_EQ(walk.m_nFrameCount, 3u);
  EXPECT_EQ(walk.Frame(3)->m_nOffsetX, 3);
  EXPECT_EQ(m_doc.m_nCurrentFrame, 5);  // the details view resets it on the hint
  EXPECT_EQ(m_view.m_hints, std::vector<long>{HINT_ANIM_CHANGED});
  EXPECT_TRUE(m_doc.IsModified());

  m_prompts.QueueDialog({Act::Set(1003, "7"), Act::Ok()});
  m_doc.OnAnimProperties();
  ASSERT_EQ(walk.m_nFrameCount, 7u);
  EXPECT_TRUE(walk.Frame(3)->m_bValid);
  EXPECT_FALSE(walk.Frame(7)->m_bValid);
}

TEST_F(PxoDocCommandsTest, PropertiesAcceptedUnchangedDoesNotMarkTheDocument) {
  CurrentFiveFrames();
  m_prompts.QueueDialog({Act::Ok()});
  m_doc.OnAnimProperties();
  EXPECT_EQ(m_view.m_hints, std::vector<long>{HINT_ANIM_CHANGED});
  EXPECT_FALSE(m_doc.IsModified());
}

TEST_F(PxoDocCommandsTest, UnnamedRecordShowsAnEmptyName) {
  auto record = std::make_unique<CAnimation>();
  record->SetFrameCount(2);
  m_doc.m_pCurrentAnim = record.get();
  m_doc.m_animations.push_back(std::move(record));
  m_prompts.QueueDialog({Act::Cancel()});
  m_doc.OnAnimProperties();
  EXPECT_EQ(m_prompts.m_shownDialogs[0].initialControls.at(1002), "");
  EXPECT_TRUE(m_view.m_hints.empty());
}

TEST_F(PxoDocCommandsTest, PropertiesAndInsertWithoutCurrentAnimationShowNoDialog) {
  AddAnimation("Run", 2);
  m_doc.OnAnimProperties();
  m_doc.OnInsertFrame();
  EXPECT_TRUE(m_prompts.m_shownDialogs.empty());
  EXPECT_TRUE(m_view.m_hints.empty());
}

TEST_F(PxoDocCommandsTest, InsertFrameAfterTheCurrentFrame) {
  CAnimation& walk = CurrentFiveFrames();
  walk.SetFrameCount(4);
  m_doc.m_nCurrentFrame = 2;
  m_prompts.QueueDialog({Act::Ok()});
  m_doc.OnInsertFrame();
  const ShownDialog& shown = m_prompts.m_shownDialogs[0];
  EXPECT_EQ(shown.nTemplateId, 141);
  EXPECT_EQ(shown.strTitle, "Insert Frame");
  EXPECT_EQ(shown.initialControls, (DialogControls{{1017, "2"}}));
  ASSERT_EQ(walk.m_nFrameCount, 5u);
  EXPECT_EQ(walk.Frame(2)->m_nOffsetX, 2);
  EXPECT_FALSE(walk.Frame(3)->m_bValid);
  EXPECT_EQ(walk.Frame(4)->m_nOffsetX, 3);
  EXPECT_EQ(walk.Frame(5)->m_nOffsetX, 4);
  EXPECT_EQ(m_doc.m_nCurrentFrame, 2);
  EXPECT_EQ(m_view.m_hints, std::vector<long>{HINT_ANIM_CHANGED});
  EXPECT_TRUE(m_doc.IsModified());
}

TEST_F(PxoDocCommandsTest, InsertFrameFirstLastAndPastTheEnd) {
  CAnimation& walk = CurrentFiveFrames();
  walk.SetFrameCount(4);
  m_prompts.QueueDialog({Act::Set(1017, "0"), Act::Ok()});
  m_doc.OnInsertFrame();
  EXPECT_FALSE(walk.Frame(1)->m_bValid);
  m_prompts.QueueDialog({Act::Set(1017, "5"), Act::Ok()});
  m_doc.OnInsertFrame();
  ASSERT_EQ(walk.m_nFrameCount, 6u);
  EXPECT_FALSE(walk.Frame(6)->m_bValid);

  m_doc.SetModifiedFlag(false);
  m_prompts.QueueDialog({Act::Set(1017, "7"), Act::Ok()});
  m_doc.OnInsertFrame();
  EXPECT_EQ(walk.m_nFrameCount, 6u);  // nothing inserted, views still refreshed
  EXPECT_EQ(m_view.m_hints, (std::vector<long>{4, 4, 4}));
  EXPECT_FALSE(m_doc.IsModified());
}

TEST_F(PxoDocCommandsTest, InsertFrameValidatesItsNumber) {
  CAnimation& walk = CurrentFiveFrames();
  m_prompts.QueueDialog({Act::Set(1017, "x1"), Act::Ok(), Act::Set(1017, "-1"), Act::Ok(), Act::Set(1017, "65537"),
                         Act::Ok(), Act::Set(1017, "99999999999"), Act::Ok(), Act::Cancel()});
  m_doc.OnInsertFrame();
  const std::string between = "Please enter an integer between 0 and 65536.";
  EXPECT_EQ(m_prompts.m_messages,
            (std::vector<std::string>{"Please enter an integer.", between, between, "Please enter an integer."}));
  EXPECT_EQ(walk.m_nFrameCount, 5u);
  EXPECT_TRUE(m_view.m_hints.empty());
}

TEST_F(PxoDocCommandsTest, DialogDataValidationNamesTheField) {
  CAddAnimationDlg add;
  DialogControls controls{{1002, "Jump"}, {1003, "200"}};
  DataExchangeResult result = add.UpdateData(true, controls);
  EXPECT_FALSE(result.bOk);
  EXPECT_EQ(result.nFailedControl, 1003);
  EXPECT_EQ(add.m_strName, "Jump");

  CInsertFrameDlg insert;
  controls = {{1017, "65536"}};
  EXPECT_TRUE(insert.UpdateData(true, controls).bOk);
  EXPECT_EQ(insert.m_nAfterFrame, 65536);
}

}  // namespace
}  // namespace pixolan::test
