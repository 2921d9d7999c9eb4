#pragma once
// A modal Qt dialog built from a dialog template and driven by the core's dialog
// data class: the data exchange fills and reads the widgets, a failed validation
// shows its message and puts the focus back on that field.
#include <QDialog>
#include <map>

#include "framework/DataExchange.h"
#include "framework/Dialog.h"
#include "framework/Prompts.h"
#include "ui/DialogTemplates.h"

class CTemplateDialog : public QDialog {
  Q_OBJECT

 public:
  CTemplateDialog(const DialogTemplate& dialogTemplate, pixolan::CDialog& dialog, pixolan::IPrompts& prompts,
                  QWidget* parent = nullptr);

  // The widget of a control with an id, or nullptr.
  QWidget* Control(int controlId) const;

 private:
  void BuildControls(const DialogTemplate& dialogTemplate);
  QWidget* MakeControl(const ControlTemplate& control);
  QWidget* CreateWidget(const ControlTemplate& control);
  QWidget* MakeButton(const ControlTemplate& control);
  QRect ToPixels(const DialogUnitRect& rect) const;
  void ShowControls(const pixolan::DialogControls& controls);
  pixolan::DialogControls CollectControls() const;
  void OnPushButton(int controlId);
  void OnOk();
  void FocusControl(int controlId);
  template <typename Action>
  void Guarded(Action&& action);

  pixolan::CDialog& m_dialog;
  pixolan::IPrompts& m_prompts;
  std::map<int, QWidget*> m_controls;
  // The core's text last shown in each field: a field left untouched gives back
  // these bytes, even where they are not valid UTF-8.
  pixolan::DialogControls m_shown;
};
