#include "printing/qt/ImagePreviewCanvas.h"

#include <algorithm>

namespace pramo {

ImagePreviewCanvas::ImagePreviewCanvas(double screenPixelsPerInch)
    : PainterCanvas<PreviewCanvas>(screenPixelsPerInch) {}

ImagePreviewCanvas::~ImagePreviewCanvas() = default;

void ImagePreviewCanvas::StartPages(int width, int height) {
  m_painter.reset();
  m_pages.clear();
  m_bitmap = QImage(std::max(width, 0), std::max(height, 0), QImage::Format_RGB32);
  BeginBitmap();
}

void ImagePreviewCanvas::StorePage() {
  m_painter.reset();
  m_pages.push_back(m_bitmap.copy(0, 0, m_bitmap.width(), std::max(m_bitmap.height() - kPreviewCutRows, 0)));
  BeginBitmap();
}

void ImagePreviewCanvas::BeginBitmap() {
  if (m_bitmap.isNull()) return;
  m_bitmap.fill(Qt::white);
  m_painter = std::make_unique<QPainter>(&m_bitmap);
  PreparePainter(*m_painter);
}

}  // namespace pramo
