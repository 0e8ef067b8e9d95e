// The directivity index: the probe circles, the placement the computation leaves behind, its
// agreement with the same probe in double precision, and how the host reads the table.
#include <cmath>
#include <cstring>

#include "box_levels.h"
#include "directivity_index.h"
#include "directivity_index_compute.h"
#include "frequency_response_fixture.h"
#include "registry.h"

namespace {
class DirectivityIndexTest : public ResponseTest {
 protected:
  void StoreCurved(int n) {
    StoreDesign(n, [n](std::vector<int32_t>& block) { SetCurvedDesign(block, n); });
  }
};

TEST_F(DirectivityIndexTest, LeavesTheArrayAtTheOriginAndTheSeatAtTheLastProbe) {
  StoreCurved(3);
  PlaceArray(5.0f, 6.0f, 7.0f, 30.0f, -10.0f, 0.0f);
  const float angles[3] = {10.0f, 20.0f, 30.0f};
  ASSERT_EQ(0, CI_SetSeatAngles3fv(angles));
  float placed[3];
  ASSERT_EQ(0, CI_GetCompPosition3fv(1, placed));

  ComputeDirectivityIndex();
  const ComponentSlot& slot = *CurrentSlot;
  for (int k = 0; k < 3; ++k) {
    EXPECT_EQ(0.0f, slot.arrayPosition[k]);
    EXPECT_EQ(0.0f, slot.arrayAngles[k]);
    EXPECT_EQ(0.0f, slot.seatAngles[0][k]);
  }
  EXPECT_EQ(0.0f, slot.seatPosition[0][0]);
  EXPECT_NEAR(-49.24039f, slot.seatPosition[0][1], 1e-5f);
  EXPECT_NEAR(-8.6824007f, slot.seatPosition[0][2], 1e-5f);
  // The geometry was rebuilt at the origin.
  float atOrigin[3];
  ASSERT_EQ(0, CI_GetCompPosition3fv(1, atOrigin));
  EXPECT_NE(placed[2], atOrigin[2]);
  EXPECT_NEAR(0.0f, atOrigin[0], 1e-6f);
}

class DirectivityIndexAccuracyTest : public DirectivityIndexTest,
                                     public ::testing::WithParamInterface<SimdPath> {};

TEST_P(DirectivityIndexAccuracyTest, EngineIndexMatchesTheDoublePrecisionProbe) {
  const SimdPathScope path(GetParam());
  SKIP_WITHOUT_SIMD_PATH(path);
  const int n = std::min(4, product::kMaxBoxes);
  StoreCurved(n);
  float exact[kBandCount];
  ProbeDirectivityIndex(DoublePrecisionResponse, exact);
  ComputeDirectivityIndex();
  for (int b = 0; b < kBandCount; ++b) EXPECT_NEAR(DirectivityIndexTable[b], exact[b], 0.01f) << b;
}

INSTANTIATE_TEST_SUITE_P(SimdPaths, DirectivityIndexAccuracyTest,
                         ::testing::ValuesIn(SimdPathsUnderTest()), SimdPathParamName);

TEST_F(DirectivityIndexTest, OneBoxAimedStraightAheadIsMoreDirectionalAtTenKilohertz) {
  StoreDesign(1);
  ComputeDirectivityIndex();
  EXPECT_GT(DirectivityIndexTable[20], 3.0f);
  EXPECT_GT(DirectivityIndexTable[20], DirectivityIndexTable[0] + 3.0f);
}

TEST_F(DirectivityIndexTest, TheHostReadsTheTableOfTheLastComputation) {
  StoreCurved(2);
  ComputeDirectivityIndex();
  for (int b = 0; b < kBandCount; ++b) {
    float out = -7.0f;
    ASSERT_EQ(0, CI_GetCompDirectivity(0, b + 1, &out));
    EXPECT_EQ(DirectivityIndexTable[b], out);
  }
  float reported[kBandCount];
  if (product::kReportsDirectivityIndex) {
    ASSERT_EQ(0, DLLGetDirectivity(reported));
    EXPECT_EQ(0, std::memcmp(reported, DirectivityIndexTable, sizeof reported));
  }
}

TEST_F(DirectivityIndexTest, ADesignWithoutBoxesHasAnIndexOfZero) {
  StoreCurved(2);
  ComputeDirectivityIndex();
  ASSERT_NE(0.0f, DirectivityIndexTable[10]);
  StoreBoxCount(0);
  ComputeDirectivityIndex();
  for (float value : DirectivityIndexTable) EXPECT_EQ(0.0f, value);

  // Without a current slot nothing is computed or placed.
  DirectivityIndexTable[3] = 1.5f;
  ASSERT_EQ(0, CI_Release());
  ComputeDirectivityIndex();
  EXPECT_EQ(1.5f, DirectivityIndexTable[3]);
}
}  // namespace
