#include "framework/ScriptedPrompts.h"

namespace pixolan {

void CScriptedPrompts::MessageBox(std::string_view text) {
  m_messages.emplace_back(text);
  if (m_sink) m_sink(text);
}

namespace {

int Next(std::deque<int>& queue, int whenEmpty) {
  if (queue.empty()) return whenEmpty;
  const int answer = queue.front();
  queue.pop_front();
  return answer;
}

}  // namespace

int CScriptedPrompts::AskYesNoCancel(std::string_view text) {
  m_questions.emplace_back(text);
  return Next(m_answers, IDCANCEL);
}

int CScriptedPrompts::WarningWithIgnoreAll(std::string_view text) {
  MessageBox(text);
  return Next(m_warningAnswers, IDOK);
}

std::optional<std::string> CScriptedPrompts::FileDialog(const FileDialogRequest& request) {
  m_fileRequests.push_back(request);
  if (m_files.empty()) return std::nullopt;
  std::optional<std::string> answer = std::move(m_files.front());
  m_files.pop_front();
  return answer;
}

int CScriptedPrompts::DoModal(CDialog& dialog) {
  ShownDialog shown{dialog.TemplateId(), dialog.Title(), {}, IDCANCEL};
  DialogControls controls;
  dialog.UpdateData(false, controls);
  shown.initialControls = controls;
  std::vector<DialogAction> actions;
  if (!m_dialogs.empty()) {
    actions = std::move(m_dialogs.front());
    m_dialogs.pop_front();
  }
  for (const DialogAction& action : actions) {
    if (action.kind == DialogAction::kSet) {
      controls[action.nControl] = action.strText;
    } else if (action.kind == DialogAction::kPress) {
      dialog.OnCommand(action.nControl, *this, controls);
    } else if (action.kind == DialogAction::kCancel) {
      break;
    } else {
      const DataExchangeResult result = dialog.UpdateData(true, controls);
      if (result.bOk) {
        shown.nResult = IDOK;
        break;
      }
      MessageBox(result.strMessage);  // the dialog stays open; the script goes on
    }
  }
  m_shownDialogs.push_back(shown);
  return shown.nResult;
}

}  // namespace pixolan
