#pragma once
// The current frame's X and Y offsets in the animation pane: shown as they
// are, typed values applied with Enter as a "Move Frame" step.
#include <QWidget>

#include "ui/ViewBridge.h"

class QLineEdit;

namespace pixolan {

class CPxoDoc;

// Said when a typed offset is no number or one the export cannot write.
inline constexpr const char* kMsgOffsetRange =
    "An offset must be a whole number from -128 to 127: the export writes it as one signed byte.";

class COffsetFields : public QWidget {
  Q_OBJECT
 public:
  explicit COffsetFields(CPxoDoc& doc, QWidget* parent = nullptr);

  QLineEdit* XEdit() const { return m_editX; }
  QLineEdit* YEdit() const { return m_editY; }
  // Shows the current frame's offsets (empty and disabled without a placed frame).
  void ShowOffsets();

 private:
  void Apply();

  CPxoDoc& m_doc;
  QLineEdit* m_editX = nullptr;
  QLineEdit* m_editY = nullptr;
  CViewBridge m_bridge;
};

}  // namespace pixolan
