// Tarnwick's load-time tables and reset design.
#include <cmath>

#include "engine_fixture.h"
#include "level_tables.h"

using TarnwickTablesTest = EngineTest;

TEST_F(TarnwickTablesTest, MaximumLevelTables) {
  EXPECT_NEAR(128.42f, ModelSplTable[0][0], 0.005f);
  EXPECT_NEAR(10.0 * std::log10(2000.0) - 41.0, ModelSplTable[5][20], 1e-4);
  EXPECT_NEAR(10.0 * std::log10(50.0) + 112.0, ModelSplTable[4][20], 1e-4);
  EXPECT_NEAR(10.0 * std::log10(150.0) + 102.0, ModelSplTable[4][13], 1e-4);
  EXPECT_NEAR(10.0 * std::log10(225.0) + 111.6, ModelSplTable[1][11], 1e-4);
}

TEST_F(TarnwickTablesTest, SplitGainsAndConstants) {
  EXPECT_NEAR(9.542425f, SourceSplitGain[0], 1e-5f);
  EXPECT_NEAR(19.084850f, SourceSplitGain[1], 1e-5f);
  EXPECT_NEAR(25.105450f, SourceSplitGain[2], 1e-5f);
  EXPECT_EQ(static_cast<float>(std::sqrt(2.0)), K_HI);
  EXPECT_EQ(K_HI - 1.0f / K_HI, K_SPAN);
  EXPECT_EQ(0.0872664675116539f, GridStep5Degrees);
}

TEST_F(TarnwickTablesTest, ResetDesignHasAirAbsorptionOn) {
  ClaimCurrent();
  std::vector<int32_t> junk(product::kBlockWords, 77);
  const int32_t tagBefore = CurrentSlot->settings[1];
  ASSERT_EQ(0, IP_SetValue(1, junk.data()));
  const int32_t* s = CurrentSlot->settings;
  EXPECT_EQ(4, s[2]);
  EXPECT_EQ(1, s[3]);
  EXPECT_EQ(1, s[4]);
  EXPECT_EQ(6, s[517]);
  EXPECT_EQ(tagBefore, s[1]);  // the slot's tag word is left as it was
  for (int w = 5; w < 517; ++w) ASSERT_EQ(0, s[w]) << w;
  EXPECT_EQ(6, DesignChecksum(s));
}
