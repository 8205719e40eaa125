#include "windows/Icons.h"

#include <QPainter>
#include <QPainterPath>

namespace pramo {
namespace {

constexpr int kToolSize = 24;

QPixmap Canvas(int size) {
  QPixmap pixmap(size, size);
  pixmap.fill(Qt::transparent);
  return pixmap;
}

// A pen whose width follows the icon size, drawn on a 24-unit grid.
QPen Pen(const QColor& colour, double width) {
  return QPen(colour, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

void DrawArrow(QPainter& p, bool down) {
  p.setPen(Pen(QColor(30, 100, 170), 2.2));
  const double top = down ? 3 : 21, bottom = down ? 15 : 9;
  p.drawLine(QPointF(12, top), QPointF(12, bottom));
  const double head = down ? bottom - 5 : bottom + 5;
  p.drawLine(QPointF(7, head), QPointF(12, bottom));
  p.drawLine(QPointF(17, head), QPointF(12, bottom));
}

void DrawSheet(QPainter& p, const QRectF& r) {
  p.setPen(Pen(QColor(90, 90, 90), 1.2));
  p.setBrush(Qt::white);
  p.drawRoundedRect(r, 1.5, 1.5);
}

void DrawGlyph(QPainter& p, ToolGlyph glyph) {
  switch (glyph) {
    case ToolGlyph::Save:
      p.setPen(Pen(QColor(35, 70, 120), 1.4));
      p.setBrush(QColor(70, 120, 190));
      p.drawRoundedRect(QRectF(3, 3, 18, 18), 2, 2);
      p.setBrush(Qt::white);
      p.drawRect(QRectF(7, 3, 10, 7));
      p.setBrush(QColor(220, 225, 235));
      p.drawRect(QRectF(6, 13, 12, 8));
      break;
    case ToolGlyph::Export:
      DrawSheet(p, QRectF(4, 12, 16, 9));
      DrawArrow(p, false);
      break;
    case ToolGlyph::Import:
      DrawSheet(p, QRectF(4, 12, 16, 9));
      DrawArrow(p, true);
      break;
    case ToolGlyph::Calculate:
      p.setPen(Pen(QColor(60, 60, 60), 1.2));
      p.setBrush(QColor(240, 240, 236));
      p.drawRoundedRect(QRectF(4, 2, 16, 20), 2, 2);
      p.setBrush(QColor(150, 200, 150));
      p.drawRect(QRectF(7, 5, 10, 4));
      p.setBrush(QColor(90, 90, 90));
      for (int row = 0; row < 3; ++row)
        for (int column = 0; column < 3; ++column) p.drawRect(QRectF(7 + column * 4, 11 + row * 3.5, 2, 2));
      break;
    case ToolGlyph::Graph: {
      p.setPen(Pen(QColor(70, 70, 70), 1.4));
      p.drawLine(QPointF(4, 3), QPointF(4, 20));
      p.drawLine(QPointF(4, 20), QPointF(21, 20));
      QPainterPath curve(QPointF(5, 6));
      curve.cubicTo(QPointF(9, 16), QPointF(14, 17), QPointF(21, 17));
      p.setPen(Pen(QColor(200, 50, 40), 2));
      p.setBrush(Qt::NoBrush);
      p.drawPath(curve);
      break;
    }
    case ToolGlyph::Table:
      DrawSheet(p, QRectF(3, 4, 18, 16));
      p.setPen(Pen(QColor(90, 90, 90), 1));
      for (int y : {8, 12, 16}) p.drawLine(QPointF(3, y), QPointF(21, y));
      p.drawLine(QPointF(10, 4), QPointF(10, 20));
      break;
    case ToolGlyph::Preview:
      DrawSheet(p, QRectF(3, 2, 14, 18));
      p.setPen(Pen(QColor(40, 40, 40), 2));
      p.setBrush(QColor(200, 225, 245, 200));
      p.drawEllipse(QPointF(13, 12), 5, 5);
      p.drawLine(QPointF(16.5, 15.5), QPointF(21, 20));
      break;
    case ToolGlyph::Help: {
      p.setPen(Qt::NoPen);
      p.setBrush(QColor(40, 110, 190));
      p.drawEllipse(QPointF(12, 12), 10, 10);
      QFont font;
      font.setBold(true);
      font.setPixelSize(15);
      p.setFont(font);
      p.setPen(Qt::white);
      p.drawText(QRectF(2, 2, 20, 20), Qt::AlignCenter, QStringLiteral("?"));
      break;
    }
    case ToolGlyph::Print:
      DrawSheet(p, QRectF(7, 2, 10, 8));
      p.setPen(Pen(QColor(60, 60, 60), 1.2));
      p.setBrush(QColor(175, 175, 180));
      p.drawRoundedRect(QRectF(2, 9, 20, 8), 1.5, 1.5);
      DrawSheet(p, QRectF(6, 14, 12, 8));
      break;
  }
}

}  // namespace

QPixmap StatusIcon(int status, int size) {
  QPixmap pixmap = Canvas(size);
  QPainter p(&pixmap);
  p.setRenderHint(QPainter::Antialiasing);
  p.scale(size / 16.0, size / 16.0);
  switch (status) {
    case 0:
      p.setPen(Qt::NoPen);
      p.setBrush(QColor(46, 160, 67));
      p.drawEllipse(QRectF(1, 1, 14, 14));
      p.setPen(Pen(Qt::white, 2));
      p.drawPolyline(QPolygonF({QPointF(4.5, 8.5), QPointF(7, 11), QPointF(11.5, 5)}));
      break;
    case 1: {
      p.setPen(Pen(QColor(150, 100, 0), 0.8));
      p.setBrush(QColor(245, 185, 30));
      p.drawPolygon(QPolygonF({QPointF(8, 1), QPointF(15, 14.5), QPointF(1, 14.5)}));
      p.setPen(Pen(QColor(40, 30, 0), 1.8));
      p.drawLine(QPointF(8, 5.5), QPointF(8, 9.5));
      p.drawPoint(QPointF(8, 12.2));
      break;
    }
    default:
      p.setPen(Qt::NoPen);
      p.setBrush(QColor(205, 45, 45));
      p.drawEllipse(QRectF(1, 1, 14, 14));
      p.setPen(Pen(Qt::white, 2));
      p.drawLine(QPointF(5, 5), QPointF(11, 11));
      p.drawLine(QPointF(11, 5), QPointF(5, 11));
      break;
  }
  return pixmap;
}

QIcon ToolIcon(ToolGlyph glyph) {
  QIcon icon;
  for (int size : {kToolSize, kToolSize * 2}) {
    QPixmap pixmap = Canvas(size);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size / double(kToolSize), size / double(kToolSize));
    DrawGlyph(p, glyph);
    p.end();
    icon.addPixmap(pixmap);
  }
  return icon;
}

QIcon PrintIcon() {
  return QIcon::fromTheme(QStringLiteral("document-print"), ToolIcon(ToolGlyph::Print));
}

QIcon ProgramIcon() {
  QIcon icon;
  for (int size : {16, 32, 48, 64, 128, 256})
    icon.addFile(QStringLiteral(":/icons/hicolor/%1x%1/apps/cz.tavor.Pramo.png").arg(size),
                 QSize(size, size));
  return icon;
}

}  // namespace pramo
