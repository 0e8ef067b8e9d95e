// Speed of the response engine in the 32-bit Windows build, run under Wine: the same array as
// the native benchmark, timed in plain loops against the single-precision reference.
#include <windows.h>

#include <cstdio>

#include "bench_array.h"
#include "directivity_index_compute.h"
#include "frequency_response.h"
#include "product_config.h"

namespace {
double Seconds() {
  LARGE_INTEGER now, frequency;
  QueryPerformanceCounter(&now);
  QueryPerformanceFrequency(&frequency);
  return static_cast<double>(now.QuadPart) / static_cast<double>(frequency.QuadPart);
}

// Microseconds per call of fn, over enough calls to fill about a second.
template <typename Fn>
double MicrosecondsPerCall(Fn fn) {
  fn();  // warm-up
  int calls = 1;
  for (;;) {
    const double start = Seconds();
    for (int i = 0; i < calls; ++i) fn();
    const double elapsed = Seconds() - start;
    if (elapsed > 1.0 || calls >= (1 << 20)) return elapsed * 1e6 / calls;
    calls *= 2;
  }
}

double TimeResponse(ResponseMode mode) {
  float level[kBandCount], phase[kBandCount], time;
  return MicrosecondsPerCall([&] { ComputeResponse(mode, level, phase, &time); });
}

double TimeDirectivityIndex(ResponseMode mode) {
  float table[kBandCount];
  return MicrosecondsPerCall([&] { ComputeDirectivityIndexInto(mode, table); });
}
}  // namespace

int main() {
  const int boxes = product::kMaxBoxes;
  if (!SetUpBenchArray(boxes)) {
    std::printf("array set-up failed\n");
    return 1;
  }
  const PairCount pairs = PairsPerResponse(boxes);
  std::printf("%s, %d boxes: %ld pairs, %ld pair-band terms per response\n", product::kAppName,
              boxes, pairs.pairs, pairs.pairBandTerms);
  const double engine = TimeResponse(ResponseMode::kEngine);
  const double single = TimeResponse(ResponseMode::kSinglePrecision);
  std::printf("response            engine %10.1f us   single-precision reference %10.1f us   x%.1f\n",
              engine, single, single / engine);
  const double indexEngine = TimeDirectivityIndex(ResponseMode::kEngine);
  const double indexSingle = TimeDirectivityIndex(ResponseMode::kSinglePrecision);
  std::printf("directivity index   engine %10.1f us   single-precision reference %10.1f us   x%.1f\n",
              indexEngine, indexSingle, indexSingle / indexEngine);
  return 0;
}
