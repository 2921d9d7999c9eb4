#pragma once
// A document window: the sheet above the animation list on the left, the canvas
// on the right; every resize puts the splitter bars back at half the window. It
// owns the one sheet picture its panes draw and tells when its document's state
// or its status (active pane, canvas coordinates) changes.
#include <QWidget>

#include "ui/DocumentStateBridge.h"
#include "ui/SheetPicture.h"
#include "ui/ViewBridge.h"

class QSplitter;

namespace pixolan {

class CPxoDoc;
class CPxoImageView;
class CPxoSpriteView;
class CPxoAnimDetails;
class CConsoleState;

class CChildFrame : public QWidget {
  Q_OBJECT
 public:
  CChildFrame(CPxoDoc& doc, QWidget* parent = nullptr);

  // The initial update (HINT_INITIAL_UPDATE) of this window's three views.
  void InitialUpdateFrame();
  CPxoDoc& Document() const { return m_doc; }
  CSheetPicture& Picture() { return m_picture; }
  CPxoImageView* ImageView() const { return m_pImageView; }
  CPxoSpriteView* SpriteView() const { return m_pSpriteView; }
  CPxoAnimDetails* AnimDetails() const { return m_pAnimDetails; }
  QSplitter* OuterSplitter() const { return m_wndSplitter; }
  QSplitter* InnerSplitter() const { return m_wndSplitter2; }
  // The view that was last clicked or focused: the one whose status the bar shows.
  QWidget* ActiveView() const { return m_pActiveView; }
  // Moves the focus to the next (+1) or previous (-1) pane.
  void ActivateNextPane(int direction);
  // Puts both splitter bars back at half the window.
  void RecalcPanes();
  // Zoom in (+1), out (-1) or to 1x (0): the sheet while it is the active view,
  // else the canvas.
  void ZoomActivePane(int direction);
  // The status bar's zoom pane: "Sheet 2x" or "Canvas 4x", after the same rule.
  QString ZoomText() const;
  // The console result of this window's document, and the display flags read
  // again from the settings (after a View command changed them).
  CConsoleState& Console() const { return *m_pConsole; }
  void ApplyDisplayFlags();

 signals:
  // The document's modified flag, title or history changed.
  void documentStateChanged();
  // What the status bar shows of this window may have changed.
  void statusChanged();

 protected:
  void resizeEvent(QResizeEvent* event) override;
  void showEvent(QShowEvent* event) override;

 private:
  void SetActiveView(QWidget* view);
  void ConnectZoom();
  void OnConsoleChanged();
  // The frame keys on the canvas and the animation pane.
  void WatchFrameKeys();

  CPxoDoc& m_doc;
  CSheetPicture m_picture;
  // Before the panes' bridges: the picture is stale before any pane repaints.
  CViewBridge m_bridge;
  CDocumentStateBridge m_stateBridge;
  QSplitter* m_wndSplitter = nullptr;
  QSplitter* m_wndSplitter2 = nullptr;
  CPxoImageView* m_pImageView = nullptr;
  CPxoSpriteView* m_pSpriteView = nullptr;
  CPxoAnimDetails* m_pAnimDetails = nullptr;
  QWidget* m_pActiveView = nullptr;
  CConsoleState* m_pConsole = nullptr;
};

}  // namespace pixolan
