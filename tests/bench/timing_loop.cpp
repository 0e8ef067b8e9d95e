// Speed of the response engine in the 32-bit Windows build, run under Wine: the same array and
// contenders as the native benchmark, timed in plain loops (the 32-bit engine runs SSE2 alone).
// "timing_<product>.exe brief" times one response of each contender and no directivity index.
#include <windows.h>

#include <cstdio>
#include <cstring>

#include "bench_array.h"
#include "bench_contenders.h"
#include "product_config.h"

namespace {
double Seconds() {
  LARGE_INTEGER now, frequency;
  QueryPerformanceCounter(&now);
  QueryPerformanceFrequency(&frequency);
  return static_cast<double>(now.QuadPart) / static_cast<double>(frequency.QuadPart);
}

double budgetSeconds = 1.0;
bool brief = false;

// Microseconds per call of fn, over enough calls to fill the time budget.
template <typename Fn>
double MicrosecondsPerCall(Fn fn) {
  if (budgetSeconds > 0.0) fn();  // warm-up
  int calls = 1;
  for (;;) {
    const double start = Seconds();
    for (int i = 0; i < calls; ++i) fn();
    const double elapsed = Seconds() - start;
    if (elapsed >= budgetSeconds || calls >= (1 << 20)) return elapsed * 1e6 / calls;
    calls *= 2;
  }
}

struct Timing {
  double response = 0.0;  // microseconds
  double index = 0.0;
};

Timing TimeContender(const Contender& contender) {
  Timing t;
  if (!PrepareContender(contender) || !SetUpBenchArray(product::kMaxBoxes)) return t;
  float level[kBandCount], phase[kBandCount], time;
  t.response = MicrosecondsPerCall([&] { contender.response(level, phase, &time); });
  if (brief) return t;
  float table[kBandCount];
  t.index = MicrosecondsPerCall([&] { DirectivityIndexWith(contender, table); });
  return t;
}

void PrintRatio(const char* what, double engine, double fourWide, double scalar) {
  if (engine <= 0.0) return;
  std::printf("  %-18s engine %10.1f us   vs four-wide x%-6.2f  vs scalar x%.2f\n", what, engine,
              fourWide / engine, scalar / engine);
}
}  // namespace

int main(int argc, char** argv) {
  brief = argc > 1 && std::strcmp(argv[1], "brief") == 0;
  if (brief) budgetSeconds = 0.0;
  const int boxes = product::kMaxBoxes;
  if (!SetUpBenchArray(boxes)) {
    std::printf("array set-up failed\n");
    return 1;
  }
  const PairCount pairs = PairsPerResponse(boxes);
  std::printf("%s, %d boxes: %ld pairs, %ld pair-band terms per response\n", product::kAppName,
              boxes, pairs.pairs, pairs.pairBandTerms);

  const Timing fourWide = TimeContender(kContenders[kFourWide]);
  const Timing scalar = TimeContender(kContenders[kScalar]);
  std::printf("four-wide reference: response %10.1f us, directivity index %10.1f us\n",
              fourWide.response, fourWide.index);
  std::printf("scalar reference:    response %10.1f us, directivity index %10.1f us\n",
              scalar.response, scalar.index);
  const Timing engine = TimeContender(kContenders[kEngineSse2]);
  std::printf("%s:\n", kContenders[kEngineSse2].name);
  PrintRatio("response", engine.response, fourWide.response, scalar.response);
  PrintRatio("directivity index", engine.index, fourWide.index, scalar.index);
  return 0;
}
