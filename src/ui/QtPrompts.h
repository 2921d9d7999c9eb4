#pragma once
// The core's questions answered with Qt: message boxes, file dialogs and the
// template dialogs, all modal over the main window (or over the dialog on top).
#include <QString>
#include <optional>
#include <string>
#include <string_view>

#include "framework/Prompts.h"

class QFileDialog;
class QWidget;

class CQtPrompts : public pixolan::IPrompts {
 public:
  explicit CQtPrompts(QWidget* parent) : m_parent(parent) {}

  void MessageBox(std::string_view text) override;
  std::optional<std::string> FileDialog(const pixolan::FileDialogRequest& request) override;
  int DoModal(pixolan::CDialog& dialog) override;
  int AskYesNoCancel(std::string_view text) override;
  int WarningWithIgnoreAll(std::string_view text) override;

  // Sets up a file dialog for a request: mode, filters, default suffix, initial name.
  static void ConfigureFileDialog(QFileDialog& fileDialog, const pixolan::FileDialogRequest& request);
  // The core's "desc|pattern|...||" filter as the file dialog's name filters.
  static QString NameFilters(const std::string& filter);

 private:
  QWidget* ModalParent() const;

  QWidget* m_parent;
};
