#include "printing/Certificate.h"

#include <algorithm>
#include <memory>
#include <string_view>
#include <utility>
#include <vector>
#include <span>

#include "core/NumberText.h"
#include "core/SizingIterations.h"
#include "core/StraightLengths.h"
#include "core/Units.h"
#include "core/Validity.h"
#include "strings/core.h"
#include "strings/printing.h"
#include "strings/uncertainty.h"

namespace pramo {

namespace {

// Anchor of the note cell from the straight lengths on, layout percent.
constexpr double kNarrowNoteX = 16;

std::string Entry(std::span<const Text> list, int index) {
  return index >= 0 && static_cast<std::size_t>(index) < list.size() ? Tr(list[index]) : std::string();
}

bool IsLast(std::span<const Text> list, int index) {
  return index == static_cast<int>(list.size()) - 1;
}

// A material as the input page's list shows it: the calculation's tag decides the list.
struct MaterialItem {
  std::span<const Text> list;
  int index = 0;
  std::string Name() const { return Entry(list, index); }
  bool IsOther() const { return IsLast(list, index); }
};

MaterialItem ElementMaterialEntry(const CalculationState& s) {
  if (!UsesOldMaterialLists(s.VersionTag)) return {str::kMaterialItem, ElementMaterialItem(s)};
  return {str::kOldElementMaterialItem, ElementMaterialItem(s)};
}

MaterialItem PipeMaterialEntry(const CalculationState& s) {
  if (!UsesOldMaterialLists(s.VersionTag)) return {str::kMaterialItem, s.PipeMaterial};
  return {str::kOldPipeMaterialItem, s.PipeMaterial};
}

std::string UnitCell(const std::string& unit) {
  return Format(str::kUnitCell, {unit});
}

std::string UnitEntryCell(const std::string& unit) {
  return Format(str::kUnitEntryCell, {unit});
}

// The validity flags that make a result fall outside the standard; a missed recommended velocity alone
// does not.
bool OutsideStandard(const CalculationState& s) {
  for (int flag :
       {kFlagBore, kFlagPipe, kFlagBeta, kFlagMinimumFlow, kFlagPressureRatio, kFlagConvergence, kFlagReDMax})
    if (s.LimitFlags[flag]) return true;
  return false;
}

bool HasDownstreamLength(PrimaryElementKind kind) {
  const int k = static_cast<int>(kind);
  return k <= 4 || kind == PrimaryElementKind::VenturiNozzle;
}

bool HasPressureLoss(PrimaryElementKind kind) {
  return static_cast<int>(kind) <= 4;
}

// The graph window's drawing placed on the page: the graph's own pixels (kGraphBitmapWidth x
// kGraphBitmapHeight, fonts at the screen's pixels per inch) mapped into a rectangle of the target, so
// that the page carries the graph's lines and texts themselves rather than a stretched picture of them.
class PlacedGraphCanvas : public PageCanvas {
 public:
  PlacedGraphCanvas(PageCanvas& target, const PixelRect& rect)
      : m_target(target),
        m_rect(rect),
        m_scaleX(static_cast<double>(rect.Right - rect.Left) / kGraphBitmapWidth),
        m_scaleY(static_cast<double>(rect.Bottom - rect.Top) / kGraphBitmapHeight) {}

  double FontPixelsPerInch() const override { return kScreenPixelsPerInch; }
  int TextWidth(std::string_view text) override {
    return m_scaleX > 0 ? RoundPixel(m_target.TextWidth(text) / m_scaleX) : 0;
  }
  int TextHeight(std::string_view text) override {
    return m_scaleY > 0 ? RoundPixel(m_target.TextHeight(text) / m_scaleY) : 0;
  }
  void DrawText(int x, int y, std::string_view text) override { m_target.DrawText(X(x), Y(y), text); }
  void FillRect(const PixelRect& r) override { m_target.FillRect(Mapped(r)); }
  void StretchDraw(const PixelRect& r, CanvasBitmap& bitmap) override {
    m_target.StretchDraw(Mapped(r), bitmap);
  }
  std::unique_ptr<CanvasBitmap> CreateBitmap(int width, int height) override {
    return m_target.CreateBitmap(width, height);
  }

 protected:
  void ApplyFont(const CanvasFont& font) override {
    m_target.SetFontName(font.Name);
    m_target.SetFontStyle(font.Style);
    const double targetPpi = m_target.FontPixelsPerInch();
    if (targetPpi > 0)
      m_target.SetFontSize(
          std::max(1, RoundPixel(font.Points * kScreenPixelsPerInch * m_scaleY / targetPpi)));
  }
  void DrawLine(int x0, int y0, int x1, int y1) override {
    m_target.SetPenWidth(std::max(1, RoundPixel(PenWidth() * m_scaleX)));
    m_target.SetPenColor(PenColor());
    m_target.MoveTo(X(x0), Y(y0));
    m_target.LineTo(X(x1), Y(y1));
  }

 private:
  int X(int x) const { return m_rect.Left + RoundPixel(x * m_scaleX); }
  int Y(int y) const { return m_rect.Top + RoundPixel(y * m_scaleY); }
  PixelRect Mapped(const PixelRect& r) const { return {X(r.Left), Y(r.Top), X(r.Right), Y(r.Bottom)}; }

  PageCanvas& m_target;
  PixelRect m_rect;
  double m_scaleX;
  double m_scaleY;
};

// The certificate body drawn through the page engine.
class Body {
 public:
  Body(PageEngine& engine, const CalculationState& state, const CertificateSettings& settings)
      : m_engine(engine), m_s(state), m_settings(settings), m_separator(settings.DecimalSeparator) {}

  void Draw();

 private:
  std::string Fixed(double value, int decimals, int width = 10) const {
    return PaddedFixedText(value, decimals, width, m_separator);
  }
  std::string Lengths(double multiples) const { return Fixed(multiples, 1, 4) + "D"; }

  TRecPrintTxtFormat& Cell(int index) { return m_engine.Cell(index); }
  void Heading(const Text& text) {
    Cell(kCellHeading).Text = Tr(text);
    m_engine.EmitRow();
  }
  void Row(const Text& label, const std::string& unit, const std::string& value,
           const std::string& note = {}) {
    Cell(kCellLabel).Text = Tr(label);
    Cell(kCellNote).Text = note;
    Cell(kCellUnit).Text = unit;
    Cell(kCellValue).Text = value;
    m_engine.EmitRow();
  }
  void ItemRow(const Text& item, const std::string& unit, const std::string& value) {
    Cell(kCellNote).Text = Tr(item);
    Cell(kCellUnit).Text = unit;
    Cell(kCellValue).Text = value;
    m_engine.EmitRow();
  }
  void HalfLine() { m_engine.SetCurrentY(m_engine.CurrentY() + RoundPixel(m_engine.LineHeight() * 0.5)); }
  void NewPage() {
    m_engine.EndPage();
    m_engine.StartPage();
  }
  double Percent(double percent) const { return percent * m_engine.LayoutWidth() / 100; }
  // A frame's outer edge: 0.45 mm on the printer at the resolution across the edge, 2 pixels on the preview.
  void Edge(double x0, double y0, double x1, double y1, double resolution) {
    m_engine.DrawLine(x0, y0, x1, y1, PageEngine::FramePen(resolution), 2);
  }
  void Hairline(double x0, double y0, double x1, double y1) { m_engine.DrawLine(x0, y0, x1, y1, 1, 1); }

  void Description();
  void Inputs();
  void FlowUnitCells(std::string& note, std::string& unit) const;
  void DensityRow();
  void ViscosityRow();
  void IntermediateResults();
  void Results();
  void StraightLengths();
  void Uncertainties();
  void CascadeTable();
  void Graph(const UncertaintyCurves& curves);
  void GraphKey(const GraphView& view, double printerScale, double targetScale);
  void Tables(const UncertaintyCurves& curves);
  void TableValues(const UncertaintyCurves& curves, int table);

  PageEngine& m_engine;
  const CalculationState& m_s;
  const CertificateSettings& m_settings;
  char m_separator;
};

void Body::Draw() {
  Description();
  Inputs();
  IntermediateResults();
  Results();
  StraightLengths();
  Uncertainties();
  const PrintOptions& options = m_settings.Options;
  if (m_s.CalcKind == CalculationKind::Bore && options.Cascade && HasCascadeTransmitters(m_s)) CascadeTable();
  if (!options.Graph && !options.Table) return;
  const UncertaintyCurves curves = CertificateCurves(m_s);
  if (options.Graph) Graph(curves);
  if (options.Table) Tables(curves);
}

void Body::Description() {
  if (!m_settings.Options.Description || m_s.Description.empty()) return;
  Heading(str::kDescriptionHeading);
  // One line however long: the description is never wrapped.
  Cell(kCellLabel).Text = m_s.Description;
  m_engine.EmitRow();
  HalfLine();
}

void Body::FlowUnitCells(std::string& note, std::string& unit) const {
  const std::string entry = Entry(str::kFlowUnitKindText, static_cast<int>(m_s.FlowUnit));
  switch (m_s.FlowUnit) {
    case FlowUnitKind::CubicMetresPerHourVp:
      note = Format(str::kFlowReferenceNote, {FixedText(m_s.FlowRefPressure, 2, m_separator),
                                              FixedText(m_s.FlowRefTemperature, 2, m_separator)});
      unit = UnitEntryCell(entry);
      return;
    case FlowUnitKind::CubicMetresPerHourN:
      note = Tr(str::kConditionsN);
      unit = UnitEntryCell(entry);
      return;
    case FlowUnitKind::CubicMetresPerHourNN:
      note = Tr(str::kConditionsNN);
      unit = UnitEntryCell(entry);
      return;
    default:
      note.clear();
      unit = UnitCell(entry);
  }
}

void Body::DensityRow() {
  const auto density = [this](double value) { return Fixed(value, value <= 100 ? 6 : 2); };
  const int unit = m_s.DensityUnit;
  if (!m_s.DensityGiven) {
    Row(str::kDensityLabel, UnitCell(Entry(str::kDensityUnitItem, unit)), density(m_s.Density));
    return;
  }
  std::string note;
  if (unit == 1) {
    note = Format(str::kDensityReferenceNote, {FixedText(m_s.DensityRefPressure, 0, m_separator),
                                               FixedText(m_s.DensityRefTemperature, 2, m_separator)});
  } else if (unit == 2) {
    note = Tr(str::kConditionsNN);
  } else if (unit == 3) {
    note = Tr(str::kConditionsN);
  }
  const std::string entry = Entry(str::kDensityUnitItem, unit);
  const bool referenceUnit = unit >= 1 && unit <= 3;
  Row(str::kDensityLabel, referenceUnit ? UnitEntryCell(entry) : UnitCell(entry), density(m_s.DensityEntered),
      note);
}

void Body::ViscosityRow() {
  if (m_s.ViscosityGiven) {
    const double value = m_s.ViscosityEntered;
    const int decimals = value <= 0 ? 8 : value <= 999 ? 5 : 2;
    Row(str::kViscosityLabel, UnitCell(Entry(str::kViscosityUnitItem, m_s.ViscosityUnit)),
        Fixed(value, decimals));
    return;
  }
  // Computed viscosities are shown in the first unit of the list, 1E-6 Pa·s.
  Row(str::kViscosityLabel, UnitCell(Entry(str::kViscosityUnitItem, 0)),
      Fixed(m_s.Viscosity * 1e6, m_s.Viscosity <= 0.000999 ? 5 : 2));
}

void Body::Inputs() {
  Cell(kCellUnit).Align = 1;
  Cell(kCellValue).Align = 1;
  Heading(str::kInputsHeading);
  const std::string none = Tr(str::kNoUnitCell);
  const CalculationKind kind = m_s.CalcKind;

  Row(str::kElementLabel, none, ElementLongName(m_s.ElementKind));
  Row(str::kFluidLabel, none, m_s.FluidName.empty() ? FluidItemText(m_s.Fluid) : m_s.FluidName);

  const std::string pressureUnit = UnitCell(Entry(str::kPressureUnitItem, m_s.PressureUnit));
  if (m_s.PressureUnit < kPressureUnitCount / 2) {
    Row(str::kAbsolutePressureLabel, pressureUnit, m_settings.Fields.Pressure);
  } else {
    Row(str::kGaugePressureLabel, pressureUnit, m_settings.Fields.Pressure,
        Format(str::kBarometricNote, {FixedText(m_s.BarometricPressure, 0, m_separator)}));
  }

  if (m_s.TemperatureGiven) {
    Row(str::kTemperatureLabel, UnitCell(Entry(str::kTemperatureUnitItem, m_s.TemperatureUnit)),
        Fixed(m_s.TemperatureEntered, 2));
  } else {
    Row(str::kTemperatureLabel, UnitCell(Entry(str::kTemperatureUnitItem, 0)), Fixed(m_s.Temperature, 2));
  }
  DensityRow();
  ViscosityRow();
  if (m_s.Fluid == FluidKind::HumidAir)
    Row(str::kHumidityLabel, UnitCell(Tr(str::kUnitPercent)), Fixed(m_s.Humidity, 1));
  if (IsGas(m_s.Fluid)) Row(str::kKappaLabel, none, Fixed(m_s.Kappa, 3));

  const std::string millimetres = UnitCell(Tr(str::kUnitMillimetres));
  const MaterialItem elementMaterial = ElementMaterialEntry(m_s);
  const MaterialItem pipeMaterial = PipeMaterialEntry(m_s);
  if (kind == CalculationKind::Dp || kind == CalculationKind::Flow) {
    if (elementMaterial.IsOther())
      Row(str::kBoreLabel, millimetres, Fixed(m_s.Bore * 1000, 3));
    else
      Row(str::kBore20Label, millimetres, Fixed(m_s.Bore20 * 1000, 3));
  }
  const double pipe = m_s.PipeDiameterEntered;
  Row(pipeMaterial.IsOther() ? str::kPipeLabel : str::kPipe20Label,
      UnitCell(Entry(str::kPipeDiameterUnitItem, m_s.PipeDiameterUnit)), Fixed(pipe, pipe <= 99 ? 3 : 2));

  std::string flowNote;
  std::string flowUnit;
  FlowUnitCells(flowNote, flowUnit);
  if (kind == CalculationKind::Bore) {
    Row(str::kFlowOperatingLabel, flowUnit, Fixed(m_s.FlowEntered, 2), flowNote);
    Row(str::kFlowMaximumLabel, flowUnit, Fixed(m_s.FlowMaxEntered, 2), flowNote);
    Row(str::kFlowMinimumLabel, flowUnit, Fixed(m_s.FlowMinEntered, 2), flowNote);
  } else if (kind == CalculationKind::Dp) {
    Row(str::kFlowLabel, flowUnit, Fixed(m_s.FlowEntered, 2), flowNote);
  }
  if ((kind == CalculationKind::Bore || kind == CalculationKind::Dp) && m_s.FlowAsDryAir)
    Heading(str::kFlowAsDryAirHeading);

  const std::string dpUnit = UnitCell(Entry(str::kDpUnitItem, m_s.DpUnit));
  if (kind == CalculationKind::Bore) Row(str::kDpMaximumLabel, dpUnit, m_settings.Fields.DpMax);
  if (kind == CalculationKind::Flow) Row(str::kDpLabel, dpUnit, m_settings.Fields.DpMax);

  Row(str::kElementMaterialLabel, none, elementMaterial.Name());
  Row(str::kPipeMaterialRowLabel, none, pipeMaterial.Name());
}

void Body::IntermediateResults() {
  HalfLine();
  Heading(str::kIntermediateHeading);
  const std::string none = Tr(str::kNoUnitCell);
  const std::string speed = UnitCell(Tr(str::kUnitMetresPerSecond));
  if (!PipeMaterialEntry(m_s).IsOther())
    Row(str::kPipeLabel, UnitCell(Tr(str::kUnitMillimetres)), Fixed(m_s.PipeDiameter * 1000, 3));
  if (m_s.CalcKind == CalculationKind::Bore) {
    Row(str::kReynoldsOperatingLabel, none, Fixed(m_s.ReD, 0));
    Row(str::kVelocityOperatingLabel, speed, Fixed(m_s.Velocity, 2));
    Row(str::kReynoldsMaximumLabel, none, Fixed(m_s.ReDMax, 0));
    Row(str::kVelocityMaximumLabel, speed, Fixed(m_s.VelocityMax, 2));
    Row(str::kReynoldsMinimumLabel, none, Fixed(m_s.ReDMin, 0));
  } else if (m_s.CalcKind == CalculationKind::Dp || m_s.CalcKind == CalculationKind::Flow) {
    Row(str::kReynoldsLabel, none, Fixed(m_s.ReD, 0));
    Row(str::kVelocityLabel, speed, Fixed(m_s.Velocity, 2));
  }
}

void Body::Results() {
  HalfLine();
  Heading(str::kResultsHeading);
  const std::string none = Tr(str::kNoUnitCell);
  const std::string millimetres = UnitCell(Tr(str::kUnitMillimetres));
  Row(str::kDischargeCoefficientLabel, none, Fixed(m_s.C, 4));
  Row(str::kExpansibilityLabel, none, Fixed(m_s.Epsilon, 4));
  Row(str::kBetaLabel, none, Fixed(m_s.Beta, 4));
  Row(str::kBoreLabel, millimetres, Fixed(m_s.Bore * 1000, 3));
  if (m_s.CalcKind == CalculationKind::Bore && !ElementMaterialEntry(m_s).IsOther())
    Row(str::kBore20Label, millimetres, Fixed(m_s.Bore20 * 1000, 3));
  if (m_s.CalcKind == CalculationKind::Dp)
    Row(str::kDpLabel, UnitCell(Tr(str::kUnitPascal)), Fixed(m_s.Dp, m_s.Dp <= 999 ? 5 : 2));
  if (m_s.CalcKind == CalculationKind::Flow)
    Row(str::kFlowLabel, UnitCell(Tr(str::kUnitKilogramsPerHour)), Fixed(m_s.MassFlow * 3600, 2));
}

void Body::StraightLengths() {
  Cell(kCellLabel).Text = Tr(str::kUpstreamLengthsLabel);
  m_engine.EmitRow();
  Cell(kCellNote).X = kNarrowNoteX;
  const std::string none = Tr(str::kNoUnitCell);
  // Only the boxes the input page shows for the calculation's tag and element: a hidden box keeps its
  // state but stands for no fitting.
  const FittingBoxes boxes = FittingBoxesFor(m_s.VersionTag, m_s.ElementKind);
  for (int box = 0; box < kFittingBoxCount; ++box) {
    if (!m_s.Fittings[box] || !boxes.boxes[box].visible) continue;
    Cell(kCellNote).Text = boxes.boxes[box].caption;
    Cell(kCellUnit).Text = none;
    // Boxes 11 and 12 hold whole multiples of D.
    Cell(kCellValue).Text = box < 10
                                ? Lengths(m_s.FittingLengths[box])
                                : std::to_string(m_s.FittingLengths11and12[box - 10]) + m_separator + "0D";
    m_engine.EmitRow();
  }
  if (HasDownstreamLength(m_s.ElementKind))
    Row(str::kDownstreamLengthLabel, none, Lengths(m_s.DownstreamLength));
  if (HasPressureLoss(m_s.ElementKind)) {
    Row(m_s.CalcKind == CalculationKind::Bore ? str::kPressureLossMaximumLabel : str::kPressureLossLabel,
        UnitCell(Tr(str::kUnitPascal)), Fixed(m_s.PressureLoss, 0));
  }
  Row(str::kReynoldsMinimumAllowedLabel, none, Fixed(m_s.ReDMinAllowed, 0));
}

void Body::Uncertainties() {
  Cell(kCellLabel).Text = Tr(str::kUncertaintiesLabel);
  m_engine.EmitRow();
  const std::string percent = UnitCell(Tr(str::kUnitPercent));
  ItemRow(str::kUncertaintyCItem, percent, Fixed(m_s.UncertaintyC, 2));
  if (m_s.AddedUncertaintyShortLengths != 0)
    ItemRow(str::kShortLengthsItem, percent, "+ " + FixedText(0.5, 2, m_separator));
  if (m_s.AddedUncertaintyOffset != 0)
    ItemRow(str::kOffsetItem, percent, "+ " + FixedText(0.2, 2, m_separator));
  ItemRow(str::kUncertaintyEpsilonItem, percent, Fixed(m_s.UncertaintyEpsilon, 2));
  ItemRow(str::kUncertaintyPipeItem, percent, Fixed(m_s.UncertaintyD, 2));
  ItemRow(str::kUncertaintyBoreItem, percent, Fixed(m_s.UncertaintyBore, 2));
  ItemRow(str::kUncertaintyDpItem, percent,
          Fixed(m_s.DpTransmitterAccuracy, 3, 5) + "  " + Fixed(m_s.UncertaintyDp, 2, 7));
  ItemRow(str::kUncertaintyDensityItem, percent, Fixed(m_s.DensityAccuracy, 2));
  Row(str::kFlowUncertaintyLabel, percent, Fixed(m_s.FlowUncertainty, 2));
  if (OutsideStandard(m_s)) {
    Cell(kCellLabel).Text = Tr(str::kNotCompliant);
    m_engine.EmitRow();
  }
  HalfLine();
}

void Body::CascadeTable() {
  if (m_settings.Options.CascadeNewPage) NewPage();
  const double margin = RoundPixel(m_engine.PageWidth() / 150.0);
  const auto fits = [&] {
    const double line = RoundPixel(m_engine.LineHeight());
    return RoundPixel(m_engine.CurrentY() + m_engine.LineHeight() + margin) + 6 * line <=
           m_engine.BottomLimit();
  };
  if (!fits()) NewPage();

  Heading(str::kCascadeHeading);
  Cell(kCellLabel).X = 15;
  Cell(kCellLabel).Align = 0;
  constexpr double kColumnX[] = {55, 65, 75, 85};
  constexpr int kValueCells[] = {kCellNote, kCellUnit, kCellCentre, kCellValue};
  for (int i = 0; i < 4; ++i) {
    Cell(kValueCells[i]).X = kColumnX[i];
    Cell(kValueCells[i]).Align = 1;
  }
  Cell(kCellCentre).Style = FontStyle::Plain;

  m_engine.SetCurrentY(m_engine.CurrentY() + m_engine.LineHeight());
  m_engine.SetLineHeight(m_engine.LineHeight() * 1.4);

  const double left = RoundPixel(Percent(15)) - margin;
  const double right = RoundPixel(Percent(85)) + margin;
  const double top = RoundPixel(margin + m_engine.CurrentY());
  const double bottom = top + 3 * RoundPixel(m_engine.LineHeight());
  const double resolutionX = m_engine.HorizontalResolution();
  const double resolutionY = m_engine.VerticalResolution();
  Edge(left, top, right, top, resolutionY);
  Edge(left, bottom, right, bottom, resolutionY);
  Edge(left, top, left, bottom, resolutionX);
  Edge(right, top, right, bottom, resolutionX);
  for (int third = 1; third <= 2; ++third) {
    const double y = RoundPixel(top + third * (bottom - top) / 3);
    Hairline(left, y, right, y);
  }
  for (double column : {45.0, 55.0, 65.0, 75.0}) {
    const double x = RoundPixel(Percent(column) + margin);
    Hairline(x, top, x, bottom);
  }

  m_engine.SetCurrentY(m_engine.CurrentY() - m_engine.LineHeight() * 0.58);
  const CalculationState cascade = CascadeOfResult(m_s);
  Cell(kCellLabel).Text = Tr(str::kCascadeTransmitterLabel);
  for (int i = 0; i < 4; ++i) Cell(kValueCells[i]).Text = std::to_string(i + 1);
  m_engine.EmitRow();
  Cell(kCellLabel).Text = Tr(str::kCascadeRangeLabel);
  for (int i = 0; i < 4; ++i) Cell(kValueCells[i]).Text = Fixed(cascade.CascadeRange[i], 0);
  m_engine.EmitRow();
  Cell(kCellLabel).Text = Tr(str::kCascadeAccuracyLabel);
  for (int i = 0; i < 4; ++i) Cell(kValueCells[i]).Text = Fixed(cascade.CascadeAccuracy[i], 3, 4);
  m_engine.EmitRow();
}

void Body::Graph(const UncertaintyCurves& curves) {
  m_engine.SetLineHeight(m_engine.MeasureLineHeight());
  m_engine.SetCurrentY(m_engine.CurrentY() + m_engine.LineHeight());
  const double layoutWidth = m_engine.LayoutWidth();
  const GraphView view = CertificateGraphView(m_s, curves, m_settings);

  m_engine.SetCurrentY(m_engine.CurrentY() + m_engine.LineHeight());
  const double left = RoundPixel(layoutWidth / 3);
  const double right = RoundPixel(2 * layoutWidth / 3);
  const double graphHeight =
      RoundPixel((right - left) * m_engine.VerticalResolution() / m_engine.HorizontalResolution() *
                 kGraphBitmapHeight / kGraphBitmapWidth);
  // Room for the heading, the axis titles and the key line below the graph.
  if (5 * RoundPixel(m_engine.LineHeight()) + m_engine.CurrentY() + graphHeight > m_engine.BottomLimit())
    NewPage();

  if (m_s.VersionTag == "ver2.2") {
    Heading(str::kGraphHeadingOld);
  } else {
    const Text& suffix = view.Single && view.Cascade ? str::kGraphForBoth
                         : view.Single               ? str::kGraphForSingle
                                                     : str::kGraphForCascade;
    Cell(kCellHeading).Text = Tr(str::kGraphHeading) + Tr(suffix);
    m_engine.EmitRow();
  }

  m_engine.SetCurrentY(m_engine.CurrentY() + 2 * RoundPixel(m_engine.LineHeight()));
  const double top = RoundPixel(m_engine.CurrentY());
  const double bottom = top + graphHeight;

  PageCanvas& target = m_engine.Target();
  const CanvasFont font = target.Font();
  const PixelRect graphRect = m_engine.TargetRect(left, top, right, bottom);
  PlacedGraphCanvas placed(target, graphRect);
  DrawUncertaintyGraph(placed, curves, view);
  target.SetFontName(font.Name);
  target.SetFontSize(font.Points);
  target.SetFontStyle(font.Style);
  target.SetPenColor(kBlack);

  m_engine.SetCurrentY(m_engine.CurrentY() + m_engine.LineHeight());
  Cell(kCellLabel).X = 33;
  Cell(kCellLabel).Align = 1;
  Cell(kCellLabel).Text = Tr(str::kGraphVerticalTitle);
  m_engine.EmitRow();
  m_engine.SetCurrentY(bottom - m_engine.LineHeight());
  Cell(kCellLabel).X = 50;
  Cell(kCellLabel).Align = 2;
  Cell(kCellLabel).Text = Tr(str::kGraphHorizontalTitle);
  m_engine.EmitRow();
  GraphKey(view, (right - left) / kGraphBitmapWidth,
           static_cast<double>(graphRect.Right - graphRect.Left) / kGraphBitmapWidth);
}

void Body::GraphKey(const GraphView& view, double printerScale, double targetScale) {
  struct Entry {
    bool shown;
    RgbColor color;
    const Text& name;
  };
  const Entry entries[] = {{view.Single, kSingleCurveColor, str::kGraphKeySingle},
                           {view.Cascade, kCascadeCurveColor, str::kGraphKeyCascade}};
  const bool both = view.Single && view.Cascade;
  // A short stretch of each curve's pen, then its name; one entry is centred under the graph.
  double sample = both ? 36 : 44.5;
  constexpr int kNameCells[] = {kCellNote, kCellUnit};
  std::vector<std::pair<double, RgbColor>> samples;
  int used = 0;
  for (const Entry& entry : entries) {
    if (!entry.shown) continue;
    TRecPrintTxtFormat& cell = Cell(kNameCells[used++]);
    cell.X = sample + 4;
    cell.Align = 0;
    cell.Text = Tr(entry.name);
    samples.emplace_back(sample, entry.color);
    sample += 17;
  }
  if (samples.empty()) return;
  m_engine.EmitRow();
  const double middle = m_engine.CurrentY() + m_engine.LineHeight() / 2;
  const int printerPen = std::max(1, RoundPixel(kCurvePen * printerScale));
  const int targetPen = std::max(1, RoundPixel(kCurvePen * targetScale));
  for (const auto& [x, color] : samples) {
    m_engine.Target().SetPenColor(color);
    m_engine.DrawLine(Percent(x), middle, Percent(x + 3), middle, printerPen, targetPen);
  }
  m_engine.Target().SetPenColor(kBlack);
}

void Body::TableValues(const UncertaintyCurves& curves, int table) {
  // The value of column c (1 … 10) sits half a percent left of the column's right edge: the label column
  // takes a quarter of the table from 7 to 93 %, the ten value columns the rest.
  constexpr double kTableWidth = 86;
  const auto columnX = [](int column) {
    return 7 + 0.25 * kTableWidth + 0.75 * kTableWidth / 100 * 10 * column - 0.5;
  };
  constexpr int kCells[] = {kCellHeading, kCellNote, kCellUnit, kCellCentre, kCellValue};
  const std::array<int, kTablePoints> points = UncertaintyTablePoints(table);
  const double line = RoundPixel(m_engine.LineHeight());
  const auto advance = [&](double by) { m_engine.SetCurrentY(m_engine.CurrentY() + by); };

  for (int pass = 0; pass < 2; ++pass) {
    const bool labelled = pass == 0;
    Cell(kCellLabel).X = labelled ? 7.5 : 7;
    for (int i = 0; i < 5; ++i) Cell(kCells[i]).X = columnX(5 * pass + i + 1);
    const auto row = [&](const Text& label, const auto& text) {
      if (labelled) Cell(kCellLabel).Text = Tr(label);
      for (int i = 0; i < 5; ++i) Cell(kCells[i]).Text = text(points[5 * pass + i]);
      m_engine.EmitRow();
    };
    row(str::kTableFlowLabel, [](int percent) { return std::to_string(percent); });
    advance(line);
    row(str::kTableSingleLabel,
        [&](int percent) { return UncertaintyCellText(CurveValueAt(curves.single, percent), m_separator); });
    advance(line);
    row(str::kTableCascadeLabel,
        [&](int percent) { return UncertaintyCellText(CurveValueAt(curves.cascade, percent), m_separator); });
    if (labelled) advance(-5 * line);
  }
  Cell(kCellLabel).X = 7;
}

void Body::Tables(const UncertaintyCurves& curves) {
  m_engine.SetLineHeight(m_engine.MeasureLineHeight() * 0.7);
  m_engine.SetCurrentY(m_engine.CurrentY() + RoundPixel(m_engine.LineHeight()));
  if (m_engine.LineHeight() * 16 + m_engine.CurrentY() > m_engine.BottomLimit()) NewPage();

  Cell(kCellLabel).X = 7;
  Cell(kCellValue).X = 93;
  Cell(kCellHeading).Style = FontStyle::Bold;
  Heading(str::kUncertaintyTablesHeading);
  m_engine.SetCurrentY(m_engine.CurrentY() + 2 * RoundPixel(m_engine.LineHeight()));

  Cell(kCellLabel).Align = 0;
  Cell(kCellHeading).Style = FontStyle::Plain;
  for (int cell : {kCellHeading, kCellNote, kCellUnit, kCellCentre, kCellValue}) Cell(cell).Align = 1;

  const double left = RoundPixel(Percent(7));
  const double right = RoundPixel(Percent(93));
  const double quarter = RoundPixel((right - left) * 0.25);
  const double resolution = m_engine.VerticalResolution();
  const auto frame = [&] {
    const double line = RoundPixel(m_engine.LineHeight());
    const double top = RoundPixel(m_engine.CurrentY());
    const double bottom = top + 6 * line;
    Edge(left, top, right, top, resolution);
    Edge(left, bottom, right, bottom, resolution);
    Edge(left, top, left, bottom, resolution);
    Edge(right, top, right, bottom, resolution);
    for (int third = 1; third <= 2; ++third) {
      const double y = RoundPixel(top + third * (bottom - top) / 3);
      Hairline(left, y, right, y);
    }
    for (int s = 0; s < kTablePoints; ++s) {
      const double x = RoundPixel(left + quarter + 0.3 * quarter * s);
      Hairline(x, top, x, bottom);
    }
  };

  frame();
  m_engine.SetCurrentY(m_engine.CurrentY() - RoundPixel(m_engine.LineHeight() * 0.8));
  TableValues(curves, 0);

  Cell(kCellLabel).X = 7;
  Cell(kCellValue).X = 93;
  m_engine.SetCurrentY(m_engine.CurrentY() + 3 * m_engine.LineHeight());
  frame();
  m_engine.SetCurrentY(m_engine.CurrentY() - RoundPixel(m_engine.LineHeight() * 0.85));
  TableValues(curves, 1);
}

}  // namespace

InputFieldTexts InputFieldTextsOf(const CalculationState& state, char decimalSeparator) {
  return {GeneralText(state.PressureEntered, 15, decimalSeparator),
          GeneralText(state.DpMaxEntered, 15, decimalSeparator)};
}

CalculationState CascadeOfResult(const CalculationState& state) {
  CalculationState result = state;
  result.CascadeRange[0] = DpAtMaximumFlow(state);
  result.CascadeAccuracy[0] = state.DpTransmitterAccuracy;
  return result;
}

UncertaintyCurves CertificateCurves(const CalculationState& state) {
  return ComputeUncertaintyCurves(CascadeOfResult(state));
}

GraphView CertificateGraphView(const CalculationState& state, const UncertaintyCurves& curves,
                               const CertificateSettings& settings) {
  GraphView view;
  if (settings.GraphSettings.Set) {
    view = settings.GraphSettings.View;
  } else {
    view.Scale = AutomaticScale(curves.single);
    view.Single = true;
    view.Cascade = settings.Options.Cascade || settings.GraphCascadeSwitch;
  }
  // The cascade curve of a single transmitter is the first curve again; the window never offers it.
  if (!HasCascadeTransmitters(state)) {
    view.Single = true;
    view.Cascade = false;
  }
  return view;
}

PageFrame CertificateFrame(const CalculationState& state, const CertificateSettings& settings) {
  PageFrame frame = PageFrameOf(state);
  frame.OwnerName = settings.OwnerName;
  frame.Today = settings.Today;
  frame.CalculationDate = settings.CalculationDate;
  frame.DatabasePath = settings.DatabasePath;
  frame.FooterOn = settings.FooterOn;
  frame.FooterText = settings.FooterText;
  if (!settings.Numbered) frame.NumberText.clear();
  return frame;
}

DocumentInfo CertificateDocumentInfo(const CalculationState& state, const CertificateSettings& settings) {
  const PageFrame frame = CertificateFrame(state, settings);
  DocumentInfo info;
  info.Title = frame.Title.empty() || frame.NumberText.empty()
                   ? frame.Title + frame.NumberText
                   : Format(str::kDocumentTitle, {frame.Title, frame.NumberText});
  info.Author = state.Designer;
  info.Subject =
      Format(str::kDocumentSubject, {ElementLongName(state.ElementKind),
                                     state.FluidName.empty() ? FluidItemText(state.Fluid) : state.FluidName});
  info.Creator = ProgramNameAndVersion();
  return info;
}

void DrawCertificateBody(PageEngine& engine, const CalculationState& state,
                         const CertificateSettings& settings) {
  Body(engine, state, settings).Draw();
}

bool RenderCertificate(const CalculationState& state, const CertificateSettings& settings,
                       PrinterCanvas& printer, Messages& messages) {
  PageEngine engine(printer, CertificateFrame(state, settings), messages);
  return engine.Render([&](PageEngine& e) { DrawCertificateBody(e, state, settings); });
}

bool RenderCertificatePreview(const CalculationState& state, const CertificateSettings& settings,
                              PrinterCanvas& printer, PreviewCanvas& preview, PreviewZoom zoom,
                              Messages& messages) {
  PageEngine engine(printer, preview, PreviewBitmapWidth(zoom), CertificateFrame(state, settings), messages);
  return engine.Render([&](PageEngine& e) { DrawCertificateBody(e, state, settings); });
}

}  // namespace pramo
