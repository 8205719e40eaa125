#pragma once

#include <array>
#include <functional>
#include <string>
#include <vector>

#include "core/Messages.h"
#include "printing/PageCanvas.h"
#include "printing/PageFrame.h"
#include "printing/PrintRow.h"

namespace pramo {

inline constexpr const char* kBodyFontName = "Arial CE";
inline constexpr const char* kTitleFontName = "Times New Roman CE";
inline constexpr int kBodyFontPoints = 9;
inline constexpr int kTitleFontPoints = 12;
// The layout never grows wider than an A4 sheet, whatever the paper.
inline constexpr double kA4WidthInches = 8.268;

// The page engine of the certificate: page geometry, the print row, line advance and page breaks, the
// header and footer of every page, and the scaling of all of it to the preview.
//
// The layout is always computed in the pixels of the selected printer, so the preview is a scaled picture
// of the printed page: in preview mode the printer is only asked for its settings and measured, and the
// pages are drawn on the preview bitmaps. Horizontal positions are layout percent (one hundredth of the
// layout width), vertical positions printer pixels from the top of the printable area.
class PageEngine {
 public:
  // Print mode: the pages go to the printer.
  PageEngine(PrinterCanvas& printer, PageFrame frame, Messages& messages);
  // Preview mode: the pages go to the preview bitmaps of the given width (PreviewBitmapWidth).
  PageEngine(PrinterCanvas& printer, PreviewCanvas& preview, int previewWidth, PageFrame frame,
             Messages& messages);

  // Produces the document: checks the printer and the paper, starts the first page with its header, lets
  // the content fill the print row and emit it, and finishes the last page. False when the printer or the
  // paper was refused (the user has been told) and nothing was drawn, or when the print job failed.
  bool Render(const std::function<void(PageEngine&)>& content);

  // Outputs the print row below the current line and clears the texts of its cells. A cell wider than its
  // room (CellRooms) continues on further lines within its column; the row then grows by those lines, and
  // moves whole to a new page when its last line would pass the bottom limit.
  void EmitRow();
  // Turns the page unless the given number of lines below the current one fit above the bottom limit:
  // rows that belong together move whole, as a grown row does.
  void KeepTogether(int lines);
  // Draws the page header; leaves the print row as it found it.
  void StartPage();
  // Draws the footer (when it is on), turns the page and advances the page number.
  void EndPage();
  // Selects a font on the target, its size rescaled so that text keeps its proportion to the page.
  void SetCertificateFont(int points, const std::string& name);

  PrintRow& Row() { return m_row; }
  TRecPrintTxtFormat& Cell(int index) { return m_row.at(index); }
  void ResetRow() { m_row = DefaultPrintRow(); }

  double CurrentY() const { return m_y; }
  void SetCurrentY(double y) { m_y = y; }
  double LineHeight() const { return m_lineHeight; }
  void SetLineHeight(double height) { m_lineHeight = height; }
  // Height of "HkjiL" in the printer's current font: the plain line height.
  double MeasureLineHeight();
  double TopMargin() const { return m_topMargin; }
  double BottomLimit() const { return m_bottomLimit; }

  int PageWidth() const { return m_pageWidth; }       // printer pixels
  int PageHeight() const { return m_pageHeight; }     // printer pixels
  double LayoutWidth() const;                         // printer pixels
  double LayoutUnit() const { return m_layoutUnit; }  // target pixels per layout percent
  double HorizontalResolution() const { return m_resolutionX; }
  double VerticalResolution() const { return m_resolutionY; }
  const std::string& PrinterName() const { return m_printerName; }
  int PageNumber() const { return m_pageNumber; }
  bool IsPreview() const { return m_preview != nullptr; }
  int PreviewHeight() const { return m_previewHeight; }

  PrinterCanvas& Printer() { return m_printer; }
  PageCanvas& Target();

  // Printer pixels to target pixels (only rounded in print mode).
  int TargetX(double printerX) const;
  int TargetY(double printerY) const;
  PixelRect TargetRect(double left, double top, double right, double bottom) const;
  // A straight line given in printer pixels, with its pen width on the printer and on the preview.
  void DrawLine(double x0, double y0, double x1, double y1, int printerPen, int previewPen);
  // Pen width of a frame edge 0.45 mm wide at the given resolution (dots per inch).
  static int FramePen(double resolution);

 private:
  bool ReadPrinter();
  bool PaperFits();
  void StartTarget();
  void DrawFooter();
  // The texts of the row's cells, each broken into the lines that fit its room.
  std::array<std::vector<std::string>, 6> WrappedCells();

  PrinterCanvas& m_printer;
  PreviewCanvas* m_preview = nullptr;
  int m_previewWidth = 0;
  PageFrame m_frame;
  Messages& m_messages;

  PrintRow m_row = DefaultPrintRow();
  double m_resolutionX = 0;
  double m_resolutionY = 0;
  std::string m_printerName;
  int m_pageWidth = 0;
  int m_pageHeight = 0;
  double m_lineHeight = 0;
  double m_y = 0;
  double m_topMargin = 0;
  double m_bottomLimit = 0;
  double m_layoutUnit = 0;
  int m_pageNumber = 1;
  int m_previewHeight = 0;
  bool m_inHeader = false;
  int m_fontPoints = kBodyFontPoints;  // as asked for, before rescaling to the target
};

enum class PreviewZoom { Half, ThreeQuarters, Full, OneAndHalf };

// Width in pixels of the preview page bitmap at a zoom of the preview's zoom list.
int PreviewBitmapWidth(PreviewZoom zoom);
// The zoom list entry ("50 %", ...).
std::string ZoomEntryText(PreviewZoom zoom);

}  // namespace pramo
