#include "engine_fixture.h"

TEST(NoImpedance, AlwaysRefused) {
  RunLoadTimeSetUp();
  float out[21] = {};
  EXPECT_EQ(-1, DLLGetImpedance(out));
  CI_MakeCurrent(CI_GetFreeID());
  EXPECT_EQ(-1, DLLGetImpedance(out));
}
