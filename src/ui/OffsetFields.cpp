#include "ui/OffsetFields.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>

#include "document/PxoDoc.h"
#include "export/ByteFields.h"

namespace pixolan {
namespace {

QLineEdit* OffsetEdit(const char* name, QWidget* parent) {
  auto* edit = new QLineEdit(parent);
  edit->setAlignment(Qt::AlignRight);
  edit->setAccessibleName(name);
  return edit;
}

// A typed offset, or nothing when it is no whole number or past a signed byte.
std::optional<std::int32_t> TypedOffset(const QLineEdit& edit) {
  bool ok = false;
  const int value = edit.text().trimmed().toInt(&ok);
  if (!ok || !OffsetFitsByte(value)) return std::nullopt;
  return value;
}

}  // namespace

COffsetFields::COffsetFields(CPxoDoc& doc, QWidget* parent)
    : QWidget(parent), m_doc(doc), m_bridge(doc, [this](UpdateHint) { ShowOffsets(); }) {
  auto* layout = new QHBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  m_editX = OffsetEdit("X Offset", this);
  m_editY = OffsetEdit("Y Offset", this);
  layout->addWidget(new QLabel("X", this));
  layout->addWidget(m_editX);
  layout->addWidget(new QLabel("Y", this));
  layout->addWidget(m_editY);
  for (QLineEdit* edit : {m_editX, m_editY}) connect(edit, &QLineEdit::returnPressed, this, &COffsetFields::Apply);
  ShowOffsets();
}

void COffsetFields::ShowOffsets() {
  const CAnimFrame* frame = m_doc.CurrentFrameRecord();
  const bool placed = frame != nullptr && frame->m_bValid;
  m_editX->setText(placed ? QString::number(frame->m_nOffsetX) : QString());
  m_editY->setText(placed ? QString::number(frame->m_nOffsetY) : QString());
  setEnabled(placed);
}

void COffsetFields::Apply() {
  const std::optional<std::int32_t> x = TypedOffset(*m_editX);
  const std::optional<std::int32_t> y = TypedOffset(*m_editY);
  if (!x || !y) {
    m_doc.Prompts().MessageBox(kMsgOffsetRange);
    ShowOffsets();
    return;
  }
  m_doc.MoveCurrentFrame(*x, *y);
  ShowOffsets();
}

}  // namespace pixolan
