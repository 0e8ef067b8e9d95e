// Brenlowe's load-time tables and reset design.
#include <cmath>

#include "engine_fixture.h"
#include "level_tables.h"

using BrenloweTablesTest = EngineTest;

TEST_F(BrenloweTablesTest, MaximumLevelTables) {
  EXPECT_NEAR(126.69f, ModelSplTable[0][0], 0.005f);
  EXPECT_FLOAT_EQ(static_cast<float>(10.0 * std::log10(700.0) + 101.2f), ModelSplTable[3][4]);
  EXPECT_FLOAT_EQ(static_cast<float>(10.0 * std::log10(450.0) + 104.7f), ModelSplTable[0][12] - 10.0f * std::log10(1400.0f / 450.0f));
  EXPECT_FLOAT_EQ(static_cast<float>(10.0 * std::log10(225.0) + 116.0f), ModelSplTable[5][20]);
}

TEST_F(BrenloweTablesTest, ResetDesignHasSymmetryOnAndAirOff) {
  ClaimCurrent();
  std::vector<int32_t> junk(product::kBlockWords, 3);
  ASSERT_EQ(0, IP_SetValue(1, junk.data()));
  const int32_t* s = CurrentSlot->settings;
  EXPECT_EQ(4, s[2]);
  EXPECT_EQ(0, s[3]);
  EXPECT_EQ(1, s[60]);
  EXPECT_EQ(0, s[263]);  // refreshed only by the next read-out
  EXPECT_EQ(5, ReadBlock()[263]);
}

TEST_F(BrenloweTablesTest, FourSeatsAreClearedByRelease) {
  ClaimCurrent();
  CurrentSlot->seatPosition[3][2] = 5.0f;
  CurrentSlot->seatAngles[2][0] = 1.0f;
  ASSERT_EQ(0, CI_Release());
  EXPECT_EQ(0.0f, SlotTable[1].seatPosition[3][2]);
  EXPECT_EQ(0.0f, SlotTable[1].seatAngles[2][0]);
}
