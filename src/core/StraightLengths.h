#pragma once

#include <array>
#include <string>

#include "core/CalculationState.h"

namespace pramo {

inline constexpr int kFittingBoxCount = 12;

// The element groups that share fitting boxes and straight-length tables.
enum class FittingGroup { Orifice, Nozzle, VenturiTube };

// Orifice plates (kinds 0 to 2), nozzles (ISA 1932, long radius and the Venturi nozzle), classical
// Venturi tubes.
FittingGroup FittingGroupOf(PrimaryElementKind kind);

// Calculations tagged "ver3.4" or "ver3.5" use the current straight-length tables and fitting boxes;
// every other tag the older ones, so a stored calculation keeps the lengths of its own time.
bool UsesCurrentFittingTables(const std::string& versionTag);

// One row of a straight-length table, in multiples of D: boxes 1 to 12 (0 where the table has no such
// fitting) and the length downstream of the element.
struct StraightLengthRow {
  std::array<double, kFittingBoxCount> boxes{};
  double downstream = 0;
};

// The row for a diameter ratio: bands are closed at their upper end (β equal to a band's upper limit
// takes that band), β above the last limit takes the last row; no interpolation. shortLengths selects
// the shorter lengths that cost the additional flow uncertainty of 0.5 %.
StraightLengthRow StraightLengthsFor(const std::string& versionTag, PrimaryElementKind kind, double beta,
                                     bool shortLengths);

// Fills FittingLengths, FittingLengths11and12, DownstreamLength and UpstreamLength (the largest length
// of the ticked boxes, 0 with none ticked) from Beta, the element, the tag and the 0.5 % option.
void ComputeStraightLengths(CalculationState& state);

// The minimum straight length reported with the results: (upstream + downstream length) × D, in m.
double MinimumStraightLength(const CalculationState& state);

// What the input page shows in its twelve fitting boxes, and the certificate next to each ticked box.
struct FittingBox {
  std::string caption;  // in the language in force; empty for a hidden box
  bool visible = false;
};
struct FittingBoxes {
  std::array<FittingBox, kFittingBoxCount> boxes;
  bool offsetOptionVisible = false;  // the "0,2%" additional-uncertainty box
  std::string pipeMaterialLabel;
};

// Captions and visibility of the fitting boxes for a version tag and an element kind.
FittingBoxes FittingBoxesFor(const std::string& versionTag, PrimaryElementKind kind);

}  // namespace pramo
