#pragma once

#include <memory>
#include <vector>

#include <QImage>
#include <QPainter>

#include "printing/qt/PainterCanvas.h"

namespace pramo {

// The preview: the page bitmap being drawn and the store of finished pages (each the bitmap less its
// bottom rows), as images.
class ImagePreviewCanvas : public PainterCanvas<PreviewCanvas> {
 public:
  explicit ImagePreviewCanvas(double screenPixelsPerInch = kDefaultScreenPixelsPerInch);
  ~ImagePreviewCanvas() override;

  void StartPages(int width, int height) override;
  void StorePage() override;
  int StoredPageCount() const override { return static_cast<int>(m_pages.size()); }
  const std::vector<QImage>& Pages() const { return m_pages; }

 protected:
  QPainter* ActivePainter() override { return m_painter.get(); }
  const QPaintDevice* MetricsDevice() const override { return &m_bitmap; }

 private:
  void BeginBitmap();

  QImage m_bitmap;
  std::unique_ptr<QPainter> m_painter;
  std::vector<QImage> m_pages;
};

}  // namespace pramo
