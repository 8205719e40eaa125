#pragma once

#include <cmath>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "printing/PageCanvas.h"

namespace pramo::testing {

inline int CharacterCount(std::string_view text) {
  int count = 0;
  for (char c : text) count += (static_cast<unsigned char>(c) & 0xC0) != 0x80;
  return count;
}

struct DrawnText {
  int page;  // 1-based page of the document being drawn
  int x;
  int y;
  std::string text;
  CanvasFont font;
};

struct DrawnLine {
  int page;
  int x0, y0, x1, y1;
  int pen;
  RgbColor color;
};

// What was drawn on an off-page bitmap.
struct BitmapDrawing {
  int width = 0;
  int height = 0;
  std::vector<DrawnText> texts;
  std::vector<DrawnLine> lines;
  std::vector<PixelRect> filled;
};

struct StretchedBitmap {
  int page;
  PixelRect rect;
  int width;  // of the bitmap
  int height;
};

// A canvas with simple metrics that records what is drawn on it: every character is
// widthPerPoint x points wide, every text heightPerPoint x points high.
template <class Surface>
class Recording : public Surface {
 public:
  double widthPerPoint = 4;
  double heightPerPoint = 10;
  double fontPixelsPerInch = 600;
  int page = 1;
  std::vector<DrawnText> texts;
  std::vector<DrawnLine> lines;
  std::vector<CanvasFont> fontsApplied;
  std::vector<StretchedBitmap> stretched;
  std::vector<PixelRect> filled;

  double FontPixelsPerInch() const override { return fontPixelsPerInch; }
  int TextWidth(std::string_view text) override {
    return static_cast<int>(std::lround(CharacterCount(text) * widthPerPoint * this->Font().Points));
  }
  int TextHeight(std::string_view) override {
    return static_cast<int>(std::lround(heightPerPoint * this->Font().Points));
  }
  void DrawText(int x, int y, std::string_view text) override {
    texts.push_back({page, x, y, std::string(text), this->Font()});
  }
  void FillRect(const PixelRect& rect) override { filled.push_back(rect); }
  void StretchDraw(const PixelRect& rect, CanvasBitmap& bitmap) override {
    stretched.push_back({page, rect, bitmap.Width(), bitmap.Height()});
  }
  // A recording bitmap (FakeBitmap) whose drawing lands in bitmaps when it is destroyed.
  std::unique_ptr<CanvasBitmap> CreateBitmap(int width, int height) override;
  std::vector<BitmapDrawing> bitmaps;

  // The texts drawn on one page, in drawing order.
  std::vector<DrawnText> TextsOn(int onPage) const {
    std::vector<DrawnText> result;
    for (const DrawnText& t : texts)
      if (t.page == onPage) result.push_back(t);
    return result;
  }
  const DrawnText* Find(std::string_view text, int onPage = 0) const {
    for (const DrawnText& t : texts)
      if (t.text == text && (onPage == 0 || t.page == onPage)) return &t;
    return nullptr;
  }

 protected:
  void ApplyFont(const CanvasFont& font) override { fontsApplied.push_back(font); }
  void DrawLine(int x0, int y0, int x1, int y1) override {
    lines.push_back({page, x0, y0, x1, y1, this->PenWidth(), this->PenColor()});
  }
};

class FakeBitmap : public Recording<CanvasBitmap> {
 public:
  FakeBitmap(int w, int h, std::vector<BitmapDrawing>& sink) : width(w), height(h), m_sink(sink) {
    fontPixelsPerInch = 96;
  }
  ~FakeBitmap() override { m_sink.push_back({width, height, texts, lines, filled}); }
  int Width() const override { return width; }
  int Height() const override { return height; }
  int width;
  int height;

 private:
  std::vector<BitmapDrawing>& m_sink;
};

template <class Surface>
std::unique_ptr<CanvasBitmap> Recording<Surface>::CreateBitmap(int width, int height) {
  return std::make_unique<FakeBitmap>(width, height, bitmaps);
}

// A printer of A4 paper at 600 dpi with 1/6 inch margins unless told otherwise.
class FakePrinter : public Recording<PrinterCanvas> {
 public:
  int pageWidth = 4760;
  int pageHeight = 6816;
  PrinterSettings settings{"Fake laser", 600, 600, false, 600, 600};
  int unreachableReads = 0;  // reads that fail before the printer answers
  int reselections = 0;
  bool beginFails = false;
  bool endFails = false;
  std::vector<std::string> jobs;  // titles of the documents begun
  int documentsEnded = 0;

  std::optional<PrinterSettings> ReadSettings() override {
    if (unreachableReads > 0) {
      --unreachableReads;
      return std::nullopt;
    }
    return settings;
  }
  void SelectCurrentPrinter() override { ++reselections; }
  int PageWidth() const override { return pageWidth; }
  int PageHeight() const override { return pageHeight; }
  bool BeginDocument(const std::string& title) override {
    if (beginFails) return false;
    jobs.push_back(title);
    page = 1;
    return true;
  }
  void NewPage() override { ++page; }
  bool EndDocument() override {
    ++documentsEnded;
    return !endFails;
  }
};

class FakePreview : public Recording<PreviewCanvas> {
 public:
  int width = 0;
  int height = 0;
  int starts = 0;

  FakePreview() { fontPixelsPerInch = 96; }
  void StartPages(int w, int h) override {
    width = w;
    height = h;
    ++starts;
    page = 1;
    texts.clear();
    lines.clear();
  }
  void StorePage() override { ++page; }
  int StoredPageCount() const override { return page - 1; }
};

}  // namespace pramo::testing
