#include "ui/TemplateDialog.h"

#include <QApplication>
#include <QCheckBox>
#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>
#include <exception>

#include "ui/DialogUnits.h"
#include "ui/TextCodec.h"

namespace {

constexpr int kIdOk = 1;
constexpr int kIdCancel = 2;

QPixmap DialogIcon(const QWidget& widget, QSize size) {
  QIcon icon = QApplication::windowIcon();
  if (icon.isNull()) icon = widget.style()->standardIcon(QStyle::SP_MessageBoxInformation);
  return icon.pixmap(size);
}

}  // namespace

template <typename Action>
void CTemplateDialog::Guarded(Action&& action) {
  // Nothing may escape into Qt's event loop: a failure is reported and the dialog stays.
  try {
    action();
  } catch (const std::exception& error) {
    m_prompts.MessageBox(error.what());
  }
}

CTemplateDialog::CTemplateDialog(const DialogTemplate& dialogTemplate, pixolan::CDialog& dialog,
                                 pixolan::IPrompts& prompts, QWidget* parent)
    : QDialog(parent), m_dialog(dialog), m_prompts(prompts) {
  const QString title = dialog.Title().empty() ? QString::fromUtf8(dialogTemplate.title) : FromCoreText(dialog.Title());
  setWindowTitle(title);
  setWindowFlag(Qt::WindowContextHelpButtonHint, false);
  BuildControls(dialogTemplate);
  Guarded([this] {
    pixolan::DialogControls controls;
    m_dialog.UpdateData(false, controls);
    ShowControls(controls);
  });
}

QWidget* CTemplateDialog::Control(int controlId) const {
  const auto it = m_controls.find(controlId);
  return it == m_controls.end() ? nullptr : it->second;
}

QRect CTemplateDialog::ToPixels(const DialogUnitRect& rect) const {
  return pixolan::DialogUnitsToPixels(QFontMetrics(font()), rect.x, rect.y, rect.width, rect.height);
}

void CTemplateDialog::BuildControls(const DialogTemplate& dialogTemplate) {
  QRect used = ToPixels({0, 0, dialogTemplate.width, dialogTemplate.height});
  const int margin = ToPixels({0, 0, 7, 7}).width();
  QWidget* previous = nullptr;
  QWidget* firstFocus = nullptr;
  for (const ControlTemplate& control : dialogTemplate.controls) {
    QWidget* widget = MakeControl(control);
    if (control.nId != kStaticId) m_controls[control.nId] = widget;
    used = used.united(widget->geometry().adjusted(0, 0, margin, margin));
    if (widget->focusPolicy() == Qt::NoFocus) continue;
    if (previous) setTabOrder(previous, widget);
    previous = widget;
    // Start in the first field to type in, else on the first control that takes focus.
    const bool isEdit = control.kind == ControlKind::kEdit || control.kind == ControlKind::kNumberEdit;
    if (!firstFocus || (isEdit && !qobject_cast<QLineEdit*>(firstFocus))) firstFocus = widget;
  }
  setFixedSize(used.size());
  if (firstFocus) firstFocus->setFocus(Qt::TabFocusReason);
}

QWidget* CTemplateDialog::MakeButton(const ControlTemplate& control) {
  auto* button = new QPushButton(QString::fromUtf8(control.text), this);
  button->setDefault(control.kind == ControlKind::kDefaultButton);
  const int id = control.nId;
  connect(button, &QPushButton::clicked, this, [this, id] {
    if (id == kIdOk) OnOk();
    else if (id == kIdCancel) reject();
    else OnPushButton(id);
  });
  return button;
}

QWidget* CTemplateDialog::CreateWidget(const ControlTemplate& control) {
  const QString text = QString::fromUtf8(control.text);
  switch (control.kind) {
    case ControlKind::kButton:
    case ControlKind::kDefaultButton:
      return MakeButton(control);
    case ControlKind::kCheckBox:
      return new QCheckBox(text, this);
    case ControlKind::kEdit:
      return new QLineEdit(this);
    case ControlKind::kNumberEdit: {
      // No validator: whatever is typed reaches the data exchange, which refuses
      // it with the framework's own message.
      auto* edit = new QLineEdit(this);
      edit->setInputMethodHints(Qt::ImhDigitsOnly);
      return edit;
    }
    case ControlKind::kGroupBox:
      return new QGroupBox(text, this);
    case ControlKind::kLabel:
      return new QLabel(text, this);
    case ControlKind::kIcon:
      break;
  }
  return new QLabel(this);
}

QWidget* CTemplateDialog::MakeControl(const ControlTemplate& control) {
  QWidget* widget = CreateWidget(control);
  QRect rect = ToPixels(control.rect);
  // Labels and check boxes grow to their text, which the desktop's font may make
  // wider than the template allowed for.
  if (control.kind == ControlKind::kLabel || control.kind == ControlKind::kCheckBox) {
    rect.setWidth(std::max(rect.width(), widget->sizeHint().width()));
  }
  widget->setGeometry(rect);
  if (control.kind == ControlKind::kIcon) static_cast<QLabel*>(widget)->setPixmap(DialogIcon(*this, rect.size()));
  if (control.kind == ControlKind::kGroupBox) widget->lower();  // a frame behind the controls it holds
  if (control.kind == ControlKind::kGroupBox || control.kind == ControlKind::kLabel ||
      control.kind == ControlKind::kIcon) {
    widget->setFocusPolicy(Qt::NoFocus);
  }
  return widget;
}

void CTemplateDialog::ShowControls(const pixolan::DialogControls& controls) {
  for (const auto& [id, text] : controls) {
    QWidget* widget = Control(id);
    if (auto* edit = qobject_cast<QLineEdit*>(widget)) {
      edit->setText(FromCoreText(text));
    } else if (auto* box = qobject_cast<QCheckBox*>(widget)) {
      box->setChecked(text == "1");
    } else {
      continue;
    }
    m_shown[id] = text;
  }
}

pixolan::DialogControls CTemplateDialog::CollectControls() const {
  pixolan::DialogControls controls;
  for (const auto& [id, widget] : m_controls) {
    if (auto* edit = qobject_cast<QLineEdit*>(widget)) {
      const auto shown = m_shown.find(id);
      const bool untouched = shown != m_shown.end() && FromCoreText(shown->second) == edit->text();
      controls[id] = untouched ? shown->second : ToCoreText(edit->text());
    } else if (auto* box = qobject_cast<QCheckBox*>(widget)) {
      controls[id] = std::string(1, box->isChecked() ? '1' : '0');  // as the check box exchange writes it
    }
  }
  return controls;
}

void CTemplateDialog::OnPushButton(int controlId) {
  Guarded([this, controlId] {
    pixolan::DialogControls controls = CollectControls();
    if (m_dialog.OnCommand(controlId, m_prompts, controls)) ShowControls(controls);
  });
}

void CTemplateDialog::OnOk() {
  Guarded([this] {
    pixolan::DialogControls controls = CollectControls();
    const pixolan::DataExchangeResult result = m_dialog.UpdateData(true, controls);
    if (result.bOk) {
      accept();
      return;
    }
    m_prompts.MessageBox(result.strMessage);
    FocusControl(result.nFailedControl);  // the dialog stays open at the field
  });
}

void CTemplateDialog::FocusControl(int controlId) {
  QWidget* widget = Control(controlId);
  if (!widget) return;
  widget->setFocus(Qt::OtherFocusReason);
  if (auto* edit = qobject_cast<QLineEdit*>(widget)) edit->selectAll();
}
