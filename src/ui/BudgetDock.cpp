#include "ui/BudgetDock.h"

#include <QListWidget>
#include <QMdiArea>
#include <QMdiSubWindow>

#include "document/PxoDoc.h"
#include "ui/ChildFrame.h"
#include "ui/ConsoleState.h"
#include "ui/MainFrame.h"
#include "ui/TextCodec.h"
#include "view/DisplayFlags.h"

namespace pixolan {

CBudgetDock::CBudgetDock(CMainFrame& mainFrame, ISettings& settings)
    : QDockWidget(QStringLiteral("Budget"), &mainFrame), m_settings(settings) {
  setObjectName(QStringLiteral("Budget"));
  m_list = new QListWidget(this);
  m_list->setSelectionMode(QAbstractItemView::NoSelection);
  m_list->setMinimumWidth(320);
  // The frame lines and the export's messages are long: they wrap instead of
  // running past the pane's edge.
  m_list->setWordWrap(true);
  m_list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  m_list->setResizeMode(QListView::Adjust);
  setWidget(m_list);
  mainFrame.addDockWidget(Qt::RightDockWidgetArea, this);
  connect(m_list, &QListWidget::itemClicked, this, &CBudgetDock::OnClicked);
  connect(mainFrame.MdiArea(), &QMdiArea::subWindowActivated, this,
          [this, &mainFrame] { SetFrame(mainFrame.ActiveChildFrame()); });
  setVisible(ReadDisplayFlags(settings).bBudget);
}

void CBudgetDock::SetFrame(CChildFrame* frame) {
  if (frame == m_frame) return;
  if (m_frame) m_frame->Console().disconnect(this);
  m_frame = frame;
  if (frame != nullptr) connect(&frame->Console(), &CConsoleState::changed, this, &CBudgetDock::Refresh);
  Refresh();
}

void CBudgetDock::Refresh() {
  m_list->clear();
  m_rows.clear();
  if (!m_frame) return;
  CPxoDoc& doc = m_frame->Document();
  const std::shared_ptr<const ConsoleResult> result = m_frame->Console().Result();
  if (m_frame->Console().IsStale()) m_list->addItem(QStringLiteral("stale: recomputing"));
  if (!result) return;
  m_rows = BudgetRows(*result, doc.CurrentAnimationIndex(), doc.GetCurrentFrame());
  for (std::size_t i = 0; i < m_rows.size(); ++i) {
    const BudgetRow& row = m_rows[i];
    auto* item = new QListWidgetItem(FromCoreText(row.strText), m_list);
    item->setData(Qt::UserRole, static_cast<qulonglong>(i));
    if (row.kind == BudgetRow::Kind::kHeading) {
      QFont font = item->font();
      font.setBold(true);
      item->setFont(font);
    }
    if (row.bOver) item->setForeground(Qt::red);
    if (row.nAnimation >= 0) item->setToolTip(QStringLiteral("Click to show this frame"));
  }
}

void CBudgetDock::closeEvent(QCloseEvent* event) {
  DisplayFlags flags = ReadDisplayFlags(m_settings);
  flags.bBudget = false;
  WriteDisplayFlags(m_settings, flags);
  QDockWidget::closeEvent(event);
}

void CBudgetDock::OnClicked(QListWidgetItem* item) {
  if (!m_frame || item == nullptr || !item->data(Qt::UserRole).isValid()) return;
  const auto index = static_cast<std::size_t>(item->data(Qt::UserRole).toULongLong());
  if (index >= m_rows.size() || m_rows[index].nAnimation < 0) return;
  const BudgetRow row = m_rows[index];  // selecting refreshes the rows
  CPxoDoc& doc = m_frame->Document();
  CAnimation* animation = doc.AnimationAt(static_cast<std::size_t>(row.nAnimation));
  if (animation == nullptr || row.nFrame > animation->m_nFrameCount) return;
  doc.SetCurrentAnimation(animation);
  doc.SetCurrentFrame(static_cast<int>(row.nFrame));
}

}  // namespace pixolan
