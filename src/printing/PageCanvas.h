#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

namespace pramo {

enum class FontStyle : std::uint8_t { Plain, Bold };

// A font as the certificate asks for it: a face name, a size in points and a style. The canvas turns the
// points into pixels with its own font pixels-per-inch.
struct CanvasFont {
  std::string Name;
  int Points = 9;
  FontStyle Style = FontStyle::Plain;
};

// A colour of lines; text is always black.
struct RgbColor {
  std::uint8_t Red = 0;
  std::uint8_t Green = 0;
  std::uint8_t Blue = 0;
  friend bool operator==(const RgbColor&, const RgbColor&) = default;
};
inline constexpr RgbColor kBlack{0, 0, 0};

struct PixelRect {
  int Left = 0;
  int Top = 0;
  int Right = 0;
  int Bottom = 0;
};

class CanvasBitmap;

// Off-page pictures (the uncertainty graph) are drawn at the screen's pixels per inch, as the screen
// shows them.
inline constexpr double kScreenPixelsPerInch = 96;

// The surface the certificate is drawn on: a printer page, a preview page bitmap or an off-page
// bitmap (the uncertainty graph). The font, the pen width and the pen position are kept here as on
// any drawing surface; the implementations provide the measuring and drawing itself. Coordinates are
// whole pixels of this canvas with the origin at the top left of its printable area.
class PageCanvas {
 public:
  virtual ~PageCanvas() = default;

  void SetFontName(std::string name);
  void SetFontSize(int points);
  void SetFontStyle(FontStyle style);
  const CanvasFont& Font() const { return m_font; }
  // Pixels per inch with which font points become pixels on this canvas.
  virtual double FontPixelsPerInch() const = 0;

  // Extents of a text (UTF-8) in the current font.
  virtual int TextWidth(std::string_view text) = 0;
  virtual int TextHeight(std::string_view text) = 0;
  // Draws a text with the top left corner of its cell at (x, y).
  virtual void DrawText(int x, int y, std::string_view text) = 0;

  void SetPenWidth(int width) { m_penWidth = width; }
  int PenWidth() const { return m_penWidth; }
  void SetPenColor(RgbColor color) { m_penColor = color; }
  RgbColor PenColor() const { return m_penColor; }
  void MoveTo(int x, int y);
  // A straight line from the pen position to (x, y), which becomes the new pen position.
  void LineTo(int x, int y);

  // Fills the rectangle with the background colour.
  virtual void FillRect(const PixelRect& rect) = 0;
  // Draws the whole bitmap stretched into the rectangle.
  virtual void StretchDraw(const PixelRect& rect, CanvasBitmap& bitmap) = 0;
  // A bitmap of the same kind of surface, cleared to the background colour, to be drawn on and then
  // stretched into a page.
  virtual std::unique_ptr<CanvasBitmap> CreateBitmap(int width, int height) = 0;

 protected:
  virtual void ApplyFont(const CanvasFont& font) = 0;
  virtual void DrawLine(int x0, int y0, int x1, int y1) = 0;

 private:
  CanvasFont m_font;
  int m_penWidth = 1;
  RgbColor m_penColor = kBlack;
  int m_penX = 0;
  int m_penY = 0;
};

class CanvasBitmap : public PageCanvas {
 public:
  virtual int Width() const = 0;
  virtual int Height() const = 0;
};

// What the selected printer reports about itself.
struct PrinterSettings {
  std::string DeviceName;
  int PrintQuality = 0;        // dots per inch across the paper; below 1 when the driver does not say
  int VerticalResolution = 0;  // dots per inch down the paper; below 1 when the driver does not say
  bool Landscape = false;
  double LogicalDpiX = 0;  // the device's logical pixels per inch
  double LogicalDpiY = 0;
};

// What a document says about itself where the target keeps such data (a PDF file's properties).
struct DocumentInfo {
  std::string Title;
  std::string Author;
  std::string Subject;
  std::string Creator;  // the program that made it
};

// The selected printer: its settings, its printable page and the print job.
class PrinterCanvas : public PageCanvas {
 public:
  // Empty when the printer cannot be reached.
  virtual std::optional<PrinterSettings> ReadSettings() = 0;
  // Selects the current printer again, before the one retry of reading its settings.
  virtual void SelectCurrentPrinter() = 0;
  // Printable width and height in printer pixels, in the orientation set.
  virtual int PageWidth() const = 0;
  virtual int PageHeight() const = 0;
  // Starts a print job; false when it cannot be started.
  virtual bool BeginDocument(const std::string& title) = 0;
  virtual void NewPage() = 0;
  // Finishes the job; false when it could not be completed.
  virtual bool EndDocument() = 0;
};

// The preview: one page bitmap drawn at a time and the store of finished pages.
class PreviewCanvas : public PageCanvas {
 public:
  // A page bitmap of the given size cleared to the background colour, and an empty page store.
  virtual void StartPages(int width, int height) = 0;
  // Adds the page bitmap to the store, less its bottom kPreviewCutRows rows, and clears the bitmap.
  virtual void StorePage() = 0;
  virtual int StoredPageCount() const = 0;
};

// The preview keeps its pages a few rows shorter than the bitmap they are drawn on, so that the shadow
// behind the shown page shows below it.
inline constexpr int kPreviewCutRows = 4;

}  // namespace pramo
