#pragma once

#include <memory>
#include <optional>
#include <string_view>

#include <QFont>
#include <QFontMetrics>
#include <QImage>
#include <QPaintDevice>
#include <QPainter>

#include "printing/PageCanvas.h"

namespace pramo {

// The page canvas operations done with a QPainter, for every kind of surface (printer, preview page,
// off-page bitmap). The surface says which painter is drawing, if any, and which device the text is
// measured for.
template <class Surface>
class PainterCanvas : public Surface {
 public:
  double FontPixelsPerInch() const override { return m_fontPixelsPerInch; }
  int TextWidth(std::string_view text) override;
  int TextHeight(std::string_view text) override;
  void DrawText(int x, int y, std::string_view text) override;
  void FillRect(const PixelRect& rect) override;
  void StretchDraw(const PixelRect& rect, CanvasBitmap& bitmap) override;
  std::unique_ptr<CanvasBitmap> CreateBitmap(int width, int height) override;

 protected:
  explicit PainterCanvas(double fontPixelsPerInch);
  void ApplyFont(const CanvasFont& font) override;
  void DrawLine(int x0, int y0, int x1, int y1) override;

  // The painter drawing on the surface now, or null when nothing can be drawn.
  virtual QPainter* ActivePainter() = 0;
  // The device text is measured for; null for the screen.
  virtual const QPaintDevice* MetricsDevice() const = 0;
  // Sets up a painter that has just begun on the surface.
  static void PreparePainter(QPainter& painter);
  // Device pixels per bitmap pixel of the off-page bitmaps made for this surface.
  virtual int BitmapPixelRatio() const { return 1; }

 private:
  const QFontMetrics& Metrics();

  double m_fontPixelsPerInch;
  QFont m_font;
  std::optional<QFontMetrics> m_metrics;
};

// An off-page picture drawn with the canvas operations, then stretched into a page. Its pixels per inch
// for fonts are the screen's, as a bitmap's are. A pixel ratio above 1 keeps that many image pixels per
// bitmap pixel each way, for surfaces that print much finer than the screen.
class ImageBitmap : public PainterCanvas<CanvasBitmap> {
 public:
  ImageBitmap(int width, int height, double screenPixelsPerInch, int pixelRatio = 1);
  ~ImageBitmap() override;
  int Width() const override { return m_width; }
  int Height() const override { return m_height; }
  // The picture as drawn so far.
  const QImage& Image();

 protected:
  QPainter* ActivePainter() override;
  const QPaintDevice* MetricsDevice() const override { return &m_image; }

 private:
  int m_width;
  int m_height;
  QImage m_image;
  std::unique_ptr<QPainter> m_painter;
};

// The screen's logical pixels per inch where there is no screen to ask.
inline constexpr double kDefaultScreenPixelsPerInch = kScreenPixelsPerInch;

}  // namespace pramo
