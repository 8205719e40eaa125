#pragma once

#include <memory>
#include <optional>
#include <string>
#include <utility>

#include <QFile>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QString>

#include "printing/qt/PainterCanvas.h"

namespace pramo {

// A printer that prints into a PDF file: paper of the given size (A4 unless told), portrait, 600 dots per
// inch both ways, with the printable area of a typical office laser printer. Such printers report about
// 1/6 inch (100 dots at 600 dpi, 4.23 mm) that they cannot print at every edge of the sheet, so the pages
// are laid out inside a margin of 12 pt on each side. Qt's A4 sheet is 595 x 842 pt (4958 x 7017 pixels),
// which leaves a printable area of 4758 x 6817 pixels. The PDF page itself is the whole sheet, with the
// margin left blank. The file is written only once the document is begun, and removed again when it
// cannot be completed. The file is PDF/A-1b with its fonts embedded, and carries the document's title,
// author, subject and creator both as document information and as XMP metadata, as archives expect.
class PdfPrinterCanvas : public PainterCanvas<PrinterCanvas> {
 public:
  static constexpr int kResolution = 600;
  static constexpr double kMarginPoints = 12;

  explicit PdfPrinterCanvas(const QString& path, const QPageSize& paper = QPageSize(QPageSize::A4));
  ~PdfPrinterCanvas() override;

  std::optional<PrinterSettings> ReadSettings() override;
  void SelectCurrentPrinter() override {}
  int PageWidth() const override;
  int PageHeight() const override;
  bool BeginDocument(const std::string& title) override;
  void NewPage() override;
  bool EndDocument() override;
  // The properties of the next document; without them the job title is its title.
  void SetDocumentInfo(DocumentInfo info) { m_info = std::move(info); }

 protected:
  QPainter* ActivePainter() override { return m_painter.get(); }
  const QPaintDevice* MetricsDevice() const override { return &m_writer; }
  // Pictures drawn at screen size (the uncertainty graph) are stretched about four times onto the page;
  // drawn four times finer they keep sharp lines and text on paper.
  int BitmapPixelRatio() const override { return 4; }

 private:
  void Abandon();
  // Adds the document information Qt's writer has no setters for, as an update at the end of the file.
  bool AppendDocumentInfo();

  QString m_paperName;
  QFile m_file;
  QPdfWriter m_writer;
  std::unique_ptr<QPainter> m_painter;
  DocumentInfo m_info;
  QString m_created;  // the creation time, in XMP form
};

}  // namespace pramo
