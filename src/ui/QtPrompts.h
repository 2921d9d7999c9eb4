#pragma once
// The core's questions answered with Qt: message boxes, file dialogs and the
// template dialogs, all modal over the main window (or over the dialog on top).
#include <optional>
#include <string>
#include <string_view>

#include "framework/Prompts.h"

class QWidget;

class CQtPrompts : public pixolan::IPrompts {
 public:
  explicit CQtPrompts(QWidget* parent) : m_parent(parent) {}

  void MessageBox(std::string_view text) override;
  std::optional<std::string> FileDialog(const pixolan::FileDialogRequest& request) override;
  int DoModal(pixolan::CDialog& dialog) override;
  int AskYesNoCancel(std::string_view text) override;
  int WarningWithIgnoreAll(std::string_view text) override;

 private:
  QWidget* ModalParent() const;

  QWidget* m_parent;
};
