#include "printing/windows/QtPrinterCanvas.h"

#include <algorithm>

namespace pramo {

QtPrinterCanvas::QtPrinterCanvas(QPrinter& printer)
    : PainterCanvas<PrinterCanvas>(printer.resolution()), m_printer(printer) {}

QtPrinterCanvas::~QtPrinterCanvas() {
  if (m_painter && m_painter->isActive()) m_printer.abort();
}

std::optional<PrinterSettings> QtPrinterCanvas::ReadSettings() {
  if (!m_printer.isValid()) return std::nullopt;
  PrinterSettings settings;
  settings.DeviceName = m_printer.outputFormat() == QPrinter::PdfFormat
                            ? std::string("PDF")
                            : m_printer.printerName().toStdString();
  settings.PrintQuality = m_printer.resolution();
  settings.VerticalResolution = m_printer.resolution();
  settings.Landscape = m_printer.pageLayout().orientation() == QPageLayout::Landscape;
  settings.LogicalDpiX = m_printer.logicalDpiX();
  settings.LogicalDpiY = m_printer.logicalDpiY();
  return settings;
}

bool QtPrinterCanvas::BeginDocument(const std::string& title) {
  m_printer.setDocName(QString::fromStdString(title));
  m_painter = std::make_unique<QPainter>();
  if (!m_painter->begin(&m_printer)) {
    m_painter.reset();
    return false;
  }
  PreparePainter(*m_painter);
  return true;
}

void QtPrinterCanvas::NewPage() {
  m_printer.newPage();
}

bool QtPrinterCanvas::EndDocument() {
  if (!m_painter) return false;
  const bool ended = m_painter->end();
  m_painter.reset();
  return ended && m_printer.printerState() != QPrinter::Error;
}

int QtPrinterCanvas::BitmapPixelRatio() const {
  return std::max(1, m_printer.resolution() / 150);
}

}  // namespace pramo
