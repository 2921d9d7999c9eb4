#pragma once
// What the core asks of the user: message boxes, file dialogs and modal dialogs.
// The GUI answers with widgets; tests and the command line answer from a script.
#include <optional>
#include <string>
#include <string_view>

namespace pixolan {

class CDialog;

inline constexpr int IDOK = 1;
inline constexpr int IDCANCEL = 2;
inline constexpr int IDIGNORE = 5;
inline constexpr int IDYES = 6;
inline constexpr int IDNO = 7;
inline constexpr const char* kAppName = "Pixolan";

struct FileDialogRequest {
  bool bOpen = true;               // open or save-as
  std::string strDefaultExt;       // ".asm", ".bmp", ".lbm"
  std::string strInitialName;      // empty: none
  bool bHideReadOnly = true;
  bool bOverwritePrompt = true;
  // Description and pattern pairs, each followed by "|", the list ended by a second "|".
  std::string strFilter;
};

class IPrompts {
 public:
  virtual ~IPrompts() = default;
  // Modal, OK button, warning icon, the application's name as title.
  virtual void MessageBox(std::string_view text) = 0;
  // Modal question with Yes, No and Cancel, warning icon, the application's name
  // as title: IDYES, IDNO or IDCANCEL.
  virtual int AskYesNoCancel(std::string_view text) = 0;
  // A warning that may repeat within one run of work: OK (IDOK) or "Ignore All"
  // (IDIGNORE: the caller skips the rest of its warnings of this kind).
  virtual int WarningWithIgnoreAll(std::string_view text) {
    MessageBox(text);
    return IDOK;
  }
  // The chosen full path, or nothing on cancel.
  virtual std::optional<std::string> FileDialog(const FileDialogRequest& request) = 0;
  // Runs the dialog modally; IDOK only after its data exchange validated.
  virtual int DoModal(CDialog& dialog) = 0;
};

}  // namespace pixolan
