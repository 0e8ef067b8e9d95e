// Pirrowan's box levels: level at 1 m by enclosure type with components and bands counted from
// 1, and the 21-band level step with the high-frequency level switch.
#include "box_levels_fixture.h"
#include "box_levels_hf.h"
#include "level_tables.h"

namespace {
constexpr double kSplit6 = 15.563025;
constexpr double kTolerance = 1e-4;

class PirrowanBoxLevelTest : public BoxLevelTest {
 protected:
  void SetUp() override {
    BoxLevelTest::SetUp();
    gains_ = EqGainsWithBandOff(7);
    SetEqGains(2, gains_.data());
    Store();
  }
  void StoreHfLevelIndex(int box, int32_t index) {
    SetWord(design::kHfLevelIndex + box - 1, index);
    Store();
  }
  double Referenced(float level, int band) const {
    const double x = static_cast<double>(level) - ref_[band];
    return gains_[band] == EQ_GAIN_OFF ? x - 200.0 : x + gains_[band];
  }
  double StepOf(int band, double band12, double upper) const {
    return band == 12 ? band12 : band > 12 ? upper : 0.0;
  }
  std::vector<int16_t> gains_;
  std::vector<float> ref_ = LevelsFrom(-3.0f);
  std::vector<float> levels_ = LevelsFrom(95.0f);
};
}  // namespace

TEST_F(PirrowanBoxLevelTest, LevelAt1mTakesTheEnclosureTypeAndBandsFrom1) {
  SetWord(2, 3);
  SetWord(design::kEnclosureType, 1);
  Store();
  SetFilterGains(-1.0f, 20, -3.0f);
  float out = 0.0f;
  ASSERT_EQ(0, CI_GetCompSPL1m(1, 21, &out));
  EXPECT_EQ(ModelSplTable[1][20] + -3.0f, out);
  ASSERT_EQ(0, CI_GetCompSPL1m(18, 1, &out));  // every component has the array's level
  EXPECT_EQ(ModelSplTable[1][0] + -1.0f, out);
  out = -7.0f;
  EXPECT_EQ(-1, CI_GetCompSPL1m(19, 1, &out));
  EXPECT_EQ(-1, CI_GetCompSPL1m(0, 1, &out));
  EXPECT_EQ(-1, CI_GetCompSPL1m(1, 0, &out));
  EXPECT_EQ(-1, CI_GetCompSPL1m(1, 22, &out));
  EXPECT_EQ(-7.0f, out);
  SetWord(design::kEnclosureType, 2);
  Store();
  ASSERT_EQ(0, CI_GetCompSPL1m(1, 5, &out));
  EXPECT_EQ(-1.0f, out);
  StoreBoxCount(10000);
  EXPECT_EQ(0, CI_GetCompSPL1m(36, 5, &out));
  EXPECT_EQ(-1, CI_GetCompSPL1m(37, 5, &out));
}

TEST_F(PirrowanBoxLevelTest, AllBandsTakeReferenceEqualiserHighFrequencyStepAndSplit) {
  const struct {
    int32_t index;
    double band12, upper;
  } cases[] = {{0, 2.0, 6.0}, {1, 1.0, 3.0}, {2, 0.0, 0.0}, {7, 0.0, 0.0}, {-1, 0.0, 0.0}};
  for (const auto& c : cases) {
    StoreHfLevelIndex(2, c.index);
    std::vector<float> levels = levels_;
    ASSERT_EQ(0, CI_GetHornLPi(2, 0, levels.data(), nullptr, ref_.data()));
    for (int k = 0; k < kBandCount; ++k)
      EXPECT_NEAR(Referenced(levels_[k], k) + StepOf(k, c.band12, c.upper) - kSplit6, levels[k],
                  kTolerance)
          << "index " << c.index << " band " << k;
  }
}

TEST_F(PirrowanBoxLevelTest, OneBandModeStillStepsAndSplitsEveryBand) {
  StoreHfLevelIndex(2, 0);
  std::vector<float> levels = levels_;
  ASSERT_EQ(0, CI_GetHornLPi(2, 5, levels.data(), nullptr, ref_.data()));
  for (int k = 0; k < kBandCount; ++k) {
    const double referenced = k == 4 ? Referenced(levels_[k], k) : levels_[k];
    EXPECT_NEAR(referenced + StepOf(k, 2.0, 6.0) - kSplit6, levels[k], kTolerance) << k;
  }
  levels = levels_;
  ASSERT_EQ(0, CI_GetHornLPi(2, 8, levels.data(), nullptr, ref_.data()));  // band 7 is off
  EXPECT_NEAR(levels_[7] - ref_[7] - 200.0 - kSplit6, levels[7], kTolerance);
}

TEST_F(PirrowanBoxLevelTest, HornLevelsRefuseBoxesAndBandsOutsideTheDesign) {
  std::vector<float> levels = levels_;
  EXPECT_EQ(-1, CI_GetHornLPi(2, 22, levels.data(), nullptr, ref_.data()));
  EXPECT_EQ(-1, CI_GetHornLPi(2, -1, levels.data(), nullptr, ref_.data()));
  EXPECT_EQ(-1, CI_GetHornLPi(0, 0, levels.data(), nullptr, ref_.data()));
  EXPECT_EQ(-1, CI_GetHornLPi(5, 0, levels.data(), nullptr, ref_.data()));  // four boxes
  EXPECT_EQ(-1, CI_GetHornLPi(2, 0, nullptr, nullptr, ref_.data()));
  EXPECT_EQ(-1, CI_GetHornLPi(2, 0, levels.data(), nullptr, nullptr));
  StoreBoxCount(10000);
  EXPECT_EQ(-1, CI_GetHornLPi(7, 0, levels.data(), nullptr, ref_.data()));
  ASSERT_EQ(0, CI_Release());
  EXPECT_EQ(-1, CI_GetHornLPi(2, 0, levels.data(), nullptr, ref_.data()));
  EXPECT_EQ(levels_, levels);
}
