#pragma once
// Prompts answered from a script: queued file-dialog answers and dialog actions.
// Records every message box, file dialog request and dialog shown, for tests and
// for the command line (which prints the messages).
#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "framework/Dialog.h"
#include "framework/Prompts.h"

namespace pixolan {

struct DialogAction {
  enum Kind { kSet, kPress, kOk, kCancel };
  Kind kind = kOk;
  int nControl = 0;
  std::string strText;

  static DialogAction Set(int id, std::string text) { return {kSet, id, std::move(text)}; }
  static DialogAction Press(int id) { return {kPress, id, {}}; }
  static DialogAction Ok() { return {kOk, 0, {}}; }
  static DialogAction Cancel() { return {kCancel, 0, {}}; }
};

struct ShownDialog {
  int nTemplateId = 0;
  std::string strTitle;
  DialogControls initialControls;  // what the dialog showed when it opened
  int nResult = IDCANCEL;
};

class CScriptedPrompts : public IPrompts {
 public:
  // Answers for the next dialogs and file dialogs, in order. An exhausted queue cancels.
  void QueueDialog(std::vector<DialogAction> actions) { m_dialogs.push_back(std::move(actions)); }
  void QueueFile(std::optional<std::string> path) { m_files.push_back(std::move(path)); }
  // Answers for the next questions and ignorable warnings; an exhausted queue
  // answers IDCANCEL to a question and IDOK to a warning.
  void QueueAnswer(int answer) { m_answers.push_back(answer); }
  void QueueWarningAnswer(int answer) { m_warningAnswers.push_back(answer); }
  // Called for every message box as it is shown (the command line prints them).
  void SetMessageSink(std::function<void(std::string_view)> sink) { m_sink = std::move(sink); }

  void MessageBox(std::string_view text) override;
  int AskYesNoCancel(std::string_view text) override;
  int WarningWithIgnoreAll(std::string_view text) override;
  std::optional<std::string> FileDialog(const FileDialogRequest& request) override;
  int DoModal(CDialog& dialog) override;

  std::vector<std::string> m_messages;  // message boxes and ignorable warnings
  std::vector<std::string> m_questions;
  std::vector<FileDialogRequest> m_fileRequests;
  std::vector<ShownDialog> m_shownDialogs;

 private:
  std::deque<std::vector<DialogAction>> m_dialogs;
  std::deque<std::optional<std::string>> m_files;
  std::deque<int> m_answers;
  std::deque<int> m_warningAnswers;
  std::function<void(std::string_view)> m_sink;
};

}  // namespace pixolan
