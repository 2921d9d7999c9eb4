#pragma once
// Prompts that show nothing and keep every distinct message in the order first
// met: for work run where no one can answer, such as the desktop's background
// export, which lists the messages instead. Warnings are answered OK so that
// every one of them is heard; questions No; file dialogs and dialogs cancel.
#include <set>
#include <string>
#include <vector>

#include "framework/Prompts.h"

namespace pixolan {

class CCollectingPrompts : public IPrompts {
 public:
  void MessageBox(std::string_view text) override { Keep(text); }
  int AskYesNoCancel(std::string_view text) override {
    Keep(text);
    return IDNO;
  }
  int WarningWithIgnoreAll(std::string_view text) override {
    Keep(text);
    return IDOK;
  }
  std::optional<std::string> FileDialog(const FileDialogRequest&) override { return std::nullopt; }
  int DoModal(CDialog&) override { return IDCANCEL; }

  const std::vector<std::string>& Messages() const { return m_messages; }

 private:
  void Keep(std::string_view text) {
    if (m_seen.emplace(text).second) m_messages.emplace_back(text);
  }

  std::set<std::string, std::less<>> m_seen;
  std::vector<std::string> m_messages;
};

}  // namespace pixolan
