// Component ids, the current slot and placement.
#include "engine_fixture.h"

using RegistryTest = EngineTest;

TEST_F(RegistryTest, AfterLoadNoIdIsClaimed) {
  EXPECT_EQ(-1, CI_GetComponents());
  EXPECT_EQ(-1, CI_MakeCurrent(1));
  EXPECT_EQ(4, SlotTable[1].settings[2]);
  EXPECT_EQ(4, SlotTable[1].settings[kChecksumWord]);
  EXPECT_EQ(0, SlotTable[1].inUse);
  EXPECT_EQ(0, SlotTable[2].settings[2]);
  EXPECT_EQ(1, CI_GetFreeID());
  EXPECT_EQ(2, CI_GetFreeID());
  EXPECT_EQ(0, CI_MakeCurrent(1));
  EXPECT_EQ(1, CI_GetComponents());
}

TEST_F(RegistryTest, MakeCurrentRefusesBadIds) {
  ClaimCurrent();
  ComponentSlot* before = CurrentSlot;
  for (int id : {0, 128, -1, 3}) EXPECT_EQ(-1, CI_MakeCurrent(id)) << id;
  EXPECT_EQ(before, CurrentSlot);
}

TEST_F(RegistryTest, ExhaustionAndReuse) {
  for (int id = 1; id <= 127; ++id) ASSERT_EQ(id, CI_GetFreeID());
  EXPECT_EQ(-1, CI_GetFreeID());
  ASSERT_EQ(0, CI_MakeCurrent(5));
  EXPECT_EQ(0, CI_Release());
  EXPECT_EQ(nullptr, CurrentSlot);
  EXPECT_EQ(-1, CI_Release());
  EXPECT_EQ(5, CI_GetFreeID());
}

TEST_F(RegistryTest, AnInstanceTokenOutlivesSwitchesButNotARelease) {
  ClaimCurrent();
  ComponentSlot* record = CurrentSlot;
  const SlotInstanceToken token = TakeSlotInstanceToken(record);
  const int other = CI_GetFreeID();
  ASSERT_EQ(0, CI_MakeCurrent(other));
  EXPECT_TRUE(SameSlotInstance(token));
  CurrentSlot = record;
  ASSERT_EQ(0, CI_Release());
  EXPECT_FALSE(SameSlotInstance(token));
  // The same record handed out again holds another instance.
  EXPECT_EQ(record, &SlotTable[CI_GetFreeID()]);
  EXPECT_FALSE(SameSlotInstance(token));
  EXPECT_FALSE(SameSlotInstance(TakeSlotInstanceToken(nullptr)));
}

TEST_F(RegistryTest, ReleaseKeepsFilterButClearsDesign) {
  const int id = ClaimCurrent();
  float gain[21], phase[21];
  for (int b = 0; b < 21; ++b) gain[b] = -3.0f, phase[b] = 0.0f;
  ASSERT_EQ(0, IP_SetFilter(gain, phase));
  const float seat[3] = {1, 2, 3};
  ASSERT_EQ(0, CI_SetSeatPosition3fv(seat));
  ASSERT_EQ(0, CI_Release());
  EXPECT_EQ(id, CI_GetFreeID());
  ASSERT_EQ(0, CI_MakeCurrent(id));
  EXPECT_EQ(-3.0f, CurrentSlot->filterGain[0]);
  EXPECT_EQ(0, CurrentSlot->settings[2]);
  EXPECT_EQ(0.0f, CurrentSlot->seatPosition[0][0]);
}

TEST_F(RegistryTest, PlacementNeedsACurrentSlot) {
  const float p[3] = {1, 2, 3};
  EXPECT_EQ(-1, CI_SetLspkPosition3fv(p));
  EXPECT_EQ(-1, CI_SetLspkAngles3fv(p));
  EXPECT_EQ(-1, CI_SetSeatPosition3fv(p));
  EXPECT_EQ(-1, CI_SetSeatAngles3fv(p));
  EXPECT_EQ(-1.0f, CI_GetDistance());
  EXPECT_EQ(-1.0f, CI_GetCompDistance(1));
  float out[3] = {7, 7, 7};
  EXPECT_EQ(-1, CI_GetCompPosition3fv(1, out));
  EXPECT_EQ(-1, CI_GetCompAngles3fv(1, out));
  EXPECT_EQ(7.0f, out[0]);
}

TEST_F(RegistryTest, PlacementIsStored) {
  ClaimCurrent();
  const float origin[3] = {0, 0, 0};
  const float seat[3] = {3, 4, 0};
  const float angles[3] = {10, -5, 2};
  EXPECT_EQ(0, CI_SetLspkPosition3fv(origin));
  EXPECT_EQ(0, CI_SetLspkAngles3fv(angles));
  EXPECT_EQ(0, CI_SetSeatPosition3fv(seat));
  EXPECT_EQ(0, CI_SetSeatAngles3fv(angles));
  EXPECT_EQ(5.0f, CI_GetDistance());
  EXPECT_EQ(10.0f, CurrentSlot->arrayAngles[0]);
  EXPECT_EQ(2.0f, CurrentSlot->seatAngles[0][2]);
}

TEST_F(RegistryTest, ComponentAnglesAreDegrees) {
  ClaimCurrent();
  StoreBoxCount(2);
  ComponentAngles(*CurrentSlot)[9][1] = 1.5707964f;
  float out[3];
  ASSERT_EQ(0, CI_GetCompAngles3fv(10, out));
  EXPECT_NEAR(90.0f, out[1], 1e-4f);
}

TEST_F(RegistryTest, ComponentNumbersOutsideTheReportedCountAreRefused) {
  ClaimCurrent();
  StoreBoxCount(3);
  float out[3] = {7, 7, 7};
  EXPECT_EQ(0, CI_GetCompPosition3fv(18, out));
  EXPECT_EQ(-1, CI_GetCompPosition3fv(19, out));
  EXPECT_EQ(-1, CI_GetCompPosition3fv(0, out));
  EXPECT_EQ(-1, CI_GetCompAngles3fv(-4, out));
  EXPECT_EQ(-1.0f, CI_GetCompDistance(19));
  EXPECT_GE(CI_GetCompDistance(18), 0.0f);
}

TEST_F(RegistryTest, HostileBoxCountsStayInsideTheTables) {
  ClaimCurrent();
  for (int32_t count : {10000, -5, product::kMaxBoxes + 1, INT32_MIN, INT32_MAX}) {
    StoreBoxCount(count);
    const int reported = DLLGetComponents();
    EXPECT_GE(reported, 0) << count;
    EXPECT_LE(reported, 6 * product::kMaxBoxes) << count;
    float out[3];
    for (int c = reported + 1; c < reported + 50; ++c) EXPECT_EQ(-1, CI_GetCompPosition3fv(c, out));
    for (int c = 1; c <= reported; ++c) EXPECT_EQ(0, CI_GetCompPosition3fv(c, out));
  }
}
