#pragma once

#include "core/CalculationState.h"

namespace pramo {

// Tapping spacings of an orifice plate, L1 and L2' (relative to D), as the discharge coefficient takes them.
struct TappingSpacing {
  double l1 = 0;
  double l2 = 0;
};

// The spacings of the element's tappings in a pipe of diameter pipeDiameter (m): corner tappings and the
// ISA 1932 nozzle 0 and 0, D and D/2 tappings 1 and 0.47, flange tappings 25.4 mm / D for both. The other
// elements have no spacing in their equation; they get zeros.
TappingSpacing TappingSpacingOf(ElementKind kind, double pipeDiameter);

// Values the sizing iterations start from: C0 and ε0.
double StartDischargeCoefficient(ElementKind kind);
double StartExpansibility(FluidKind fluid);

// Discharge coefficient C of the element at diameter ratio beta and pipe Reynolds number reD, in a pipe of
// diameter pipeDiameter (m), with the tapping spacings l1 and l2 (L1, L2'). A division by zero, an
// overflow or an invalid operation in the evaluation gives NaN.
double DischargeCoefficient(ElementKind kind, double beta, double reD, double pipeDiameter, double l1,
                            double l2);

// Expansibility factor ε of the element for the fluid at diameter ratio beta, differential pressure dp
// (Pa), absolute upstream pressure p1 (Pa) and isentropic exponent kappa; 1 for water and user liquids.
// A floating-point fault in the evaluation gives NaN.
double Expansibility(ElementKind kind, FluidKind fluid, double beta, double dp, double p1, double kappa);

}  // namespace pramo
