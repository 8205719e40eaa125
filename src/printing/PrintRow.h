#pragma once

#include <array>
#include <cstdint>
#include <string>

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

}  // namespace pramo
