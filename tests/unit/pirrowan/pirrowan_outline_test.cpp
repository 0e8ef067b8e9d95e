// Pirrowan's cabinet outline: eight vertices a box, each box the first turned 15 degrees further
// about the arc's centre.
#include "design_data.h"
#include "geometry_test_support.h"

namespace {
Vec3 V(const std::vector<CsVertex>& v, int box, int j) {
  const CsVertex& p = v[8 * box + j - 1];
  return {p.x, p.y, p.z};
}

class PirrowanOutlineTest : public GeometryTest {
 protected:
  std::vector<CsVertex> Draw(int boxes, int32_t type, int32_t aiming = 0) {
    StoreDesign(boxes, [&](std::vector<int32_t>& block) {
      block[design::kEnclosureType] = type;
      block[design::kAiming] = aiming;
    });
    return Vertices();
  }
};
}  // namespace

TEST_F(PirrowanOutlineTest, LowerBoxesTurnAboutTheArcCentre) {
  const std::vector<CsVertex> v = Draw(2, 0);
  ASSERT_EQ(16u, v.size());
  EXPECT_VEC_NEAR((Vec3{0.2095f, 0.2667f, -0.035f}), V(v, 0, 1), 1e-6f);
  EXPECT_VEC_NEAR((Vec3{0.2095f, 0.0072f, 0.0f}), V(v, 0, 2), 1e-6f);
  EXPECT_VEC_NEAR((Vec3{0.2095f, 0.2667f, -0.195f}), V(v, 0, 8), 1e-6f);
  EXPECT_VEC_NEAR(V(v, 0, 8), V(v, 1, 1), 0.0f);
  EXPECT_VEC_NEAR(V(v, 0, 7), V(v, 1, 2), 0.0f);
  EXPECT_VEC_NEAR((Vec3{0.2095f, 0.01438f, -0.27467f}), V(v, 1, 3), 2e-5f);
}

TEST_F(PirrowanOutlineTest, AimingTurnsTheWholeOutlineAboutTheOrigin) {
  const std::vector<CsVertex> level = Draw(3, 1);
  const std::vector<CsVertex> aimed = Draw(3, 1, -42);
  const float a = -4.2f * kDegreesToRadians;
  for (int i = 0; i < 24; ++i) {
    const Vec3 p = V(level, 0, i + 1);
    EXPECT_VEC_NEAR((Vec3{p.x, p.y * std::cos(a) - p.z * std::sin(a), p.y * std::sin(a) + p.z * std::cos(a)}),
                    V(aimed, 0, i + 1), 1e-6f);
  }
}

TEST_F(PirrowanOutlineTest, UnknownEnclosureTypeDrawsTheSecondType) {
  const std::vector<CsVertex> second = Draw(2, 1);
  const std::vector<CsVertex> unknown = Draw(2, 5);
  for (int i = 0; i < 16; ++i) EXPECT_VEC_NEAR(V(second, 0, i + 1), V(unknown, 0, i + 1), 0.0f);
  EXPECT_NEAR(0.2985f, V(unknown, 0, 1).x, 1e-7f);
}

TEST_F(PirrowanOutlineTest, EdgePattern) {
  StoreDesign(2);
  const std::vector<CsEdge> e = Edges();
  ASSERT_EQ(24u, e.size());
  ExpectMirrorEdges(e, 12, 8, {1, 2, 7, 8});
  EXPECT_EQ(16, e[23].from);
  EXPECT_EQ(9, e[23].to);
}

TEST_F(PirrowanOutlineTest, NoBoxesNoVertices) {
  StoreDesign(0);
  int count = -1;
  EXPECT_EQ(0, CS_GetVertexNumber(&count));
  EXPECT_EQ(0, count);
  CsVertex untouched{7, 7, 7, 7, 7};
  EXPECT_EQ(0, CS_GetVertexArray(&untouched));
  EXPECT_EQ(7, untouched.one);
}
