// The seams of the desktop application: template dialogs driven by the core's dialog
// data, the message boxes and file dialogs of the prompts, settings in an INI file.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QFile>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

#include "ModalScript.h"
#include "document/AddAnimationDlg.h"
#include "document/InsertFrameDlg.h"
#include "export/ExportOptionsDlg.h"
#include "export/ExportPaletteDlg.h"
#include "ui/QtPrompts.h"
#include "ui/QtSettings.h"
#include "ui/TemplateDialog.h"
#include "ui/TextCodec.h"

namespace {

using pixolan::CDialog;

QWidget* Control(QWidget* dialog, int id) { return static_cast<CTemplateDialog*>(dialog)->Control(id); }
QLineEdit* Edit(QWidget* dialog, int id) { return qobject_cast<QLineEdit*>(Control(dialog, id)); }

void Press(QWidget* dialog, int id) { QTest::mouseClick(Control(dialog, id), Qt::LeftButton); }

// Types into a field the way a user does, replacing what it held.
void Type(QWidget* dialog, int id, const char* text) {
  QLineEdit* edit = Edit(dialog, id);
  edit->setFocus();
  edit->selectAll();
  QTest::keyClicks(edit, QString::fromUtf8(text));
}

// Reads a message box's title, icon and text, then presses one of its buttons.
ModalScript::Step Answer(QString* text, const QString& button = QStringLiteral("OK")) {
  return [text, button](QWidget* top) {
    auto* box = qobject_cast<QMessageBox*>(top);
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(box->windowTitle(), "Pixolan");
    EXPECT_EQ(box->icon(), QMessageBox::Warning);
    *text = box->text();
    for (QAbstractButton* candidate : box->buttons()) {
      if (candidate->text().remove('&') == button) QTest::mouseClick(candidate, Qt::LeftButton);
    }
  };
}

void RunScript(std::vector<ModalScript::Step> steps, const std::function<void()>& run) {
  ModalScript script(std::move(steps));
  run();
  EXPECT_TRUE(script.Finished());
}

struct ValidationCase {
  std::function<std::unique_ptr<CDialog>()> makeDialog;
  int nControl;
  const char* typed;
  const char* message;
};

void PrintTo(const ValidationCase& c, std::ostream* out) { *out << c.nControl << " = \"" << c.typed << '"'; }

class DialogValidation : public testing::TestWithParam<ValidationCase> {};

// A refused field shows the framework's message, keeps the dialog open and puts the
// focus back on that field with its text selected. (Which values each dialog refuses:
// the core's dialog tests.)
TEST_P(DialogValidation, ShowsMessageAndFocusesField) {
  const ValidationCase& c = GetParam();
  std::unique_ptr<CDialog> dialog = c.makeDialog();
  CQtPrompts prompts(nullptr);
  QString message;
  QWidget* focused = nullptr;
  QString selected;
  int result = 0;
  RunScript({[&](QWidget* top) {
               Type(top, c.nControl, c.typed);
               Press(top, pixolan::IDOK);
             },
             Answer(&message),
             [&](QWidget* top) {
               focused = top->focusWidget();  // the window's focus, active or not
               EXPECT_EQ(focused, Control(top, c.nControl));
               selected = Edit(top, c.nControl)->selectedText();
               Press(top, pixolan::IDCANCEL);
             }},
            [&] { result = prompts.DoModal(*dialog); });
  EXPECT_EQ(result, pixolan::IDCANCEL);
  EXPECT_EQ(message, QString::fromUtf8(c.message));
  EXPECT_EQ(selected, QString::fromUtf8(c.typed));
}

std::unique_ptr<CDialog> AddAnimation() { return std::make_unique<pixolan::CAddAnimationDlg>(); }
std::unique_ptr<CDialog> InsertFrame() { return std::make_unique<pixolan::CInsertFrameDlg>(); }
std::unique_ptr<CDialog> ExportPalette() { return std::make_unique<pixolan::CExportPaletteDlg>(); }

INSTANTIATE_TEST_SUITE_P(
    Dialogs, DialogValidation,
    testing::Values(ValidationCase{AddAnimation, 1003, "abc", "Please enter a positive integer."},
                    ValidationCase{InsertFrame, 1017, "65537", "Please enter an integer between 0 and 65536."},
                    ValidationCase{ExportPalette, 1023, "-1", "Please enter an integer between 0 and 252."}));

// Fields show the members as UTF-8 with a Latin-1 reading of stray bytes; an
// untouched name comes back byte for byte, typed values arrive in the members.
TEST(TemplateDialog, ShowsMembersAndTakesTypedValues) {
  pixolan::CAddAnimationDlg dialog;
  dialog.m_strName = "Caf\xe9";
  dialog.m_nNumFrames = 3;
  CQtPrompts prompts(nullptr);
  QString shownName;
  QString shownFrames;
  int result = 0;
  RunScript({[&](QWidget* top) {
              EXPECT_EQ(top->windowTitle(), "Add New Animation");
              shownName = Edit(top, 1002)->text();
              shownFrames = Edit(top, 1003)->text();
              Type(top, 1003, "12");
              QTest::keyClick(Edit(top, 1003), Qt::Key_Return);  // Enter is OK
            }},
            [&] { result = prompts.DoModal(dialog); });
  EXPECT_EQ(result, pixolan::IDOK);
  EXPECT_EQ(shownName, QString::fromUtf8("Caf\xc3\xa9"));
  EXPECT_EQ(shownFrames, "3");
  EXPECT_EQ(dialog.m_strName, "Caf\xe9");
  EXPECT_EQ(dialog.m_nNumFrames, 12u);
}

// Tab moves through the controls in template order; labels and frames are skipped.
TEST(TemplateDialog, TabOrderFollowsTemplate) {
  pixolan::CExportOptionsDlg dialog;
  CQtPrompts prompts(nullptr);
  std::vector<QWidget*> visited;
  std::vector<QWidget*> expected;
  RunScript({[&](QWidget* top) {
              for (int id : {1, 2, 1013, 1014, 1015, 1016, 1017, 1018, 1019, 1}) expected.push_back(Control(top, id));
              Control(top, 1)->setFocus();
              for (std::size_t i = 0; i < expected.size(); ++i) {
                visited.push_back(QApplication::focusWidget());
                QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
              }
              static_cast<QDialog*>(top)->reject();
            }},
            [&] { prompts.DoModal(dialog); });
  EXPECT_EQ(visited, expected);
}

// Browsing for the palette file keeps a box ticked before browsing and shows the
// picked path; the file dialog offers the assembler filter and the default name.
TEST(TemplateDialog, ExportOptionsBrowseKeepsTickedBox) {
  QTemporaryDir folder;
  const QString picked = folder.filePath("pal.asm");
  QFile(picked).open(QIODevice::WriteOnly);
  pixolan::CExportOptionsDlg dialog;
  CQtPrompts prompts(nullptr);
  QStringList filters;
  QString suffix;
  QString shownPath;
  bool stillTicked = false;
  int result = 0;
  RunScript({[&](QWidget* top) {
               QTest::mouseClick(Control(top, 1017), Qt::LeftButton, {}, QPoint(5, 5));
               Press(top, 1015);
             },
             [&](QWidget* top) {
               auto* files = qobject_cast<QFileDialog*>(top);
               ASSERT_NE(files, nullptr);
               filters = files->nameFilters();
               suffix = files->defaultSuffix();
               auto* name = files->findChild<QLineEdit*>("fileNameEdit");
               ASSERT_NE(name, nullptr);
               name->clear();
               QTest::keyClicks(name, picked);
               QTest::keyClick(name, Qt::Key_Return);
             },
             [&](QWidget* top) {
               shownPath = Edit(top, 1014)->text();
               stillTicked = qobject_cast<QCheckBox*>(Control(top, 1017))->isChecked();
               Press(top, pixolan::IDOK);
             }},
            [&] { result = prompts.DoModal(dialog); });
  EXPECT_EQ(filters, (QStringList{"Assembler Files (*.asm)", "All Files (*)"}));
  EXPECT_EQ(suffix, "asm");
  EXPECT_EQ(shownPath, picked);
  EXPECT_TRUE(stillTicked);
  ASSERT_EQ(result, pixolan::IDOK);
  EXPECT_EQ(dialog.m_strPaletteName, ToCorePath(picked));
  EXPECT_EQ(dialog.m_bFirstTrans, 1);
}

// The three questions: each button's answer, and a text that is not UTF-8 nor markup.
TEST(QtPrompts, BoxesAnswerWithTheirButtons) {
  CQtPrompts prompts(nullptr);
  QString asked;
  QString told;
  std::vector<int> answers;
  RunScript({Answer(&asked, "Yes"), Answer(&asked, "No"), Answer(&asked, "Cancel"), Answer(&asked, "Ignore All"),
             Answer(&told)},
            [&] {
              for (int i = 0; i < 3; ++i) answers.push_back(prompts.AskYesNoCancel("Save changes to Pixolan1?"));
              answers.push_back(prompts.WarningWithIgnoreAll("Block"));
              prompts.MessageBox("FATAL: <b>caf\xe9</b>");
            });
  EXPECT_EQ(answers, (std::vector<int>{pixolan::IDYES, pixolan::IDNO, pixolan::IDCANCEL, pixolan::IDIGNORE}));
  EXPECT_EQ(told, QString::fromUtf8("FATAL: <b>caf\xc3\xa9</b>"));
}

TEST(TextCodec, Utf8WithLatin1ForStrayBytes) {
  EXPECT_EQ(FromCoreText("Walk \xc3\xa9t\xc3\xa9"), QString::fromUtf8("Walk \xc3\xa9t\xc3\xa9"));
  EXPECT_EQ(FromCoreText("Caf\xe9 \xc3\xa9"), QString::fromUtf8("Caf\xc3\xa9 \xc3\xa9"));
  EXPECT_EQ(FromCoreText("\xc0\xaf\xed\xa0\x80"), QString::fromLatin1("\xc0\xaf\xed\xa0\x80"));  // overlong, surrogate
  EXPECT_EQ(FromCoreText("\xf0\x9f\x98\x80\xe2\x82"),  // a sequence cut short
            QString::fromUtf8("\xf0\x9f\x98\x80") + QString::fromLatin1("\xe2\x82"));
  EXPECT_EQ(ToCoreText(QString::fromUtf8("Caf\xc3\xa9")), "Caf\xc3\xa9");
}

// Settings go to Brindlewerk/Pixolan/Pixolan.ini in the user's configuration folder,
// one group per section, and come back in a new run; missing or non-numeric
// integers give the default, strings that are not UTF-8 come back unchanged.
TEST(QtSettings, RoundTripThroughIniFile) {
  QTemporaryDir config;
  const QString previous = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
  QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, config.path());
  {
    CQtSettings settings;
    settings.WriteProfileInt("ExportPalette", "Palette3", 252);
    settings.WriteProfileString("ExportOptions", "PaletteName", "/tmp/caf\xe9.asm");
    settings.WriteProfileString("Recent File List", "File1", "/home/a/walker.pxo");
    settings.WriteProfileString("Settings", "PreviewPages", "two");
    EXPECT_EQ(settings.FileName(), config.filePath("Brindlewerk/Pixolan/Pixolan.ini"));
  }
  QFile file(config.filePath("Brindlewerk/Pixolan/Pixolan.ini"));
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  const QByteArray ini = file.readAll();
  EXPECT_TRUE(ini.contains("[ExportPalette]\nPalette3=252\n")) << ini.constData();
  CQtSettings reread;
  EXPECT_EQ(reread.GetProfileInt("ExportPalette", "Palette3", 48), 252);
  EXPECT_EQ(reread.GetProfileInt("ExportPalette", "Palette4", 64), 64);
  EXPECT_EQ(reread.GetProfileInt("Settings", "PreviewPages", 1), 1);
  EXPECT_EQ(reread.GetProfileString("ExportOptions", "PaletteName", ""), "/tmp/caf\xe9.asm");
  EXPECT_EQ(reread.GetProfileString("Recent File List", "File1", ""), "/home/a/walker.pxo");
  EXPECT_EQ(reread.GetProfileString("Recent File List", "File2", "none"), "none");
  QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, previous);
}

}  // namespace
