// The engine's SIMD paths that the accuracy tests cover: in 64-bit builds each path in turn,
// chosen by the test; the 32-bit build has the SSE2 path alone.
#pragma once
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "simd_path.h"

inline std::vector<SimdPath> SimdPathsUnderTest() {
#if PLUGINS_AVX2_KERNEL
  return {SimdPath::kSse2, SimdPath::kAvx2};
#else
  return {SimdPath::kSse2};
#endif
}

// Runs the engine on path for one test and puts the previous path back afterwards.
class SimdPathScope {
 public:
  explicit SimdPathScope(SimdPath path) : previous_(ActiveSimdPath()), usable_(UseSimdPath(path)) {}
  ~SimdPathScope() { UseSimdPath(previous_); }
  bool usable() const { return usable_; }

 private:
  SimdPath previous_;
  bool usable_;
};

#define SKIP_WITHOUT_SIMD_PATH(scope) \
  if (!(scope).usable()) GTEST_SKIP() << "this processor has no AVX2 and FMA"

inline std::string SimdPathParamName(const ::testing::TestParamInfo<SimdPath>& info) {
  return SimdPathName(info.param);
}
