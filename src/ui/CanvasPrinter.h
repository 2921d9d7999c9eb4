#pragma once
// Printing the canvas: the magnified canvas with the current frame, as the canvas
// pane shows it, scaled to fill the page with whole, crisp pixels.
#include <QImage>

class QPrinter;
class QWidget;

namespace pixolan {

class CPxoDoc;
class CSheetPicture;

class CCanvasPrinter {
 public:
  // picture: the sheet as the document's window draws it.
  CCanvasPrinter(CPxoDoc& doc, CSheetPicture& picture, QPrinter& printer, QWidget* parent)
      : m_doc(doc), m_picture(picture), m_printer(printer), m_parent(parent) {}

  void PrintWithDialog();
  void Print();
  void Preview();
  // The canvas as the pane draws it at the document's zoom, without the selection's preview.
  static QImage RenderCanvas(CPxoDoc& doc, CSheetPicture& picture);
  // Paints the one page onto the printer.
  void PaintPage(QPrinter& printer);

 private:
  CPxoDoc& m_doc;
  CSheetPicture& m_picture;
  QPrinter& m_printer;
  QWidget* m_parent;
};

}  // namespace pixolan
