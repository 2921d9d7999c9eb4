#pragma once
// The canvas pane: the magnified 160x144 canvas with the current frame; the
// selection follows the mouse and a click places it, or lifts the current frame;
// the current frame is dragged or nudged with the arrow keys; Ctrl+wheel zooms.
#include <functional>

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
  // The canvas zoom as a step, keeping the canvas pixel under `anchor` (client) in place.
  std::int32_t CurrentZoom() const override { return m_model.Zoom(); }
  void ZoomTo(std::int32_t zoom, CPoint anchor) override;
  // Asked before painting: the onion skin is off while the animation plays.
  void SetPlayingQuery(std::function<bool()> playing) { m_playing = std::move(playing); }

 signals:
  // The mouse moved: CoordinatesText may say something else.
  void coordinatesChanged();
  void zoomChanged();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void scrollContentsBy(int dx, int dy) override;
  void OnMouseLeave() override;
  void OnClientSize(CSize client) override;

 private:
  void OnUpdate(UpdateHint hint);
  void UpdatePointerForSelection();

  CPxoDoc& m_doc;
  CSpriteViewModel m_model;
  CSheetPicture& m_picture;
  std::function<bool()> m_playing;
  CPoint m_ptMouse{-1, -1};  // the last client position of the mouse, for the pointer's shape
  CViewBridge m_bridge;
};

}  // namespace pixolan
