// Brenlowe's single-band and four-seat evaluation: CI_SetFR, CI_Set4SeatPosition,
// CI_Set4SeatAngles, CI_GetCompDist4pos, CI_GetCompFR1 with its messages, CI_GetCompFR4.
#include <algorithm>
#include <cstring>
#include <string>

#include "four_seat.h"
#include "frequency_response_fixture.h"
#include "user_message.h"

namespace {
constexpr float kUntouched = -7.0f;

class FourSeatTest : public ResponseTest {
 protected:
  void SetUp() override {
    ResponseTest::SetUp();
    ClearRecordedUserMessages();
    ASSERT_EQ(0, CI_SetFR(10));
  }
  void TearDown() override { CI_SetFR(10); }

  void StoreCurved(int n, const std::function<void(std::vector<int32_t>&)>& edit = {}) {
    StoreDesign(n, [n, &edit](std::vector<int32_t>& block) {
      SetCurvedDesign(block, n);
      for (int b = 0; b < n; ++b) block[design::kDelay + b] = 40 * b;
      if (edit) edit(block);
    });
  }

  void SetFourSeats(const float (&seats)[4][3]) {
    ASSERT_EQ(0, CI_Set4SeatPosition(seats[0], seats[1], seats[2], seats[3]));
  }

  struct Single {
    int result;
    float level[kBandCount];
    float time;
  };
  Single One() {
    Single r;
    std::fill(std::begin(r.level), std::end(r.level), kUntouched);
    r.time = kUntouched;
    float phase[kBandCount];
    r.result = CI_GetCompFR1(1, r.level, phase, &r.time);
    return r;
  }

  struct Four {
    int result;
    float level4[4 * kBandCount];
    float time4[8];
  };
  Four All(int first = 1) {
    Four r;
    std::fill(std::begin(r.level4), std::end(r.level4), kUntouched);
    std::fill(std::begin(r.time4), std::end(r.time4), kUntouched);
    float phase[kBandCount];
    r.result = CI_GetCompFR4(first, r.level4, phase, r.time4, 0);
    return r;
  }

  static int Messages() { return RecordedUserMessageCount(); }
  static std::string LastMessage() { return RecordedUserMessage(RecordedUserMessageCount() - 1); }
};

const float kSeats[4][3] = {
    {0.0f, -12.0f, -2.0f}, {4.0f, -20.0f, 1.0f}, {-6.0f, -8.0f, -5.0f}, {1.0f, -60.0f, 3.0f}};

TEST_F(FourSeatTest, SingleBandEqualsTheFullResponseInItsBand) {
  StoreCurved(14);
  SetSeat(2.0f, -15.0f, -3.0f);
  const Response full = Export();
  for (int band = 0; band < kBandCount; ++band) {
    ASSERT_EQ(0, CI_SetFR(band));
    const Single one = One();
    ASSERT_EQ(0, one.result) << band;
    EXPECT_NEAR(one.level[band], full.level[band], 1e-3f) << band;
    for (int other = 0; other < kBandCount; ++other) {
      if (other != band) {
        EXPECT_EQ(kUntouched, one.level[other]);
      }
    }
    // The arrival time is reported for the mid group only.
    EXPECT_EQ(band >= 12 && band <= 16 ? full.time : 0.0f, one.time) << band;
  }
  EXPECT_EQ(0, Messages());
}

TEST_F(FourSeatTest, FourSeatsAtOnePointGiveFourEqualValues) {
  StoreCurved(6);
  const float point[3] = {1.5f, -18.0f, -2.5f};
  ASSERT_EQ(0, CI_Set4SeatPosition(point, point, point, point));
  for (int band : {3, 14, 19}) {
    ASSERT_EQ(0, CI_SetFR(band));
    const Four four = All();
    const Single one = One();
    ASSERT_EQ(0, four.result);
    for (int s = 0; s < 4; ++s) EXPECT_NEAR(four.level4[21 * s + band], one.level[band], 1e-4f);
  }
}

TEST_F(FourSeatTest, EachSeatOfTheFourEqualsTheSingleBandAtThatSeat) {
  StoreCurved(8);
  ASSERT_EQ(0, CI_SetFR(18));
  SetFourSeats(kSeats);
  const Four four = All();
  ASSERT_EQ(0, four.result);
  for (int i = 0; i < 4 * kBandCount; ++i) {
    if (i % kBandCount != 18) {
      EXPECT_EQ(kUntouched, four.level4[i]) << i;
    }
  }
  for (float t : four.time4) EXPECT_EQ(kUntouched, t);
  for (int s = 0; s < 4; ++s) {
    SetSeat(kSeats[s][0], kSeats[s][1], kSeats[s][2]);
    EXPECT_NEAR(four.level4[21 * s + 18], One().level[18], 1e-4f) << s;
  }
}

TEST_F(FourSeatTest, SeatZeroIsTheHostsSeatAndTheOthersStayTheirOwn) {
  StoreCurved(4);
  ASSERT_EQ(0, CI_SetFR(5));
  SetFourSeats(kSeats);
  const Response atSeatZero = Export();
  SetSeat(kSeats[0][0], kSeats[0][1], kSeats[0][2]);
  EXPECT_EQ(0.0f, LargestDifference(atSeatZero, Export()));

  const Four before = All();
  SetSeat(9.0f, -30.0f, 0.0f);
  const Four after = All();
  EXPECT_NE(before.level4[5], after.level4[5]);
  for (int s = 1; s < 4; ++s) EXPECT_EQ(before.level4[21 * s + 5], after.level4[21 * s + 5]);

  // Seat angles are stored and read by no calculation.
  const float angles[3] = {30.0f, -10.0f, 5.0f};
  ASSERT_EQ(0, CI_Set4SeatAngles(angles, angles, angles, angles));
  const Four turned = All();
  for (int s = 0; s < 4; ++s) EXPECT_EQ(after.level4[21 * s + 5], turned.level4[21 * s + 5]);
}

TEST_F(FourSeatTest, DistanceToEachOfTheFourSeats) {
  StoreCurved(3);
  SetFourSeats(kSeats);
  for (int c : {1, 7, 18}) {
    EXPECT_EQ(CI_GetCompDistance(c), CI_GetCompDist4pos(c, 0)) << c;
    float p[3];
    ASSERT_EQ(0, CI_GetCompPosition3fv(c, p));
    for (int s = 0; s < 4; ++s) EXPECT_EQ(GetPointDistance(p, kSeats[s]), CI_GetCompDist4pos(c, s));
  }
  EXPECT_EQ(-1.0f, CI_GetCompDist4pos(1, 4));
  EXPECT_EQ(-1.0f, CI_GetCompDist4pos(1, -1));
  EXPECT_EQ(-1.0f, CI_GetCompDist4pos(0, 0));
  EXPECT_EQ(-1.0f, CI_GetCompDist4pos(19, 0));  // 3 boxes: 18 components
}

TEST_F(FourSeatTest, BandOfTwentyOneShowsErrorTwoAndWritesNothing) {
  StoreCurved(14);
  ASSERT_EQ(0, CI_SetFR(17));
  EXPECT_EQ(0, One().result);
  EXPECT_EQ(0, Messages());

  ASSERT_EQ(0, CI_SetFR(21));
  const Single refused = One();
  EXPECT_EQ(-1, refused.result);
  EXPECT_EQ(kUntouched, refused.time);
  for (float level : refused.level) EXPECT_EQ(kUntouched, level);
  ASSERT_EQ(1, Messages());
  EXPECT_EQ("Error 2", LastMessage());

  // The four-seat evaluation and bands below 0 are refused without a message.
  EXPECT_EQ(-1, All().result);
  ASSERT_EQ(0, CI_SetFR(-1));
  EXPECT_EQ(-1, One().result);
  EXPECT_EQ(-1, All().result);
  EXPECT_EQ(1, Messages());
}

TEST_F(FourSeatTest, StoredBoxCountAboveFourteenStopsTheHighGroupAtErrorOne) {
  StoreCurved(14, [](std::vector<int32_t>& block) { block[design::kBoxCount] = 15; });
  ASSERT_EQ(0, CI_SetFR(20));
  EXPECT_EQ(-1, One().result);
  ASSERT_EQ(1, Messages());
  EXPECT_EQ("Error 1", LastMessage());
  // The other groups and the other exports evaluate the 14 boxes the tables hold.
  ASSERT_EQ(0, CI_SetFR(8));
  EXPECT_EQ(0, One().result);
  ASSERT_EQ(0, CI_SetFR(20));
  EXPECT_EQ(0, All().result);
  EXPECT_EQ(1, Messages());
}

TEST_F(FourSeatTest, RefusedCallsLeaveTheirOutputsAlone) {
  StoreCurved(2);
  EXPECT_EQ(-1, All(2).result);
  EXPECT_EQ(-1, All(0).result);
  float level[kBandCount], phase[kBandCount], time;
  EXPECT_EQ(-1, CI_GetCompFR1(3, level, phase, &time));
  EXPECT_EQ(-1, CI_GetCompFR1(1, nullptr, phase, &time));
  EXPECT_EQ(-1, CI_GetCompFR4(1, nullptr, phase, &time, 0));
  const float p[3] = {};
  EXPECT_EQ(-1, CI_Set4SeatPosition(p, p, nullptr, p));
  EXPECT_EQ(-1, CI_Set4SeatAngles(nullptr, p, p, p));
  StoreBoxCount(0);
  EXPECT_EQ(-1, One().result);
  EXPECT_EQ(-1, All().result);

  ASSERT_EQ(0, CI_Release());
  EXPECT_EQ(0, CI_SetFR(12));  // no slot needed
  EXPECT_EQ(-1, One().result);
  EXPECT_EQ(-1, All().result);
  EXPECT_EQ(-1, CI_Set4SeatPosition(p, p, p, p));
  EXPECT_EQ(-1, CI_Set4SeatAngles(p, p, p, p));
  EXPECT_EQ(-1.0f, CI_GetCompDist4pos(1, 0));
  EXPECT_EQ(0, Messages());
}

class FourSeatAccuracyTest : public FourSeatTest, public ::testing::WithParamInterface<SimdPath> {};

TEST_P(FourSeatAccuracyTest, EngineStaysWithinOneHundredthOfADbOfDoublePrecisionAtEverySeat) {
  const SimdPathScope path(GetParam());
  SKIP_WITHOUT_SIMD_PATH(path);
  StoreCurved(14, [](std::vector<int32_t>& block) { block[design::kExcessAir] = 1; });
  PlaceArray(0.0f, 0.0f, 7.0f, 5.0f, -2.0f, 0.0f);
  SetFourSeats(kSeats);
  for (int band : {0, 11, 12, 16, 17, 20}) {
    ASSERT_EQ(0, CI_SetFR(band));
    for (int s = 0; s < 4; ++s) {
      float engine[kBandCount], exact[kBandCount];
      ASSERT_TRUE(EvaluateBandAtSeat(EvaluateGroup, s, engine));
      ASSERT_TRUE(EvaluateBandAtSeat(EvaluateGroupDoublePrecision, s, exact));
      EXPECT_NEAR(engine[band], exact[band], 0.01f) << band << " seat " << s;
    }
  }
}

INSTANTIATE_TEST_SUITE_P(SimdPaths, FourSeatAccuracyTest, ::testing::ValuesIn(SimdPathsUnderTest()),
                         SimdPathParamName);
}  // namespace
