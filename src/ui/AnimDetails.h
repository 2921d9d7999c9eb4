#pragma once
// The animation pane: the list of animations, the current frame and the frame
// count, six frame buttons, the spin control and playback on a 33 ms timer.
#include <QTimer>
#include <QWidget>
#include <optional>

#include "ui/ViewBridge.h"
#include "view/AnimDetailsModel.h"

class QLineEdit;
class QPushButton;

namespace pixolan {

class CPxoDoc;
class CAnimListBox;
class CUpDownControl;
class COffsetFields;

class CPxoAnimDetails : public QWidget {
  Q_OBJECT
 public:
  // The six buttons' control ids.
  enum ControlId { IDC_FIRST = 1009, IDC_PREV = 1010, IDC_PLAY = 1011, IDC_STOP = 1012, IDC_NEXT = 1013, IDC_LAST = 1014 };

  CPxoAnimDetails(CPxoDoc& doc, QWidget* parent = nullptr);

  void OnInitialUpdate();
  const CAnimDetailsModel& Model() const { return m_model; }
  CAnimListBox* List() const { return m_listAnims; }
  QPushButton* Button(ControlId id) const;
  CUpDownControl* Spin() const { return m_spin; }
  QLineEdit* FrameEdit() const { return m_editFrame; }
  QLineEdit* FramesEdit() const { return m_editFrames; }
  const QTimer& Timer() const { return m_timer; }
  COffsetFields* OffsetFields() const { return m_offsets; }
  // A frame key pressed on the canvas or this pane.
  void OnFrameKey(FrameKey key);

 signals:
  void activated();
  // Playback started or stopped (the canvas leaves out its onion skin while it plays).
  void playbackChanged();

 protected:
  void mousePressEvent(QMouseEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  void BuildControls();
  void ConnectControls();
  void OnUpdate(UpdateHint hint);
  void OnListSelectionChanged();
  void OnPlayOrStop();
  void ShowContextMenu(const QPoint& globalPos);
  // Moves the frame number and count into the two edit fields.
  void TransferToControls();
  void ShowList(const ListState& state);
  std::optional<int> SelectedIndex() const;

  CPxoDoc& m_doc;
  CAnimDetailsModel m_model;
  QPushButton* m_btnStop = nullptr;
  QPushButton* m_btnPlay = nullptr;
  QPushButton* m_btnNext = nullptr;
  QPushButton* m_btnLast = nullptr;
  QPushButton* m_btnPrev = nullptr;
  QPushButton* m_btnFirst = nullptr;
  CAnimListBox* m_listAnims = nullptr;
  QLineEdit* m_editFrame = nullptr;
  QLineEdit* m_editFrames = nullptr;
  CUpDownControl* m_spin = nullptr;
  COffsetFields* m_offsets = nullptr;
  QTimer m_timer;
  bool m_bFilling = false;
  CViewBridge m_bridge;
};

}  // namespace pixolan
