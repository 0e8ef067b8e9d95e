// The host's placement of the array frame and the aim angles of the sources.
#include "geometry_test_support.h"

namespace {
constexpr float D = kDegreesToRadians;

Vec3 PlaceProfile(Vec3 anglesDegrees, Vec3 position, ProfilePoint p) {
  const float a[3] = {anglesDegrees.x, anglesDegrees.y, anglesDegrees.z};
  const float pos[3] = {position.x, position.y, position.z};
  float out[3];
  ArrayRotation(a, pos).Place(p, out);
  return ToVec3(out);
}

Vec3 Aim(float psi, Vec3 host) {
  const float h[3] = {host.x, host.y, host.z};
  float aim[3];
  SourceAimAngles(psi, h, aim);
  return ToVec3(aim);
}
}  // namespace

TEST(ArrayRotationTest, TurnTiltAndRollFollowTheArrayFrame) {
  const Vec3 origin{0, 0, 0};
  // A point below the origin swings forward (toward -y) when the array tilts up.
  EXPECT_VEC_NEAR((Vec3{0, -std::sin(10 * D), -std::cos(10 * D)}),
                  PlaceProfile({0, 10, 0}, origin, {0, -1}), 1e-6f);
  // A point behind the array goes to -x when the array turns by 90 degrees.
  EXPECT_VEC_NEAR((Vec3{-1, 0, 0}), PlaceProfile({90, 0, 0}, origin, {1, 0}), 1e-6f);
  // Rolled by 90 degrees, the array's down points to +x.
  EXPECT_VEC_NEAR((Vec3{1, 0, 0}), PlaceProfile({0, 0, 90}, origin, {0, -1}), 1e-6f);
  EXPECT_VEC_NEAR((Vec3{4, 5, 5}), PlaceProfile({0, 0, 0}, {4, 5, 6}, {0, -1}), 1e-6f);
}

TEST(ArrayRotationTest, PlacementIsRigid) {
  const ProfilePoint a{0.3f, -0.2f}, b{-0.5f, -1.7f};
  for (const Vec3 angles : {Vec3{31, -12, 7}, Vec3{-170, 80, 200}, Vec3{5, 0, -90}}) {
    const Vec3 pa = PlaceProfile(angles, {1, 2, 3}, a);
    const Vec3 pb = PlaceProfile(angles, {1, 2, 3}, b);
    EXPECT_NEAR(std::hypot(a.u - b.u, a.v - b.v), Length(Minus(pa, pb)), 1e-5f);
    EXPECT_NEAR(std::hypot(a.u, a.v), Length(Minus(pa, {1, 2, 3})), 1e-5f);
  }
}

TEST(SourceAimTest, ExactRowsForTheCommonRollAngles) {
  struct Row {
    float az;
    Vec3 expected;  // degrees, for host (ax, ay) = (10, -3) and psi = 5
  };
  const Row rows[] = {
      {0, {10, -8, 0}},      {90, {15, -3, 90}},    {-270, {15, -3, -270}},
      {180, {10, 2, 180}},   {-180, {10, 2, -180}}, {270, {5, -3, 270}},
      {-90, {5, -3, -90}},
  };
  for (const Row& row : rows) {
    const Vec3 aim = Aim(5.0f, {10, -3, row.az});
    EXPECT_EQ(row.expected.x * D, aim.x) << row.az;
    EXPECT_EQ(row.expected.y * D, aim.y) << row.az;
    EXPECT_EQ(row.expected.z * D, aim.z) << row.az;
  }
  // An untilted box aims as the array does, whatever the roll.
  const Vec3 level = Aim(0.0f, {10, -3, 33});
  EXPECT_EQ(10 * D, level.x);
  EXPECT_EQ(-3 * D, level.y);
  EXPECT_EQ(33 * D, level.z);
}

TEST(SourceAimTest, OtherRollAnglesTakeTheTangentForm) {
  const Vec3 aim = Aim(5.0f, {10, -3, 30});
  EXPECT_NEAR(10 * D + std::atan(std::tan(5 * D) * std::sin(30 * D)), aim.x, 1e-6f);
  EXPECT_NEAR(-3 * D - std::atan(std::tan(5 * D) * std::cos(30 * D)), aim.y, 1e-6f);
  EXPECT_EQ(30 * D, aim.z);
  // A tilt past 90 degrees wraps in the tangent form and stays whole in the exact rows.
  EXPECT_LT(std::fabs(Aim(120.0f, {0, 0, 30}).y), 90 * D);
  EXPECT_EQ(-120 * D, Aim(120.0f, {0, 0, 0}).y);
}

// Unrolled, a source aims along the normal of its box's face carried by the array's rotation,
// psi further down than the array; rolled on its side the same tilt becomes a turn.
TEST(SourceAimTest, AimFollowsTheBoxFace) {
  for (const float psi : {-7.0f, 3.0f, 25.0f}) {
    const ProfilePoint faceNormal{-std::cos(psi * D), -std::sin(psi * D)};
    for (const Vec3 host : {Vec3{0, 0, 0}, Vec3{40, -10, 0}, Vec3{-120, 25, 0}, Vec3{30, 0, 90},
                            Vec3{30, 0, 180}, Vec3{-60, 0, -90}}) {
      const float h[3] = {host.x, host.y, host.z};
      float aim[3];
      SourceAimAngles(psi, h, aim);
      EXPECT_VEC_NEAR(PlaceProfile(host, {0, 0, 0}, faceNormal), AimDirection(aim), 2e-5f);
    }
  }
}
