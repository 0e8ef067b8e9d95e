// Speed of the response at a seat and of the directivity index (71 responses) for the
// deliverable's largest array: the engine against the single-precision reference evaluation
// (FastSin4 for every pair and band) and the double-precision one.
#include <benchmark/benchmark.h>

#include "bench_array.h"
#include "directivity_index_compute.h"
#include "frequency_response.h"
#include "product_config.h"

namespace {
constexpr int kBoxes = product::kMaxBoxes;

// The evaluation named by the benchmark's argument, on a freshly set-up array; false when the
// array could not be set up.
bool Prepare(benchmark::State& state, ResponseMode* mode) {
  static const char* const kNames[] = {"engine", "single-precision reference",
                                       "double-precision reference"};
  *mode = static_cast<ResponseMode>(state.range(0));
  state.SetLabel(kNames[state.range(0)]);
  state.counters["boxes"] = kBoxes;
  if (SetUpBenchArray(kBoxes)) return true;
  state.SkipWithError("array set-up failed");
  return false;
}

void Response(benchmark::State& state) {
  ResponseMode mode;
  if (!Prepare(state, &mode)) return;
  float level[kBandCount], phase[kBandCount], time;
  for (auto _ : state) {
    ComputeResponse(mode, level, phase, &time);
    benchmark::DoNotOptimize(level);
  }
  const PairCount pairs = PairsPerResponse(kBoxes);
  state.counters["pair_band_terms"] = static_cast<double>(pairs.pairBandTerms);
  state.counters["responses_per_s"] =
      benchmark::Counter(static_cast<double>(state.iterations()), benchmark::Counter::kIsRate);
}

void DirectivityIndex(benchmark::State& state) {
  ResponseMode mode;
  if (!Prepare(state, &mode)) return;
  float table[kBandCount];
  for (auto _ : state) {
    ComputeDirectivityIndexInto(mode, table);
    benchmark::DoNotOptimize(table);
  }
}

constexpr int kEngine = static_cast<int>(ResponseMode::kEngine);
constexpr int kSingle = static_cast<int>(ResponseMode::kSinglePrecision);
constexpr int kDouble = static_cast<int>(ResponseMode::kDoublePrecision);
}  // namespace

BENCHMARK(Response)->Arg(kEngine)->Arg(kSingle)->Arg(kDouble)->Unit(benchmark::kMicrosecond);
BENCHMARK(DirectivityIndex)->Arg(kEngine)->Arg(kSingle)->Unit(benchmark::kMillisecond);
BENCHMARK_MAIN();
