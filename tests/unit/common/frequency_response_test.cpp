// The response at the seat as the host asks for it (CI_GetCompFR), in every deliverable: what a
// user relies on physically, the reported time and phase, refused calls, and the engine's
// agreement with a double-precision evaluation of the same sums.
#include <cmath>
#include <tuple>

#include "air_state.h"
#include "frequency_response_fixture.h"
#include "registry.h"

namespace {
constexpr bool kIsPirrowan = product::kTag[0] == 'P';
constexpr float kSixDb = 6.0206f;  // 20 log10(2)

class SingleBoxResponseTest : public ResponseTest {
 protected:
  void SetUp() override {
    ResponseTest::SetUp();
    StoreDesign(1);
  }

  // Seat on box 1's axis (local -y from its middle) at distance d.
  void SeatOnAxis(float d) {
    float middle[3];
    BoxOneMiddle(middle);
    SetSeat(middle[0], middle[1] - d, middle[2]);
  }

  // Point 4 of the nine-point set, or between the middle two of a Pirrowan box's six.
  static void BoxOneMiddle(float* out) {
    float a[3], b[3];
    ASSERT_EQ(0, CI_GetCompPosition3fv(kIsPirrowan ? 3 : 5, a));
    ASSERT_EQ(0, CI_GetCompPosition3fv(kIsPirrowan ? 4 : 5, b));
    for (int k = 0; k < 3; ++k) out[k] = (a[k] + b[k]) * 0.5f;
  }
};

TEST_F(SingleBoxResponseTest, DoublingTheDistanceOnAxisCostsSixDbInEveryBand) {
  SeatOnAxis(50.0f);
  const Response near = Export();
  SeatOnAxis(100.0f);
  const Response far = Export();
  ASSERT_EQ(0, near.result);
  ASSERT_EQ(0, far.result);
  ExpectShiftedBy(far, near, -kSixDb, 0.02f);
  EXPECT_NEAR(far.time, 2.0f * near.time, 1e-5f);
}

TEST_F(SingleBoxResponseTest, ExcessAirLowersEachBandByItsAbsorptionOverTheDistance) {
  SeatOnAxis(80.0f);
  const Response dry = Export();
  StoreDesign(1, [](std::vector<int32_t>& block) { block[design::kExcessAir] = 1; });
  SeatOnAxis(80.0f);
  const Response absorbed = Export();
  for (int k = 0; k < kBandCount; ++k)
    EXPECT_NEAR(absorbed.level[k], dry.level[k] - airAbsorption[k] * 80.0f, 0.005f) << k;
  EXPECT_EQ(dry.time, absorbed.time);
}

TEST_F(SingleBoxResponseTest, AttenuationOfSixDbLowersEveryBandBySixDb) {
  SeatOnAxis(10.0f);
  const Response plain = Export();
  StoreDesign(1, [](std::vector<int32_t>& block) { SetBoxAttenuation(block, 0, 60); });
  SeatOnAxis(10.0f);
  ExpectShiftedBy(Export(), plain, -6.0f, 1e-4f);
}

TEST_F(ResponseTest, BandSwitchedOffInEveryBoxDropsByTwoHundredDb) {
  const int n = std::min(4, product::kMaxBoxes);
  StoreDesign(n, [n](std::vector<int32_t>& block) { SetCurvedDesign(block, n); });
  SetSeat(1.0f, -12.0f, -2.0f);
  const Response plain = Export();
  StoreDesign(n, [n](std::vector<int32_t>& block) {
    SetCurvedDesign(block, n);
    for (int b = 0; b < n; ++b) SwitchBandOff(block, b, 7);
  });
  SetSeat(1.0f, -12.0f, -2.0f);
  const Response off = Export();
  for (int k = 0; k < kBandCount; ++k)
    EXPECT_NEAR(off.level[k], plain.level[k] - (k == 7 ? 200.0f : 0.0f), 0.01f) << k;
}

TEST_F(ResponseTest, EqualDelaysOnEveryBoxMoveOnlyTheTime) {
  const int n = std::min(4, product::kMaxBoxes);
  StoreDesign(n, [n](std::vector<int32_t>& block) { SetCurvedDesign(block, n); });
  SetSeat(-3.0f, -9.0f, -1.0f);
  const Response plain = Export();
  StoreDesign(n, [n](std::vector<int32_t>& block) {
    SetCurvedDesign(block, n);
    for (int b = 0; b < n; ++b) block[design::kDelay + b] = 1500;
  });
  SetSeat(-3.0f, -9.0f, -1.0f);
  const Response delayed = Export();
  ExpectShiftedBy(delayed, plain, 0.0f, 1e-4f);
  EXPECT_NEAR(delayed.time, plain.time + 0.0015f, 1e-6f);
}

TEST_F(ResponseTest, PhaseIsZeroAndTimeIsTheReferenceDistanceOverTheSpeedOfSound) {
  StoreDesign(3, [](std::vector<int32_t>& block) {
    SetCurvedDesign(block, 3);
    block[design::kDelay + 0] = 500;
    block[design::kDelay + 1] = 200;
    block[design::kDelay + 2] = 300;
  });
  SetSeat(2.0f, -20.0f, -3.0f);
  // Pirrowan adds the earliest box delay, the others box 1's.
  const float delay = kIsPirrowan ? 0.0002f : 0.0005f;
  const int reference = TimeReferenceComponent(3);
  const Response r = Export();
  ASSERT_EQ(0, r.result);
  for (float p : r.phase) EXPECT_EQ(0.0f, p);
  EXPECT_NEAR(r.time, CI_GetCompDistance(reference) / 343.0f + delay, 1e-6f);

  float speed = 300.0f;
  ASSERT_EQ(0, RP_SetValue(1, &speed));
  EXPECT_NEAR(Export().time, CI_GetCompDistance(reference) / 300.0f + delay, 1e-6f);
}

TEST_F(ResponseTest, RefusedCallsWriteNothing) {
  StoreDesign(2);
  SetSeat(0.0f, -10.0f, 0.0f);
  // Only the array's own response is evaluated.
  for (int first : {0, 2, -1, 1000}) {
    const Response r = Export(first);
    EXPECT_EQ(-1, r.result) << first;
    EXPECT_EQ(-7.0f, r.level[0]);
    EXPECT_EQ(-7.0f, r.phase[0]);
    EXPECT_EQ(-7.0f, r.time);
  }
  float level[kBandCount], phase[kBandCount], time;
  EXPECT_EQ(-1, CI_GetCompFR(1, nullptr, phase, &time));
  EXPECT_EQ(-1, CI_GetCompFR(1, level, nullptr, &time));
  EXPECT_EQ(-1, CI_GetCompFR(1, level, phase, nullptr));

  // An array without boxes radiates nothing to evaluate.
  StoreBoxCount(0);
  EXPECT_EQ(-1, Export().result);
  StoreBoxCount(-5);
  EXPECT_EQ(-1, Export().result);

  ASSERT_EQ(0, CI_Release());
  const Response none = Export();
  EXPECT_EQ(-1, none.result);
  EXPECT_EQ(-7.0f, none.level[20]);
  EXPECT_EQ(-7.0f, none.time);
}

TEST_F(ResponseTest, StoredBoxCountAboveCapacityIsEvaluatedAsTheFullArray) {
  const int n = product::kMaxBoxes;
  StoreDesign(n, [n](std::vector<int32_t>& block) { SetCurvedDesign(block, n); });
  SetSeat(0.0f, -30.0f, -4.0f);
  const Response full = Export();
  StoreDesign(n, [n](std::vector<int32_t>& block) {
    SetCurvedDesign(block, n);
    block[design::kBoxCount] = 10000;
  });
  SetSeat(0.0f, -30.0f, -4.0f);
  const Response oversized = Export();
  ASSERT_EQ(0, oversized.result);
  EXPECT_EQ(0.0f, LargestDifference(full, oversized));
  EXPECT_EQ(full.time, oversized.time);
}

// Array size, seat, whether the boxes carry delays and air absorption, and the engine's path.
using AccuracyCase = std::tuple<int, int, bool, SimdPath>;

class ResponseAccuracyTest : public ResponseTest,
                             public ::testing::WithParamInterface<AccuracyCase> {};

// Near and far, on the axis of the array's upper part and off it, behind it.
constexpr float kSeats[][3] = {{0.0f, -2.0f, -1.0f},   {3.0f, -4.0f, -6.0f},
                               {0.0f, -50.0f, -3.0f},  {30.0f, -40.0f, 10.0f},
                               {-5.0f, -150.0f, -20.0f}, {0.0f, 20.0f, 0.0f}};

TEST_P(ResponseAccuracyTest, EngineStaysWithinOneHundredthOfADbOfDoublePrecision) {
  const SimdPathScope path(std::get<3>(GetParam()));
  SKIP_WITHOUT_SIMD_PATH(path);
  const int n = std::min(std::get<0>(GetParam()), product::kMaxBoxes);
  const float* seat = kSeats[std::get<1>(GetParam())];
  const bool withDelays = std::get<2>(GetParam());
  StoreDesign(n, [n, withDelays](std::vector<int32_t>& block) {
    SetCurvedDesign(block, n);
    if (!withDelays) return;
    block[design::kExcessAir] = 1;
    for (int b = 0; b < n; ++b) block[design::kDelay + b] = (b * 37) % 400;
    SetBoxAttenuation(block, n - 1, 30);
  });
  PlaceArray(0.5f, 1.0f, 8.0f, 10.0f, -3.0f, 0.0f);
  SetSeat(seat[0], seat[1], seat[2]);

  const Response engine = Export();
  const Response exact = Evaluate(EvaluateGroupDoublePrecision);
  ASSERT_EQ(0, engine.result);
  ASSERT_EQ(0, exact.result);
  EXPECT_LT(LargestDifference(engine, exact), 0.01f);
  EXPECT_EQ(exact.time, engine.time);
  // The reference design, scalar and four-wide, tracks it too, if less closely.
  EXPECT_LT(LargestDifference(Evaluate(EvaluateGroupSinglePrecision), exact), 0.3f);
  EXPECT_LT(LargestDifference(Evaluate(EvaluateGroupFourWide), exact), 0.3f);
}

INSTANTIATE_TEST_SUITE_P(ArraysAndSeats, ResponseAccuracyTest,
                         ::testing::Combine(::testing::Values(4, 12, 24),
                                            ::testing::Range(0, 6), ::testing::Bool(),
                                            ::testing::ValuesIn(SimdPathsUnderTest())));
}  // namespace
