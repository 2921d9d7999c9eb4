#include <functional>
#include <utility>

#include "DocumentFixture.h"

namespace pixolan::test {
namespace {

// What a step must put back: the document's file, its sheet object and pixels,
// and the current animation and frame.
struct Snapshot {
  std::vector<std::uint8_t> bytes;
  const CRasterImage* image;
  int pixel;
  const CAnimation* current;
  std::int32_t frame;
  bool operator==(const Snapshot&) const = default;
};

class UndoRedoTest : public DocumentTest {
 protected:
  UndoRedoTest() {
    LoadSheetAndSelectFirstCell();
    AddAnimation("Run", 1);
    CAnimation& walk = AddAnimation("Walk", 3);
    for (std::int32_t n = 1; n <= 3; ++n) walk.Frame(n)->Set(CRect{0, 0, 8, 8}, n, -n);
    m_doc.m_pCurrentAnim = &walk;
    m_doc.m_nCurrentFrame = 2;
  }

  Snapshot Now() {
    const CRasterImage* image = m_doc.m_pImage.get();
    return {StoredBytes(), image, image ? image->GetPixelIndex(0, 0) : -1, m_doc.m_pCurrentAnim,
            m_doc.m_nCurrentFrame};
  }

  std::string SheetOf(std::uint8_t pixel) {
    const auto path = m_dir / ("sheet" + std::to_string(pixel) + ".bmp");
    WriteFile(path, BuildBmp({.width = 16, .height = 16, .bits = 8, .coloursUsed = 16,
                              .palette = GreyPalette(16, 16), .pixels = std::vector<std::uint8_t>(256, pixel)}));
    return path.string();
  }

  std::vector<UpdateHint> TakeHints() { return std::exchange(m_view.m_hints, {}); }
};

TEST_F(UndoRedoTest, EachStepUndoneAndRedoneInARowRestoresTheDocument) {
  struct Edit {
    std::string name;
    std::function<void()> apply;
    std::vector<UpdateHint> doHints;
    UpdateHint undoHint;
  };
  const std::vector<Edit> edits = {
      {"Place Frame", [&] { m_doc.SetCurrentFrameData(CRect{8, 0, 16, 8}, 5, 6); }, {HINT_CURRENT_CHANGED}, HINT_CURRENT_CHANGED},
      {"Move Frame", [&] { m_doc.MoveCurrentFrame(-7, 9); }, {HINT_CURRENT_CHANGED}, HINT_CURRENT_CHANGED},
      {"Zoom", [&] { m_doc.SetZoom(9); }, {HINT_ZOOM_CHANGED}, HINT_ZOOM_CHANGED},
      {"Lift Frame", [&] { m_doc.LiftCurrentFrame(); }, {HINT_CURRENT_CHANGED}, HINT_CURRENT_CHANGED},
      {"Import Image", [&] { EXPECT_TRUE(m_doc.ImportImage(SheetOf(9))); }, {HINT_IMAGE_CHANGED}, HINT_IMAGE_CHANGED},
      {"Insert Frame", [&] { m_doc.InsertFrameAfter(0); }, {HINT_ANIM_CHANGED}, HINT_ANIM_CHANGED},
      // Four frames, three of them placed, shrunk to one and renamed.
      {"Animation Properties", [&] { m_doc.SetAnimProperties("Stroll", 1); }, {HINT_ANIM_CHANGED}, HINT_ANIM_CHANGED},
      {"Add Animation", [&] { m_doc.AddAnimation("Jump", 2); }, {HINT_ANIM_ADDED}, HINT_ANIM_ADDED},
  };
  std::vector<Snapshot> states{Now()};
  for (const Edit& edit : edits) {
    edit.apply();
    EXPECT_EQ(TakeHints(), edit.doHints) << edit.name;
    EXPECT_EQ(m_doc.History().UndoName(), edit.name);
    states.push_back(Now());
    EXPECT_NE(states.back().bytes, states[states.size() - 2].bytes) << edit.name;
  }
  for (std::size_t i = edits.size(); i-- > 0;) {
    EXPECT_EQ(m_doc.History().UndoName(), edits[i].name);
    m_doc.OnEditUndo();
    EXPECT_EQ(Now(), states[i]) << edits[i].name;
    EXPECT_EQ(TakeHints(), std::vector<UpdateHint>{edits[i].undoHint}) << edits[i].name;
    EXPECT_EQ(m_doc.History().RedoName(), edits[i].name);
  }
  EXPECT_FALSE(m_doc.History().CanUndo());
  EXPECT_FALSE(m_doc.IsModified());  // back where it started
  for (std::size_t i = 0; i < edits.size(); ++i) {
    m_doc.OnEditRedo();
    EXPECT_EQ(Now(), states[i + 1]) << edits[i].name;
    EXPECT_EQ(TakeHints(), std::vector<UpdateHint>{edits[i].undoHint}) << edits[i].name;
  }
  EXPECT_FALSE(m_doc.History().CanRedo());
  EXPECT_EQ(m_doc.History().RedoName(), "");
}

TEST_F(UndoRedoTest, ChangesThatChangeNothingAreNoSteps) {
  m_doc.SetCurrentFrameData(CRect{0, 0, 8, 8}, 2, -2);  // where frame 2 already is
  m_doc.SetAnimProperties("Walk", 3);
  m_doc.InsertFrameAfter(4);  // past the end
  EXPECT_FALSE(m_doc.ImportImage((m_dir / "missing.bmp").string()));
  EXPECT_FALSE(m_doc.History().CanUndo());
  EXPECT_FALSE(m_doc.IsModified());
  EXPECT_EQ(TakeHints(), (std::vector<UpdateHint>{HINT_ANIM_CHANGED, HINT_ANIM_CHANGED}));
}

TEST_F(UndoRedoTest, AHeldKeysMovesAreOneStepThatNeverGrowsPastTheSavedState) {
  const Snapshot before = Now();
  m_doc.MoveCurrentFrame(3, -2);
  m_doc.MoveCurrentFrame(4, -2, true);
  m_doc.MoveCurrentFrame(5, -2, true);
  EXPECT_EQ(m_doc.History().StepCount(), 1u);
  const Snapshot moved = Now();
  m_doc.OnEditUndo();
  EXPECT_EQ(Now(), before);
  m_doc.OnEditRedo();
  EXPECT_EQ(Now(), moved);
  m_doc.History().MarkSaved();
  m_doc.MoveCurrentFrame(6, -2, true);  // the saved state stays reachable
  EXPECT_EQ(m_doc.History().StepCount(), 2u);
  m_doc.m_nCurrentFrame = 3;
  m_doc.MoveCurrentFrame(0, 0, true);  // another frame: a step of its own
  EXPECT_EQ(m_doc.History().StepCount(), 3u);
  // Zooms are kept to 1..16; one that changes nothing shown is no step.
  m_doc.SetZoom(40);
  EXPECT_EQ(m_doc.m_nZoom, kMaxZoom);
  m_doc.SetZoom(16);
  m_doc.SetZoom(-3);
  EXPECT_EQ(m_doc.m_nZoom, kMinZoom);
  EXPECT_EQ(m_doc.History().StepCount(), 5u);
  m_doc.m_nZoom = 99;  // as a file may hold it
  m_doc.SetZoom(17);
  EXPECT_EQ(m_doc.History().StepCount(), 5u);
}

TEST_F(UndoRedoTest, UndoingTheCurrentAnimationsAdditionLeavesNoCurrentAnimation) {
  struct CurrentAtHint : CView {
    explicit CurrentAtHint(CPxoDoc& doc) : m_doc(doc) {}
    void OnUpdate(CView*, UpdateHint) override { m_seen.push_back(m_doc.m_pCurrentAnim); }
    CPxoDoc& m_doc;
    std::vector<const CAnimation*> m_seen;
  } view(m_doc);
  m_doc.AddAnimation("Jump", 2);
  m_doc.SetCurrentAnimation(m_doc.m_animations.back().get());  // as the details view does
  m_doc.AddView(&view);
  m_doc.OnEditUndo();
  EXPECT_EQ(view.m_seen, std::vector<const CAnimation*>{nullptr});
  EXPECT_EQ(m_doc.m_animations.size(), 2u);
  // A new step discards the undone one, and the record with it.
  m_doc.SetCurrentAnimation(m_doc.m_animations.back().get());
  m_doc.SetCurrentFrameData(CRect{0, 8, 8, 16}, 0, 0);
  EXPECT_FALSE(m_doc.History().CanRedo());
  EXPECT_EQ(m_doc.History().UndoName(), "Place Frame");
  m_doc.RemoveView(&view);
}

// Told of every change: what it saw last is the history and flag as they now are.
struct HistoryObserver : CDocumentObserver {
  explicit HistoryObserver(CPxoDoc& d) : doc(d) { doc.AddObserver(this); }
  ~HistoryObserver() override { doc.RemoveObserver(this); }
  void OnDocumentStateChanged(const CDocument&) override { seen = Describe(doc); }
  static std::string Describe(CPxoDoc& d) {
    return d.History().UndoName() + "|" + d.History().RedoName() + (d.IsModified() ? "*" : "");
  }
  CPxoDoc& doc;
  std::string seen;
};

TEST_F(UndoRedoTest, TheModifiedFlagFollowsTheHistoryAndObserversHearEachMove) {
  HistoryObserver observer(m_doc);
  const std::string file = (m_dir / "doc.pxo").string();
  const auto place = [&](std::int32_t x) { m_doc.SetCurrentFrameData(CRect{0, 0, 8, 8}, x, 0); };
  struct Step {
    std::function<void()> act;
    bool modified;
  };
  const std::vector<Step> steps = {
      {[&] { place(10); }, true},
      {[&] { EXPECT_TRUE(m_doc.OnSaveDocument(file)); }, false},
      {[&] { place(11); }, true},
      {[&] { m_doc.OnEditUndo(); }, false},  // back at the saved state
      {[&] { m_doc.OnEditUndo(); }, true},
      {[&] { m_doc.OnEditRedo(); }, false},
      {[&] { m_doc.OnEditUndo(); }, true},
      {[&] { place(12); }, true},  // the saved state is discarded with the redo step
      {[&] { m_doc.OnEditUndo(); }, true},
      {[&] { m_doc.SetModifiedFlag(false); }, false},  // callers may still set it
      {[&] { m_doc.OnEditRedo(); }, true},
      {[&] { EXPECT_TRUE(m_doc.OnOpenDocument(file)); }, false},
  };
  for (std::size_t i = 0; i < steps.size(); ++i) {
    observer.seen.clear();
    steps[i].act();
    EXPECT_EQ(m_doc.IsModified(), steps[i].modified) << "step " << i;
    EXPECT_EQ(observer.seen, HistoryObserver::Describe(m_doc)) << "step " << i;
  }
  EXPECT_FALSE(m_doc.History().CanUndo());  // opening starts a new history
  place(13);
  EXPECT_TRUE(m_doc.OnNewDocument());
  EXPECT_FALSE(m_doc.History().CanUndo() || m_doc.History().CanRedo());
}

TEST_F(UndoRedoTest, TheLast200StepsAreKept) {
  for (std::int32_t x = 1; x <= 201; ++x) m_doc.SetCurrentFrameData(CRect{0, 0, 8, 8}, x, 0);
  int undone = 0;
  for (; m_doc.History().CanUndo(); ++undone) m_doc.OnEditUndo();
  EXPECT_EQ(undone, 200);
  EXPECT_EQ(m_doc.CurrentFrameRecord()->m_nOffsetX, 1);  // the first placement is no longer undoable
  EXPECT_TRUE(m_doc.IsModified());                        // and the saved state went with it
}

TEST_F(UndoRedoTest, BeyondItsByteBoundTheHistoryDropsItsOldestStepsButNeverTheNewest) {
  m_doc.History().SetByteLimit(1);  // less than any step holds
  for (std::uint8_t pixel : {3, 4, 5}) ASSERT_TRUE(m_doc.ImportImage(SheetOf(pixel)));
  EXPECT_EQ(m_doc.History().StepCount(), 1u);
  m_doc.OnEditUndo();
  EXPECT_EQ(m_doc.m_pImage->GetPixelIndex(0, 0), 4);  // the sheet before the last import
  EXPECT_FALSE(m_doc.History().CanUndo());
  EXPECT_TRUE(m_doc.IsModified());  // the saved state fell off with the dropped steps
  m_doc.History().SetByteLimit(CEditHistory::kMaxBytes);
  for (std::uint8_t pixel : {6, 7}) ASSERT_TRUE(m_doc.ImportImage(SheetOf(pixel)));
  EXPECT_EQ(m_doc.History().StepCount(), 2u);  // small sheets stay well within the bound
}

TEST_F(UndoRedoTest, PlacingUsesUpTheSelectionAndLiftingMakesOneBothUndoable) {
  const CRect cell{8, 0, 16, 8};
  m_doc.SetSelection(cell);
  m_doc.SetCurrentFrameData(cell, 5, 6);
  CRect selection;
  EXPECT_FALSE(m_doc.GetSelection(selection));
  m_doc.OnEditUndo();
  ASSERT_TRUE(m_doc.GetSelection(selection));
  EXPECT_EQ(selection, cell);
  m_doc.OnEditRedo();
  EXPECT_FALSE(m_doc.GetSelection(selection));
  ASSERT_TRUE(m_doc.LiftCurrentFrame());
  ASSERT_TRUE(m_doc.GetSelection(selection));
  EXPECT_EQ(selection, cell);
  m_doc.OnEditUndo();
  EXPECT_FALSE(m_doc.GetSelection(selection));
  EXPECT_TRUE(m_doc.CurrentFrameRecord()->m_bValid);
}

}  // namespace
}  // namespace pixolan::test
