// Speed of the response at a seat and of the directivity index (71 responses) for the
// deliverable's largest array: the engine on each SIMD path against the reference design, four
// bands per SSE vector and as scalar code (bench_contenders.h). After the runs a table gives the
// engine's speed-up over both references.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <map>
#include <string>

#include "bench_array.h"
#include "bench_contenders.h"
#include "product_config.h"

namespace {
constexpr int kBoxes = product::kMaxBoxes;

// Sets up the array and the contender's path; false (the run skipped) when either fails.
bool Prepare(benchmark::State& state, const Contender& contender) {
  state.counters["boxes"] = kBoxes;
  if (!PrepareContender(contender)) {
    state.SkipWithError("this processor has no AVX2 and FMA");
    return false;
  }
  if (SetUpBenchArray(kBoxes)) return true;
  state.SkipWithError("array set-up failed");
  return false;
}

void Response(benchmark::State& state, const Contender* contender) {
  if (!Prepare(state, *contender)) return;
  float level[kBandCount], phase[kBandCount], time;
  for (auto _ : state) {
    contender->response(level, phase, &time);
    benchmark::DoNotOptimize(level);
  }
  const PairCount pairs = PairsPerResponse(kBoxes);
  state.counters["pair_band_terms"] = static_cast<double>(pairs.pairBandTerms);
}

void DirectivityIndex(benchmark::State& state, const Contender* contender) {
  if (!Prepare(state, *contender)) return;
  float table[kBandCount];
  for (auto _ : state) {
    DirectivityIndexWith(*contender, table);
    benchmark::DoNotOptimize(table);
  }
}

std::string NameOf(const char* measure, const Contender& contender) {
  std::string name = std::string(measure) + "/" + contender.name;
  for (char& ch : name)
    if (ch == ' ') ch = '_';
  return name;
}

// The console report, keeping each run's time per iteration by name.
class RatioReporter : public benchmark::ConsoleReporter {
 public:
  void ReportRuns(const std::vector<Run>& runs) override {
    for (const Run& run : runs)
      if (!run.error_occurred && run.run_type == Run::RT_Iteration)
        seconds_[run.benchmark_name()] =
            run.GetAdjustedRealTime() / benchmark::GetTimeUnitMultiplier(run.time_unit);
    ConsoleReporter::ReportRuns(runs);
  }

  void PrintRatios(const char* measure) const {
    const double fourWide = Find(NameOf(measure, kContenders[kFourWide]));
    const double scalar = Find(NameOf(measure, kContenders[kScalar]));
    for (int c : {kEngineSse2, kEngineAvx2}) {
      const double engine = Find(NameOf(measure, kContenders[c]));
      if (engine <= 0.0) continue;  // filtered out, or no AVX2
      std::printf("%-18s %-12s %10.1f us   vs four-wide ", measure, kContenders[c].name,
                  engine * 1e6);
      if (fourWide > 0.0) std::printf("x%-6.2f", fourWide / engine); else std::printf("-      ");
      std::printf("  vs scalar ");
      if (scalar > 0.0) std::printf("x%.2f\n", scalar / engine); else std::printf("-\n");
    }
  }

 private:
  double Find(const std::string& name) const {
    for (const auto& [key, value] : seconds_)
      if (key.rfind(name, 0) == 0) return value;
    return 0.0;
  }
  std::map<std::string, double> seconds_;
};
}  // namespace

int main(int argc, char** argv) {
  for (const Contender& c : kContenders) {
    benchmark::RegisterBenchmark(NameOf("Response", c).c_str(), Response, &c)
        ->Unit(benchmark::kMicrosecond);
  }
  for (int c : {kEngineSse2, kEngineAvx2, kFourWide, kScalar}) {
    benchmark::RegisterBenchmark(NameOf("DirectivityIndex", kContenders[c]).c_str(),
                                 DirectivityIndex, &kContenders[c])
        ->Unit(benchmark::kMillisecond);
  }
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  RatioReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  std::printf("\n%s, %d boxes: the engine's speed-up\n", product::kAppName, kBoxes);
  reporter.PrintRatios("Response");
  reporter.PrintRatios("DirectivityIndex");
  benchmark::Shutdown();
  return 0;
}
