#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "printing/PageCanvas.h"

namespace pramo {

// One text item of a print row and how it is placed relative to its anchor.
struct TRecPrintTxtFormat {
  std::string Text;  // not drawn when empty
  double X = 0;      // horizontal anchor, layout percent
  FontStyle Style = FontStyle::Plain;
  // 0 left/top, 1 right/top, 2 centre/top, 3 left/bottom, 4 right/bottom, 5 centre/bottom,
  // 6 centre/middle (x/y of the text relative to the anchor).
  std::uint8_t Align = 0;
};

// Cells of the print row by role.
enum PrintCell : int {
  kCellLabel = 0,
  kCellHeading = 1,
  kCellNote = 2,
  kCellUnit = 3,
  kCellCentre = 4,
  kCellValue = 5,
};

// The six cells drawn together as one output line.
using PrintRow = std::array<TRecPrintTxtFormat, 6>;

// Anchors 7, 7, 25, 64, 50, 93 layout percent, plain, left/top, no texts.
PrintRow DefaultPrintRow();

struct PixelPoint {
  int X = 0;
  int Y = 0;
};

// Top left corner of a text of the given extents placed at the anchor by the alignment mode; halves of
// the extents round toward zero. A mode outside 0..6 places the text as mode 0.
PixelPoint PlaceText(PixelPoint anchor, int width, int height, std::uint8_t align);

// A computed position in whole pixels: nearest, halves to even.
int RoundPixel(double value);

// The horizontal room of a cell of a row, in pixels.
struct CellRoom {
  double Left = 0;
  double Right = 0;
};

// The room each non-empty cell of a row may fill so that no text reaches into its neighbour's, from the
// cells' anchors (layout percent, pixelsPerPercent apart), alignments and one-line widths. A left-aligned
// cell reaches to the next cell on its right; a right-aligned one back to the anchor of the cell on its
// left; a right-aligned cell after a left-aligned one keeps its own width unless it would leave the left
// one less than half of the space between them. The outermost cells end at 7 and 93 %, centred ones
// stay centred inside 0 … 100 %.
std::array<CellRoom, 6> CellRooms(const PrintRow& row, const std::array<int, 6>& widths,
                                  double pixelsPerPercent);

// A text broken into lines no wider than the room: at blanks, inside a word only where the word alone is
// wider. A text that fits is its one line as it stands, leading blanks and all.
std::vector<std::string> WrapText(const std::string& text, double room,
                                  const std::function<int(std::string_view)>& width);

}  // namespace pramo
