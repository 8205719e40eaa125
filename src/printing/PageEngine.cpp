#include "printing/PageEngine.h"

#include <algorithm>
#include <cstddef>
#include <string_view>
#include <utility>

#include "strings/printing.h"

namespace pramo {

namespace {

constexpr const char* kLineHeightSample = "HkjiL";
constexpr std::size_t kPrinterNameLength = 32;

// The first characters (not bytes) of a UTF-8 text.
std::string FirstCharacters(const std::string& text, std::size_t count) {
  std::size_t end = 0;
  for (std::size_t characters = 0; end < text.size() && characters < count; ++characters) {
    do {
      ++end;
    } while (end < text.size() && (static_cast<unsigned char>(text[end]) & 0xC0) == 0x80);
  }
  return text.substr(0, end);
}

}  // namespace

PageEngine::PageEngine(PrinterCanvas& printer, PageFrame frame, Messages& messages)
    : m_printer(printer), m_frame(std::move(frame)), m_messages(messages) {}

PageEngine::PageEngine(PrinterCanvas& printer, PreviewCanvas& preview, int previewWidth, PageFrame frame,
                       Messages& messages)
    : m_printer(printer),
      m_preview(&preview),
      m_previewWidth(previewWidth),
      m_frame(std::move(frame)),
      m_messages(messages) {}

PageCanvas& PageEngine::Target() {
  return m_preview ? static_cast<PageCanvas&>(*m_preview) : m_printer;
}

bool PageEngine::Render(const std::function<void(PageEngine&)>& content) {
  if (!ReadPrinter()) {
    Tell(m_messages, MessageKind::Error, str::kPrinterAccessError);
    return false;
  }
  if (!PaperFits()) {
    Tell(m_messages, MessageKind::Warning, str::kPaperTooSmall);
    return false;
  }
  m_pageNumber = 1;
  if (!m_preview && !m_printer.BeginDocument(m_frame.NumberText)) {
    Tell(m_messages, MessageKind::Error, str::kPrinterAccessError);
    return false;
  }
  StartTarget();

  ResetRow();
  StartPage();
  m_row[kCellHeading].Style = FontStyle::Bold;
  content(*this);

  if (m_frame.FooterOn) {
    m_lineHeight = MeasureLineHeight();
    DrawFooter();
  }
  if (m_preview) {
    m_preview->StorePage();
    return true;
  }
  if (!m_printer.EndDocument()) {
    Tell(m_messages, MessageKind::Error, str::kPrinterAccessError);
    return false;
  }
  return true;
}

bool PageEngine::ReadPrinter() {
  auto settings = m_printer.ReadSettings();
  if (!settings) {
    m_printer.SelectCurrentPrinter();
    settings = m_printer.ReadSettings();
  }
  if (!settings) return false;
  m_printerName = FirstCharacters(settings->DeviceName, kPrinterNameLength);
  if (settings->PrintQuality < 1 || settings->VerticalResolution < 1) {
    m_resolutionX = settings->LogicalDpiX;
    m_resolutionY = settings->LogicalDpiY;
  } else if (settings->Landscape) {
    m_resolutionX = settings->VerticalResolution;
    m_resolutionY = settings->PrintQuality;
  } else {
    m_resolutionX = settings->PrintQuality;
    m_resolutionY = settings->VerticalResolution;
  }
  // Every size on the page derives from the resolutions; a printer without any cannot be laid out for.
  if (m_resolutionX < 1 || m_resolutionY < 1) return false;
  m_pageWidth = m_printer.PageWidth();
  m_pageHeight = m_printer.PageHeight();
  return true;
}

bool PageEngine::PaperFits() {
  m_printer.SetFontName(kBodyFontName);
  m_printer.SetFontStyle(FontStyle::Plain);
  m_printer.SetFontSize(kBodyFontPoints);
  m_lineHeight = MeasureLineHeight();
  m_bottomLimit = m_pageHeight * 0.975 - m_lineHeight;
  m_topMargin = RoundPixel(m_pageHeight * 0.025);

  // Twenty lines below the header margin, and the widest title of any kind on one line.
  m_printer.SetFontSize(kTitleFontPoints);
  bool fits = m_lineHeight * 20 + m_topMargin + 10 <= m_bottomLimit;
  for (const Text& title : str::kCertificateTitle) {
    fits = fits && m_printer.TextWidth(Tr(title)) <= m_pageWidth * 0.975;
  }
  m_printer.SetFontSize(kBodyFontPoints);
  ResetRow();
  return fits;
}

double PageEngine::LayoutWidth() const {
  return std::min<double>(m_pageWidth, kA4WidthInches * m_resolutionX);
}

void PageEngine::StartTarget() {
  if (!m_preview) {
    m_layoutUnit = LayoutWidth() / 100;
    return;
  }
  m_previewHeight = RoundPixel(static_cast<double>(m_pageHeight) * m_previewWidth / m_pageWidth *
                               m_resolutionX / m_resolutionY);
  m_layoutUnit = m_previewWidth * LayoutWidth() / m_pageWidth / 100;
  m_preview->StartPages(m_previewWidth, m_previewHeight);
}

double PageEngine::MeasureLineHeight() {
  return m_printer.TextHeight(kLineHeightSample);
}

void PageEngine::SetCertificateFont(int points, const std::string& name) {
  PageCanvas& target = Target();
  m_fontPoints = points;
  target.SetFontName(name);
  target.SetFontSize(points);
  const double targetWidth = m_preview ? m_previewWidth : m_pageWidth;
  const double resolution = m_preview ? m_resolutionX : m_resolutionY;
  const double fontPpi = target.FontPixelsPerInch();
  if (fontPpi <= 0 || m_pageWidth <= 0) return;
  target.SetFontSize(RoundPixel(targetWidth * points / (m_pageWidth / resolution) / fontPpi));
}

int PageEngine::TargetX(double printerX) const {
  return RoundPixel(m_preview ? printerX * m_previewWidth / m_pageWidth : printerX);
}

int PageEngine::TargetY(double printerY) const {
  return RoundPixel(m_preview ? m_previewHeight * printerY / m_pageHeight : printerY);
}

PixelRect PageEngine::TargetRect(double left, double top, double right, double bottom) const {
  return {TargetX(left), TargetY(top), TargetX(right), TargetY(bottom)};
}

void PageEngine::DrawLine(double x0, double y0, double x1, double y1, int printerPen, int previewPen) {
  PageCanvas& target = Target();
  target.SetPenWidth(m_preview ? previewPen : printerPen);
  target.MoveTo(TargetX(x0), TargetY(y0));
  target.LineTo(TargetX(x1), TargetY(y1));
}

int PageEngine::FramePen(double resolution) {
  return RoundPixel(resolution / 25.4 * 0.45);
}

std::array<std::vector<std::string>, 6> PageEngine::WrappedCells() {
  // Lines are broken in printer pixels with the printer's metrics, so that the preview shows the lines
  // the printer prints.
  const CanvasFont targetFont = Target().Font();
  const CanvasFont saved = m_printer.Font();
  const bool measureApart = m_preview && !(saved.Name == targetFont.Name && saved.Points == m_fontPoints);
  if (measureApart) {
    m_printer.SetFontName(targetFont.Name);
    m_printer.SetFontSize(m_fontPoints);
  }
  const FontStyle savedStyle = m_printer.Font().Style;
  std::array<int, 6> widths{};
  for (std::size_t i = 0; i < m_row.size(); ++i) {
    if (m_row[i].Text.empty()) continue;
    m_printer.SetFontStyle(m_row[i].Style);
    widths[i] = m_printer.TextWidth(m_row[i].Text);
  }
  const std::array<CellRoom, 6> rooms = CellRooms(m_row, widths, LayoutWidth() / 100);
  std::array<std::vector<std::string>, 6> lines;
  for (std::size_t i = 0; i < m_row.size(); ++i) {
    if (m_row[i].Text.empty()) continue;
    if (widths[i] <= rooms[i].Right - rooms[i].Left) {
      lines[i] = {m_row[i].Text};
      continue;
    }
    m_printer.SetFontStyle(m_row[i].Style);
    lines[i] = WrapText(m_row[i].Text, rooms[i].Right - rooms[i].Left,
                        [this](std::string_view text) { return m_printer.TextWidth(text); });
  }
  m_printer.SetFontStyle(savedStyle);
  if (measureApart) {
    m_printer.SetFontName(saved.Name);
    m_printer.SetFontSize(saved.Points);
  }
  return lines;
}

void PageEngine::EmitRow() {
  const std::array<std::vector<std::string>, 6> lines = WrappedCells();
  std::size_t lineCount = 1;
  for (const auto& cell : lines) lineCount = std::max(lineCount, cell.size());
  // The header's own rows never break a page; the paper check leaves room for them. A grown row moves
  // whole (and is drawn below the header even when it does not fit on an empty page either).
  if (!m_inHeader) KeepTogether(static_cast<int>(lineCount));
  m_y += RoundPixel(m_lineHeight);
  const int advance = RoundPixel(m_lineHeight);
  PageCanvas& target = Target();
  for (std::size_t line = 0; line < lineCount; ++line) {
    const int anchorY = TargetY(m_y + static_cast<double>(line) * advance);
    for (std::size_t i = 0; i < m_row.size(); ++i) {
      if (line >= lines[i].size() || lines[i][line].empty()) continue;
      const std::string& text = lines[i][line];
      target.SetFontStyle(m_row[i].Style);
      const PixelPoint anchor{RoundPixel(m_row[i].X * m_layoutUnit), anchorY};
      const PixelPoint at =
          PlaceText(anchor, target.TextWidth(text), target.TextHeight(text), m_row[i].Align);
      target.DrawText(at.X, at.Y, text);
    }
  }
  m_y += static_cast<double>(lineCount - 1) * advance;
  for (TRecPrintTxtFormat& cell : m_row) cell.Text.clear();
}

void PageEngine::KeepTogether(int lines) {
  const double advance = RoundPixel(m_lineHeight);
  const double firstLine = m_y + advance;
  if (firstLine + lines * advance > m_bottomLimit) {
    EndPage();
    StartPage();
  }
}

void PageEngine::StartPage() {
  const PrintRow saved = m_row;
  ResetRow();
  m_inHeader = true;
  m_lineHeight = MeasureLineHeight();
  SetCertificateFont(kBodyFontPoints, kBodyFontName);
  m_y = m_topMargin;

  m_row[kCellLabel].Text = m_frame.ProgramLine;
  m_row[kCellValue].Align = 1;
  m_row[kCellValue].Text = m_frame.OwnerName;
  EmitRow();
  m_row[kCellLabel].Text = Tr(str::kMakerLine);
  m_row[kCellValue].Text = m_frame.Today;
  EmitRow();
  m_row[kCellValue].Text = Tr(str::kPageLabel) + std::to_string(m_pageNumber);
  EmitRow();
  m_y += m_lineHeight;

  SetCertificateFont(kTitleFontPoints, kTitleFontName);
  m_row[kCellCentre].Style = FontStyle::Bold;
  m_row[kCellCentre].Align = 2;
  m_row[kCellCentre].Text = m_frame.Title;
  EmitRow();
  SetCertificateFont(kBodyFontPoints, kBodyFontName);
  if (!m_frame.StandardLine.empty()) {
    // The title's larger font reaches half a line further down.
    m_y += RoundPixel(m_lineHeight * 0.5);
    m_row[kCellCentre].Style = FontStyle::Plain;
    m_row[kCellCentre].Text = m_frame.StandardLine;
    EmitRow();
  }
  m_y += m_lineHeight;

  m_row[kCellLabel].Style = FontStyle::Plain;
  const auto labelled = [this](const Text& label, const std::string& value) {
    m_row[kCellLabel].Text = Tr(label);
    m_row[kCellNote].Text = value;
    EmitRow();
  };
  labelled(str::kNumberLabel, m_frame.NumberText);
  labelled(str::kDateLabel, m_frame.CalculationDate);
  if (m_frame.HasOriginRows) {
    labelled(str::kHeaderCompanyLabel, m_frame.Company);
    labelled(str::kHeaderMeasuringPointLabel, m_frame.MeasuringPoint);
    labelled(str::kDesignerLabel, m_frame.Designer);
  }
  m_row[kCellLabel].Text = Tr(str::kDatabaseLabel) + m_frame.DatabasePath;
  EmitRow();
  m_y += RoundPixel(m_lineHeight);

  m_inHeader = false;
  m_row = saved;
}

void PageEngine::DrawFooter() {
  PageCanvas& target = Target();
  const double footerTop = m_bottomLimit + RoundPixel(m_lineHeight * 0.4);
  target.SetPenWidth(m_preview ? 1 : 2);
  target.MoveTo(RoundPixel(7 * m_layoutUnit), TargetY(m_bottomLimit));
  target.LineTo(RoundPixel(93 * m_layoutUnit), TargetY(m_bottomLimit));
  // The footer is one plain line whatever style the last cell of the page left on the canvas.
  target.SetFontStyle(FontStyle::Plain);
  if (m_frame.FooterText.empty()) return;
  // A footer wider than its rule continues below it, centred as well.
  const std::vector<std::string> lines = WrapText(
      m_frame.FooterText, 86 * m_layoutUnit, [&](std::string_view text) { return target.TextWidth(text); });
  for (std::size_t line = 0; line < lines.size(); ++line) {
    const double top = footerTop + static_cast<double>(line) * RoundPixel(m_lineHeight);
    const PixelPoint at =
        PlaceText({RoundPixel(50 * m_layoutUnit), TargetY(top)}, target.TextWidth(lines[line]), 0, 2);
    target.DrawText(at.X, at.Y, lines[line]);
  }
}

void PageEngine::EndPage() {
  if (m_frame.FooterOn) DrawFooter();
  if (m_preview) {
    m_preview->StorePage();
  } else {
    m_printer.NewPage();
  }
  m_y = m_topMargin;
  ++m_pageNumber;
}

int PreviewBitmapWidth(PreviewZoom zoom) {
  switch (zoom) {
    case PreviewZoom::Half:
      return 300;
    case PreviewZoom::ThreeQuarters:
      return 450;
    case PreviewZoom::Full:
      return 600;
    case PreviewZoom::OneAndHalf:
      // Deliberately not 1.5 x 600: the largest preview page is 750 pixels wide.
      return 750;
  }
  return 600;
}

std::string ZoomEntryText(PreviewZoom zoom) {
  return Tr(str::kZoomItem[static_cast<int>(zoom)]);
}

}  // namespace pramo
