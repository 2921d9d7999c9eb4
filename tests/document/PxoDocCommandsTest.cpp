#include "DocumentFixture.h"

namespace pixolan::test {
namespace {

using Act = DialogAction;

class PxoDocCommandsTest : public DocumentTest {
 protected:
  CAnimation& CurrentFrames(std::uint32_t count) {
    CAnimation& a = AddAnimation("Walk", count);
    for (std::int32_t n = 1; n <= static_cast<std::int32_t>(count); ++n) a.Frame(n)->Set(CRect{0, 0, 8, 8}, n, 0);
    m_doc.m_pCurrentAnim = &a;
    return a;
  }
};

TEST_F(PxoDocCommandsTest, ImportAsksForASheetAndSendsHintOne) {
  m_doc.OnImportImage();  // nothing queued: the dialog is cancelled
  ExpectHints({}, false);
  const std::string sheet = WriteSheet();
  m_prompts.QueueFile(sheet);
  m_doc.OnImportImage();
  ASSERT_EQ(m_prompts.m_fileRequests.size(), 2u);
  const FileDialogRequest& request = m_prompts.m_fileRequests[1];
  EXPECT_TRUE(request.bOpen && request.bHideReadOnly && request.bOverwritePrompt && request.strInitialName.empty());
  EXPECT_EQ(request.strDefaultExt, ".lbm");
  EXPECT_EQ(request.strFilter,
            "All Sheet Files (*.bmp;*.png;*.iff;*.lbm;*.gbr)|*.bmp;*.png;*.iff;*.lbm;*.gbr|"
            "Bitmap Files (*.bmp)|*.bmp|IFF/LBM Files (*.iff;*.lbm)|*.iff;*.lbm|GBR Files (*.gbr)|*.gbr|"
            "PNG Files (*.png)|*.png|All Files (*.*)|*.*||");
  EXPECT_NE(m_doc.m_pImage, nullptr);
  EXPECT_EQ(m_doc.m_strImagePath, sheet);
  ExpectHints({HINT_IMAGE_CHANGED}, true);
}

TEST_F(PxoDocCommandsTest, FailedImports) {
  // A path too long for the file is refused, keeping the sheet.
  ASSERT_NE(m_doc.LoadImage(WriteSheet()), nullptr);
  m_prompts.QueueFile("/" + std::string(kMaxDocumentString, 'p') + ".bmp");
  m_doc.OnImportImage();
  EXPECT_EQ(m_prompts.m_messages,
            std::vector<std::string>{"FATAL: Unable to load image file: a document cannot keep this path"});
  EXPECT_NE(m_doc.m_pImage, nullptr);
  // An unreadable sheet drops the sheet but keeps the path.
  m_doc.m_strImagePath = "earlier.bmp";
  m_doc.SetSelection(CRect{0, 0, 8, 8});
  m_prompts.QueueFile((m_dir / "missing.bmp").string());
  m_doc.OnImportImage();
  EXPECT_EQ(m_prompts.m_messages.size(), 2u);
  EXPECT_EQ(m_prompts.m_messages[1], "FATAL: Unable to load image file: No such file or directory");
  EXPECT_EQ(m_doc.m_pImage, nullptr);
  EXPECT_FALSE(m_doc.m_bSelectionValid);
  EXPECT_EQ(m_doc.m_strImagePath, "earlier.bmp");
  ExpectHints({}, false);  // the file would still say the same
}

TEST_F(PxoDocCommandsTest, AddAnimationShowsDefaultsAndValidatesTheFrameCount) {
  m_prompts.QueueDialog({Act::Set(1003, "4"), Act::Cancel()});
  m_doc.OnAddAnimation();
  EXPECT_TRUE(m_doc.m_animations.empty());
  ExpectHints({}, false);
  m_prompts.QueueDialog({Act::Ok()});
  m_doc.OnAddAnimation();
  const ShownDialog& shown = m_prompts.m_shownDialogs[1];
  EXPECT_EQ(shown.nTemplateId, 133);
  EXPECT_EQ(shown.strTitle, "Add New Animation");
  EXPECT_EQ(shown.initialControls, (DialogControls{{1002, "Unnamed"}, {1003, "1"}}));
  ASSERT_EQ(m_doc.m_animations.size(), 1u);
  EXPECT_EQ(m_doc.m_animations[0]->Name(), "Unnamed");
  ASSERT_EQ(m_doc.m_animations[0]->m_nFrameCount, 1u);
  EXPECT_FALSE(m_doc.m_animations[0]->Frame(1)->m_bValid);
  ExpectHints({HINT_ANIM_ADDED}, true);

  m_prompts.QueueDialog({Act::Set(1002, " two words "), Act::Set(1003, "abc"), Act::Ok(), Act::Set(1003, "-1"),
                         Act::Ok(), Act::Set(1003, "0"), Act::Ok(), Act::Set(1003, "129"), Act::Ok(),
                         Act::Set(1003, "128"), Act::Ok()});
  m_doc.OnAddAnimation();
  const std::string between = "Please enter an integer between 1 and 128.";
  EXPECT_EQ(m_prompts.m_messages, (std::vector<std::string>{"Please enter a positive integer.",
                                                            "Please enter a positive integer.", between, between}));
  ASSERT_EQ(m_doc.m_animations.size(), 2u);
  EXPECT_EQ(m_doc.m_animations[1]->Name(), " two words ");
  EXPECT_EQ(m_doc.m_animations[1]->m_nFrameCount, 128u);
  ExpectHints({HINT_ANIM_ADDED, HINT_ANIM_ADDED}, true);
}

TEST_F(PxoDocCommandsTest, PropertiesShrinkAndGrowTheCurrentAnimation) {
  AddAnimation("Run", 2);
  m_doc.OnAnimProperties();  // no current animation: no dialog
  m_doc.OnInsertFrame();
  EXPECT_TRUE(m_prompts.m_shownDialogs.empty());
  CAnimation& walk = CurrentFrames(5);
  m_prompts.QueueDialog({Act::Ok()});  // accepted unchanged: views refreshed, document not marked
  m_doc.OnAnimProperties();
  ExpectHints({HINT_ANIM_CHANGED}, false);
  m_doc.m_nCurrentFrame = 5;
  m_prompts.QueueDialog({Act::Set(1002, ""), Act::Set(1003, "3"), Act::Ok()});
  m_doc.OnAnimProperties();
  EXPECT_EQ(m_prompts.m_shownDialogs[1].strTitle, "Add New Animation");
  EXPECT_EQ(m_prompts.m_shownDialogs[1].initialControls, (DialogControls{{1002, "Walk"}, {1003, "5"}}));
  EXPECT_EQ(walk.Name(), "");
  ASSERT_EQ(walk.m_nFrameCount, 3u);
  EXPECT_EQ(walk.Frame(3)->m_nOffsetX, 3);
  EXPECT_EQ(m_doc.m_nCurrentFrame, 5);  // the details view resets it on the hint
  ExpectHints({HINT_ANIM_CHANGED, HINT_ANIM_CHANGED}, true);
  m_prompts.QueueDialog({Act::Set(1003, "7"), Act::Ok()});
  m_doc.OnAnimProperties();
  ExpectHints({HINT_ANIM_CHANGED, HINT_ANIM_CHANGED, HINT_ANIM_CHANGED}, true);
  ASSERT_EQ(walk.m_nFrameCount, 7u);
  EXPECT_TRUE(walk.Frame(3)->m_bValid);
  EXPECT_FALSE(walk.Frame(7)->m_bValid);
  // A record without a name shows an empty one.
  walk.m_pszName.reset();
  m_prompts.QueueDialog({Act::Cancel()});
  m_doc.OnAnimProperties();
  EXPECT_EQ(m_prompts.m_shownDialogs.back().initialControls.at(1002), "");
}

TEST_F(PxoDocCommandsTest, InsertFrameAfterTheCurrentFrame) {
  CAnimation& walk = CurrentFrames(4);
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
  ExpectHints({HINT_ANIM_CHANGED}, true);
}

TEST_F(PxoDocCommandsTest, InsertFrameFirstLastPastTheEndAndInvalid) {
  CAnimation& walk = CurrentFrames(4);
  m_prompts.QueueDialog({Act::Set(1017, "0"), Act::Ok()});
  m_doc.OnInsertFrame();
  EXPECT_FALSE(walk.Frame(1)->m_bValid);
  ExpectHints({HINT_ANIM_CHANGED}, true);
  m_prompts.QueueDialog({Act::Set(1017, "5"), Act::Ok()});
  m_doc.OnInsertFrame();
  ExpectHints({HINT_ANIM_CHANGED, HINT_ANIM_CHANGED}, true);
  ASSERT_EQ(walk.m_nFrameCount, 6u);
  EXPECT_FALSE(walk.Frame(6)->m_bValid);
  m_doc.SetModifiedFlag(false);
  m_prompts.QueueDialog({Act::Set(1017, "7"), Act::Ok()});
  m_doc.OnInsertFrame();
  EXPECT_EQ(walk.m_nFrameCount, 6u);  // nothing inserted, views still refreshed
  ExpectHints({HINT_ANIM_CHANGED, HINT_ANIM_CHANGED, HINT_ANIM_CHANGED}, false);
  m_prompts.QueueDialog({Act::Set(1017, "x1"), Act::Ok(), Act::Set(1017, "-1"), Act::Ok(), Act::Set(1017, "65537"),
                         Act::Ok(), Act::Set(1017, "99999999999"), Act::Ok(), Act::Cancel()});
  m_doc.OnInsertFrame();
  const std::string between = "Please enter an integer between 0 and 65536.";
  EXPECT_EQ(m_prompts.m_messages,
            (std::vector<std::string>{"Please enter an integer.", between, between, "Please enter an integer."}));
  EXPECT_EQ(walk.m_nFrameCount, 6u);
  ExpectHints({HINT_ANIM_CHANGED, HINT_ANIM_CHANGED, HINT_ANIM_CHANGED}, false);
}

}  // namespace
}  // namespace pixolan::test
