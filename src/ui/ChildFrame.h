#pragma once
// A document window: the sheet above the animation list on the left, the canvas
// on the right; every resize puts the splitter bars back at half the window.
#include <QWidget>

class QSplitter;

namespace pixolan {

class CPxoDoc;
class CPxoImageView;
class CPxoSpriteView;
class CPxoAnimDetails;

class CChildFrame : public QWidget {
  Q_OBJECT
 public:
  CChildFrame(CPxoDoc& doc, QWidget* parent = nullptr);

  // The initial update (hint 0) of this window's three views.
  void InitialUpdateFrame();
  CPxoDoc& Document() const { return m_doc; }
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

 protected:
  void resizeEvent(QResizeEvent* event) override;
  void showEvent(QShowEvent* event) override;

 private:
  void SetActiveView(QWidget* view);

  CPxoDoc& m_doc;
  QSplitter* m_wndSplitter = nullptr;
  QSplitter* m_wndSplitter2 = nullptr;
  CPxoImageView* m_pImageView = nullptr;
  CPxoSpriteView* m_pSpriteView = nullptr;
  CPxoAnimDetails* m_pAnimDetails = nullptr;
  QWidget* m_pActiveView = nullptr;
};

}  // namespace pixolan
