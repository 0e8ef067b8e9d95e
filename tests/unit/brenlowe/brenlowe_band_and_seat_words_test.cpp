// Brenlowe's module-wide band of the single-band exports across instances, and the four seat
// triples with the word kept at 0 after each.
#include <algorithm>
#include <cstring>

#include "four_seat.h"
#include "frequency_response_fixture.h"

namespace {
constexpr float kUntouched = -7.0f;

class BandAndSeatWordsTest : public ResponseTest {
 protected:
  void TearDown() override { CI_SetFR(10); }

  void StoreCurved(int n) {
    StoreDesign(n, [n](std::vector<int32_t>& block) { SetCurvedDesign(block, n); });
    SetSeat(1.0f, -14.0f, -2.0f);
  }

  // CI_GetCompFR1 in the current instance must write band `band` only, with the value the full
  // response has there; CI_GetCompFR4 the same band at each seat.
  void ExpectSingleBandExportsEvaluate(int band) {
    const Response full = Export();
    ASSERT_EQ(0, full.result);
    float level[kBandCount], phase[kBandCount], time = kUntouched;
    std::fill(std::begin(level), std::end(level), kUntouched);
    ASSERT_EQ(0, CI_GetCompFR1(1, level, phase, &time));
    for (int b = 0; b < kBandCount; ++b) {
      if (b == band) {
        EXPECT_NEAR(full.level[b], level[b], 1e-3f) << "band " << b;
      } else {
        EXPECT_EQ(kUntouched, level[b]) << "band " << b;
      }
    }
    float level4[4 * kBandCount], time4[8];
    std::fill(std::begin(level4), std::end(level4), kUntouched);
    ASSERT_EQ(0, CI_GetCompFR4(1, level4, phase, time4, 0));
    for (int i = 0; i < 4 * kBandCount; ++i) {
      EXPECT_EQ(i % kBandCount == band, level4[i] != kUntouched) << "entry " << i;
    }
  }
};

TEST_F(BandAndSeatWordsTest, TheBandIsOneForAllInstancesAndOutlivesReleaseAndChange) {
  const int first = CI_GetFreeID();  // the fixture's instance is current; this one waits
  ASSERT_GT(first, 0);
  StoreCurved(4);
  ASSERT_EQ(0, CI_SetFR(14));
  ExpectSingleBandExportsEvaluate(14);

  // Another instance evaluates the band the first one chose.
  ASSERT_EQ(0, CI_MakeCurrent(first));
  StoreCurved(6);
  ExpectSingleBandExportsEvaluate(14);

  // Given back, and a band chosen with no instance current: the next instance takes it, also
  // one that reuses the record just given back.
  ASSERT_EQ(0, CI_Release());
  ASSERT_EQ(0, CI_SetFR(3));
  const int reused = ClaimCurrent();
  EXPECT_EQ(first, reused);
  StoreCurved(2);
  ExpectSingleBandExportsEvaluate(3);

  // Loading the tables again (as the module's start does) keeps the chosen band too: only the
  // module's own start sets it to 10.
  ASSERT_EQ(0, CI_SetFR(19));
  RunLoadTimeSetUp();
  ClaimCurrent();
  StoreCurved(14);
  ExpectSingleBandExportsEvaluate(19);
}

TEST_F(BandAndSeatWordsTest, FourSeatTriplesAreStoredWithTheWordAfterEachCleared) {
  StoreCurved(3);
  ComponentSlot& slot = *CurrentSlot;
  for (int s = 0; s < 4; ++s) {
    slot.seatPosition[s][3] = 123.0f;
    slot.seatAngles[s][3] = -55.0f;
  }
  const float p[4][3] = {{1, 2, 3}, {-4, -5, -6}, {7.5f, 8.5f, 9.5f}, {0.25f, -0.5f, 11}};
  const float a[4][3] = {{0.1f, 0.2f, 0.3f}, {-1, -2, -3}, {4, 5, 6}, {0.7f, -0.8f, 0.9f}};

  ComponentSlot before;
  std::memcpy(&before, &slot, sizeof slot);
  ASSERT_EQ(0, CI_Set4SeatPosition(p[0], p[1], p[2], p[3]));
  ASSERT_EQ(0, CI_Set4SeatAngles(a[0], a[1], a[2], a[3]));
  for (int s = 0; s < 4; ++s) {
    for (int k = 0; k < 3; ++k) {
      EXPECT_EQ(p[s][k], slot.seatPosition[s][k]) << s << "," << k;
      EXPECT_EQ(a[s][k], slot.seatAngles[s][k]) << s << "," << k;
    }
    EXPECT_EQ(0.0f, slot.seatPosition[s][3]) << s;
    EXPECT_EQ(0.0f, slot.seatAngles[s][3]) << s;
  }

  // Nothing else of the slot is written or recomputed.
  std::memcpy(before.seatPosition, slot.seatPosition, sizeof slot.seatPosition);
  std::memcpy(before.seatAngles, slot.seatAngles, sizeof slot.seatAngles);
  EXPECT_EQ(0, std::memcmp(&before, &slot, sizeof slot));
}

}  // namespace
