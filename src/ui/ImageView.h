#pragma once
// The sheet pane: the sheet zoomed 1x to 16x, centred, with an inverted block
// cursor, the grid and the frames' outlines; a drag marks a rectangle of whole
// blocks as the document's selection.
#include "ui/ScrollingView.h"
#include "ui/SheetPicture.h"
#include "ui/ViewBridge.h"
#include "view/ImageViewModel.h"

namespace pixolan {

class CPxoDoc;

class CPxoImageView : public CScrollingView {
  Q_OBJECT
 public:
  // Draws the sheet from its window's picture.
  CPxoImageView(CPxoDoc& doc, CSheetPicture& picture, QWidget* parent = nullptr);

  void OnInitialUpdate();
  const CImageViewModel& Model() const { return m_model; }
  // Sets the zoom keeping the sheet pixel under `anchor` (client) in place.
  std::int32_t CurrentZoom() const override { return m_model.Zoom(); }
  void ZoomTo(std::int32_t zoom, CPoint anchor) override;

 signals:
  void zoomChanged();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void OnMouseLeave() override;
  void OnClientSize(CSize client) override;
  void OnDragScrolled(CPoint delta) override;

 private:
  void OnUpdate(UpdateHint hint);

  CPxoDoc& m_doc;
  CImageViewModel m_model;
  CSheetPicture& m_picture;
  bool m_bCaptured = false;
  CViewBridge m_bridge;
};

}  // namespace pixolan
