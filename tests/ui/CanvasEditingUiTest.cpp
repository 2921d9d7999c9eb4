// The wiring of zoom, moving frames and the offset fields; the arithmetic is the
// view models' (tests/view).
#include <QApplication>
#include <QLineEdit>
#include <QWheelEvent>

#include "UiFixture.h"
#include "ui/AnimDetails.h"
#include "ui/ImageView.h"
#include "ui/OffsetFields.h"
#include "ui/SpriteView.h"

namespace pixolan::test {
namespace {

class CanvasEditingUi : public FrameTest {
 protected:
  CChildFrame& OpenWithFrame() {
    CAnimation& run = AddAnimation("Run", 2);
    run.Frame(1)->Set({0, 0, 16, 16}, 2, 3);
    CChildFrame& frame = Open(QSize(1600, 800));
    m_doc.SetCurrentFrame(1);
    return frame;
  }
  void CtrlWheel(QAbstractScrollArea* view, QPoint client, int delta) {
    QWheelEvent wheel(client, view->viewport()->mapToGlobal(client), {}, {0, delta}, Qt::NoButton,
                      Qt::ControlModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(view->viewport(), &wheel);
  }
  std::pair<int, int> Offsets() { return {m_doc.CurrentFrameRecord()->m_nOffsetX, m_doc.CurrentFrameRecord()->m_nOffsetY}; }
};

TEST_F(CanvasEditingUi, ZoomCommandsAndCtrlWheelActOnTheActivePane) {
  CChildFrame& frame = OpenWithFrame();
  CPxoImageView* sheet = frame.ImageView();
  EXPECT_EQ(sheet->Model().Zoom(), 8);  // a 32x32 sheet opens as large as fits, at most 8x
  EXPECT_EQ(frame.ZoomText(), "Sheet 8x");
  CtrlWheel(sheet, QPoint(10, 10), -120);
  EXPECT_EQ(sheet->Model().Zoom(), 7);
  frame.ZoomActivePane(0);
  EXPECT_EQ(sheet->Model().Zoom(), 1);
  EXPECT_FALSE(m_doc.IsModified());  // the sheet's zoom is the window's
  frame.ActivateNextPane(-1);  // from the sheet back round to the canvas
  frame.ZoomActivePane(+1);
  CtrlWheel(frame.SpriteView(), QPoint(300, 200), 120);
  EXPECT_EQ(m_doc.m_nZoom, 6);
  EXPECT_EQ(m_doc.History().UndoName(), "Zoom");
  EXPECT_EQ(frame.ZoomText(), "Canvas 6x");
}

TEST_F(CanvasEditingUi, DragArrowKeysAndTypedOffsetsMoveTheCurrentFrame) {
  CChildFrame& frame = OpenWithFrame();
  CPxoSpriteView* canvas = frame.SpriteView();
  const QPoint centre(canvas->Model().m_ptCentre.x, canvas->Model().m_ptCentre.y);
  const QPoint onFrame = centre + QPoint(2 * 4 + 5, 3 * 4 + 5);
  Drag(canvas, onFrame, onFrame + QPoint(4 * 3, -4));
  EXPECT_EQ(Offsets(), std::pair(5, 2));
  EXPECT_EQ(m_doc.History().UndoName(), "Move Frame");
  QTest::keyClick(canvas, Qt::Key_Left);
  QTest::keyClick(canvas, Qt::Key_Down, Qt::ShiftModifier);
  EXPECT_EQ(Offsets(), std::pair(4, 10));
  COffsetFields* fields = frame.AnimDetails()->OffsetFields();
  EXPECT_EQ(fields->XEdit()->text(), "4");
  fields->XEdit()->setText("-20");
  QTest::keyClick(fields->XEdit(), Qt::Key_Return);
  EXPECT_EQ(Offsets(), std::pair(-20, 10));
  fields->YEdit()->setText("128");
  QTest::keyClick(fields->YEdit(), Qt::Key_Return);
  EXPECT_EQ(Offsets(), std::pair(-20, 10));
  EXPECT_EQ(m_prompts.m_messages, std::vector<std::string>{kMsgOffsetRange});
  EXPECT_EQ(fields->YEdit()->text(), "10");
}

}  // namespace
}  // namespace pixolan::test
