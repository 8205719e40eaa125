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
TappingSpacing TappingSpacingOf(PrimaryElementKind kind, double pipeDiameter);

// Values the sizing iterations start from: C0 and ε0.
double StartDischargeCoefficient(PrimaryElementKind kind);
double StartExpansibility(FluidKind fluid);

// The discharge coefficient of one element at a fixed Reynolds number and pipe, as a function of β. The
// bore sizing evaluates it for many β at one Re_D, so the parts that do not depend on β are formed once.
// Gives NaN where DischargeCoefficient does.
class DischargeCoefficientAtReynolds {
 public:
  DischargeCoefficientAtReynolds(PrimaryElementKind kind, double reD, double pipeDiameter, double l1,
                                 double l2);
  double operator()(double beta) const;

 private:
  double Orifice(double beta, double logBeta, double a, double m2, double m2Power) const;

  PrimaryElementKind m_kind;
  bool m_orifice;
  double m_pipeDiameter;
  double m_l2;
  bool m_fault;       // 19000/Re_D is no finite number: every β fails
  double m_per19000;  // 19000/Re_D
  double m_logPer19000;
  double m_perMillion;  // 10⁶/Re_D
  double m_logPerMillion;
  double m_perMillionPow03;  // (10⁶/Re_D)^0.3
  double m_perMillionPow115;
  double m_upstream;  // 0.043 + 0.080·e^(−10·L1) − 0.123·e^(−7·L1)
};

// The expansibility factor of one element and fluid at a fixed differential pressure, upstream pressure
// and isentropic exponent, as a function of β; formed once for the bore sizing like the above.
class ExpansibilityAtPressure {
 public:
  ExpansibilityAtPressure(PrimaryElementKind kind, FluidKind fluid, double dp, double p1, double kappa);
  double operator()(double beta) const;

 private:
  bool m_liquid;
  bool m_orifice;
  double m_ratioTerm = 0;  // orifice: 1 − (p2/p1)^(1/κ)
  double m_tau2k = 0;      // nozzles and Venturi tubes: τ^(2/κ)
  double m_lead = 0;       // κ·τ^(2/κ)/(κ − 1)
  double m_tail = 0;       // (1 − τ^((κ − 1)/κ))/(1 − τ)
};

// Discharge coefficient C of the element at diameter ratio beta and pipe Reynolds number reD, in a pipe of
// diameter pipeDiameter (m), with the tapping spacings l1 and l2 (L1, L2'). A division by zero, an
// overflow or an invalid operation in the evaluation gives NaN.
double DischargeCoefficient(PrimaryElementKind kind, double beta, double reD, double pipeDiameter, double l1,
                            double l2);

// Expansibility factor ε of the element for the fluid at diameter ratio beta, differential pressure dp
// (Pa), absolute upstream pressure p1 (Pa) and isentropic exponent kappa; 1 for water and user liquids.
// A floating-point fault in the evaluation gives NaN.
double Expansibility(PrimaryElementKind kind, FluidKind fluid, double beta, double dp, double p1,
                     double kappa);

}  // namespace pramo
