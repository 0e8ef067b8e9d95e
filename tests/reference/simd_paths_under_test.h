// The engine's SIMD paths that the accuracy tests cover: natively each path in turn, chosen by
// the test; in the Windows build the path PLUGINS_SIMD chose for the program, which runs once for
// each value.
#pragma once
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "simd_path.h"

inline std::vector<SimdPath> SimdPathsUnderTest() {
#if defined(_WIN32)
  return {ActiveSimdPath()};
#else
  return {SimdPath::kSse2, SimdPath::kAvx2};
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
