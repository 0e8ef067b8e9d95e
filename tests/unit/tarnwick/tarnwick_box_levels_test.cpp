// Tarnwick's box levels: level at 1 m by cabinet kind, and the level steps by band group.
#include "box_levels_fixture.h"
#include "box_levels_grouped.h"
#include "level_tables.h"

namespace {
constexpr double kSplit3 = 9.542425, kSplit9 = 19.084850, kSplit18 = 25.105450;
constexpr double kTolerance = 1e-4;

class TarnwickBoxLevelTest : public BoxLevelTest {
 protected:
  void SetUp() override {
    BoxLevelTest::SetUp();
    gains_ = EqGainsWithBandOff(3);
    SetEqGains(2, gains_.data());
    Store();
  }
  // A level after the box's reference and equaliser, before the split.
  double Referenced(float level, int band) const {
    const double x = static_cast<double>(level) - ref_[band];
    return gains_[band] == EQ_GAIN_OFF ? x - 200.0 : x + gains_[band];
  }
  std::vector<int16_t> gains_;
  std::vector<float> ref_ = LevelsFrom(-4.0f);
  std::vector<float> levels_ = LevelsFrom(100.0f);
};
}  // namespace

TEST_F(TarnwickBoxLevelTest, LevelAt1mIsTheKindsTableAtTheBandPlusTheFilterGain) {
  SetWord(design::kModelCode, 4);       // box 1: TK-520, kind 2
  SetWord(design::kModelCode + 1, 25);  // box 2: no table
  SetWord(design::kModelCode + 2, 18);  // box 3: kind 8
  Store();
  SetFilterGains(-1.5f, 0, -6.0f);
  float out = 0.0f;
  ASSERT_EQ(0, CI_GetCompSPL1m(1, 0, &out));
  EXPECT_EQ(ModelSplTable[2][0] + -6.0f, out);
  ASSERT_EQ(0, CI_GetCompSPL1m(2, 7, &out));
  EXPECT_EQ(-1.5f, out);
  ASSERT_EQ(0, CI_GetCompSPL1m(3, 20, &out));
  EXPECT_EQ(ModelSplTable[8][20] + -1.5f, out);
}

TEST_F(TarnwickBoxLevelTest, LevelAt1mRefusesBandsAndBoxesOutsideTheDesign) {
  float out = -7.0f;
  EXPECT_EQ(-1, CI_GetCompSPL1m(1, 21, &out));
  EXPECT_EQ(-1, CI_GetCompSPL1m(1, -1, &out));
  EXPECT_EQ(-1, CI_GetCompSPL1m(0, 0, &out));
  EXPECT_EQ(-1, CI_GetCompSPL1m(5, 0, &out));  // four boxes
  EXPECT_EQ(-7.0f, out);
  // A stored count past the capacity reaches the last box the slot holds, no further.
  StoreBoxCount(10000);
  EXPECT_EQ(0, CI_GetCompSPL1m(24, 0, &out));
  EXPECT_EQ(-1, CI_GetCompSPL1m(25, 0, &out));
}

TEST_F(TarnwickBoxLevelTest, WholeGroupTakesReferenceEqualiserAndSplit) {
  const std::vector<float> before = levels_;
  ASSERT_EQ(0, CI_GetHornLPi(0, 2, 0, levels_.data(), nullptr, ref_.data()));
  for (int k = 0; k < 12; ++k)
    EXPECT_NEAR(Referenced(before[k], k) - kSplit3, levels_[k], kTolerance) << k;
  EXPECT_NEAR(before[3] - ref_[3] - 200.0 - kSplit3, levels_[3], kTolerance);
  EXPECT_EQ(before[12], levels_[12]);  // past the group's array

  levels_ = before;
  ASSERT_EQ(0, CI_GetHornLPi(2, 2, 0, levels_.data(), nullptr, ref_.data()));
  for (int k = 0; k < 4; ++k)
    EXPECT_NEAR(Referenced(before[k], 17 + k) - kSplit18, levels_[k], kTolerance) << k;
  EXPECT_EQ(before[4], levels_[4]);
}

TEST_F(TarnwickBoxLevelTest, OneBandTakesItsEntryAndTheWholeGroupIsSplit) {
  const std::vector<float> before = levels_;
  // Band 14 (index 13) is entry 1 of group 1; all five entries lose the split.
  ASSERT_EQ(0, CI_GetHornLPi(1, 2, 14, levels_.data(), nullptr, ref_.data()));
  EXPECT_NEAR(Referenced(before[1], 13) - kSplit9, levels_[1], kTolerance);
  for (int k : {0, 2, 3, 4}) EXPECT_NEAR(before[k] - kSplit9, levels_[k], kTolerance) << k;
  EXPECT_EQ(before[5], levels_[5]);

  levels_ = before;
  ASSERT_EQ(0, CI_GetHornLPi(2, 2, 21, levels_.data(), nullptr, ref_.data()));
  EXPECT_NEAR(Referenced(before[3], 20) - kSplit18, levels_[3], kTolerance);
}

TEST_F(TarnwickBoxLevelTest, GroupWithoutAnArrayIsNotSplit) {
  const std::vector<float> before = levels_;
  EXPECT_EQ(0, CI_GetHornLPi(3, 2, 0, levels_.data(), nullptr, ref_.data()));
  EXPECT_EQ(before, levels_);
  // One-band mode still follows the band: band 5 is entry 4 with ref[4] and EqGain[4].
  EXPECT_EQ(0, CI_GetHornLPi(3, 2, 5, levels_.data(), nullptr, ref_.data()));
  EXPECT_NEAR(Referenced(before[4], 4), levels_[4], kTolerance);
  levels_[4] = before[4];
  EXPECT_EQ(before, levels_);
}

TEST_F(TarnwickBoxLevelTest, HornLevelsRefuseWhatWouldLeaveTheirArrays) {
  const std::vector<float> before = levels_;
  // Entries past the caller's group array: band 5 in the four entries of group 2, band 12
  // (entry 11) in the five of group 1.
  EXPECT_EQ(-1, CI_GetHornLPi(2, 2, 5, levels_.data(), nullptr, ref_.data()));
  EXPECT_EQ(-1, CI_GetHornLPi(1, 2, 12, levels_.data(), nullptr, ref_.data()));
  EXPECT_EQ(-1, CI_GetHornLPi(0, 2, 22, levels_.data(), nullptr, ref_.data()));
  EXPECT_EQ(-1, CI_GetHornLPi(0, 2, -1, levels_.data(), nullptr, ref_.data()));
  EXPECT_EQ(-1, CI_GetHornLPi(0, 0, 0, levels_.data(), nullptr, ref_.data()));
  EXPECT_EQ(-1, CI_GetHornLPi(0, 5, 0, levels_.data(), nullptr, ref_.data()));
  EXPECT_EQ(-1, CI_GetHornLPi(0, 2, 0, nullptr, nullptr, ref_.data()));
  EXPECT_EQ(-1, CI_GetHornLPi(0, 2, 0, levels_.data(), nullptr, nullptr));
  ASSERT_EQ(0, CI_Release());
  EXPECT_EQ(-1, CI_GetHornLPi(0, 2, 0, levels_.data(), nullptr, ref_.data()));
  EXPECT_EQ(before, levels_);
  // A band of another group whose entry fits the array is read as the band says.
  ClaimCurrent();
  Store();
  EXPECT_EQ(0, CI_GetHornLPi(1, 2, 3, levels_.data(), nullptr, ref_.data()));
  EXPECT_NEAR(Referenced(before[2], 2) - kSplit9, levels_[2], kTolerance);
}

TEST_F(TarnwickBoxLevelTest, SingleLevelTakesBandGroupAndSplit) {
  float level = 90.0f;
  ASSERT_EQ(0, CI_GetLPi(7, 2, 6, &level, nullptr, ref_.data()));
  EXPECT_NEAR(Referenced(90.0f, 6), level, kTolerance);
  level = 90.0f;
  ASSERT_EQ(0, CI_GetLPi(0, 2, 3, &level, nullptr, ref_.data()));
  EXPECT_NEAR(90.0 - ref_[3] - 200.0 - kSplit3, level, kTolerance);
  level = 90.0f;
  ASSERT_EQ(0, CI_GetLPi(2, 2, 20, &level, nullptr, ref_.data()));
  EXPECT_NEAR(Referenced(90.0f, 20) - kSplit18, level, kTolerance);

  level = 90.0f;
  EXPECT_EQ(-1, CI_GetLPi(0, 2, 21, &level, nullptr, ref_.data()));
  EXPECT_EQ(-1, CI_GetLPi(0, 2, -1, &level, nullptr, ref_.data()));
  EXPECT_EQ(-1, CI_GetLPi(0, 5, 3, &level, nullptr, ref_.data()));
  EXPECT_EQ(-1, CI_GetLPi(0, 2, 3, nullptr, nullptr, ref_.data()));
  EXPECT_EQ(90.0f, level);
}
