#pragma once
// A document window on a 32x32 sheet whose 8x8 cells each have their own colour,
// shown offscreen, with helpers that click and drag like a user.
#include <gtest/gtest.h>

#include <QAbstractScrollArea>
#include <QCursor>
#include <QTest>
#include <QWindow>
#include <functional>
#include <memory>

#include "document/DocumentFixture.h"
#include "ui/ChildFrame.h"

namespace pixolan::test {

// Cell (cx, cy) of the sheet has palette index 1 + cy * 4 + cx.
inline QColor CellColour(int cx, int cy) {
  const int index = 1 + cy * 4 + cx;
  return QColor(index * 12, 255 - index * 12, (index * 37) & 0xFF);
}

inline std::vector<std::uint8_t> CellSheet() {
  std::vector<std::uint32_t> palette(256, 0);
  for (int i = 1; i <= 16; ++i) {
    const QColor c = CellColour((i - 1) % 4, (i - 1) / 4);
    palette[static_cast<std::size_t>(i)] = static_cast<std::uint32_t>(c.rgb() & 0xFFFFFFu);
  }
  std::vector<std::uint8_t> pixels;
  for (int row = 31; row >= 0; --row) {  // rows are stored bottom-up
    for (int x = 0; x < 32; ++x) pixels.push_back(static_cast<std::uint8_t>(1 + (row / 8) * 4 + x / 8));
  }
  return BuildBmp({.width = 32, .height = 32, .bits = 8, .coloursUsed = 256, .palette = palette, .pixels = pixels});
}

// Saves a document on the cell sheet (both in `dir`) to open through the application;
// `fill` may add animations first.
inline std::string SaveCellDocument(const TempDir& dir, const std::function<void(CPxoDoc&)>& fill = {}) {
  WriteFile(dir / "cells.bmp", CellSheet());
  CScriptedPrompts prompts;
  CMemorySettings settings;
  CPxoDoc doc(prompts, settings);
  doc.m_strImagePath = (dir / "cells.bmp").string();
  EXPECT_NE(doc.LoadImage(doc.m_strImagePath), nullptr);
  if (fill) fill(doc);
  const std::string path = (dir / "doc.pxo").string();
  EXPECT_TRUE(doc.OnSaveDocument(path));
  return path;
}

class FrameTest : public DocumentTest {
 protected:
  void SetUp() override {
    const auto path = m_dir / "cells.bmp";
    WriteFile(path, CellSheet());
    ASSERT_NE(m_doc.LoadImage(path.string()), nullptr);
    m_doc.m_strImagePath = path.string();
  }

  // A window on the document, sized and shown, after its initial update.
  CChildFrame& Open(QSize size = QSize(1000, 700)) {
    m_frame = std::make_unique<CChildFrame>(m_doc);
    m_frame->resize(size);
    m_frame->show();
    m_frame->InitialUpdateFrame();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(m_frame.get()));
    // Qt drops a move to the last position it saw: start every test elsewhere.
    QCursor::setPos(m_frame->mapToGlobal(QPoint(-50, -50)));
    return *m_frame;
  }

  static QPoint InWindow(QAbstractScrollArea* view, QPoint client) {
    return view->viewport()->mapTo(view->window(), client);
  }
  void Move(QAbstractScrollArea* view, QPoint client) {
    QTest::mouseMove(m_frame->windowHandle(), InWindow(view, client));
  }
  void Press(QAbstractScrollArea* view, QPoint client, Qt::MouseButton button = Qt::LeftButton) {
    QTest::mousePress(m_frame->windowHandle(), button, {}, InWindow(view, client));
  }
  void Release(QAbstractScrollArea* view, QPoint client, Qt::MouseButton button = Qt::LeftButton) {
    QTest::mouseRelease(m_frame->windowHandle(), button, {}, InWindow(view, client));
  }
  void Drag(QAbstractScrollArea* view, QPoint from, QPoint to) {
    Move(view, from);
    Press(view, from);
    Move(view, (from + to) / 2);
    Move(view, to);
    Release(view, to);
  }
  void Click(QAbstractScrollArea* view, QPoint client) {
    Move(view, client);
    Press(view, client);
    Release(view, client);
  }

  std::unique_ptr<CChildFrame> m_frame;
};

}  // namespace pixolan::test
