// The application shell: numbered new documents and their windows, the editing
// commands that stay disabled, the save prompt's three answers, a broken file.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QDropEvent>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMessageBox>
#include <QMimeData>
#include <QUrl>
#include <stdexcept>
#include <QTest>

#include "ModalScript.h"
#include "UiFixture.h"
#include "document/PxoDoc.h"
#include "ui/ChildFrame.h"
#include "ui/CommandIds.h"
#include "ui/MainFrame.h"
#include "ui/MainMenus.h"
#include "ui/PxoApp.h"

namespace pixolan::test {
namespace {

// Presses a button of the message box on top and keeps its text.
ModalScript::Step AnswerBox(QString* text, QMessageBox::StandardButton button) {
  return [text, button](QWidget* top) {
    auto* box = qobject_cast<QMessageBox*>(top);
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(box->windowTitle(), "Pixolan");
    *text = box->text();
    QTest::mouseClick(box->button(button), Qt::LeftButton);
  };
}

class Shell : public ::testing::Test {
 protected:
  std::string SavedDocument() { return SaveCellDocument(m_dir); }
  QMdiSubWindow* SubWindowOf(CPxoDoc* doc) {
    for (QMdiSubWindow* sub : m_app.MainFrame().MdiArea()->subWindowList()) {
      if (&qobject_cast<CChildFrame*>(sub->widget())->Document() == doc) return sub;
    }
    return nullptr;
  }
  // Closes the document's window, answering the save prompt with `button`.
  QString CloseAnswering(CPxoDoc* doc, QMessageBox::StandardButton button) {
    QString asked;
    ModalScript script({AnswerBox(&asked, button)});
    SubWindowOf(doc)->close();
    QTest::qWait(20);
    EXPECT_TRUE(script.Finished());
    return asked;
  }

  TempDir m_dir;
  CPxoApp m_app;
};

TEST_F(Shell, NewDocumentsAreNumberedAndEveryWindowHasItsOwnViews) {
  CPxoDoc* first = m_app.OnFileNew();
  CPxoDoc* second = m_app.OnFileNew();
  ASSERT_TRUE(first != nullptr && second != nullptr);
  EXPECT_EQ(first->GetTitle(), "Pixolan1");
  EXPECT_EQ(second->GetTitle(), "Pixolan2");
  m_app.MainFrame().OnCommand(ID_WINDOW_NEW);
  const std::vector<CChildFrame*> frames = m_app.MainFrame().ChildFrames();
  ASSERT_EQ(frames.size(), 3u);
  EXPECT_EQ(&frames[2]->Document(), second);
  EXPECT_NE(frames[2]->SpriteView(), frames[1]->SpriteView());
  EXPECT_EQ(m_app.FrameTitle(*frames[2]), "Pixolan2:2");
  EXPECT_TRUE(qobject_cast<QMdiSubWindow*>(frames[2]->parentWidget())->isMaximized());
  for (int id : {ID_EDIT_UNDO, ID_EDIT_CUT, ID_EDIT_COPY, ID_EDIT_PASTE}) {
    EXPECT_FALSE(m_app.MainFrame().Menus().Action(id)->isEnabled()) << id;
  }
}

TEST_F(Shell, ClosingAModifiedDocumentAsksToSaveIt) {
  const std::string path = SavedDocument();
  const std::vector<std::uint8_t> saved = ReadFile(path);
  CPxoDoc* doc = m_app.OpenDocumentFile(path);
  ASSERT_NE(doc, nullptr);
  doc->SetCurrentAnimation(nullptr);
  doc->m_animations.push_back(std::make_unique<CAnimation>());
  doc->m_animations.back()->SetName("Run");
  doc->m_animations.back()->SetFrameCount(1);
  doc->SetModifiedFlag();

  EXPECT_EQ(CloseAnswering(doc, QMessageBox::Cancel), QString::fromStdString("Save changes to " + path + "?"));
  ASSERT_EQ(m_app.Documents().size(), 1u);
  EXPECT_EQ(ReadFile(path), saved);

  CloseAnswering(doc, QMessageBox::Yes);
  EXPECT_TRUE(m_app.Documents().empty());
  EXPECT_NE(ReadFile(path), saved);  // now with the animation

  const std::vector<std::uint8_t> withRun = ReadFile(path);
  doc = m_app.OpenDocumentFile(path);
  ASSERT_NE(doc, nullptr);
  doc->m_animations.clear();
  doc->SetModifiedFlag();
  CloseAnswering(doc, QMessageBox::No);
  EXPECT_TRUE(m_app.Documents().empty());
  EXPECT_EQ(ReadFile(path), withRun);
}

TEST_F(Shell, ABrokenDocumentIsRefusedWithItsMessage) {
  const auto path = m_dir / "broken.pxo";
  WriteFile(path, std::string_view("PXOV1.01\x05\x00\x00\x00", 12));
  QString message;
  ModalScript script({AnswerBox(&message, QMessageBox::Ok)});
  EXPECT_EQ(m_app.OpenDocumentFile(path.string()), nullptr);
  EXPECT_TRUE(script.Finished());
  EXPECT_EQ(message, QString::fromStdString("An unknown error occurred while accessing " + path.string() + "."));
  EXPECT_TRUE(m_app.MainFrame().ChildFrames().empty());
}

TEST_F(Shell, DroppedDocumentsOpen) {
  const std::string path = SavedDocument();
  QMimeData mime;
  mime.setUrls({QUrl::fromLocalFile(QString::fromStdString(path))});
  m_app.MainFrame().show();  // a window takes drops once it is on screen
  QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction, &mime, Qt::LeftButton, {});
  QApplication::sendEvent(&m_app.MainFrame(), &enter);
  EXPECT_TRUE(enter.isAccepted());
  QDropEvent drop(QPointF(10, 10), Qt::CopyAction, &mime, Qt::LeftButton, {});
  QApplication::sendEvent(&m_app.MainFrame(), &drop);
  ASSERT_EQ(m_app.Documents().size(), 1u);
  EXPECT_EQ(m_app.Documents().front()->GetPathName(), path);
}

TEST_F(Shell, TheTitleAndTheWindowMenuFollowTheActiveDocument) {
  CMainFrame& main = m_app.MainFrame();
  const auto title = [&] { return QString(main.windowTitle()).replace("[*]", main.isWindowModified() ? "*" : ""); };
  EXPECT_EQ(title(), "Pixolan");
  CPxoDoc* first = m_app.OnFileNew();
  EXPECT_EQ(title(), "Pixolan - [Pixolan1]");
  first->AddAnimation("Run", 2);  // a step: modified
  EXPECT_EQ(title(), "Pixolan - [Pixolan1*]");
  m_app.OnFileNew();
  EXPECT_EQ(title(), "Pixolan - [Pixolan2]");
  const auto entries = [&] {
    QStringList shown;
    for (QAction* action : main.Menus().Menu("&Window")->actions()) {
      if (action->isCheckable()) shown << action->text() + (action->isChecked() ? " (active)" : "");
    }
    return shown;
  };
  EXPECT_EQ(entries(), (QStringList{"&1 Pixolan1", "&2 Pixolan2 (active)"}));
  for (QAction* action : main.Menus().Menu("&Window")->actions()) {
    if (action->text() == "&1 Pixolan1") action->trigger();
  }
  EXPECT_EQ(&main.ActiveChildFrame()->Document(), first);
  EXPECT_EQ(entries(), (QStringList{"&1 Pixolan1 (active)", "&2 Pixolan2"}));
  EXPECT_EQ(title(), "Pixolan - [Pixolan1*]");
}

// An event handler that fails the way a command can.
class Throwing : public QObject {
 public:
  bool event(QEvent*) override { throw std::runtime_error("disk on fire"); }
};

TEST_F(Shell, AFailingHandlerShowsAMessageAndTheApplicationGoesOn) {
  CPxoDoc* doc = m_app.OnFileNew();
  Throwing throwing;
  QString message;
  ModalScript script({AnswerBox(&message, QMessageBox::Ok)});
  QEvent event(QEvent::User);
  EXPECT_FALSE(QApplication::sendEvent(&throwing, &event));
  EXPECT_TRUE(script.Finished());
  EXPECT_EQ(message, "The command was not completed: disk on fire");
  ASSERT_EQ(m_app.Documents().size(), 1u);
  EXPECT_EQ(m_app.Documents().front(), doc);
}

}  // namespace
}  // namespace pixolan::test
