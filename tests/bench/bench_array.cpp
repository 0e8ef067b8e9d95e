#include "bench_array.h"

#include <algorithm>
#include <cstdint>
#include <vector>

#include "design_data.h"
#include "load_setup.h"
#include "plugin_api.h"
#include "product_config.h"
#include "registry.h"
#include "settings_block.h"

namespace {
struct BandGroupSize {
  int perBox;
  int bands;
};

void CurveTheDesign(std::vector<int32_t>& block, int boxCount) {
#if defined(BENCH_TARNWICK)
  block[design::kAiming] = 30;
  for (int b = 0; b < boxCount; ++b) {
    block[design::kModelCode + b] = 1;
    block[design::kJunctionCode + b] = -1;
    if (b > 0) block[design::kSplayBase + b] = std::min(1 + b / 3, 8);
  }
#elif defined(BENCH_BRENLOWE)
  block[design::kAiming] = 30;
  for (int b = 1; b < boxCount; ++b) block[design::kHingeBase + b] = std::min(10 + 5 * b, 80);
#else
  (void)boxCount;
  block[design::kAiming] = 30;
#endif
  for (int b = 0; b < boxCount; ++b) block[design::kDelay + b] = 20 * b;
}
}  // namespace

bool SetUpBenchArray(int boxCount) {
  RunLoadTimeSetUp();
  const int id = CI_GetFreeID();
  if (id < 0 || CI_MakeCurrent(id) != 0) return false;
  std::vector<int32_t> block(product::kBlockWords, 0);
  block[0] = product::kBlockWords;
  WriteProductTag(block.data());
  block[design::kBoxCount] = boxCount;
  CurveTheDesign(block, boxCount);
  block[kChecksumWord] = DesignChecksum(block.data());
  if (IP_SetValue(1, block.data()) != 0) return false;
  const float position[3] = {0.0f, 0.0f, 8.0f};
  const float angles[3] = {0.0f, 0.0f, 0.0f};
  const float seat[3] = {3.0f, -40.0f, 0.0f};
  return CI_SetLspkPosition3fv(position) == 0 && CI_SetLspkAngles3fv(angles) == 0 &&
         CI_SetSeatPosition3fv(seat) == 0;
}

PairCount PairsPerResponse(int boxCount) {
#if defined(BENCH_PIRROWAN)
  const std::vector<BandGroupSize> groups = {{6, 21}};
#else
  const std::vector<BandGroupSize> groups = {{3, 12}, {9, 5}, {18, 4}};
#endif
  PairCount count{0, 0};
  for (const BandGroupSize& g : groups) {
    const long n = static_cast<long>(g.perBox) * boxCount;
    count.pairs += n * (n - 1) / 2;
    count.pairBandTerms += n * (n - 1) / 2 * g.bands;
  }
  return count;
}
