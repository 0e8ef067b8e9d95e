// Tarnwick's cabinet outline: the two box layouts, the dimension sets, grille circles and rear
// frames, and how the boxes hang below each other.
#include "design_data.h"
#include "geometry_test_support.h"

namespace {
constexpr float D = kDegreesToRadians;
constexpr float kTan5 = 0.0874886635f;
constexpr float kHinge = 0.10159505f;

Vec3 V(const std::vector<CsVertex>& v, int box, int j) {
  const CsVertex& p = v[30 * box + j - 1];
  return {p.x, p.y, p.z};
}

class TarnwickOutlineTest : public GeometryTest {
 protected:
  std::vector<CsVertex> Draw(std::vector<int> models, int aiming = 0, std::vector<int> splays = {},
                             std::vector<int> junctions = {}) {
    StoreDesign(static_cast<int>(models.size()), [&](std::vector<int32_t>& block) {
      block[design::kAiming] = aiming;
      for (size_t b = 0; b < models.size(); ++b) {
        block[design::kModelCode + b] = models[b];
        block[design::kJunctionCode + b] = b < junctions.size() ? junctions[b] : -1;
        if (b > 0 && b - 1 < splays.size()) block[design::kSplayBase + b] = splays[b - 1];
      }
    });
    return Vertices();
  }
};
}  // namespace

TEST_F(TarnwickOutlineTest, StandardBoxInItsOwnFrame) {
  const std::vector<CsVertex> v = Draw({1});
  ASSERT_EQ(30u, v.size());
  EXPECT_VEC_NEAR((Vec3{0.607f, 0, 0}), V(v, 0, 1), 1e-6f);
  EXPECT_VEC_NEAR((Vec3{0.607f, 0.541f, -0.541f * kTan5}), V(v, 0, 2), 1e-6f);
  EXPECT_VEC_NEAR((Vec3{0.607f, 0, -0.494f}), V(v, 0, 4), 1e-6f);
  EXPECT_VEC_NEAR((Vec3{0.56082f, 0, -0.247f}), V(v, 0, 11), 1e-5f);
  // Opposite point of the grille circle, and the rear frame collapsed onto vertex 3.
  EXPECT_VEC_NEAR((Vec3{0.36982f - 0.190998f, 0, -0.247f}), V(v, 0, 19), 1e-5f);
  for (int j = 27; j <= 30; ++j) EXPECT_VEC_NEAR(V(v, 0, 3), V(v, 0, j), 0.0f);
}

TEST_F(TarnwickOutlineTest, AimingTurnsTheBoxAndTheNextHangsFromItsFrontBottom) {
  const std::vector<CsVertex> v = Draw({1, 1}, 50);
  EXPECT_VEC_NEAR((Vec3{0.607f, 0.54307f, 0.0f}), V(v, 0, 2), 1e-5f);
  EXPECT_VEC_NEAR((Vec3{0.607f, 0.04305f, -0.49212f}), V(v, 0, 4), 1e-5f);
  EXPECT_VEC_NEAR(V(v, 0, 4), V(v, 1, 1), 1e-6f);
}

TEST_F(TarnwickOutlineTest, RearFrames) {
  const std::vector<CsVertex> v = Draw({3});
  EXPECT_VEC_NEAR((Vec3{0.42f, 0.541f, -0.128f}), V(v, 0, 27), 1e-6f);
  EXPECT_VEC_NEAR((Vec3{0.42f, 0.541f, -0.366f}), V(v, 0, 28), 1e-6f);
  EXPECT_VEC_NEAR((Vec3{0.42f, 0.688f, -0.1475f}), V(v, 0, 29), 1e-6f);
  EXPECT_VEC_NEAR((Vec3{0.42f, 0.688f, -0.3465f}), V(v, 0, 30), 1e-6f);
  const std::vector<CsVertex> narrow = Draw({8});
  EXPECT_VEC_NEAR((Vec3{0.34f, 0.415f, -(0.279f - 0.186f) / 2}), V(narrow, 0, 27), 1e-6f);
  const std::vector<CsVertex> tall = Draw({17});
  EXPECT_VEC_NEAR((Vec3{0.266f, 0.654f + 0.145f, -(0.569f - 0.273f) / 2 - 0.273f}), V(tall, 0, 30),
                  1e-6f);
  // Model 14, a frame model of the 0.5 m cabinet, draws the frame of the other models that wide.
  const std::vector<CsVertex> m14 = Draw({14});
  EXPECT_VEC_NEAR((Vec3{0.42f, 0.86f, -(0.457f - 0.238f) / 2}), V(m14, 0, 27), 1e-6f);
}

TEST_F(TarnwickOutlineTest, GrilleCirclesOfTheTallAndSmallModels) {
  const std::vector<CsVertex> tall = Draw({16});
  const float rho = 0.569f / 2 - 0.0155f;
  EXPECT_VEC_NEAR((Vec3{rho, 0, -0.569f / 2}), V(tall, 0, 11), 1e-6f);
  EXPECT_VEC_NEAR((Vec3{0, 0, -0.569f / 2 - rho}), V(tall, 0, 15), 1e-6f);
  const std::vector<CsVertex> small = Draw({18});
  for (int j = 11; j <= 26; ++j) EXPECT_VEC_NEAR(V(small, 0, 1), V(small, 0, j), 0.0f);
  const std::vector<CsVertex> orlex = Draw({0});
  EXPECT_VEC_NEAR((Vec3{(0.6115f + 0.1576f) / 2 + 0.45f * 0.414f, 0, -0.207f}), V(orlex, 0, 11),
                  1e-6f);
}

TEST_F(TarnwickOutlineTest, Model0BoxesHangFromTheHingeBehindTheFrontBottom) {
  // Below a model-0 box, another model hangs from that box's hinge point, vertex 5.
  std::vector<CsVertex> v = Draw({0, 1}, 0, {6});
  EXPECT_VEC_NEAR((Vec3{0.6115f, 0.1016f, -0.414f}), V(v, 0, 5), 1e-6f);
  EXPECT_VEC_NEAR((Vec3{0.607f, 0.1016f, -0.414f}), V(v, 1, 1), 1e-6f);
  // A model-0 box below one turns about that hinge.
  v = Draw({0, 0}, 0, {6});
  EXPECT_VEC_NEAR((Vec3{0.6115f, 0.1016f - kHinge * std::cos(6 * D), -0.414f - kHinge * std::sin(6 * D)}),
                  V(v, 1, 1), 1e-6f);
  EXPECT_VEC_NEAR(V(v, 0, 5), V(v, 1, 2), 1e-5f);
  // Below another model it turns about a hinge as far behind that box's front bottom edge.
  v = Draw({1, 0}, 0, {8});
  EXPECT_VEC_NEAR((Vec3{0.6115f, kHinge * (1 - std::cos(8 * D)), -0.494f - kHinge * std::sin(8 * D)}),
                  V(v, 1, 1), 1e-6f);
}

TEST_F(TarnwickOutlineTest, AdaptersLeaveTheirGapAlongTheMeanTilt) {
  const std::vector<CsVertex> v = Draw({1, 4}, 40, {6}, {0, 3});
  const float phi = 9 * D;  // 4 + (4 + 6) / 2
  const Vec3 front = V(v, 0, 4);
  EXPECT_VEC_NEAR((Vec3{0.5f, front.y + 0.07619628f * std::sin(phi), front.z - 0.07619628f * std::cos(phi)}),
                  V(v, 1, 1), 1e-6f);
  // Junction codes outside 1..5 name no adapter: the box hangs directly.
  const std::vector<CsVertex> direct = Draw({1, 4}, 40, {6}, {0, 9});
  const Vec3 directFront = V(direct, 0, 4);
  EXPECT_VEC_NEAR((Vec3{0.5f, directFront.y, directFront.z}), V(direct, 1, 1), 1e-6f);
}

TEST_F(TarnwickOutlineTest, UnknownModelsDrawAsTheStandardBox) {
  const std::vector<CsVertex> standard = Draw({1});
  const std::vector<CsVertex> unknown = Draw({19});
  const std::vector<CsVertex> negative = Draw({-2});
  for (int j = 1; j <= 30; ++j) {
    EXPECT_VEC_NEAR(V(standard, 0, j), V(unknown, 0, j), 0.0f);
    EXPECT_VEC_NEAR(V(standard, 0, j), V(negative, 0, j), 0.0f);
  }
}

TEST_F(TarnwickOutlineTest, EdgePatternsFollowEachBoxsModel) {
  StoreDesign(2, [](std::vector<int32_t>& block) { block[design::kModelCode + 1] = 2; });
  const std::vector<CsEdge> e = Edges();
  ASSERT_EQ(82u, e.size());
  // Box 0 (model 0): the outer side panel first, the inner front edge drawn twice.
  EXPECT_EQ(1, e[0].kind);
  EXPECT_EQ(1, e[0].from);
  EXPECT_EQ(2, e[0].to);
  ExpectMirrorEdges(e, 6, 0, {3, 4});
  ExpectMirrorEdges(e, 15, 0, {9, 10});
  EXPECT_EQ(e[12].from, e[14].from);
  EXPECT_EQ(e[12].to, e[14].to);
  EXPECT_EQ(7, e[12].from);
  EXPECT_EQ(8, e[12].to);
  // Box 1 (model 2): four mirror edges first, its vertices numbered 31..60.
  ExpectMirrorEdges(e, 41, 30, {1, 2, 3, 4});
  ExpectMirrorEdges(e, 41 + 8, 30, {6, 7});
  EXPECT_EQ(40, e[41 + 16].from);  // 10-8
  EXPECT_EQ(38, e[41 + 16].to);
  // Common tail: the grille circle closes from 11 to 26, the frame ends with 29-27.
  EXPECT_EQ(41, e[41 + 32].from);
  EXPECT_EQ(56, e[41 + 32].to);
  EXPECT_EQ(59, e[81].from);
  EXPECT_EQ(57, e[81].to);
}
