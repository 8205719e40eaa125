#include "core/StraightLengths.h"

#include <algorithm>
#include <iterator>
#include <span>

#include "strings/core.h"

namespace pramo {
namespace {

using Row = StraightLengthRow;

// A table is its band upper limits and one row per band plus one for β above the last limit.
struct LengthTable {
  std::span<const double> upperLimits;
  std::span<const Row> rows;
};

constexpr double kCurrentOrificeBands[] = {0.20, 0.40, 0.50, 0.60, 0.67};
constexpr Row kCurrentOrifice[] = {
    {{6, 10, 10, 19, 34, 3, 7, 5, 6, 12, 30, 5}, 4},
    {{16, 10, 10, 44, 50, 9, 30, 5, 12, 12, 30, 5}, 6},
    {{22, 18, 22, 44, 75, 19, 30, 8, 20, 12, 30, 5}, 6},
    {{42, 30, 42, 44, 65, 29, 30, 9, 26, 14, 30, 5}, 7},
    {{44, 44, 44, 44, 60, 36, 44, 12, 28, 18, 30, 5}, 7},
    {{44, 44, 44, 44, 75, 44, 44, 13, 36, 18, 30, 5}, 8},
};
constexpr Row kCurrentOrificeShort[] = {
    {{3, 10, 10, 18, 17, 3, 7, 5, 6, 6, 15, 3}, 2},
    {{3, 10, 10, 18, 25, 3, 30, 5, 8, 6, 15, 3}, 3},
    {{9, 10, 10, 18, 34, 9, 18, 5, 9, 6, 15, 3}, 3},
    {{13, 18, 18, 18, 25, 18, 18, 5, 11, 7, 15, 3}, 3.5},
    {{20, 18, 20, 20, 18, 18, 18, 6, 14, 9, 15, 3}, 3.5},
    {{20, 18, 22, 20, 18, 18, 18, 8, 18, 9, 15, 3}, 4},
};

// The nozzle bands and standard rows serve the current nozzle tables and the older tables of orifice
// plates and nozzles alike; only their shortened rows differ.
constexpr double kNozzleBands[] = {0.25, 0.30, 0.35, 0.40, 0.45, 0.50, 0.55, 0.60, 0.65, 0.70, 0.75};
constexpr Row kNozzle[] = {
    {{10, 14, 34, 5, 16, 18, 12, 30, 5, 20}, 4},  {{10, 16, 34, 5, 16, 18, 12, 30, 5, 20}, 5},
    {{12, 16, 36, 5, 16, 18, 12, 30, 5, 20}, 5},  {{14, 18, 36, 5, 16, 20, 12, 30, 5, 20}, 6},
    {{14, 18, 38, 5, 17, 20, 12, 30, 5, 20}, 6},  {{14, 20, 40, 6, 18, 22, 12, 30, 5, 20}, 6},
    {{16, 22, 44, 8, 20, 24, 14, 30, 5, 20}, 6},  {{18, 26, 48, 9, 22, 26, 14, 30, 5, 20}, 7},
    {{22, 32, 54, 11, 25, 28, 16, 30, 5, 20}, 7}, {{28, 36, 62, 14, 30, 32, 20, 30, 5, 20}, 7},
    {{36, 42, 70, 22, 38, 36, 24, 30, 5, 20}, 8}, {{46, 50, 80, 30, 54, 44, 30, 30, 5, 20}, 8},
};
constexpr Row kCurrentNozzleShort[] = {
    {{6, 7, 17, 5, 8, 9, 6, 30, 5, 20}, 2},       {{6, 8, 17, 5, 8, 9, 6, 30, 5, 20}, 2.5},
    {{6, 8, 18, 5, 8, 9, 6, 30, 5, 20}, 2.5},     {{7, 9, 18, 5, 8, 10, 6, 30, 5, 20}, 3},
    {{7, 9, 19, 5, 9, 10, 6, 30, 5, 20}, 3},      {{7, 10, 20, 5, 9, 11, 6, 30, 5, 20}, 3},
    {{8, 11, 22, 5, 10, 12, 7, 30, 5, 20}, 3},    {{9, 13, 24, 5, 11, 13, 7, 30, 5, 20}, 3.5},
    {{11, 16, 27, 6, 13, 14, 8, 30, 5, 20}, 3.5}, {{14, 18, 31, 7, 15, 16, 10, 30, 5, 20}, 3.5},
    {{18, 21, 35, 11, 19, 18, 12, 30, 5, 20}, 4}, {{23, 25, 40, 15, 27, 22, 15, 30, 5, 20}, 4},
};
constexpr Row kOlderOrificeNozzleShort[] = {
    {{6, 7, 17, 5, 8, 9, 6, 15, 3, 10}, 4},       {{6, 8, 17, 5, 8, 9, 6, 15, 3, 10}, 5},
    {{6, 8, 18, 5, 8, 9, 6, 15, 3, 10}, 5},       {{7, 9, 18, 5, 8, 10, 6, 15, 3, 10}, 6},
    {{7, 9, 19, 5, 9, 10, 6, 15, 3, 10}, 6},      {{7, 10, 20, 5, 9, 11, 6, 15, 3, 10}, 6},
    {{8, 11, 22, 5, 10, 12, 7, 15, 3, 10}, 6},    {{9, 13, 24, 5, 11, 13, 7, 15, 3, 10}, 7},
    {{11, 16, 27, 6, 13, 14, 8, 15, 3, 10}, 7},   {{14, 18, 31, 7, 15, 16, 10, 15, 3, 10}, 7},
    {{18, 21, 35, 11, 19, 18, 12, 15, 3, 10}, 8}, {{23, 25, 40, 15, 27, 22, 15, 15, 3, 10}, 8},
};

// Venturi tubes need no straight length downstream.
constexpr double kCurrentVenturiBands[] = {0.40, 0.50, 0.60, 0.70};
constexpr Row kCurrentVenturi[] = {
    {{8, 8, 4, 4, 2.5, 2.5, 2.5}, 0},    {{9, 10, 4, 5, 5.5, 2.5, 3.5}, 0},
    {{10, 10, 4, 6, 8.5, 3.5, 4.5}, 0},  {{14, 18, 4, 7, 10.5, 5.5, 5.5}, 0},
    {{16, 22, 4, 7, 11.5, 6.5, 5.5}, 0},
};
constexpr Row kCurrentVenturiShort[] = {
    {{3, 3, 4, 4, 2.5, 2.5, 2.5}, 0}, {{3, 3, 4, 4, 2.5, 2.5, 2.5}, 0},  {{3, 3, 4, 4, 2.5, 2.5, 2.5}, 0},
    {{3, 3, 4, 5, 2.5, 3.5, 3.5}, 0}, {{8, 8, 4, 6, 11.5, 4.5, 3.5}, 0},
};

constexpr double kOlderVenturiBands[] = {0.30, 0.35, 0.40, 0.45, 0.50, 0.55, 0.60, 0.65, 0.70};
constexpr Row kOlderVenturi[] = {
    {{0.5, 1.5, 0.5, 0.5, 1.5, 1.5}, 0}, {{0.5, 1.5, 0.5, 1.5, 1.5, 2.5}, 0},
    {{0.5, 1.5, 0.5, 2.5, 1.5, 2.5}, 0}, {{1, 1.5, 0.5, 4.5, 2.5, 3.5}, 0},
    {{1.5, 2.5, 8.5, 5.5, 2.5, 3.5}, 0}, {{2.5, 2.5, 12.5, 6.5, 3.5, 4.5}, 0},
    {{3, 3.5, 17.5, 8.5, 3.5, 4.5}, 0},  {{4, 4.5, 23.5, 9.5, 4.5, 4.5}, 0},
    {{4, 4.5, 27.5, 10.5, 5.5, 5.5}, 0}, {{4.5, 4.5, 29.5, 11.5, 6.5, 5.5}, 0},
};
constexpr Row kOlderVenturiShort[] = {
    {{0.5, 0.5, 0.5, 0.5, 0.5, 0.5}, 0}, {{0.5, 0.5, 0.5, 0.5, 0.5, 0.5}, 0},
    {{0.5, 0.5, 0.5, 0.5, 0.5, 1.5}, 0}, {{0.5, 0.5, 0.5, 0.5, 1, 1.5}, 0},
    {{0.5, 1.5, 8.5, 0.5, 1.5, 1.5}, 0}, {{0.5, 1.5, 12.5, 0.5, 1.5, 2.5}, 0},
    {{1, 2.5, 17.5, 0.5, 1.5, 2.5}, 0},  {{1.5, 2.5, 23.5, 1.5, 2.5, 2.5}, 0},
    {{2, 2.5, 27.5, 2.5, 3.5, 3.5}, 0},  {{3, 3.5, 29.5, 3.5, 4.5, 3.5}, 0},
};

static_assert(std::size(kCurrentOrifice) == std::size(kCurrentOrificeBands) + 1 &&
              std::size(kCurrentOrificeShort) == std::size(kCurrentOrifice));
static_assert(std::size(kNozzle) == std::size(kNozzleBands) + 1 &&
              std::size(kCurrentNozzleShort) == std::size(kNozzle) &&
              std::size(kOlderOrificeNozzleShort) == std::size(kNozzle));
static_assert(std::size(kCurrentVenturi) == std::size(kCurrentVenturiBands) + 1 &&
              std::size(kCurrentVenturiShort) == std::size(kCurrentVenturi));
static_assert(std::size(kOlderVenturi) == std::size(kOlderVenturiBands) + 1 &&
              std::size(kOlderVenturiShort) == std::size(kOlderVenturi));

LengthTable TableFor(const std::string& versionTag, PrimaryElementKind kind, bool shortLengths) {
  const FittingGroup group = FittingGroupOf(kind);
  if (UsesCurrentFittingTables(versionTag)) {
    switch (group) {
      case FittingGroup::Orifice:
        return {kCurrentOrificeBands,
                shortLengths ? std::span<const Row>(kCurrentOrificeShort) : kCurrentOrifice};
      case FittingGroup::Nozzle:
        return {kNozzleBands, shortLengths ? std::span<const Row>(kCurrentNozzleShort) : kNozzle};
      case FittingGroup::VenturiTube:
        return {kCurrentVenturiBands,
                shortLengths ? std::span<const Row>(kCurrentVenturiShort) : kCurrentVenturi};
    }
  }
  if (group == FittingGroup::VenturiTube) {
    return {kOlderVenturiBands, shortLengths ? std::span<const Row>(kOlderVenturiShort) : kOlderVenturi};
  }
  return {kNozzleBands, shortLengths ? std::span<const Row>(kOlderOrificeNozzleShort) : kNozzle};
}

// Captions of the visible boxes, in box order; the boxes after them are hidden.
std::span<const Text> FittingCaptionTexts(bool current, FittingGroup group) {
  if (current) {
    switch (group) {
      case FittingGroup::Orifice:
        return str::kFittingCurrentOrifice;
      case FittingGroup::Nozzle:
        return str::kFittingCurrentNozzle;
      case FittingGroup::VenturiTube:
        return str::kFittingCurrentVenturiTube;
    }
  }
  return group == FittingGroup::VenturiTube ? std::span<const Text>(str::kFittingOlderVenturiTube)
                                            : std::span<const Text>(str::kFittingOlderOrificeNozzle);
}

}  // namespace

FittingGroup FittingGroupOf(PrimaryElementKind kind) {
  if (IsOrifice(kind)) return FittingGroup::Orifice;
  if (IsVenturiTube(kind)) return FittingGroup::VenturiTube;
  return FittingGroup::Nozzle;
}

bool UsesCurrentFittingTables(const std::string& versionTag) {
  return versionTag == "ver3.4" || versionTag == "ver3.5";
}

StraightLengthRow StraightLengthsFor(const std::string& versionTag, PrimaryElementKind kind, double beta,
                                     bool shortLengths) {
  const LengthTable table = TableFor(versionTag, kind, shortLengths);
  const auto band = std::find_if(table.upperLimits.begin(), table.upperLimits.end(),
                                 [beta](double upperLimit) { return beta <= upperLimit; });
  return table.rows[band - table.upperLimits.begin()];
}

void ComputeStraightLengths(CalculationState& state) {
  const StraightLengthRow row = StraightLengthsFor(state.VersionTag, state.ElementKind, state.Beta,
                                                   state.AddedUncertaintyShortLengths != 0);
  std::copy_n(row.boxes.begin(), state.FittingLengths.size(), state.FittingLengths.begin());
  state.FittingLengths11and12 = {static_cast<std::uint8_t>(row.boxes[10]),
                                 static_cast<std::uint8_t>(row.boxes[11])};
  state.DownstreamLength = row.downstream;

  double upstream = 0;
  for (int box = 0; box < kFittingBoxCount; ++box) {
    if (!state.Fittings[box]) continue;
    const double length = box < 10 ? state.FittingLengths[box] : state.FittingLengths11and12[box - 10];
    upstream = std::max(upstream, length);
  }
  state.UpstreamLength = upstream;
}

double MinimumStraightLength(const CalculationState& state) {
  return (state.UpstreamLength + state.DownstreamLength) * state.PipeDiameter;
}

FittingBoxes FittingBoxesFor(const std::string& versionTag, PrimaryElementKind kind) {
  const FittingGroup group = FittingGroupOf(kind);
  const std::span<const Text> captions = FittingCaptionTexts(UsesCurrentFittingTables(versionTag), group);
  FittingBoxes result;
  for (std::size_t box = 0; box < captions.size(); ++box) result.boxes[box] = {Tr(captions[box]), true};
  result.offsetOptionVisible = group != FittingGroup::VenturiTube;
  result.pipeMaterialLabel =
      Tr(group == FittingGroup::VenturiTube ? str::kInletCylinderMaterialLabel : str::kPipeMaterialLabel);
  return result;
}

}  // namespace pramo
