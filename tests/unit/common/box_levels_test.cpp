// Box-level exports that every deliverable shares.
#include "box_levels_fixture.h"
#include "directivity_index.h"

using SharedBoxLevelTest = BoxLevelTest;

TEST_F(SharedBoxLevelTest, DirectivityIndexIsReportedForBands1To21) {
  for (int b = 0; b < kBandCount; ++b) DirectivityIndexTable[b] = 3.0f + 0.5f * b;
  float out = -7.0f;
  EXPECT_EQ(0, CI_GetCompDirectivity(0, 1, &out));
  EXPECT_EQ(3.0f, out);
  EXPECT_EQ(0, CI_GetCompDirectivity(99, 21, &out));
  EXPECT_EQ(13.0f, out);
  out = -7.0f;
  EXPECT_EQ(-1, CI_GetCompDirectivity(0, 0, &out));
  EXPECT_EQ(-1, CI_GetCompDirectivity(0, 22, &out));
  EXPECT_EQ(-1, CI_GetCompDirectivity(0, 1, nullptr));
  EXPECT_EQ(-7.0f, out);
  ASSERT_EQ(0, CI_Release());
  EXPECT_EQ(-1, CI_GetCompDirectivity(0, 1, &out));
  EXPECT_EQ(-7.0f, out);
}

TEST_F(SharedBoxLevelTest, PulsesDoNothingAndNeedNoCurrentDesign) {
  ASSERT_EQ(0, CI_Release());
  int a = 1, b = 2, c = 3;
  EXPECT_EQ(0, CI_GetPulse(&a, &b, &c));
  EXPECT_EQ(0, CI_GetPulses(nullptr, nullptr));
  EXPECT_EQ(1, a);
  EXPECT_EQ(2, b);
  EXPECT_EQ(3, c);
}

TEST_F(SharedBoxLevelTest, LevelAt1mNeedsACurrentDesign) {
  Store();
  float out = -7.0f;
  EXPECT_EQ(0, CI_GetCompSPL1m(1, 1, &out));
  ASSERT_EQ(0, CI_Release());
  out = -7.0f;
  EXPECT_EQ(-1, CI_GetCompSPL1m(1, 1, &out));
  EXPECT_EQ(-7.0f, out);
}
