// Undo and redo from the Edit menu and the keyboard, and the sheet read again when
// its file is rewritten on disk: in place, by rename, and not at all once it is gone.
#include <gtest/gtest.h>

#include <QAction>
#include <QLabel>
#include <QStatusBar>
#include <QTest>
#include <filesystem>

#include "UiFixture.h"
#include "document/PxoDoc.h"
#include "ui/ChildFrame.h"
#include "ui/CommandIds.h"
#include "ui/MainFrame.h"
#include "ui/MainMenus.h"
#include "ui/PxoApp.h"
#include "ui/SpriteView.h"

namespace pixolan::test {
namespace {

// The cell sheet with every colour turned around, so a reload shows on the canvas.
std::vector<std::uint8_t> ChangedSheet() {
  std::vector<std::uint8_t> bytes = CellSheet();
  for (std::size_t i = 54 + 4; i < 54 + 4 * 17; ++i) bytes[i] = static_cast<std::uint8_t>(255 - bytes[i]);
  return bytes;
}

class HistoryAndReload : public ::testing::Test {
 protected:
  // A document with one animation whose frame shows cell (1, 0) at canvas (0, 0).
  void SetUp() override {
    const std::string path = SaveCellDocument(m_dir, [](CPxoDoc& doc) {
      auto animation = std::make_unique<CAnimation>();
      animation->SetName("Run");
      animation->SetFrameCount(1);
      animation->Frame(1)->Set(CRect{8, 0, 16, 8}, 0, 0);
      doc.m_animations.push_back(std::move(animation));
      doc.SetSelection(CRect{0, 0, 8, 8});  // saved live: opening lets go of it
    });
    m_doc = m_app.OpenDocumentFile(path);
    ASSERT_NE(m_doc, nullptr);
    m_app.MainFrame().resize(1800, 900);
    m_app.MainFrame().show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&m_app.MainFrame()));
    m_view = m_app.MainFrame().ActiveChildFrame()->SpriteView();
  }

  // The canvas pixel at canvas position (x, y) plus (1, 1) screen pixels.
  QColor CanvasPixel(int x, int y) {
    QTest::qWait(20);
    const CPoint centre = m_view->Model().m_ptCentre;
    const QImage shot = m_view->viewport()->grab().toImage();
    const CPoint scroll = m_view->ScrollPosition();
    return shot.pixelColor(centre.x - scroll.x + x * 4 + 1, centre.y - scroll.y + y * 4 + 1);
  }
  QAction* Action(int id) { return m_app.MainFrame().Menus().Action(id); }
  // Waits for the canvas to show the colour, as the reload happens on its own.
  bool CanvasTurns(int x, int y, const QColor& colour) {
    for (int i = 0; i < 100 && CanvasPixel(x, y) != colour; ++i) QTest::qWait(30);
    return CanvasPixel(x, y) == colour;
  }

  TempDir m_dir;
  CPxoApp m_app;
  CPxoDoc* m_doc = nullptr;
  CPxoSpriteView* m_view = nullptr;
};

// The menus, the title's mark and the coordinates pane follow without being asked.
TEST_F(HistoryAndReload, CtrlZPutsAPlacedFrameBackAndTheMenuNamesTheStep) {
  EXPECT_FALSE(Action(ID_EDIT_UNDO)->isEnabled());
  EXPECT_EQ(Action(ID_EDIT_UNDO)->text(), "&Undo");
  EXPECT_EQ(CanvasPixel(0, 0), CellColour(1, 0));

  m_doc->SetSelection(CRect{0, 8, 8, 16});
  const CPoint centre = m_view->Model().m_ptCentre;
  const CPoint scroll = m_view->ScrollPosition();
  const QPoint at(centre.x - scroll.x + 10 * 4 + 1, centre.y - scroll.y + 10 * 4 + 1);  // canvas (10, 10)
  const QPoint inWindow = m_view->viewport()->mapTo(&m_app.MainFrame(), at);
  QTest::mouseMove(m_app.MainFrame().windowHandle(), inWindow);
  QTest::mouseClick(m_app.MainFrame().windowHandle(), Qt::LeftButton, {}, inWindow);
  EXPECT_EQ(CanvasPixel(10, 10), CellColour(0, 1));
  EXPECT_EQ(CanvasPixel(0, 0), QColor(Qt::white));
  EXPECT_EQ(m_app.MainFrame().CoordinatesPane()->text(), "X = 10, Y = 10");
  EXPECT_TRUE(m_app.MainFrame().ActiveChildFrame()->parentWidget()->isWindowModified());
  EXPECT_TRUE(Action(ID_EDIT_UNDO)->isEnabled());
  EXPECT_EQ(Action(ID_EDIT_UNDO)->text(), "&Undo Place Frame");
  EXPECT_TRUE(m_doc->IsModified());

  QTest::keyClick(&m_app.MainFrame(), Qt::Key_Z, Qt::ControlModifier);
  EXPECT_EQ(CanvasPixel(0, 0), CellColour(1, 0));
  EXPECT_EQ(CanvasPixel(10, 10), CellColour(0, 1));  // the selection is back, carried at the pointer
  CRect selection;
  EXPECT_TRUE(m_doc->GetSelection(selection));
  EXPECT_FALSE(m_doc->IsModified());  // back at the saved state
  EXPECT_FALSE(m_app.MainFrame().ActiveChildFrame()->parentWidget()->isWindowModified());
  EXPECT_EQ(Action(ID_EDIT_REDO)->text(), "&Redo Place Frame");
  EXPECT_FALSE(Action(ID_EDIT_UNDO)->isEnabled());

  QTest::keyClick(&m_app.MainFrame(), Qt::Key_Y, Qt::ControlModifier);
  EXPECT_EQ(CanvasPixel(10, 10), CellColour(0, 1));
  QTest::keyClick(&m_app.MainFrame(), Qt::Key_Backspace, Qt::AltModifier);  // Undo's second key
  EXPECT_EQ(Action(ID_EDIT_REDO)->text(), "&Redo Place Frame");
  for (int id : {ID_EDIT_CUT, ID_EDIT_COPY, ID_EDIT_PASTE}) EXPECT_FALSE(Action(id)->isEnabled());
}

TEST_F(HistoryAndReload, AnOpenedDocumentCarriesNoSelectionEscapeDropsAPickGridToggles) {
  CRect selection;
  EXPECT_FALSE(m_doc->GetSelection(selection));
  EXPECT_EQ(selection, (CRect{0, 0, 8, 8}));  // kept, and outlined on the sheet
  m_doc->SetSelection(CRect{0, 8, 8, 16});
  QTest::keyClick(&m_app.MainFrame(), Qt::Key_Escape);
  EXPECT_FALSE(m_doc->GetSelection(selection));
  EXPECT_FALSE(m_doc->IsModified());
  for (int i = 0; i < 2; ++i) {  // twice: the setting is left as it was
    const bool before = Action(ID_VIEW_GRID)->isChecked();
    Action(ID_VIEW_GRID)->trigger();
    EXPECT_NE(Action(ID_VIEW_GRID)->isChecked(), before);
  }
}

TEST_F(HistoryAndReload, ARewrittenSheetShowsOnTheCanvasByItself) {
  const QColor changed(255 - CellColour(1, 0).red(), 255 - CellColour(1, 0).green(), 255 - CellColour(1, 0).blue());
  WriteFile(m_dir / "cells.bmp", ChangedSheet());  // in place
  EXPECT_TRUE(CanvasTurns(0, 0, changed));
  EXPECT_EQ(m_app.MainFrame().statusBar()->currentMessage(), "Sheet reloaded");
  EXPECT_FALSE(m_doc->IsModified());
  EXPECT_FALSE(m_doc->History().CanUndo());

  WriteFile(m_dir / "new.bmp", CellSheet());  // as paint programs save: a new file renamed over the old
  std::filesystem::rename(m_dir / "new.bmp", m_dir / "cells.bmp");
  EXPECT_TRUE(CanvasTurns(0, 0, CellColour(1, 0)));
  ASSERT_EQ(m_doc->m_animations.size(), 1u);
  EXPECT_TRUE(m_doc->m_animations[0]->Frame(1)->m_bValid);
}

TEST_F(HistoryAndReload, ADeletedSheetKeepsThePicture) {
  std::filesystem::remove(m_dir / "cells.bmp");
  for (int i = 0; i < 100 && m_app.MainFrame().statusBar()->currentMessage().isEmpty(); ++i) QTest::qWait(30);
  EXPECT_TRUE(m_app.MainFrame().statusBar()->currentMessage().startsWith("The sheet could not be reloaded"));
  EXPECT_EQ(CanvasPixel(0, 0), CellColour(1, 0));
  WriteFile(m_dir / "cells.bmp", ChangedSheet());  // it comes back: tried again
  EXPECT_TRUE(CanvasTurns(0, 0, QColor(255 - CellColour(1, 0).red(), 255 - CellColour(1, 0).green(),
                                       255 - CellColour(1, 0).blue())));
}

}  // namespace
}  // namespace pixolan::test
