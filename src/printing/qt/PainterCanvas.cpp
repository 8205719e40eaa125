#include "printing/qt/PainterCanvas.h"

#include <algorithm>

#include <QColor>
#include <QPen>
#include <QString>

#include "printing/qt/CertificateFonts.h"

namespace pramo {

namespace {

QString ToQString(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// Rectangles of the canvas exclude their right and bottom edges.
QRect ToQRect(const PixelRect& rect) {
  return QRect(rect.Left, rect.Top, rect.Right - rect.Left, rect.Bottom - rect.Top);
}

}  // namespace

template <class Surface>
PainterCanvas<Surface>::PainterCanvas(double fontPixelsPerInch) : m_fontPixelsPerInch(fontPixelsPerInch) {}

template <class Surface>
void PainterCanvas<Surface>::PreparePainter(QPainter& painter) {
  // Crisp one-pixel rules on the preview; smooth text on every surface.
  painter.setRenderHint(QPainter::Antialiasing, false);
  painter.setRenderHint(QPainter::TextAntialiasing, true);
  painter.setRenderHint(QPainter::SmoothPixmapTransform, true);
}

template <class Surface>
void PainterCanvas<Surface>::ApplyFont(const CanvasFont& font) {
  m_font = CertificateQFont(font, m_fontPixelsPerInch);
  m_metrics.reset();
}

template <class Surface>
const QFontMetrics& PainterCanvas<Surface>::Metrics() {
  if (!m_metrics) m_metrics.emplace(m_font, MetricsDevice());
  return *m_metrics;
}

template <class Surface>
int PainterCanvas<Surface>::TextWidth(std::string_view text) {
  return Metrics().horizontalAdvance(ToQString(text));
}

template <class Surface>
int PainterCanvas<Surface>::TextHeight(std::string_view) {
  return Metrics().height();
}

template <class Surface>
void PainterCanvas<Surface>::DrawText(int x, int y, std::string_view text) {
  QPainter* painter = ActivePainter();
  if (!painter) return;
  painter->setFont(m_font);
  painter->setPen(Qt::black);
  painter->drawText(QPoint(x, y + Metrics().ascent()), ToQString(text));
}

template <class Surface>
void PainterCanvas<Surface>::DrawLine(int x0, int y0, int x1, int y1) {
  QPainter* painter = ActivePainter();
  if (!painter) return;
  const int width = std::max(1, this->PenWidth());
  // Wide frame edges meet in full corners; hairlines end where they are told to.
  const RgbColor color = this->PenColor();
  painter->setPen(QPen(QColor(color.Red, color.Green, color.Blue), width, Qt::SolidLine,
                       width > 1 ? Qt::SquareCap : Qt::FlatCap, Qt::MiterJoin));
  painter->drawLine(x0, y0, x1, y1);
}

template <class Surface>
void PainterCanvas<Surface>::FillRect(const PixelRect& rect) {
  if (QPainter* painter = ActivePainter()) painter->fillRect(ToQRect(rect), Qt::white);
}

template <class Surface>
void PainterCanvas<Surface>::StretchDraw(const PixelRect& rect, CanvasBitmap& bitmap) {
  auto* image = dynamic_cast<ImageBitmap*>(&bitmap);
  QPainter* painter = ActivePainter();
  if (!image || !painter) return;
  painter->drawImage(ToQRect(rect), image->Image());
}

template <class Surface>
std::unique_ptr<CanvasBitmap> PainterCanvas<Surface>::CreateBitmap(int width, int height) {
  return std::make_unique<ImageBitmap>(width, height, kDefaultScreenPixelsPerInch, BitmapPixelRatio());
}

ImageBitmap::ImageBitmap(int width, int height, double screenPixelsPerInch, int pixelRatio)
    : PainterCanvas<CanvasBitmap>(screenPixelsPerInch),
      m_width(std::max(width, 0)),
      m_height(std::max(height, 0)),
      m_image(m_width * std::max(pixelRatio, 1), m_height * std::max(pixelRatio, 1), QImage::Format_RGB32) {
  // The painter scales by the ratio, so the picture is drawn in the bitmap's own pixels, only finer.
  m_image.setDevicePixelRatio(std::max(pixelRatio, 1));
  m_image.fill(Qt::white);
}

ImageBitmap::~ImageBitmap() = default;

QPainter* ImageBitmap::ActivePainter() {
  if (m_image.isNull()) return nullptr;
  if (!m_painter) {
    m_painter = std::make_unique<QPainter>(&m_image);
    PreparePainter(*m_painter);
  }
  return m_painter.get();
}

const QImage& ImageBitmap::Image() {
  // The picture is complete only once its painter has finished.
  m_painter.reset();
  return m_image;
}

template class PainterCanvas<CanvasBitmap>;
template class PainterCanvas<PrinterCanvas>;
template class PainterCanvas<PreviewCanvas>;

}  // namespace pramo
