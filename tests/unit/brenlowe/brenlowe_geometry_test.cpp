// Brenlowe's trapezoid boxes, hinged at the front or at the rear corners, and the sources on
// their front faces.
#include <algorithm>
#include <random>

#include "design_data.h"
#include "geometry_hanging.h"
#include "geometry_test_support.h"

using namespace brenlowe;

namespace {
constexpr float D = kDegreesToRadians;

struct Design {
  int aiming = 0;
  std::vector<int> models;  // one per box
  std::vector<int> hinges;  // tenths of a degree, junction 1..
};

std::vector<int32_t> BlockOf(const Design& d) {
  std::vector<int32_t> block(product::kBlockWords, 0);
  block[design::kBoxCount] = static_cast<int32_t>(d.models.size());
  block[design::kAiming] = d.aiming;
  for (size_t b = 0; b < d.models.size(); ++b) block[design::kModelCode + b] = d.models[b];
  for (size_t i = 0; i < d.hinges.size(); ++i) block[design::kHingeBase + 1 + i] = d.hinges[i];
  return block;
}

// The four corners of every box, placed in the array frame.
struct Placed {
  ProfilePoint corner[kCornerCount];
};
std::vector<Placed> Hang(const Design& d) {
  const std::vector<int32_t> block = BlockOf(d);
  const int n = static_cast<int>(d.models.size());
  HungBox boxes[product::kMaxBoxes];
  HangBoxes(block.data(), n, D, boxes);
  std::vector<Placed> placed(n);
  for (int b = 0; b < n; ++b) {
    ProfilePoint own[kCornerCount];
    BoxCorners(ShapeOf(block.data(), b), own);
    for (int c = 0; c < kCornerCount; ++c) placed[b].corner[c] = boxes[b].Place(own[c]);
  }
  return placed;
}

void ExpectSame(ProfilePoint expected, ProfilePoint actual, float tolerance = 1e-6f) {
  EXPECT_NEAR(expected.u, actual.u, tolerance);
  EXPECT_NEAR(expected.v, actual.v, tolerance);
}

float PanelLength(float depth, float rearHeight) {
  const float m = (0.533f - rearHeight) / 2;
  return std::sqrt(depth * depth + m * m);
}

// Signed distance of p below the line from a to b (positive = below, on the outer side).
float Below(ProfilePoint a, ProfilePoint b, ProfilePoint p) {
  const ProfilePoint ab = b - a, ap = p - a;
  return (ab.v * ap.u - ab.u * ap.v) / std::hypot(ab.u, ab.v);
}

class BrenloweGeometryTest : public GeometryTest {
 protected:
  void Build(const Design& d, Vec3 angles = {0, 0, 0}) {
    StoreValidBlock(BlockOf(d));
    Place({0, 0, 0}, angles);
  }
};
}  // namespace

TEST_F(BrenloweGeometryTest, OneBoxHangsOnTheVerticalAxis) {
  Build({0, {0}, {}});
  for (int k = 0; k < 9; ++k)
    EXPECT_VEC_NEAR((Vec3{0, 0, -(2 * k + 1) / 18.0f * 0.533f}),
                    ToVec3(CurrentSlot->sourcePos9[k]), 1e-6f);
  for (int m = 0; m < 18; ++m)
    EXPECT_VEC_NEAR((Vec3{0, 0, -(2 * m + 1) / 36.0f * 0.533f}),
                    ToVec3(CurrentSlot->sourcePos18[m]), 1e-6f);
}

TEST_F(BrenloweGeometryTest, SplayBelowTheNominalMeanHingesAtTheFront) {
  const std::vector<Placed> front = Hang({0, {0, 0}, {99}});
  ExpectSame(front[0].corner[kFrontBottom], front[1].corner[kFrontTop]);
  const std::vector<Placed> rear = Hang({0, {0, 0}, {100}});
  ExpectSame(rear[0].corner[kRearBottom], rear[1].corner[kRearTop]);
  // Past the panels' own splay the front opens.
  const std::vector<Placed> wide = Hang({0, {0, 0}, {110}});
  EXPECT_GT(Below(wide[0].corner[kFrontBottom], wide[0].corner[kRearBottom],
                  wide[1].corner[kFrontTop]),
            0.0f);
}

TEST_F(BrenloweGeometryTest, RearHingeOfDifferentModelsMeetsWhereTheShorterPanelEnds) {
  // Model 3 (shorter top panel) below model 4 (means 9 degrees) at exactly 9 degrees.
  std::vector<Placed> p = Hang({25, {4, 3}, {90}});
  const float longer = PanelLength(0.769f, 0.424f), shorter = PanelLength(0.638f, 0.42f);
  const ProfilePoint q3 = p[0].corner[kFrontBottom], q2 = p[0].corner[kRearBottom];
  ExpectSame(PointAlong(q3, q2, shorter / longer), p[1].corner[kRearTop]);

  // Model 2 (longer) below model 1 at 7 degrees (mean 6.5): box 1's panel point at the length of
  // the panel above meets the rear bottom corner above.
  p = Hang({0, {1, 2}, {70}});
  const float panel1 = PanelLength(0.769f, 0.424f), panel2 = PanelLength(1.377f, 0.411f);
  ExpectSame(p[0].corner[kRearBottom],
             PointAlong(p[1].corner[kFrontTop], p[1].corner[kRearTop], panel1 / panel2));
  // Same cabinets under different model codes hinge corner on corner.
  p = Hang({0, {0, 3}, {120}});
  ExpectSame(p[0].corner[kRearBottom], p[1].corner[kRearTop]);
}

TEST_F(BrenloweGeometryTest, SourcesRunDownThePlacedFrontFace) {
  const Design d{-30, {0, 1, 2}, {60, 110}};
  Build(d);
  const std::vector<Placed> p = Hang(d);
  for (int b = 0; b < 3; ++b) {
    for (int k = 0; k < 9; ++k) {
      const ProfilePoint expected =
          PointAlong(p[b].corner[kFrontTop], p[b].corner[kFrontBottom], (2 * k + 1) / 18.0f);
      const float* point = CurrentSlot->sourcePos9[9 * b + k];
      ExpectSame(expected, {point[1], point[2]});
    }
  }
  // Aim from the summed tenths: -3 + 6 + 11 = 14 degrees at box 2.
  EXPECT_EQ(-0.1f * 140 * D, CurrentSlot->sourceAngles[18][1]);
}

TEST_F(BrenloweGeometryTest, UnknownModelsHangAsTheFirstModel) {
  const std::vector<Placed> known = Hang({0, {0, 0}, {40}});
  const std::vector<Placed> unknown = Hang({0, {-7, 600}, {40}});
  for (int b = 0; b < 2; ++b)
    for (int c = 0; c < kCornerCount; ++c) ExpectSame(known[b].corner[c], unknown[b].corner[c], 0);
}

// How far p lies inside the box (negative = outside): the corners run clockwise.
float DepthInside(const Placed& box, ProfilePoint p) {
  float depth = Below(box.corner[kCornerCount - 1], box.corner[0], p);
  for (int c = 0; c + 1 < kCornerCount; ++c)
    depth = std::min(depth, Below(box.corner[c], box.corner[c + 1], p));
  return depth;
}

// No corner of a box reaches into its neighbour. Where the hinge moves to the rear the panels are
// a tenth of a degree steeper than the whole-degree nominal angles, so the front top may reach
// up to a millimetre and a half past the bottom panel above.
TEST_F(BrenloweGeometryTest, BoxesHangInOrderWithoutOverlap) {
  std::mt19937 random(5);
  for (int trial = 0; trial < 60; ++trial) {
    Design d;
    d.aiming = std::uniform_int_distribution<int>(-100, 100)(random);
    for (int b = 0; b < product::kMaxBoxes; ++b) {
      d.models.push_back(std::uniform_int_distribution<int>(0, 5)(random));
      if (b > 0) d.hinges.push_back(std::uniform_int_distribution<int>(0, 150)(random));
    }
    const std::vector<Placed> p = Hang(d);
    for (int b = 1; b < product::kMaxBoxes; ++b) {
      for (int c = 0; c < kCornerCount; ++c) {
        EXPECT_LT(DepthInside(p[b - 1], p[b].corner[c]), 1.5e-3f) << trial << " box " << b;
        EXPECT_LT(DepthInside(p[b], p[b - 1].corner[c]), 1.5e-3f) << trial << " box " << b;
      }
    }
  }
}

TEST_F(BrenloweGeometryTest, HingingFurtherTurnsEverySourceOfTheLowerBoxesDown) {
  Design d{20, {0, 1, 2, 3, 4, 5}, {50, 80, 20, 100, 60}};
  Build(d, {30, 2, 0});
  std::vector<Vec3> before;
  for (int s = 0; s < 54; ++s) before.push_back(AimDirection(CurrentSlot->sourceAngles[s]));
  d.hinges[2] += 15;  // junction 3, between boxes 2 and 3
  Build(d, {30, 2, 0});
  for (int s = 0; s < 54; ++s) {
    const Vec3 after = AimDirection(CurrentSlot->sourceAngles[s]);
    if (s < 27)
      EXPECT_VEC_NEAR(before[s], after, 0.0f);
    else
      EXPECT_LT(after.z, before[s].z - 1e-3f) << s;
  }
}
