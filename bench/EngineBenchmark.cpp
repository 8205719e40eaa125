// Speed of the calculation engine: cmake -S . -B build-bench -DCMAKE_BUILD_TYPE=Release
// -DPRAMO_BUILD_BENCHMARKS=ON && cmake --build build-bench --target EngineBenchmark &&
// build-bench/bench/EngineBenchmark
#include <benchmark/benchmark.h>

#include "app/CalculationRun.h"
#include "core/CalculationBlockCodec.h"
#include "core/SizingIterations.h"
#include "uncertainty/FlowUncertainty.h"

namespace pramo {
namespace {

struct Case {
  FluidKind fluid;
  PrimaryElementKind element;
  const char* pressureBar;
  const char* temperature;
};

InputForm FormOf(const Case& c) {
  InputForm f;
  f.CBTekutina5 = static_cast<int>(c.fluid);
  f.CBPrimarniPrvek = static_cast<int>(c.element);
  f.ETlak = c.pressureBar;
  f.CBJednTlakH = 5;
  f.ChBProvozniTeplota = true;
  f.EProvozniTeplota = c.temperature;
  f.EPrutokProvozni = "8000";
  f.EPrutokMax = "10000";
  f.EPrutokMin = "1000";
  f.EPrumerPotrubiPri20C = "150";
  return f;
}

constexpr Case kCases[] = {
    {FluidKind::Water, PrimaryElementKind::OrificeCorner, "5", "20"},
    {FluidKind::SuperheatedSteam, PrimaryElementKind::NozzleIsa1932, "20", "300"},
    {FluidKind::DryAir, PrimaryElementKind::OrificeFlange, "3", "20"},
};

// One bore sizing with its finishing step, on a prepared state.
void BM_SizeBore(benchmark::State& bench) {
  MessageRecorder messages;
  CalculationState state;
  DerivedValues derived;
  InputForm form = FormOf(kCases[bench.range(0)]);
  GatherInputs(form, state, derived, {messages, true, "", 1, 46000});
  Prepare(state, derived, messages);
  for (auto _ : bench) {
    benchmark::DoNotOptimize(SizeBore(state, derived, 25000));
  }
}
BENCHMARK(BM_SizeBore)->DenseRange(0, 2);

// A whole run over the ten-value series, with both uncertainty curves of every result.
void BM_RunSeriesWithCurves(benchmark::State& bench) {
  MessageRecorder messages;
  const InputForm form = FormOf(kCases[bench.range(0)]);
  for (auto _ : bench) {
    CalculationState state;
    DerivedValues derived;
    InputForm f = form;
    const RunOutcome outcome = RunCalculation(f, state, derived, {messages, true, "", 1, 46000});
    for (const auto& entry : outcome.entries) {
      CalculationState result = entry.result;
      result.CascadeRange[0] = entry.seriesValue;
      benchmark::DoNotOptimize(ComputeUncertaintyCurves(result));
    }
  }
}
BENCHMARK(BM_RunSeriesWithCurves)->DenseRange(0, 2)->Unit(benchmark::kMicrosecond);

void BM_BlockRoundTrip(benchmark::State& bench) {
  CalculationState state;
  state.Description = "Kotelna 2";
  const CalculationBlock block = EncodeBlock(state);
  for (auto _ : bench) benchmark::DoNotOptimize(EncodeBlock(DecodeBlock(block)));
}
BENCHMARK(BM_BlockRoundTrip);

}  // namespace
}  // namespace pramo
