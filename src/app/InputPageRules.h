#pragma once

#include <optional>
#include <string>
#include <vector>

#include "core/CalculationState.h"

namespace pramo {

// What the input page offers and enables for a fluid.
struct FluidControls {
  bool namedByUser = false;  // the fluid-name button is enabled and the name window opens on choice
  bool humidity = false;     // humidity label, edit and unit, and the dry-air box
  bool kappaBox = false;     // the isentropic-exponent box
  bool temperatureForced = false;
  bool densityForced = false;
  bool viscosityForced = false;
};
FluidControls FluidControlsFor(FluidKind fluid);

// Items of the flow and density unit lists for a fluid (index 0 is chosen on every change of fluid).
std::vector<std::string> FlowUnitItems(FluidKind fluid);
std::vector<std::string> DensityUnitItems(FluidKind fluid);

// Unit choices that open a settings dialog: a gauge pressure, the density and the flow at reference
// conditions ("vp").
bool IsGaugePressureUnit(int item);
inline constexpr int kDensityUnitVp = 1;
bool IsFlowUnitVp(int item);

// Items of the material lists for a version tag: the older short lists or the current one for both.
std::vector<std::string> ElementMaterialItems(const std::string& versionTag);
std::vector<std::string> PipeMaterialItems(const std::string& versionTag);

// Labels the material lists rewrite: the bore edit's ("... d1" for a bore at operating temperature, else
// "... d20") and the pipe diameter's.
std::string BoreLabel(bool elementMaterialOther);
std::string PipeDiameterLabel(bool pipeMaterialOther);

// The groups whose fitting tables differ; a change of group resets the fitting boxes.
enum class ElementGroup { Orifice, Nozzle, VenturiTube };
ElementGroup GroupOf(PrimaryElementKind kind);

// Where the kind of calculation puts the rows of the page that move, counted from the element row (0);
// -1 for a hidden row.
struct InputRowLayout {
  int flowOperating = -1;  // with the flow unit and its button
  int flowMax = -1;
  int flowMin = -1;
  bool flowLabelShort = false;  // "Průtok" instead of "Průtok provozní"
  int dryAir = -1;
  int dpMax = -1;              // the maximum differential pressure's edit and unit
  bool dpMaxBoxShown = false;  // the check box; otherwise the plain label stands at dpMax
  // The kind decides the box: off where no maximum is asked for, on where a hidden box makes the
  // differential pressure count as given.
  std::optional<bool> dpMaxChecked;
  int pipeDiameter = -1;
  int bore = -1;
  bool cascadeShown = false;
};
InputRowLayout InputRowsFor(CalculationKind kind);

// Hints of the three settings buttons of the input page.
std::string DensityReferenceHint(const CalculationState& state, char decimalSeparator = '.');
std::string FlowReferenceHint(const CalculationState& state, char decimalSeparator = '.');
std::string BarometricPressureHint(const CalculationState& state, char decimalSeparator = '.');

}  // namespace pramo
