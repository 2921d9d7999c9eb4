#pragma once
// The canvas pane: the magnified 160x144 canvas with the current frame; the
// selection follows the mouse and a click places it, or lifts the current frame.
#include "ui/ScrollingView.h"
#include "ui/SheetPicture.h"
#include "ui/ViewBridge.h"
#include "view/SpriteViewModel.h"

namespace pixolan {

class CPxoDoc;

class CPxoSpriteView : public CScrollingView {
  Q_OBJECT
 public:
  // Draws the sheet from its window's picture.
  CPxoSpriteView(CPxoDoc& doc, CSheetPicture& picture, QWidget* parent = nullptr);

  void OnInitialUpdate();
  // "X = %d, Y = %d" for the status bar's coordinates pane.
  QString CoordinatesText() const;
  CSpriteViewModel& Model() { return m_model; }

 signals:
  // The mouse moved: CoordinatesText may say something else.
  void coordinatesChanged();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void scrollContentsBy(int dx, int dy) override;
  void OnMouseLeave() override;
  void OnClientSize(CSize client) override;

 private:
  void OnUpdate(UpdateHint hint);
  void UpdatePointerForSelection();

  CPxoDoc& m_doc;
  CSpriteViewModel m_model;
  CSheetPicture& m_picture;
  CViewBridge m_bridge;
};

}  // namespace pixolan
