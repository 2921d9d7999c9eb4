// The console's display wired to the widgets: the window's picture follows the
// View flags and the worker's result; the budget pane's frame lines select frames.
#include <gtest/gtest.h>

#include <QListWidget>
#include <QTest>

#include "UiFixture.h"
#include "document/PxoDoc.h"
#include "ui/BudgetDock.h"
#include "ui/CommandIds.h"
#include "ui/ConsoleState.h"
#include "ui/MainFrame.h"
#include "ui/PxoApp.h"
#include "view/DisplayFlags.h"

namespace pixolan::test {
namespace {

TEST_F(FrameTest, ThePictureFollowsTheFlagsAndTheConsoleResult) {
  AddAnimation("Row", 1).Frame(1)->Set(CRect{0, 0, 32, 8}, 0, 0);
  DisplayFlags flags;
  flags.bConsoleColours = true;
  WriteDisplayFlags(m_settings, flags);
  CChildFrame& frame = Open();
  ASSERT_TRUE(frame.Console().WaitIdle(5000));
  CSheetPicture& picture = frame.Picture();
  ASSERT_TRUE(picture.ShowsConsole());
  // Cell (1, 0) through its 15-bit colour; the top-left cell is the transparent colour.
  const QColor sheet = CellColour(1, 0);
  const auto widen = [](int c) { return (c & 0xf8) | (c >> 5); };
  EXPECT_EQ(picture.Image().pixel(9, 0), qRgb(widen(sheet.red()), widen(sheet.green()), widen(sheet.blue())));
  EXPECT_EQ(qAlpha(picture.Image().pixel(0, 0)), 0);
  EXPECT_EQ(qAlpha(picture.Image().pixel(0, 8)), 255);  // below every frame: the sheet's colour
  flags.bConsoleColours = flags.bShowTransparency = false;
  WriteDisplayFlags(m_settings, flags);
  frame.ApplyDisplayFlags();
  EXPECT_FALSE(picture.ShowsConsole());
  EXPECT_EQ(picture.Image().pixel(0, 0), CellColour(0, 0).rgb());
  // A step is recomputed: the frame lifted, its cells no longer drawn by the console.
  flags.bConsoleColours = true;
  WriteDisplayFlags(m_settings, flags);
  frame.ApplyDisplayFlags();
  m_doc.m_pCurrentAnim = m_doc.AnimationAt(0);
  ASSERT_TRUE(m_doc.LiftCurrentFrame());
  m_doc.UpdateAllViews(nullptr, HINT_CURRENT_CHANGED);
  ASSERT_TRUE(frame.Console().WaitIdle(5000));
  EXPECT_EQ(picture.Image().pixel(9, 0), CellColour(1, 0).rgb());
}

TEST(BudgetPane, ShownByItsCommandAndAFrameLineSelectsTheFrame) {
  TempDir dir;
  const std::string path = SaveCellDocument(dir, [](CPxoDoc& doc) {
    doc.AddAnimation("Small", 1);
    doc.AddAnimation("Wide", 2);
    doc.m_animations[0]->Frame(1)->Set(CRect{0, 0, 8, 8}, 0, 0);
    doc.m_animations[1]->Frame(1)->Set(CRect{0, 0, 8, 8}, 0, 0);
    doc.m_animations[1]->Frame(2)->Set(CRect{0, 8, 32, 16}, 0, 0);
  });
  CPxoApp app;
  CPxoDoc* doc = app.OpenDocumentFile(path);
  ASSERT_NE(doc, nullptr);
  auto* dock = app.MainFrame().findChild<CBudgetDock*>();
  ASSERT_NE(dock, nullptr);
  const bool wasShown = ReadDisplayFlags(app.Settings()).bBudget;
  if (wasShown) app.MainFrame().OnCommand(ID_VIEW_BUDGET);
  EXPECT_FALSE(dock->isVisibleTo(&app.MainFrame()));
  app.MainFrame().OnCommand(ID_VIEW_BUDGET);
  EXPECT_TRUE(dock->isVisibleTo(&app.MainFrame()));
  ASSERT_TRUE(app.MainFrame().ActiveChildFrame()->Console().WaitIdle(5000));
  const QList<QListWidgetItem*> most =
      dock->List()->findItems("Most objects in a frame: 4 of 40 (\"Wide\" frame 2)", Qt::MatchExactly);
  ASSERT_EQ(most.size(), 1);
  dock->List()->itemClicked(most.front());
  EXPECT_EQ(doc->CurrentAnimationIndex(), std::optional<std::size_t>(1));
  EXPECT_EQ(doc->GetCurrentFrame(), 2);
  if (!wasShown) app.MainFrame().OnCommand(ID_VIEW_BUDGET);  // the settings as they were
}

}  // namespace
}  // namespace pixolan::test
