#pragma once
// Prompts for a program without a user at the keyboard (the command line):
// every message goes to a sink as it is shown and is not kept; file dialogs and
// modal dialogs are cancelled; a question is answered No (nothing is saved
// behind the user's back); each ignorable warning is printed, never ignored.
#include <functional>
#include <string_view>

#include "framework/Prompts.h"

namespace pixolan {

class CConsolePrompts : public IPrompts {
 public:
  explicit CConsolePrompts(std::function<void(std::string_view)> sink) : m_sink(std::move(sink)) {}

  void MessageBox(std::string_view text) override;
  int AskYesNoCancel(std::string_view text) override;
  std::optional<std::string> FileDialog(const FileDialogRequest& request) override;
  int DoModal(CDialog& dialog) override;

 private:
  std::function<void(std::string_view)> m_sink;
};

}  // namespace pixolan
