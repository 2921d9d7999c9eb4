#include "ui/CanvasPrinter.h"

#include <QPainter>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <algorithm>

#include "document/PxoDoc.h"
#include "ui/SheetPicture.h"
#include "ui/SpritePainter.h"
#include "view/SpriteViewModel.h"

namespace pixolan {

QImage CCanvasPrinter::RenderCanvas(CPxoDoc& doc, CSheetPicture& picture) {
  CSpriteViewModel model(doc);
  const CSize size = model.ScrollSize();
  model.OnSize(size);
  QImage image(std::max(size.cx, 1), std::max(size.cy, 1), QImage::Format_RGB32);
  image.fill(Qt::white);
  QPainter painter(&image);
  PaintSpriteView(painter, model, picture.Image(), CPoint{0, 0}, image.rect());
  return image;
}

void CCanvasPrinter::PaintPage(QPrinter& printer) {
  const QImage canvas = RenderCanvas(m_doc, m_picture);
  QPainter painter(&printer);
  const QRect page = painter.viewport();
  // The largest whole-number magnification that fits keeps every pixel square and sharp.
  const int scale = std::max(1, std::min(page.width() / canvas.width(), page.height() / canvas.height()));
  const QSize size = canvas.size() * scale;
  const QRect target(page.left() + (page.width() - size.width()) / 2, page.top() + (page.height() - size.height()) / 2,
                     size.width(), size.height());
  painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
  painter.setRenderHint(QPainter::LosslessImageRendering, true);
  painter.drawImage(target, canvas);
}

void CCanvasPrinter::PrintWithDialog() {
  QPrintDialog dialog(&m_printer, m_parent);
  dialog.setOption(QAbstractPrintDialog::PrintPageRange, false);
  if (dialog.exec() == QDialog::Accepted) PaintPage(m_printer);
}

void CCanvasPrinter::Print() { PaintPage(m_printer); }

void CCanvasPrinter::Preview() {
  QPrintPreviewDialog preview(&m_printer, m_parent);
  preview.setWindowTitle("Print Preview");
  QObject::connect(&preview, &QPrintPreviewDialog::paintRequested, &preview,
                   [this](QPrinter* printer) { PaintPage(*printer); });
  preview.resize(900, 700);
  preview.exec();
}

}  // namespace pixolan
