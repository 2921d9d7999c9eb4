#pragma once
// The frame keys of a document window: Page Up / Page Down and , / . step frames,
// Home / End go to the first / last, Space plays or stops. They act while the
// canvas or the animation pane (its list, buttons, spin arrows) has the focus;
// a text field keeps its own keys, as it is not watched.
#include <QObject>
#include <optional>

#include "view/AnimDetailsModel.h"

class QKeyEvent;
class QWidget;

namespace pixolan {

class CPxoAnimDetails;

// The frame key a key press stands for; none with Ctrl, Alt or Meta held.
std::optional<FrameKey> FrameKeyOf(const QKeyEvent& event);

class CFrameKeys : public QObject {
  Q_OBJECT
 public:
  explicit CFrameKeys(CPxoAnimDetails& pane);

  // Frame keys pressed in the widget go to the pane.
  void Watch(QWidget* widget);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  CPxoAnimDetails& m_pane;
};

}  // namespace pixolan
