// Brenlowe's box levels on its own design layout: one table per model code 0..5, the level
// steps of the shared band groups on Brenlowe's equaliser rows.
#include "box_levels_fixture.h"
#include "box_levels_grouped.h"
#include "level_tables.h"

using BrenloweBoxLevelTest = BoxLevelTest;

TEST_F(BrenloweBoxLevelTest, LevelAt1mIsTheModelsTablePlusTheFilterGain) {
  SetWord(design::kModelCode, 5);
  SetWord(design::kModelCode + 1, 6);  // no such model
  Store();
  SetFilterGains(-2.0f, 20, -4.5f);
  float out = 0.0f;
  ASSERT_EQ(0, CI_GetCompSPL1m(1, 20, &out));
  EXPECT_EQ(ModelSplTable[5][20] + -4.5f, out);
  ASSERT_EQ(0, CI_GetCompSPL1m(2, 3, &out));
  EXPECT_EQ(-2.0f, out);
  out = -7.0f;
  EXPECT_EQ(-1, CI_GetCompSPL1m(1, 21, &out));
  EXPECT_EQ(-1, CI_GetCompSPL1m(5, 0, &out));
  EXPECT_EQ(-7.0f, out);
  StoreBoxCount(-3);  // no boxes at all
  EXPECT_EQ(-1, CI_GetCompSPL1m(1, 0, &out));
}

TEST_F(BrenloweBoxLevelTest, LevelStepsReadTheBoxesOwnEqualiserRow) {
  const std::vector<int16_t> second = EqGainsWithBandOff(17);
  std::vector<int16_t> third(kBandCount, 6);
  SetEqGains(2, second.data());
  SetEqGains(3, third.data());
  Store();
  const std::vector<float> ref = LevelsFrom(1.0f);
  std::vector<float> levels = LevelsFrom(80.0f);
  ASSERT_EQ(0, CI_GetHornLPi(2, 2, 0, levels.data(), nullptr, ref.data()));
  EXPECT_NEAR(80.0 - 22.25 - 200.0 - 25.105450, levels[0], 1e-4);  // band 17 off
  EXPECT_NEAR(81.25 - 23.5 + second[18] - 25.105450, levels[1], 1e-4);
  float level = 80.0f;
  ASSERT_EQ(0, CI_GetLPi(1, 3, 13, &level, nullptr, ref.data()));
  EXPECT_NEAR(80.0 - 17.25 + 6.0 - 19.084850, level, 1e-4);
  EXPECT_EQ(-1, CI_GetLPi(1, 15, 13, &level, nullptr, ref.data()));
}
