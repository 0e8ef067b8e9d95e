// Pirrowan's fixed arc: six sources a box, 2.5 degrees apart, the arc turned by the overall aim.
#include "design_data.h"
#include "geometry_test_support.h"

namespace {
constexpr float D = kDegreesToRadians;

class PirrowanGeometryTest : public GeometryTest {
 protected:
  void Build(int boxes, int32_t type, int32_t aiming, Vec3 angles = {0, 0, 0}) {
    StoreDesign(boxes, [&](std::vector<int32_t>& block) {
      block[design::kEnclosureType] = type;
      block[design::kAiming] = aiming;
    });
    Place({0, 0, 0}, angles);
  }
  Vec3 Source(int s) { return ToVec3(CurrentSlot->sourcePos6[s]); }
};

Vec3 OnArc(float radius, float depth, float phiDegrees) {
  return {0, radius * (1 - std::cos(phiDegrees * D)), -(depth + radius * std::sin(phiDegrees * D))};
}
}  // namespace

TEST_F(PirrowanGeometryTest, SourcesOfOneBoxOnTheArc) {
  Build(1, 0, 0);
  EXPECT_NEAR(0.0052f, Source(0).y, 5e-5f);
  EXPECT_NEAR(-0.01967f, Source(0).z, 5e-6f);
  const float phi[6] = {-6.25f, -3.75f, -1.25f, 1.25f, 3.75f, 6.25f};
  for (int k = 0; k < 6; ++k) {
    EXPECT_VEC_NEAR(OnArc(0.8757f, 0.115f, phi[k]), Source(k), 1e-6f);
    EXPECT_VEC_NEAR(Source(k), CompPosition(k + 1), 0.0f);
  }
}

TEST_F(PirrowanGeometryTest, EachBoxSpansFifteenDegreesMore) {
  Build(3, 1, 0);
  for (int s = 0; s < 18; ++s) EXPECT_VEC_NEAR(OnArc(1.325f, 0.1745f, 2.5f * s - 6.25f), Source(s), 1e-6f);
  for (int b = 0; b < 3; ++b)
    for (int k = 0; k < 6; ++k) EXPECT_NEAR(-15.0f * b, CompAngles(6 * b + k + 1).y, 1e-4f);
  EXPECT_EQ(18, DLLGetComponents());
  EXPECT_VEC_NEAR(Source(6), CompPosition(7), 0.0f);
}

TEST_F(PirrowanGeometryTest, AimingTurnsTheWholeArcAboutTheOrigin) {
  Build(2, 0, 0);
  std::vector<Vec3> level;
  for (int s = 0; s < 12; ++s) level.push_back(Source(s));
  Build(2, 0, 35);  // 3.5 degrees down
  const float c = std::cos(3.5f * D), s3 = std::sin(3.5f * D);
  for (int s = 0; s < 12; ++s) {
    const Vec3 p = level[s];
    EXPECT_VEC_NEAR((Vec3{0, p.y * c - p.z * s3, p.y * s3 + p.z * c}), Source(s), 1e-6f);
    EXPECT_EQ((0.1f * 35 + 15.0f * (s / 6)) * -D, CurrentSlot->sourceAngles[s][1]) << s;
  }
}

TEST_F(PirrowanGeometryTest, AimingFurtherDownTurnsEverySourceDown) {
  Build(6, 1, 10, {-40, 3, 0});
  std::vector<Vec3> before;
  for (int s = 0; s < 36; ++s) before.push_back(AimDirection(CurrentSlot->sourceAngles[s]));
  Build(6, 1, 30, {-40, 3, 0});
  for (int s = 0; s < 36; ++s)
    EXPECT_LT(AimDirection(CurrentSlot->sourceAngles[s]).z, before[s].z - 1e-3f) << s;
}

// An enclosure type the dialog never stores is laid out as the PW-22S, as its outline is drawn.
TEST_F(PirrowanGeometryTest, UnknownEnclosureTypeIsTheSecondType) {
  Build(2, 1, 0);
  std::vector<Vec3> second;
  for (int s = 0; s < 12; ++s) second.push_back(Source(s));
  for (const int32_t type : {2, -1, INT32_MAX}) {
    Build(2, type, 0);
    for (int s = 0; s < 12; ++s) EXPECT_VEC_NEAR(second[s], Source(s), 0.0f);
  }
}
