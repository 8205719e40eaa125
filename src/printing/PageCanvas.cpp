#include "printing/PageCanvas.h"

#include <utility>

namespace pramo {

void PageCanvas::SetFontName(std::string name) {
  m_font.Name = std::move(name);
  ApplyFont(m_font);
}

void PageCanvas::SetFontSize(int points) {
  m_font.Points = points;
  ApplyFont(m_font);
}

void PageCanvas::SetFontStyle(FontStyle style) {
  m_font.Style = style;
  ApplyFont(m_font);
}

void PageCanvas::MoveTo(int x, int y) {
  m_penX = x;
  m_penY = y;
}

void PageCanvas::LineTo(int x, int y) {
  DrawLine(m_penX, m_penY, x, y);
  MoveTo(x, y);
}

}  // namespace pramo
