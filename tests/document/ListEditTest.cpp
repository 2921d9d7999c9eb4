#include <utility>

#include "DocumentFixture.h"

namespace pixolan::test {
namespace {

using ListEdit = CPxoDoc::ListEdit;

class ListEditTest : public DocumentTest {
 protected:
  ListEditTest() {
    LoadSheetAndSelectFirstCell();
    AddAnimation("Run", 1);
    CAnimation& walk = AddAnimation("Walk", 3);
    AddAnimation("Jump", 2);
    // Each frame of Walk told apart by its x offset.
    for (std::int32_t n = 1; n <= 3; ++n) walk.Frame(n)->Set(CRect{0, 0, 8, 8}, n, 0);
    m_doc.m_pCurrentAnim = &walk;
    m_doc.m_nCurrentFrame = 2;
  }

  // The list, the current animation (*) with its frames' x offsets, and the current frame.
  std::string Shown() {
    std::string s;
    for (const auto& a : m_doc.m_animations) s += a->Name() + (a.get() == m_doc.m_pCurrentAnim ? "* " : " ");
    if (const CAnimation* a = m_doc.m_pCurrentAnim) {
      s += "|";
      for (std::uint32_t i = 0; i < a->m_nFrameCount; ++i) {
        const CAnimFrame& f = a->FrameOrNeverSet(i);
        s += " " + (f.m_bValid ? std::to_string(f.m_nOffsetX) : std::string("-"));
      }
      s += " @" + std::to_string(m_doc.m_nCurrentFrame);
    }
    return s;
  }
};

TEST_F(ListEditTest, EachEditLeavesTheEditedFrameCurrentAndUndoAndRedoRestoreTheFile) {
  struct Case {
    ListEdit edit;
    std::int32_t frame;  // current frame of Walk before the edit
    std::string name;
    std::string after;
  };
  const std::vector<Case> cases = {
      {ListEdit::kDeleteFrame, 2, "Delete Frame", "Run Walk* Jump | 1 3 @2"},
      {ListEdit::kDeleteFrame, 3, "Delete Frame", "Run Walk* Jump | 1 2 @2"},  // the new last
      {ListEdit::kDuplicateFrame, 2, "Duplicate Frame", "Run Walk* Jump | 1 2 2 3 @3"},
      {ListEdit::kMoveFrameEarlier, 2, "Move Frame Earlier", "Run Walk* Jump | 2 1 3 @1"},
      {ListEdit::kMoveFrameLater, 2, "Move Frame Later", "Run Walk* Jump | 1 3 2 @3"},
      {ListEdit::kDeleteAnimation, 2, "Delete Animation", "Run Jump* | - - @1"},
      {ListEdit::kMoveAnimationUp, 2, "Move Animation Up", "Walk* Run Jump | 1 2 3 @2"},
      {ListEdit::kMoveAnimationDown, 2, "Move Animation Down", "Run Jump Walk* | 1 2 3 @2"},
  };
  for (const Case& c : cases) {
    m_doc.m_nCurrentFrame = c.frame;
    const std::string shownBefore = Shown();
    const std::vector<std::uint8_t> bytesBefore = StoredBytes();
    m_view.m_hints.clear();
    ASSERT_TRUE(m_doc.EditList(c.edit)) << c.name;
    EXPECT_EQ(m_doc.History().UndoName(), c.name);
    EXPECT_EQ(Shown(), c.after) << c.name;
    // The list is refilled before the canvas repaints the current frame.
    EXPECT_EQ(m_view.m_hints, (std::vector<UpdateHint>{HINT_LIST_EDITED, HINT_CURRENT_CHANGED})) << c.name;
    EXPECT_TRUE(m_doc.IsModified());
    const std::vector<std::uint8_t> bytesAfter = StoredBytes();
    m_doc.OnEditUndo();
    EXPECT_EQ(Shown(), shownBefore) << c.name;
    EXPECT_EQ(StoredBytes(), bytesBefore) << c.name;
    EXPECT_FALSE(m_doc.IsModified());
    m_doc.OnEditRedo();
    EXPECT_EQ(Shown(), c.after) << c.name;
    EXPECT_EQ(StoredBytes(), bytesAfter) << c.name;
    m_doc.OnEditUndo();
  }
}

TEST_F(ListEditTest, EditsThatCannotApplyAreRefusedAndMakeNoStep) {
  const auto refused = [&](ListEdit edit) {
    EXPECT_FALSE(m_doc.CanEditList(edit));
    EXPECT_FALSE(m_doc.EditList(edit));
  };
  m_doc.m_nCurrentFrame = 1;
  refused(ListEdit::kMoveFrameEarlier);
  m_doc.m_nCurrentFrame = 3;
  refused(ListEdit::kMoveFrameLater);
  m_doc.m_nCurrentFrame = 4;  // a number a loaded file may hold: no frame to edit
  for (ListEdit edit : {ListEdit::kDeleteFrame, ListEdit::kDuplicateFrame, ListEdit::kMoveFrameEarlier}) refused(edit);
  EXPECT_TRUE(m_doc.CanEditList(ListEdit::kDeleteAnimation));
  m_doc.m_pCurrentAnim = m_doc.m_animations.front().get();
  m_doc.m_nCurrentFrame = 1;
  refused(ListEdit::kDeleteFrame);  // an animation keeps its one frame
  refused(ListEdit::kMoveAnimationUp);
  m_doc.m_pCurrentAnim = m_doc.m_animations.back().get();
  refused(ListEdit::kMoveAnimationDown);
  m_doc.m_pCurrentAnim = nullptr;
  for (int e = 0; e <= static_cast<int>(ListEdit::kMoveAnimationDown); ++e) refused(static_cast<ListEdit>(e));
  EXPECT_FALSE(m_doc.History().CanUndo());
}

TEST_F(ListEditTest, DeletingTheLastAnimationMakesThePreviousCurrentAndTheOnlyOneLeavesNone) {
  m_doc.m_pCurrentAnim = m_doc.m_animations.back().get();
  ASSERT_TRUE(m_doc.EditList(ListEdit::kDeleteAnimation));
  EXPECT_EQ(Shown(), "Run Walk* | 1 2 3 @1");
  ASSERT_TRUE(m_doc.EditList(ListEdit::kDeleteAnimation));
  ASSERT_TRUE(m_doc.EditList(ListEdit::kDeleteAnimation));
  EXPECT_EQ(Shown(), "");
  m_doc.OnEditUndo();
  EXPECT_EQ(Shown(), "Run* | - @1");
  for (int i = 0; i < 2; ++i) m_doc.OnEditUndo();
  EXPECT_EQ(Shown(), "Run Walk Jump* | - - @2");  // frame 2 of Jump was current before
}

}  // namespace
}  // namespace pixolan::test
