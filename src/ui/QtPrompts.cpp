#include "ui/QtPrompts.h"

#include <QApplication>
#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QStringList>
#include <QTimer>

#include "ui/DialogTemplates.h"
#include "ui/TemplateDialog.h"
#include "ui/TextCodec.h"
#include "view/FileFilter.h"

namespace {

// A warning box with the application's name as title; the text is shown as typed,
// never as markup (paths and names may contain '<').
void SetUpWarning(QMessageBox& box, std::string_view text) {
  box.setIcon(QMessageBox::Warning);
  box.setWindowTitle(QString::fromUtf8(pixolan::kAppName));
  box.setTextFormat(Qt::PlainText);
  box.setText(FromCoreText(text));
}

// The core's "desc|pattern|...||" filter as the file dialog's name filters.
QString NameFilters(const std::string& filter) {
  QStringList filters;
  for (const std::string& entry : pixolan::DesktopFilters(filter)) filters << FromCoreText(entry);
  return filters.join(QStringLiteral(";;"));
}

// Mode, filters, default suffix (without its dot) and initial name of a request. The
// read-only box the request may hide does not exist in these dialogs.
void ConfigureFileDialog(QFileDialog& fileDialog, const pixolan::FileDialogRequest& request) {
  fileDialog.setWindowTitle(request.bOpen ? QStringLiteral("Open") : QStringLiteral("Save As"));
  fileDialog.setAcceptMode(request.bOpen ? QFileDialog::AcceptOpen : QFileDialog::AcceptSave);
  fileDialog.setFileMode(request.bOpen ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
  fileDialog.setOption(QFileDialog::DontConfirmOverwrite, !request.bOverwritePrompt);
  fileDialog.setNameFilter(NameFilters(request.strFilter));
  std::string suffix = request.strDefaultExt;
  if (!suffix.empty() && suffix.front() == '.') suffix.erase(0, 1);
  fileDialog.setDefaultSuffix(FromCorePath(suffix));
  if (!request.strInitialName.empty()) fileDialog.selectFile(FromCorePath(request.strInitialName));
}

// A chosen file is read right after the dialog closes, on this thread (a sheet or
// a document): a busy cursor shows until the application waits for input again.
void ShowBusyUntilIdle() {
  QApplication::setOverrideCursor(Qt::WaitCursor);
  QTimer::singleShot(0, [] { QApplication::restoreOverrideCursor(); });
}

}  // namespace

QWidget* CQtPrompts::ModalParent() const {
  QWidget* top = QApplication::activeModalWidget();
  return top ? top : m_parent;
}

void CQtPrompts::MessageBox(std::string_view text) {
  QMessageBox box(ModalParent());
  SetUpWarning(box, text);
  box.setStandardButtons(QMessageBox::Ok);
  box.exec();
}

int CQtPrompts::AskYesNoCancel(std::string_view text) {
  QMessageBox box(ModalParent());
  SetUpWarning(box, text);
  box.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
  box.setDefaultButton(QMessageBox::Yes);
  box.setEscapeButton(QMessageBox::Cancel);
  switch (box.exec()) {
    case QMessageBox::Yes:
      return pixolan::IDYES;
    case QMessageBox::No:
      return pixolan::IDNO;
    default:
      return pixolan::IDCANCEL;
  }
}

int CQtPrompts::WarningWithIgnoreAll(std::string_view text) {
  QMessageBox box(ModalParent());
  SetUpWarning(box, text);
  QPushButton* ok = box.addButton(QMessageBox::Ok);
  QPushButton* ignoreAll = box.addButton(QStringLiteral("Ignore All"), QMessageBox::RejectRole);
  box.setDefaultButton(ok);
  box.setEscapeButton(ok);  // closing the box is a plain OK: the next warning still shows
  box.exec();
  return box.clickedButton() == ignoreAll ? pixolan::IDIGNORE : pixolan::IDOK;
}

std::optional<std::string> CQtPrompts::FileDialog(const pixolan::FileDialogRequest& request) {
  QFileDialog fileDialog(ModalParent());
  ConfigureFileDialog(fileDialog, request);
  if (fileDialog.exec() != QDialog::Accepted || fileDialog.selectedFiles().isEmpty()) return std::nullopt;
  if (request.bOpen) ShowBusyUntilIdle();
  return ToCorePath(fileDialog.selectedFiles().constFirst());
}

int CQtPrompts::DoModal(pixolan::CDialog& dialog) {
  const DialogTemplate* dialogTemplate = FindDialogTemplate(dialog.TemplateId());
  if (!dialogTemplate) return pixolan::IDCANCEL;
  CTemplateDialog window(*dialogTemplate, dialog, *this, ModalParent());
  return window.exec() == QDialog::Accepted ? pixolan::IDOK : pixolan::IDCANCEL;
}
