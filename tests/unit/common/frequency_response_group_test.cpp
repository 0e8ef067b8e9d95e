// The sums of one band group in the engine (on each SIMD path) and the reference evaluations:
// the interference factor of a pair, the rule for nearly simultaneous arrivals, and the engine
// against double precision on groups whose pairs fall on both sides of its switch between the
// direct and the separated form.
#include <gtest/gtest.h>

#include <cmath>
#include <random>

#include "frequency_response.h"
#include "level_limits.h"
#include "level_tables.h"
#include "load_setup.h"
#include "reference_fast_math.h"
#include "reference_response.h"
#include "simd_paths_under_test.h"

namespace {
constexpr GroupEvaluation kEvaluations[] = {EvaluateGroup, EvaluateGroupSinglePrecision,
                                            EvaluateGroupFourWide, EvaluateGroupDoublePrecision};

class GroupSumTest : public ::testing::TestWithParam<SimdPath> {
 protected:
  void SetUp() override {
    RunLoadTimeSetUp();
    SKIP_WITHOUT_SIMD_PATH(path_);
  }

  // A group over bands first .. first + bands - 1 whose sub-sources all sit at 0 dB.
  void Start(int first, int bands, int count) {
    ASSERT_TRUE(StartGroup(group_, first, bands, count));
    for (int k = 0; k < bands; ++k)
      for (int i = 0; i < count; ++i) group_.LevelAt(k, i) = 0.0f;
  }
  void SetTime(int i, double t) {
    group_.time[i] = t;
    group_.singleTime[i] = static_cast<float>(t);
  }
  std::vector<float> Levels(GroupEvaluation evaluate) {
    std::vector<float> level(kBandCount, -7.0f);
    evaluate(group_, level.data());
    return level;
  }

  const SimdPathScope path_{GetParam()};
  ResponseGroup group_;
};

// The mean of cos(w' dt) over the band w / sqrt 2 .. w sqrt 2.
double InterferenceFactor(int band, double dt) {
  const double x = BandAngularFrequency(band) * dt;
  const double k = K_HI;
  return (std::sin(k * x) - std::sin(x / k)) / (x * (k - 1.0 / k));
}

TEST_P(GroupSumTest, ArrivalsWithinOneNanosecondAddInPhase) {
  Start(17, 4, 2);
  SetTime(0, 0.0123);
  SetTime(1, 0.0123 + 0.9e-9);
  for (GroupEvaluation evaluate : kEvaluations) {
    const std::vector<float> level = Levels(evaluate);
    for (int b = 17; b < 21; ++b) EXPECT_NEAR(level[b], 10.0 * std::log10(4.0), 1e-4) << b;
    EXPECT_EQ(-7.0f, level[16]);  // bands outside the group are not written
  }
}

TEST_P(GroupSumTest, PairFollowsTheBandAveragedFactorFromInPhaseToPowerSum) {
  Start(0, kBandCount, 2);
  // From well inside one period (direct form) to many periods apart (separated form), with
  // factors that go negative on the way.
  for (double dt : {2e-9, 3e-7, 5e-6, 2.2e-5, 1e-4, 6.4e-4, 3e-3, 0.05}) {
    SetTime(0, 0.2);
    SetTime(1, 0.2 + dt);
    const std::vector<float> engine = Levels(EvaluateGroup);
    const std::vector<float> exact = Levels(EvaluateGroupDoublePrecision);
    for (int b = 0; b < kBandCount; ++b) {
      const double expected = 10.0 * std::log10(2.0 + 2.0 * InterferenceFactor(b, dt));
      EXPECT_NEAR(exact[b], expected, 1e-5) << b << " dt " << dt;
      EXPECT_NEAR(engine[b], expected, 1e-4) << b << " dt " << dt;
    }
  }
}

TEST_P(GroupSumTest, EngineMatchesDoublePrecisionOnLargeGroups) {
  std::mt19937 random(7);
  std::uniform_real_distribution<double> spread(0.0, 0.03);
  std::uniform_real_distribution<float> levels(60.0f, 110.0f);
  // Group sizes that leave partial lanes; times spread over an array's depth, some of them in
  // clusters of near-simultaneous arrivals.
  for (int count : {5, 37, 216, kMaxGroupSources}) {
    for (const auto& bands : {std::pair<int, int>{0, 12}, {12, 5}, {17, 4}}) {
      if (bands.second * ((count + 3) & ~3) > kMaxGroupLevels) continue;
      ASSERT_TRUE(StartGroup(group_, bands.first, bands.second, count));
      double previous = 0.0;
      for (int i = 0; i < count; ++i) {
        const double t = (i % 3 == 0 && i > 0) ? previous + 1e-7 * (i % 5) : spread(random);
        previous = t;
        SetTime(i, 0.1 + t);
        for (int k = 0; k < bands.second; ++k) group_.LevelAt(k, i) = levels(random);
      }
      const std::vector<float> engine = Levels(EvaluateGroup);
      const std::vector<float> exact = Levels(EvaluateGroupDoublePrecision);
      for (int b = bands.first; b < bands.first + bands.second; ++b)
        EXPECT_NEAR(engine[b], exact[b], 0.002) << "count " << count << " band " << b;
    }
  }
}

// The worst case for the single-precision pair products: the largest group in the highest
// bands, every sub-source at the loudest level, in two clusters whose arrivals are just far
// enough apart (the near limit) to go through the kernels, where 1/dt is largest.
TEST_P(GroupSumTest, LevelsAboveTheLoudestSaturateAndStayFinite) {
  const double nearLimit = 0.25 / (K_HI * BandAngularFrequency(kBandCount - 1));
  const auto fill = [&](float level) {
    Start(17, 4, kMaxGroupSources);
    for (int i = 0; i < kMaxGroupSources; ++i) {
      SetTime(i, 0.05 + (i % 2) * nearLimit * 1.0001);
      for (int k = 0; k < 4; ++k) group_.LevelAt(k, i) = level;
    }
  };
  fill(kLoudestSubSourceLevel);
  const std::vector<float> loudest = Levels(EvaluateGroup);
  const std::vector<float> exact = Levels(EvaluateGroupDoublePrecision);
  const double ceiling = kLoudestSubSourceLevel + 20.0 * std::log10(kMaxGroupSources);
  for (int b = 17; b < kBandCount; ++b) {
    EXPECT_TRUE(std::isfinite(loudest[b])) << b;
    EXPECT_LE(loudest[b], ceiling + 0.01) << b;
    EXPECT_NEAR(exact[b], loudest[b], 0.002) << b;
  }
  // What a stored word of any size makes of a level is taken as the loudest level.
  for (const float level : {kLoudestSubSourceLevel + 0.5f, 1.2e8f, 3e38f, INFINITY}) {
    fill(level);
    const std::vector<float> saturated = Levels(EvaluateGroup);
    for (int b = 17; b < kBandCount; ++b) EXPECT_EQ(loudest[b], saturated[b]) << level;
  }
}

TEST_P(GroupSumTest, AnEmptyGroupIsReportedAtTheSilenceFloor) {
  Start(0, 12, 0);
  for (GroupEvaluation evaluate : {EvaluateGroup, EvaluateGroupDoublePrecision})
    EXPECT_FLOAT_EQ(-300.0f, Levels(evaluate)[3]);
}

TEST_P(GroupSumTest, GroupsThatDoNotFitAreRefused) {
  EXPECT_FALSE(StartGroup(group_, 0, kBandCount, kMaxGroupSources + 1));
  EXPECT_FALSE(StartGroup(group_, 17, 5, 4));
  EXPECT_FALSE(StartGroup(group_, -1, 2, 4));
  EXPECT_EQ(0, group_.count);
}

INSTANTIATE_TEST_SUITE_P(SimdPaths, GroupSumTest, ::testing::ValuesIn(SimdPathsUnderTest()),
                         SimdPathParamName);

TEST(FastMathTest, ApproximationsStayWithinTheirStatedError) {
  for (float x = -30.0f; x <= 30.0f; x += 0.013f) {
    const Float4 s = FastSin4(Broadcast4(x));
    const Float4 c = FastCos4(Broadcast4(x));
    EXPECT_NEAR(s.v[2], std::sin(x), 2e-4) << x;
    EXPECT_NEAR(c.v[1], std::cos(x), 2e-4) << x;
  }
  for (float y = -12.0f; y <= 12.0f; y += 0.07f) {
    const Float4 p = FastPow4(Broadcast4(10.0f), Broadcast4(y));
    EXPECT_NEAR(p.v[3] / std::pow(10.0, y), 1.0, 2e-4) << y;
  }
  EXPECT_EQ(0.0f, FastPow4(Broadcast4(0.0f), Broadcast4(2.0f)).v[0]);
  // Out-of-range lanes come back as numbers, not as undefined conversions.
  EXPECT_TRUE(std::isfinite(FastSin4(Broadcast4(1e30f)).v[0]));
  EXPECT_TRUE(std::isfinite(FastPow4(Broadcast4(10.0f), Broadcast4(NAN)).v[0]));
}
}  // namespace
