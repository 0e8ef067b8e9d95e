// What every deliverable's geometry hands the host: components placed and aimed by the design and
// by the host's position and angles, and nothing written outside the slot's source tables.
#include <cstring>
#include <random>

#include "geometry_test_support.h"

namespace {
constexpr float kToDegrees = 57.2957763671875f;

// A plausible design: every box of the first model, small downward angles on every word that a
// deliverable reads as an angle.
void ModestAngles(std::vector<int32_t>& block) {
  for (int w = 4; w < 30 && w < product::kBlockWords - 1; ++w) block[w] = 3;
}
}  // namespace

class ArrayGeometryTest : public GeometryTest {
 protected:
  std::vector<Vec3> AllComponents(int count) {
    std::vector<Vec3> points;
    for (int c = 1; c <= count; ++c) points.push_back(CompPosition(c));
    return points;
  }
};

TEST_F(ArrayGeometryTest, NeedsACurrentSlot) {
  ASSERT_EQ(0, CI_Release());
  EXPECT_EQ(-1, BuildArrayGeometry());
}

TEST_F(ArrayGeometryTest, ComponentsAreTheFlatSourceEntries) {
  StoreDesign(product::kMaxBoxes, ModestAngles);
  Place({1, -2, 3}, {20, -5, 0});
  const float seat[3] = {7, 8, -1};
  ASSERT_EQ(0, CI_SetSeatPosition3fv(seat));
  const int count = DLLGetComponents();
  ASSERT_EQ(6 * product::kMaxBoxes, count);
  for (int c = 1; c <= count; ++c) {
    const float* entry = ComponentPositions(*CurrentSlot)[c - 1];
    const float* aim = ComponentAngles(*CurrentSlot)[c - 1];
    const Vec3 p = CompPosition(c);
    const Vec3 a = CompAngles(c);
    ASSERT_EQ(entry[0], p.x) << c;
    ASSERT_EQ(entry[1], p.y) << c;
    ASSERT_EQ(entry[2], p.z) << c;
    ASSERT_EQ(aim[0] * kToDegrees, a.x) << c;
    ASSERT_EQ(aim[1] * kToDegrees, a.y) << c;
    ASSERT_EQ(aim[2] * kToDegrees, a.z) << c;
    ASSERT_EQ(GetPointDistance(entry, seat), CI_GetCompDistance(c)) << c;
  }
}

TEST_F(ArrayGeometryTest, HostPositionMovesEverySourceAndTurnsNone) {
  StoreDesign(3, ModestAngles);
  Place({0, 0, 0}, {15, -4, 0});
  const int count = DLLGetComponents();
  const std::vector<Vec3> before = AllComponents(count);
  std::vector<Vec3> anglesBefore;
  for (int c = 1; c <= count; ++c) anglesBefore.push_back(CompAngles(c));
  Place({5, -3, 2}, {15, -4, 0});
  for (int c = 1; c <= count; ++c) {
    EXPECT_VEC_NEAR(Minus(before[c - 1], {-5, 3, -2}), CompPosition(c), 1e-5f);
    EXPECT_VEC_NEAR(anglesBefore[c - 1], CompAngles(c), 0.0f);
  }
}

TEST_F(ArrayGeometryTest, HostAnglesTurnTheArrayRigidlyAboutItsPosition) {
  StoreDesign(3, ModestAngles);
  const Vec3 position{2, 1, 4};
  Place(position, {0, 0, 0});
  const int count = DLLGetComponents();
  const std::vector<Vec3> level = AllComponents(count);
  Place(position, {35, 12, 0});
  const std::vector<Vec3> turned = AllComponents(count);
  bool moved = false;
  for (int c = 0; c < count; ++c) {
    EXPECT_NEAR(Length(Minus(level[c], position)), Length(Minus(turned[c], position)), 1e-5f);
    for (int d = c + 1; d < count; d += 5)
      EXPECT_NEAR(Length(Minus(level[c], level[d])), Length(Minus(turned[c], turned[d])), 1e-5f);
    moved = moved || Length(Minus(level[c], turned[c])) > 1e-3f;
  }
  EXPECT_TRUE(moved);
  // The host's turn and tilt reach the aim of every source.
  for (int c = 1; c <= count; ++c) EXPECT_NEAR(35.0f, CompAngles(c).x, 1e-3f) << c;
}

TEST_F(ArrayGeometryTest, NoBoxesWritesNothing) {
  StoreDesign(0);
  float(*points)[3] = ComponentPositions(*CurrentSlot);
  for (int e = 0; e < kComponentEntries; ++e) points[e][0] = points[e][1] = points[e][2] = 9.5f;
  EXPECT_EQ(0, BuildArrayGeometry());
  for (int e = 0; e < kComponentEntries; ++e) ASSERT_EQ(9.5f, points[e][1]) << e;
}

// Settings blocks come from project files: whatever their words hold, the build stays inside the
// source tables and the components the host is told about are written.
TEST_F(ArrayGeometryTest, HostileDesignsStayInsideTheSlot) {
  std::mt19937 random(20240611);
  std::uniform_int_distribution<int32_t> anyWord(INT32_MIN, INT32_MAX);
  const int32_t counts[] = {10000, -5, INT32_MIN, INT32_MAX, product::kMaxBoxes + 1,
                            product::kMaxBoxes};
  for (const int32_t boxCount : counts) {
    for (int pass = 0; pass < 3; ++pass) {
      StoreDesign(boxCount, [&](std::vector<int32_t>& block) {
        for (int w = 3; w < product::kBlockWords - 1; ++w)
          block[w] = pass == 0 ? anyWord(random) : pass == 1 ? INT32_MIN : INT32_MAX;
      });
      ComponentSlot& slot = *CurrentSlot;
      ComponentSlot* next = CurrentSlot + 1;
      const std::vector<int32_t> settings(slot.settings, slot.settings + product::kBlockWords);
      std::vector<unsigned char> neighbour(sizeof *next);
      std::memcpy(neighbour.data(), next, sizeof *next);
      float filter[kBandCount];
      std::memcpy(filter, slot.filterGain, sizeof filter);

      Place({1, 2, 3}, {10, 20, 30});
      EXPECT_EQ(settings, std::vector<int32_t>(slot.settings, slot.settings + product::kBlockWords));
      EXPECT_EQ(0, std::memcmp(neighbour.data(), next, sizeof *next)) << boxCount;
      EXPECT_EQ(0, std::memcmp(filter, slot.filterGain, sizeof filter));
      EXPECT_EQ(1, slot.inUse);
      const int count = DLLGetComponents();
      for (int c = 1; c <= count; ++c) {
        const Vec3 p = CompPosition(c);
        ASSERT_TRUE(std::isfinite(p.x) && std::isfinite(p.y) && std::isfinite(p.z))
            << boxCount << " component " << c;
      }
    }
  }
}

TEST_F(ArrayGeometryTest, UnreasonableHostAnglesAreHarmless) {
  StoreDesign(product::kMaxBoxes, ModestAngles);
  Place({0, 0, 0}, {1e30f, -1e30f, 1e30f});
  EXPECT_EQ(6 * product::kMaxBoxes, DLLGetComponents());
  float placed[3];
  EXPECT_EQ(0, CI_GetCompAngles3fv(6 * product::kMaxBoxes, placed));
  // NaN or infinite angles and positions are refused; the array stays where it was.
  for (const Vec3 bad : {Vec3{NAN, 0, 0}, Vec3{0, INFINITY, 0}, Vec3{0, 0, -INFINITY}}) {
    const float p[3] = {bad.x, bad.y, bad.z};
    EXPECT_EQ(-1, CI_SetLspkAngles3fv(p));
    EXPECT_EQ(-1, CI_SetLspkPosition3fv(p));
    float out[3];
    EXPECT_EQ(0, CI_GetCompAngles3fv(6 * product::kMaxBoxes, out));
    EXPECT_EQ(0, std::memcmp(placed, out, sizeof out));
  }
}
