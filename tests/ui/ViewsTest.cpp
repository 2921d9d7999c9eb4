// The three panes driven like a user: drags on the sheet, clicks on the canvas,
// the animation list, its buttons and spin control, playback and the context menu.
#include <QImage>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QSplitter>
#include <QToolButton>

#include "UiFixture.h"
#include "ui/AnimDetails.h"
#include "ui/AnimListBox.h"
#include "ui/ImageView.h"
#include "ui/SpriteView.h"
#include "ui/UpDownControl.h"

namespace pixolan::test {
namespace {

class ImageViewDrag : public FrameTest {};

// Which cells a drag selects is the model's (its tests); here the widget hands it
// the drag in sheet coordinates.
TEST_F(ImageViewDrag, SelectsTheWholeCellsUnderTheDrag) {
  CChildFrame& frame = Open();
  CPxoImageView* view = frame.ImageView();
  const CPoint o = view->Model().SheetOrigin();
  const int z = view->Model().Zoom();  // the sheet opens zoomed to fit its pane
  Drag(view, QPoint(o.x + 20 * z, o.y + 12 * z), QPoint(o.x + 3 * z, o.y + 3 * z));
  CRect selection;
  ASSERT_TRUE(m_doc.GetSelection(selection));
  EXPECT_EQ(selection, (CRect{0, 0, 24, 16}));
}

TEST_F(ImageViewDrag, ShowsTheSheetCentredAndTheInvertedBlockUnderTheMouse) {
  CChildFrame& frame = Open();
  CPxoImageView* view = frame.ImageView();
  const CPoint o = view->Model().SheetOrigin();
  const int z = view->Model().Zoom();
  Move(view, QPoint(o.x + 13 * z, o.y + 5 * z));
  QTest::qWait(20);
  const QImage shot = view->viewport()->grab().toImage();
  const QColor cell = CellColour(1, 0);
  const QColor inverted(255 - cell.red(), 255 - cell.green(), 255 - cell.blue());
  EXPECT_EQ(shot.pixelColor(o.x + 9 * z, o.y + 1 * z), inverted);   // inside the hover block
  EXPECT_EQ(shot.pixelColor(o.x + 17 * z, o.y + 1 * z), CellColour(2, 0));
  EXPECT_EQ(shot.pixelColor(o.x + 1 * z, o.y + 30 * z), CellColour(0, 3));
}

TEST_F(ImageViewDrag, ADragHeldPastTheEdgeScrollsThePaneAndKeepsItsAnchorBlock) {
  WriteFile(m_dir / "large.bmp", BuildBmp({.width = 2048, .height = 2048, .bits = 8, .coloursUsed = 2,
                                           .palette = GreyPalette(2, 255),
                                           .pixels = std::vector<std::uint8_t>(2048 * 2048, 0)}));
  ASSERT_NE(m_doc.LoadImage((m_dir / "large.bmp").string()), nullptr);
  CChildFrame& frame = Open();
  CPxoImageView* view = frame.ImageView();
  const QSize pane = view->viewport()->size();
  const QPoint from(8, 8);
  Move(view, from);
  Press(view, from);
  Move(view, QPoint(pane.width() + 40, pane.height() + 40));  // over the canvas, button held
  QTest::qWait(300);
  const CPoint scrolled = view->ScrollPosition();
  EXPECT_GT(scrolled.x, 0);
  EXPECT_GT(scrolled.y, 0);
  Release(view, QPoint(pane.width() + 40, pane.height() + 40));
  QTest::qWait(100);
  EXPECT_EQ(view->ScrollPosition(), scrolled);  // released: scrolling stops
  // The selection starts at the block pressed, wherever the pane has scrolled since.
  CRect selection;
  ASSERT_TRUE(m_doc.GetSelection(selection));
  const CPoint o = view->Model().SheetOrigin();
  EXPECT_EQ(selection.left, (from.x() - o.x) / 8 * 8);
  EXPECT_EQ(selection.top, (from.y() - o.y) / 8 * 8);
  EXPECT_GT(selection.right, pane.width());
}

class SpriteViewClicks : public FrameTest {
 protected:
  CChildFrame& OpenWithAnimation() {
    AddAnimation("Run", 2);
    CChildFrame& frame = Open(QSize(1600, 800));  // the whole canvas fits in the pane
    return frame;
  }
  QPoint Centre(CPxoSpriteView* view) { return QPoint(view->Model().m_ptCentre.x, view->Model().m_ptCentre.y); }
};

TEST_F(SpriteViewClicks, PlacesTheSelectionMagnifiedWithTheGreySurroundAndCross) {
  CChildFrame& frame = OpenWithAnimation();
  CPxoSpriteView* view = frame.SpriteView();
  m_doc.SetSelection(CRect{8, 0, 16, 8});
  const QPoint centre = Centre(view);
  Click(view, centre + QPoint(-9, -9));  // canvas position (-2, -2)
  ASSERT_NE(m_doc.CurrentFrameRecord(), nullptr);
  const CAnimFrame& placed = *m_doc.CurrentFrameRecord();
  EXPECT_TRUE(placed.m_bValid);
  EXPECT_EQ(placed.m_rectSource, (CRect{8, 0, 16, 8}));
  EXPECT_EQ(placed.m_nOffsetX, -2);
  EXPECT_EQ(placed.m_nOffsetY, -2);
  CRect selection;
  EXPECT_FALSE(m_doc.GetSelection(selection));
  QTest::qWait(20);
  const QImage shot = view->viewport()->grab().toImage();
  // 8x8 sheet pixels at zoom 4 from centre - 8 to centre + 24.
  EXPECT_EQ(shot.pixelColor(centre + QPoint(-8, -8)), CellColour(1, 0));
  EXPECT_EQ(shot.pixelColor(centre + QPoint(23, 23)), CellColour(1, 0));
  EXPECT_EQ(shot.pixelColor(centre + QPoint(24, 24)), QColor(Qt::white));
  EXPECT_EQ(shot.pixelColor(centre + QPoint(-100, 0)), QColor(Qt::black));  // the cross
  EXPECT_EQ(shot.pixelColor(centre + QPoint(0, 100)), QColor(Qt::black));
  EXPECT_EQ(shot.pixelColor(centre + QPoint(-321, 0)), QColor(128, 128, 128));  // left of the canvas
  EXPECT_EQ(shot.pixelColor(centre + QPoint(-320, 5)), QColor(Qt::black));     // its border
}

// Counts the paint events a widget receives.
class PaintCounter : public QObject {
 public:
  explicit PaintCounter(QWidget* w) { w->installEventFilter(this); }
  bool eventFilter(QObject*, QEvent* e) override {
    if (e->type() == QEvent::Paint) ++count;
    return false;
  }
  int count = 0;
};

TEST_F(SpriteViewClicks, RepaintsOnCurrentFrameChangesButNotOnANewSheet) {
  CChildFrame& frame = OpenWithAnimation();
  m_doc.SetSelection(CRect{0, 0, 8, 8});
  Click(frame.SpriteView(), Centre(frame.SpriteView()));
  QTest::qWait(20);
  PaintCounter painted(frame.SpriteView()->viewport());
  m_doc.UpdateAllViews(nullptr, HINT_IMAGE_CHANGED);
  QTest::qWait(20);
  EXPECT_EQ(painted.count, 0);
  m_doc.SetCurrentFrame(1);
  QTest::qWait(20);
  EXPECT_GT(painted.count, 0);
}

class AnimPane : public FrameTest {
 protected:
  CPxoAnimDetails& OpenWithThree() {
    AddAnimation("One", 3);
    AddAnimation("Two", 1);
    AddAnimation("Three", 3);
    return *Open().AnimDetails();
  }
  static QString Shown(const CPxoAnimDetails& pane) {
    return pane.FrameEdit()->text() + "/" + pane.FramesEdit()->text();
  }
  // Chooses the command in the list's context menu.
  static void RunMenuCommand(CPxoAnimDetails& pane, const char* command) {
    QMetaObject::invokeMethod(
        &pane,
        [command] {
          auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
          ASSERT_NE(menu, nullptr);
          for (QAction* action : menu->actions()) {
            if (action->text() == command) action->trigger();
          }
          menu->close();
        },
        Qt::QueuedConnection);
    QTest::mouseClick(pane.List()->viewport(), Qt::RightButton, {}, QPoint(5, 5));
  }
};

TEST_F(AnimPane, ListButtonsAndSpinStepTheCurrentFrame) {
  CPxoAnimDetails& pane = OpenWithThree();
  EXPECT_EQ(pane.List()->currentRow(), 2);  // the last animation, at frame 1
  EXPECT_EQ(Shown(pane), "1/3");
  pane.List()->setCurrentRow(0);
  EXPECT_EQ(m_doc.m_pCurrentAnim, m_doc.m_animations[0].get());
  const auto press = [&](CPxoAnimDetails::ControlId id) { QTest::mouseClick(pane.Button(id), Qt::LeftButton); };
  const struct {
    CPxoAnimDetails::ControlId button;
    const char* shown;
  } steps[] = {{CPxoAnimDetails::IDC_NEXT, "2/3"}, {CPxoAnimDetails::IDC_NEXT, "3/3"},
               {CPxoAnimDetails::IDC_NEXT, "3/3"}, {CPxoAnimDetails::IDC_FIRST, "1/3"},
               {CPxoAnimDetails::IDC_PREV, "1/3"}, {CPxoAnimDetails::IDC_LAST, "3/3"},
               {CPxoAnimDetails::IDC_PREV, "2/3"}};
  for (const auto& step : steps) {
    press(step.button);
    EXPECT_EQ(Shown(pane), step.shown);
    EXPECT_EQ(QString::number(m_doc.GetCurrentFrame()), pane.FrameEdit()->text());
  }
  QTest::mouseClick(pane.Spin()->UpButton(), Qt::LeftButton);  // forward: 2 -> 3
  QTest::mouseClick(pane.Spin()->UpButton(), Qt::LeftButton);  // wraps to 1
  EXPECT_EQ(Shown(pane), "1/3");
  QTest::mouseClick(pane.Spin()->DownButton(), Qt::LeftButton);  // back: wraps to 3
  EXPECT_EQ(Shown(pane), "3/3");
}

// Records the current frame at every HINT_CURRENT_CHANGED.
class FrameRecorder : public CView {
 public:
  explicit FrameRecorder(CPxoDoc& doc) : m_doc(doc) { doc.AddView(this); }
  ~FrameRecorder() override { m_doc.RemoveView(this); }
  void OnUpdate(CView*, UpdateHint hint) override {
    if (hint == HINT_CURRENT_CHANGED) frames.push_back(m_doc.GetCurrentFrame());
  }
  CPxoDoc& m_doc;
  std::vector<int> frames;
};

TEST_F(AnimPane, PlayAdvancesEvery33MillisecondsWithWrapUntilStop) {
  CPxoAnimDetails& pane = OpenWithThree();
  FrameRecorder recorder(m_doc);
  QTest::mouseClick(pane.Button(CPxoAnimDetails::IDC_PLAY), Qt::LeftButton);
  EXPECT_TRUE(pane.Timer().isActive());
  EXPECT_EQ(pane.Timer().interval(), 33);
  QTest::qWait(400);
  QTest::mouseClick(pane.Button(CPxoAnimDetails::IDC_STOP), Qt::LeftButton);
  EXPECT_FALSE(pane.Timer().isActive());
  ASSERT_GE(recorder.frames.size(), 5u);  // about 12 ticks; slack for a busy machine
  for (std::size_t i = 1; i < recorder.frames.size(); ++i) {
    EXPECT_EQ(recorder.frames[i], recorder.frames[i - 1] % 3 + 1);
  }
  const std::size_t ticks = recorder.frames.size();
  QTest::qWait(100);
  EXPECT_EQ(recorder.frames.size(), ticks);
}

TEST_F(AnimPane, RightClickOpensTheAnimListMenuWithoutMovingTheSelection) {
  CPxoAnimDetails& pane = OpenWithThree();
  pane.List()->setCurrentRow(0);
  m_prompts.QueueDialog({DialogAction::Set(1002, "Jump"), DialogAction::Ok()});  // Add Animation
  m_prompts.QueueDialog({DialogAction::Ok()});                                    // Insert Frame after 1
  m_prompts.QueueDialog({DialogAction::Set(1003, "5"), DialogAction::Ok()});      // Properties
  const QRect lastRow = pane.List()->visualItemRect(pane.List()->item(2));
  const char* commands[] = {"Add Animation", "Insert Frame", "Properties"};
  for (const char* command : commands) {
    QMetaObject::invokeMethod(
        &pane,
        [command] {
          auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
          ASSERT_NE(menu, nullptr);
          EXPECT_EQ(menu->title(), "Anim List");
          for (QAction* action : menu->actions()) {
            if (action->text() == command) action->trigger();
          }
          menu->close();
        },
        Qt::QueuedConnection);
    const int before = pane.List()->currentRow();
    QTest::mouseClick(pane.List()->viewport(), Qt::RightButton, {}, lastRow.center());
    if (std::string(command) == "Add Animation") {
      EXPECT_EQ(pane.List()->currentRow(), 3);  // the new animation becomes current
    } else {
      EXPECT_EQ(pane.List()->currentRow(), before);
    }
  }
  ASSERT_EQ(m_doc.m_animations.size(), 4u);
  EXPECT_EQ(m_doc.m_animations[3]->Name(), "Jump");
  EXPECT_EQ(m_doc.m_animations[3]->m_nFrameCount, 5u);  // 1, one inserted, then 5
  EXPECT_EQ(Shown(pane), "1/5");
}

TEST_F(AnimPane, FrameKeysStepOnTheListAndTheCanvasButNotInTheFrameField) {
  CPxoAnimDetails& pane = OpenWithThree();  // "Three" current at 1 of 3
  const struct {
    QWidget* target;
    Qt::Key key;
    const char* shown;
  } presses[] = {{pane.List(), Qt::Key_Period, "2/3"}, {pane.List(), Qt::Key_End, "3/3"},
                 {m_frame->SpriteView(), Qt::Key_PageUp, "2/3"}, {m_frame->SpriteView(), Qt::Key_Home, "1/3"},
                 {pane.List(), Qt::Key_Comma, "1/3"}};
  for (const auto& press : presses) {
    QTest::keyClick(press.target, press.key);
    EXPECT_EQ(Shown(pane), press.shown);
  }
  EXPECT_EQ(pane.List()->currentRow(), 2);  // Home and End did not move the list
  QTest::keyClick(pane.List(), Qt::Key_Space);
  EXPECT_TRUE(pane.Timer().isActive());
  QTest::keyClick(m_frame->SpriteView(), Qt::Key_Space);
  EXPECT_FALSE(pane.Timer().isActive());
  // Typed into the field: Home is the field's; Enter goes to the frame, clamped.
  pane.FrameEdit()->setFocus();
  pane.FrameEdit()->selectAll();
  QTest::keyClicks(pane.FrameEdit(), "9");
  QTest::keyClick(pane.FrameEdit(), Qt::Key_Home);
  QTest::keyClick(pane.FrameEdit(), Qt::Key_Return);
  EXPECT_EQ(Shown(pane), "3/3");
  EXPECT_EQ(m_doc.GetCurrentFrame(), 3);
}

TEST_F(AnimPane, ListEditsFromTheMenuKeepTheEditedFrameShown) {
  CPxoAnimDetails& pane = OpenWithThree();
  QTest::keyClick(pane.List(), Qt::Key_End);
  RunMenuCommand(pane, "Delete Frame");
  EXPECT_EQ(Shown(pane), "2/2");  // the new last
  RunMenuCommand(pane, "Duplicate Frame");
  EXPECT_EQ(Shown(pane), "3/3");
  RunMenuCommand(pane, "Move Animation Up");
  EXPECT_EQ(pane.List()->currentRow(), 1);
  EXPECT_EQ(pane.List()->item(1)->text(), "Three");
  RunMenuCommand(pane, "Delete Animation");
  EXPECT_EQ(pane.List()->count(), 2);
  EXPECT_EQ(pane.List()->currentRow(), 1);  // "Two" took its place
  m_doc.OnEditUndo();
  EXPECT_EQ(pane.List()->item(1)->text(), "Three");
  EXPECT_EQ(Shown(pane), "3/3");
}

TEST_F(FrameTest, PanesGoBackToHalvesOnEveryResize) {
  CChildFrame& frame = Open(QSize(801, 601));
  EXPECT_EQ(frame.OuterSplitter()->sizes().first(), 400);
  EXPECT_EQ(frame.InnerSplitter()->sizes().first(), 300);
  frame.OuterSplitter()->setSizes({120, 600});
  frame.resize(900, 500);
  QTest::qWait(10);
  EXPECT_EQ(frame.OuterSplitter()->sizes().first(), 450);
  EXPECT_EQ(frame.InnerSplitter()->sizes().first(), 250);
}

}  // namespace
}  // namespace pixolan::test
