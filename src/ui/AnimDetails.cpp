#include "ui/AnimDetails.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMouseEvent>
#include <QResizeEvent>
#include <QPushButton>
#include <QRegularExpressionValidator>

#include "document/PxoDoc.h"
#include "ui/AnimListBox.h"
#include "ui/CommandTable.h"
#include "ui/DialogUnits.h"
#include "ui/OffsetFields.h"
#include "ui/TextCodec.h"
#include "ui/UpDownControl.h"

namespace pixolan {
namespace {

QPushButton* IconButton(const char* icon, const char* toolTip, QWidget* parent) {
  auto* button = new QPushButton(parent);
  button->setIcon(QIcon(QString(":/icons/") + icon + ".svg"));
  button->setToolTip(toolTip);
  button->setAccessibleName(toolTip);
  return button;
}

QLineEdit* FrameNumberEdit(QWidget* parent, bool typed) {
  auto* edit = new QLineEdit(parent);
  edit->setReadOnly(!typed);
  edit->setAlignment(Qt::AlignRight);
  if (typed) edit->setValidator(new QRegularExpressionValidator(QRegularExpression("[0-9]{0,10}"), edit));
  return edit;
}

}  // namespace

CPxoAnimDetails::CPxoAnimDetails(CPxoDoc& doc, QWidget* parent)
    : QWidget(parent), m_doc(doc), m_model(doc), m_bridge(doc, [this](UpdateHint hint) { OnUpdate(hint); }) {
  BuildControls();
  ConnectControls();
  m_timer.setInterval(kPlaybackIntervalMs);
  m_timer.setTimerType(Qt::PreciseTimer);
}

void CPxoAnimDetails::BuildControls() {
  setAutoFillBackground(true);
  setBackgroundRole(QPalette::Window);
  const QFontMetrics metrics(font());
  const auto place = [&](QWidget* widget, int x, int y, int w, int h) {
    widget->setGeometry(DialogUnitsToPixels(metrics, x, y, w, h));
  };
  m_listAnims = new CAnimListBox(this);
  m_listAnims->setAccessibleName("Animations");
  place(m_listAnims, 5, 5, 105, 140);
  place(new QGroupBox("Animation Details", this), 115, 5, 125, 30);
  place(new QLabel("Frame", this), 121, 18, 24, 8);
  m_editFrame = FrameNumberEdit(this, true);
  m_editFrame->setAccessibleName("Frame");
  place(m_editFrame, 150, 15, 25, 14);
  m_spin = new CUpDownControl(this);
  place(m_spin, 175, 15, 10, 14);
  place(new QLabel("/", this), 190, 18, 8, 8);
  m_editFrames = FrameNumberEdit(this, false);
  place(m_editFrames, 199, 15, 25, 14);
  place(new QGroupBox("Animation Controls", this), 115, 35, 125, 30);
  m_btnFirst = IconButton("first", "First Frame", this);
  m_btnPrev = IconButton("previous", "Previous Frame", this);
  m_btnPlay = IconButton("play", "Play", this);
  m_btnStop = IconButton("stop", "Stop", this);
  m_btnNext = IconButton("next", "Next Frame", this);
  m_btnLast = IconButton("last", "Last Frame", this);
  int x = 120;
  for (QPushButton* button : {m_btnFirst, m_btnPrev, m_btnPlay, m_btnStop, m_btnNext, m_btnLast}) {
    place(button, x, 45, 15, 14);
    button->setIconSize(QSize(button->height() - 8, button->height() - 8));
    x += 20;
  }
  place(new QGroupBox("Frame Offset", this), 115, 65, 125, 30);
  m_offsets = new COffsetFields(m_doc, this);
  place(m_offsets, 120, 75, 110, 14);
  // The group boxes stand behind the controls they frame.
  for (QGroupBox* box : findChildren<QGroupBox*>()) box->lower();
  setMinimumSize(DialogUnitsToPixels(metrics, 0, 0, 245, 95).size());
}

void CPxoAnimDetails::ConnectControls() {
  connect(m_listAnims, &QListWidget::currentRowChanged, this, [this] { OnListSelectionChanged(); });
  connect(m_listAnims, &CAnimListBox::contextMenuAt, this, &CPxoAnimDetails::ShowContextMenu);
  connect(m_spin, &CUpDownControl::deltaPos, this, [this](int delta) {
    m_model.OnSpinDelta(delta);
    TransferToControls();
  });
  const auto step = [this](QPushButton* button, void (CAnimDetailsModel::*action)()) {
    connect(button, &QPushButton::clicked, this, [this, action] {
      (m_model.*action)();
      TransferToControls();
    });
  };
  step(m_btnFirst, &CAnimDetailsModel::OnFirstFrame);
  step(m_btnPrev, &CAnimDetailsModel::OnPreviousFrame);
  step(m_btnNext, &CAnimDetailsModel::OnNextFrame);
  step(m_btnLast, &CAnimDetailsModel::OnLastFrame);
  connect(m_btnPlay, &QPushButton::clicked, this, [this] {
    m_model.OnPlay();
    OnPlayOrStop();
  });
  connect(m_btnStop, &QPushButton::clicked, this, [this] {
    m_model.OnStop();
    OnPlayOrStop();
  });
  // Enter or leaving the field goes to the typed frame; a refused number is replaced by the current one.
  connect(m_editFrame, &QLineEdit::editingFinished, this, [this] {
    m_model.OnFrameTyped(m_editFrame->text().toStdString());
    m_editFrame->setModified(false);
    TransferToControls();
  });
  connect(&m_timer, &QTimer::timeout, this, [this] {
    m_model.OnTimer();
    TransferToControls();
  });
}

QPushButton* CPxoAnimDetails::Button(ControlId id) const {
  switch (id) {
    case IDC_FIRST: return m_btnFirst;
    case IDC_PREV: return m_btnPrev;
    case IDC_PLAY: return m_btnPlay;
    case IDC_STOP: return m_btnStop;
    case IDC_NEXT: return m_btnNext;
    case IDC_LAST: return m_btnLast;
    default: return nullptr;
  }
}

void CPxoAnimDetails::OnInitialUpdate() {
  OnUpdate(HINT_INITIAL_UPDATE);
  m_model.m_bPlaying = false;
  OnPlayOrStop();
}

void CPxoAnimDetails::OnUpdate(UpdateHint hint) {
  if (const std::optional<ListState> state = m_model.OnUpdate(hint, SelectedIndex())) {
    ShowList(*state);
    TransferToControls();
  }
}

void CPxoAnimDetails::ShowList(const ListState& state) {
  m_bFilling = true;
  m_listAnims->clear();
  for (CAnimation* animation : state.entries) m_listAnims->addItem(FromCoreText(animation->Name()));
  m_listAnims->setCurrentRow(state.nSelected.value_or(-1));
  m_bFilling = false;
}

std::optional<int> CPxoAnimDetails::SelectedIndex() const {
  const int row = m_listAnims->currentRow();
  return row >= 0 ? std::optional<int>(row) : std::nullopt;
}

void CPxoAnimDetails::OnListSelectionChanged() {
  if (m_bFilling) return;
  m_model.OnSelChange(SelectedIndex());
  TransferToControls();
}

void CPxoAnimDetails::OnPlayOrStop() {
  if (m_model.IsPlaying() && !m_timer.isActive()) m_timer.start();
  if (!m_model.IsPlaying()) m_timer.stop();
  emit playbackChanged();
}

void CPxoAnimDetails::OnFrameKey(FrameKey key) {
  m_model.OnFrameKey(key);
  OnPlayOrStop();
  TransferToControls();
}

void CPxoAnimDetails::TransferToControls() {
  // A number being typed is not overwritten by playback.
  if (!(m_editFrame->hasFocus() && m_editFrame->isModified())) {
    m_editFrame->setText(QString::fromStdString(m_model.FrameText()));
  }
  m_editFrames->setText(QString::fromStdString(m_model.FramesText()));
}

void CPxoAnimDetails::ShowContextMenu(const QPoint& globalPos) {
  emit activated();
  QMenu menu("Anim List", this);
  CommandContext context;
  context.doc = &m_doc;
  AddCommands(menu, "Anim List", context);
  menu.exec(globalPos);
}

void CPxoAnimDetails::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  // The list takes the pane's height, so long lists need less scrolling.
  const QFontMetrics metrics(font());
  const QRect list = DialogUnitsToPixels(metrics, 5, 5, 105, 140);
  const int margin = list.top();
  m_listAnims->setGeometry(list.left(), list.top(), list.width(), std::max(height() - 2 * margin, list.height() / 2));
}

void CPxoAnimDetails::mousePressEvent(QMouseEvent* event) {
  emit activated();
  QWidget::mousePressEvent(event);
}

}  // namespace pixolan
