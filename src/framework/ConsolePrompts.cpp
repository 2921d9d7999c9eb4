#include "framework/ConsolePrompts.h"

namespace pixolan {

void CConsolePrompts::MessageBox(std::string_view text) {
  if (m_sink) m_sink(text);
}

int CConsolePrompts::AskYesNoCancel(std::string_view text) {
  (void)text;
  return IDNO;
}

std::optional<std::string> CConsolePrompts::FileDialog(const FileDialogRequest& request) {
  (void)request;
  return std::nullopt;
}

int CConsolePrompts::DoModal(CDialog& dialog) {
  (void)dialog;
  return IDCANCEL;
}

}  // namespace pixolan
