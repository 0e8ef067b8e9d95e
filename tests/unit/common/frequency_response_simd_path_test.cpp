// The choice of the engine's SIMD path: the processor's support decides, PLUGINS_SIMD can only
// narrow it to SSE2, and a path the processor lacks is never taken.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "simd_paths_under_test.h"

namespace {
TEST(SimdPathTest, TheEnvironmentChoosesAmongThePathsTheProcessorCanRun) {
  const char* request = std::getenv("PLUGINS_SIMD");
  const bool wantsSse2 = request && std::strcmp(request, "sse2") == 0;
  const SimdPath expected =
      !wantsSse2 && ProcessorHasAvx2() ? SimdPath::kAvx2 : SimdPath::kSse2;
  EXPECT_EQ(expected, ActiveSimdPath()) << "PLUGINS_SIMD=" << RequestedSimdPath();
  EXPECT_STREQ(request ? request : "", RequestedSimdPath());
  if (!ProcessorHasAvx2()) std::printf("this processor has no AVX2 and FMA: SSE2 only\n");

  const SimdPath chosen = ActiveSimdPath();
  EXPECT_TRUE(UseSimdPath(SimdPath::kSse2));
  EXPECT_EQ(SimdPath::kSse2, ActiveSimdPath());
  EXPECT_EQ(ProcessorHasAvx2(), UseSimdPath(SimdPath::kAvx2));
  EXPECT_EQ(ProcessorHasAvx2() ? SimdPath::kAvx2 : SimdPath::kSse2, ActiveSimdPath());
  UseSimdPath(chosen);
  EXPECT_STREQ("avx2", SimdPathName(SimdPath::kAvx2));
  EXPECT_STREQ("sse2", SimdPathName(SimdPath::kSse2));
}
}  // namespace
