#pragma once
// The About box: a template with the program's name and version, and OK.
#include "framework/Dialog.h"

class CAboutDlg : public pixolan::CDialog {
 public:
  enum { IDD = 100 };

  CAboutDlg() : CDialog(IDD, "About Pixolan") {}

  void DoDataExchange(pixolan::CDataExchange& /*dx*/) override {}
};
