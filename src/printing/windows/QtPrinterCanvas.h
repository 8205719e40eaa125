#pragma once

#include <memory>
#include <optional>
#include <string>

#include <QPainter>
#include <QPrinter>

#include "printing/qt/PainterCanvas.h"

namespace pramo {

// The printer the user chose in the print dialog, as the certificate's page canvas. Without any installed
// printer the printer writes PDF, so that the preview still has a page to lay out for.
class QtPrinterCanvas : public PainterCanvas<PrinterCanvas> {
 public:
  explicit QtPrinterCanvas(QPrinter& printer);
  ~QtPrinterCanvas() override;

  std::optional<PrinterSettings> ReadSettings() override;
  void SelectCurrentPrinter() override {}
  int PageWidth() const override { return m_printer.width(); }
  int PageHeight() const override { return m_printer.height(); }
  bool BeginDocument(const std::string& title) override;
  void NewPage() override;
  bool EndDocument() override;

 protected:
  QPainter* ActivePainter() override { return m_painter.get(); }
  const QPaintDevice* MetricsDevice() const override { return &m_printer; }
  // The graph is drawn at screen size and stretched onto the page; on fine printers it is drawn finer.
  int BitmapPixelRatio() const override;

 private:
  QPrinter& m_printer;
  std::unique_ptr<QPainter> m_painter;
};

}  // namespace pramo
