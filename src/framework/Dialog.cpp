#include "framework/Dialog.h"

namespace pixolan {

DataExchangeResult CDialog::UpdateData(bool saveAndValidate, DialogControls& controls) {
  CDataExchange dx(controls, saveAndValidate);
  DoDataExchange(dx);
  if (!dx.Failed()) return {};
  return DataExchangeResult{false, dx.FailedControl(), dx.FailureMessage()};
}

bool CDialog::OnCommand(int controlId, IPrompts& prompts, DialogControls& controls) {
  (void)controlId;
  (void)prompts;
  (void)controls;
  return false;
}

}  // namespace pixolan
