#pragma once
// A modal dialog's data: its template, title, members and data exchange. The
// widgets that show it live in the GUI; tests drive it through a script.
#include <string>

#include "framework/DataExchange.h"

namespace pixolan {

class IPrompts;

struct DataExchangeResult {
  bool bOk = true;
  int nFailedControl = 0;
  std::string strMessage;  // the validation message to show, when not ok
};

class CDialog {
 public:
  CDialog(int templateId, std::string title) : m_nTemplateId(templateId), m_strTitle(std::move(title)) {}
  virtual ~CDialog() = default;

  int TemplateId() const { return m_nTemplateId; }
  const std::string& Title() const { return m_strTitle; }

  virtual void DoDataExchange(CDataExchange& dx) = 0;
  // false: members -> controls. true: controls -> members, validated.
  DataExchangeResult UpdateData(bool saveAndValidate, DialogControls& controls);
  // A push button other than OK and Cancel; true when the dialog handled it.
  virtual bool OnCommand(int controlId, IPrompts& prompts, DialogControls& controls);

 private:
  int m_nTemplateId;
  std::string m_strTitle;
};

}  // namespace pixolan
