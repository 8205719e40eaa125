#include "printing/qt/PdfPrinterCanvas.h"

#include <QMarginsF>
#include <QPageLayout>

namespace pramo {

PdfPrinterCanvas::PdfPrinterCanvas(const QString& path, const QPageSize& paper)
    : PainterCanvas<PrinterCanvas>(kResolution), m_paperName(paper.name()), m_file(path), m_writer(&m_file) {
  m_writer.setResolution(kResolution);
  m_writer.setCreator(QStringLiteral("Pramo"));
  m_writer.setPageLayout(QPageLayout(paper, QPageLayout::Portrait,
                                     QMarginsF(kMarginPoints, kMarginPoints, kMarginPoints, kMarginPoints),
                                     QPageLayout::Point));
}

PdfPrinterCanvas::~PdfPrinterCanvas() {
  if (m_painter) Abandon();
}

std::optional<PrinterSettings> PdfPrinterCanvas::ReadSettings() {
  PrinterSettings settings;
  settings.DeviceName = "PDF " + m_paperName.toStdString() + " " + std::to_string(kResolution) + " dpi";
  settings.PrintQuality = kResolution;
  settings.VerticalResolution = kResolution;
  settings.LogicalDpiX = m_writer.logicalDpiX();
  settings.LogicalDpiY = m_writer.logicalDpiY();
  return settings;
}

int PdfPrinterCanvas::PageWidth() const {
  return m_writer.width();
}

int PdfPrinterCanvas::PageHeight() const {
  return m_writer.height();
}

bool PdfPrinterCanvas::BeginDocument(const std::string& title) {
  m_writer.setTitle(QString::fromStdString(title));
  if (!m_file.open(QIODevice::WriteOnly | QIODevice::Truncate)) return false;
  m_painter = std::make_unique<QPainter>();
  if (!m_painter->begin(&m_writer)) {
    Abandon();
    return false;
  }
  PreparePainter(*m_painter);
  return true;
}

void PdfPrinterCanvas::NewPage() {
  m_writer.newPage();
}

bool PdfPrinterCanvas::EndDocument() {
  if (!m_painter) return false;
  const bool ended = m_painter->end();
  m_painter.reset();
  m_file.close();
  if (ended && m_file.error() == QFileDevice::NoError) return true;
  m_file.remove();
  return false;
}

void PdfPrinterCanvas::Abandon() {
  if (m_painter && m_painter->isActive()) m_painter->end();
  m_painter.reset();
  m_file.close();
  m_file.remove();
}

}  // namespace pramo
