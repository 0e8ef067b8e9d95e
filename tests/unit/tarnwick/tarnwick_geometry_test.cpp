// Tarnwick's profile of front faces, hinges and adapters, and the source sets built from it.
#include <random>
#include <tuple>

#include "design_data.h"
#include "geometry_test_support.h"

namespace {
constexpr float D = kDegreesToRadians;
constexpr float kStandardFront = 0.49273598f;  // models 1..3
constexpr float kOrlexFront = 0.41399977f;     // model 0
constexpr float kHinge = 0.101595044f;

struct Design {
  int boxes = 1;
  int aiming = 0;            // tenths of a degree, positive = down
  std::vector<int> models;   // per box, default model 1
  std::vector<int> splays;   // per junction 1..boxes-1, whole degrees
  std::vector<int> junctions;  // per box (entry 0 unused), default -1
};

class TarnwickGeometryTest : public GeometryTest {
 protected:
  void Build(const Design& d, Vec3 position = {0, 0, 0}, Vec3 angles = {0, 0, 0}) {
    StoreDesign(d.boxes, [&](std::vector<int32_t>& block) {
      block[design::kAiming] = d.aiming;
      for (int b = 0; b < d.boxes; ++b) {
        block[design::kModelCode + b] = b < static_cast<int>(d.models.size()) ? d.models[b] : 1;
        block[design::kJunctionCode + b] =
            b < static_cast<int>(d.junctions.size()) ? d.junctions[b] : -1;
        if (b > 0 && b - 1 < static_cast<int>(d.splays.size()))
          block[design::kSplayBase + b] = d.splays[b - 1];
      }
    });
    Place(position, angles);
  }

  Vec3 Point9(int b, int k) { return ToVec3(CurrentSlot->sourcePos9[9 * b + k]); }
  Vec3 Point18(int b, int m) { return ToVec3(CurrentSlot->sourcePos18[18 * b + m]); }
  // Ends of box b's front face, recovered from its nine points.
  Vec3 Top(int b) { return Minus(Point9(b, 0), Half(Minus(Point9(b, 1), Point9(b, 0)))); }
  Vec3 Bottom(int b) { return Minus(Point9(b, 8), Half(Minus(Point9(b, 7), Point9(b, 8)))); }
  static Vec3 Half(Vec3 v) { return {v.x / 2, v.y / 2, v.z / 2}; }
};

// The offset `length` along a face tilted by phi, in room coordinates of an unplaced array.
Vec3 AlongFace(float length, float phiDegrees) {
  return {0, length * std::sin(phiDegrees * D), -length * std::cos(phiDegrees * D)};
}
Vec3 Add(Vec3 a, Vec3 b) { return {a.x + b.x, a.y + b.y, a.z + b.z}; }
}  // namespace

TEST_F(TarnwickGeometryTest, OneStandardBoxHangsOnTheVerticalAxis) {
  Build({});
  for (int k = 0; k < 9; ++k) {
    EXPECT_VEC_NEAR((Vec3{0, 0, -(2 * k + 1) / 18.0f * kStandardFront}), Point9(0, k), 1e-6f);
    EXPECT_VEC_NEAR((Vec3{0, 0, 0}), ToVec3(CurrentSlot->sourceAngles[k]), 0.0f);
  }
  for (int m = 0; m < 18; ++m)
    EXPECT_VEC_NEAR((Vec3{0, 0, -(2 * m + 1) / 36.0f * kStandardFront}), Point18(0, m), 1e-6f);
}

TEST_F(TarnwickGeometryTest, AimingTiltsTheTopBoxDown) {
  Design d;
  d.aiming = 50;
  Build(d, {0, 0, 0}, {0, 3, 0});
  const Vec3 bottom = Bottom(0);
  EXPECT_NEAR(kStandardFront * std::sin(5 * D), bottom.y * std::cos(3 * D) - bottom.z * std::sin(3 * D),
              1e-6f);
  EXPECT_EQ((3.0f - 5.0f) * D, CurrentSlot->sourceAngles[4][1]);
}

TEST_F(TarnwickGeometryTest, BoxesMeetAtTheFaceOrAcrossAnAdapter) {
  Design d;
  d.boxes = 2;
  d.splays = {10};
  Build(d);
  EXPECT_VEC_NEAR(Bottom(0), Top(1), 1e-6f);

  d.junctions = {0, 2};
  Build(d);
  // Laid along the mean of the aiming (0) and the splay below: 5 degrees.
  EXPECT_VEC_NEAR(Add(Bottom(0), AlongFace(0.01904907f, 5)), Top(1), 1e-6f);
  EXPECT_NEAR(0.01904907f, Length(Minus(Top(1), Bottom(0))), 1e-6f);
}

TEST_F(TarnwickGeometryTest, AdapterMeanTakesTheStepAboveTheBoxAbove) {
  Design d;
  d.boxes = 3;
  d.aiming = 20;
  d.splays = {6, 4};
  d.junctions = {0, -1, 5};
  Build(d);
  // Box 2 hangs from box 1 (tilt 8) along 8 + (6 + 4) / 2 degrees.
  EXPECT_VEC_NEAR(Add(Bottom(1), AlongFace(0.03809814f, 13)), Top(2), 1e-6f);
}

TEST_F(TarnwickGeometryTest, Model0BoxesTurnAboutTheirRearHinge) {
  Design d;
  d.boxes = 2;
  d.models = {0, 0};
  d.splays = {8};
  Build(d);
  const Vec3 hinge = {0, kHinge * (1 - std::cos(8 * D)), -kHinge * std::sin(8 * D)};
  EXPECT_VEC_NEAR(Add(Bottom(0), hinge), Top(1), 1e-6f);
  EXPECT_NEAR(kOrlexFront, Length(Minus(Bottom(0), Top(0))), 1e-6f);

  // An adapter below a model-0 box hangs from that hinge, behind the face line.
  d.models = {0, 1};
  d.aiming = 20;
  d.splays = {6};
  d.junctions = {0, 4};
  Build(d);
  const float phi = 6 * D;  // 2 + (2 + 6) / 2
  const Vec3 expected = Add(Add(Bottom(0), AlongFace(0.03809814f, 6)),
                            {0, kHinge * std::cos(phi), kHinge * std::sin(phi)});
  EXPECT_VEC_NEAR(expected, Top(1), 1e-6f);
}

TEST_F(TarnwickGeometryTest, Code1AdapterAboveTallModelsFollowsTheirTilt) {
  Design d;
  d.boxes = 2;
  d.aiming = 30;
  d.splays = {5};
  d.junctions = {0, 1};
  d.models = {1, 16};
  Build(d);
  EXPECT_VEC_NEAR(Add(Bottom(0), AlongFace(0.07619628f, 8)), Top(1), 1e-6f);
  d.models = {1, 1};
  Build(d);
  EXPECT_VEC_NEAR(Add(Bottom(0), AlongFace(0.07619628f, 7)), Top(1), 1e-6f);
}

TEST_F(TarnwickGeometryTest, SmallestModelsStartBelowTheOriginOnlyAtTheTop) {
  for (const auto& [model, offset, front] :
       {std::tuple{9, 0.004825764801353216f, 0.19988824f},
        std::tuple{18, 0.00660367775708437f, 0.39672863f}}) {
    Design d;
    d.boxes = 2;
    d.models = {model, model};
    Build(d);
    EXPECT_VEC_NEAR((Vec3{0, 0, -offset}), Top(0), 1e-6f);
    // The eighteen-point set runs from the origin to the bottom of the face.
    for (int m = 0; m < 18; ++m)
      EXPECT_VEC_NEAR((Vec3{0, 0, -(2 * m + 1) / 36.0f * (offset + front)}), Point18(0, m), 1e-6f);
    // A lower box has no offset: it starts where the box above ends.
    EXPECT_VEC_NEAR(Bottom(0), Top(1), 1e-6f);
    EXPECT_VEC_NEAR(Top(1), Point18(1, 0), front / 36 + 1e-6f);
  }
}

TEST_F(TarnwickGeometryTest, RolledArrayTakesTheExactRow) {
  Design d;
  d.aiming = 50;
  Build(d, {0, 0, 0}, {0, 0, 90});
  for (int k = 0; k < 9; ++k) {
    EXPECT_EQ(5 * D, CurrentSlot->sourceAngles[k][0]);
    EXPECT_EQ(0.0f, CurrentSlot->sourceAngles[k][1]);
    EXPECT_EQ(90 * D, CurrentSlot->sourceAngles[k][2]);
  }
}

// Models 10..18 carry a box centre; they also get fresh nine-point sets, so that components and
// the nine-source band group never read an earlier design's points.
TEST_F(TarnwickGeometryTest, EveryBoxGetsCentreAndFreshNinePointSet) {
  for (auto& point : CurrentSlot->sourcePos9) point[0] = point[1] = point[2] = 99.0f;
  Design d;
  d.boxes = 2;
  d.models = {12, 5};
  d.splays = {4};
  Build(d);
  EXPECT_VEC_NEAR((Vec3{0, 0, -kStandardFront / 2}), ToVec3(CurrentSlot->boxCentrePos[0]), 1e-6f);
  EXPECT_VEC_NEAR(Point9(0, 4), ToVec3(CurrentSlot->boxCentrePos[0]), 1e-6f);
  EXPECT_VEC_NEAR(Point9(1, 4), ToVec3(CurrentSlot->boxCentrePos[1]), 1e-6f);
  EXPECT_VEC_NEAR((Vec3{0, 0, -kStandardFront / 18}), Point9(0, 0), 1e-6f);
  EXPECT_NEAR(0.37844154f, Length(Minus(Bottom(1), Top(1))), 1e-6f);
  EXPECT_VEC_NEAR(Bottom(0), Top(1), 1e-6f);
}

TEST_F(TarnwickGeometryTest, HostComponentsRunAcrossBoxBoundaries) {
  Design d;
  d.boxes = 4;
  d.splays = {3, 3, 3};
  Build(d, {1, 1, 1}, {10, 0, 0});
  EXPECT_EQ(24, DLLGetComponents());
  EXPECT_VEC_NEAR(Point9(1, 0), CompPosition(10), 0.0f);
  EXPECT_VEC_NEAR(Point9(2, 5), CompPosition(24), 0.0f);
  float out[3];
  EXPECT_EQ(-1, CI_GetCompPosition3fv(25, out));
}

TEST_F(TarnwickGeometryTest, UndefinedCodesHangAsPlainBoxes) {
  Design d;
  d.boxes = 3;
  d.splays = {5, 5};
  d.junctions = {0, 7, -40};
  d.models = {42, -3, 1};
  Build(d);
  EXPECT_VEC_NEAR(Bottom(0), Top(1), 1e-6f);
  EXPECT_VEC_NEAR(Bottom(1), Top(2), 1e-6f);
  EXPECT_NEAR(kStandardFront, Length(Minus(Bottom(0), Top(0))), 1e-6f);
  EXPECT_NEAR(kStandardFront, Length(Minus(Bottom(1), Top(1))), 1e-6f);
}

TEST_F(TarnwickGeometryTest, TablesPastTheLastBoxAreLeftAlone) {
  for (auto& point : CurrentSlot->sourcePos9) point[0] = 7.0f;
  for (auto& point : CurrentSlot->sourcePos18) point[0] = 7.0f;
  StoreDesign(10000);
  Place({1, 1, 1}, {0, 0, 0});
  for (int e = 9 * product::kMaxBoxes; e < 252; ++e) ASSERT_EQ(7.0f, CurrentSlot->sourcePos9[e][0]);
  for (int e = 18 * product::kMaxBoxes; e < 504; ++e) ASSERT_EQ(7.0f, CurrentSlot->sourcePos18[e][0]);
  EXPECT_EQ(1.0f, CurrentSlot->sourcePos9[9 * product::kMaxBoxes - 1][0]);  // the last box is built
}

namespace {
Design RandomDesign(std::mt19937& random, int boxes) {
  Design d;
  d.boxes = boxes;
  d.aiming = std::uniform_int_distribution<int>(0, 100)(random);
  for (int b = 0; b < boxes; ++b) {
    d.models.push_back(std::uniform_int_distribution<int>(0, 9)(random));
    d.junctions.push_back(std::uniform_int_distribution<int>(-1, 5)(random));
    if (b > 0) d.splays.push_back(std::uniform_int_distribution<int>(0, 10)(random));
  }
  return d;
}
}  // namespace

// Along the face of the box above, the box below never starts before that face has ended.
TEST_F(TarnwickGeometryTest, BoxesHangInOrderWithoutOverlap) {
  std::mt19937 random(1234);
  for (int trial = 0; trial < 40; ++trial) {
    const Design d = RandomDesign(random, product::kMaxBoxes);
    Build(d);
    float tilt = d.aiming / 10.0f;
    for (int b = 1; b < d.boxes; ++b) {
      const Vec3 face = AlongFace(1.0f, tilt);
      EXPECT_GE(Dot(Minus(Top(b), Bottom(b - 1)), face), -1e-6f) << "trial " << trial << " box " << b;
      tilt += d.splays[b - 1];
    }
  }
}

TEST_F(TarnwickGeometryTest, SplayingTurnsEverySourceOfTheLowerBoxesFurtherDown) {
  std::mt19937 random(99);
  for (int trial = 0; trial < 20; ++trial) {
    Design d = RandomDesign(random, 8);
    const Vec3 host{std::uniform_real_distribution<float>(-180, 180)(random),
                    std::uniform_real_distribution<float>(-5, 5)(random),
                    trial % 2 ? 20.0f : 0.0f};
    Build(d, {0, 0, 0}, host);
    std::vector<Vec3> before;
    for (int s = 0; s < 9 * d.boxes; ++s) before.push_back(AimDirection(CurrentSlot->sourceAngles[s]));
    const int junction = 1 + trial % (d.boxes - 1);
    d.splays[junction - 1] += 2;
    Build(d, {0, 0, 0}, host);
    for (int s = 0; s < 9 * d.boxes; ++s) {
      const Vec3 after = AimDirection(CurrentSlot->sourceAngles[s]);
      if (s / 9 < junction)
        EXPECT_VEC_NEAR(before[s], after, 0.0f);
      else
        EXPECT_LT(after.z, before[s].z - 1e-4f) << "trial " << trial << " source " << s;
    }
  }
}
