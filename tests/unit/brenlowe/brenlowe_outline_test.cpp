// Brenlowe's cabinet outline: six vertices a box, hung by the rules of the geometry.
#include "design_data.h"
#include "geometry_hanging.h"
#include "geometry_test_support.h"

using BrenloweOutlineTest = GeometryTest;

TEST_F(BrenloweOutlineTest, OneBoxInItsOwnFrame) {
  StoreDesign(1, [](std::vector<int32_t>& block) { block[design::kModelCode] = 1; });
  const std::vector<CsVertex> v = Vertices();
  ASSERT_EQ(6u, v.size());
  EXPECT_VEC_NEAR((Vec3{0.675f, 0, 0}), (Vec3{v[0].x, v[0].y, v[0].z}), 1e-6f);
  EXPECT_VEC_NEAR((Vec3{0.675f, 0.209f, -0.01481f}), (Vec3{v[1].x, v[1].y, v[1].z}), 1e-5f);
  EXPECT_VEC_NEAR((Vec3{0.472f, 0.769f, -0.0545f}), (Vec3{v[2].x, v[2].y, v[2].z}), 1e-6f);
  EXPECT_VEC_NEAR((Vec3{0.472f, 0.769f, -0.4785f}), (Vec3{v[3].x, v[3].y, v[3].z}), 1e-6f);
  EXPECT_VEC_NEAR((Vec3{0.675f, 0, -0.533f}), (Vec3{v[5].x, v[5].y, v[5].z}), 1e-6f);
}

TEST_F(BrenloweOutlineTest, BoxesHangLikeTheirSources) {
  StoreDesign(3, [](std::vector<int32_t>& block) {
    block[design::kAiming] = 25;
    block[design::kHingeBase + 1] = 40;   // front hinge
    block[design::kHingeBase + 2] = 110;  // rear hinge
    block[design::kModelCode + 2] = 4;
  });
  const std::vector<CsVertex> v = Vertices();
  // Front hinge: box 1's front top on box 0's front bottom.
  EXPECT_NEAR(v[5].y, v[6].y, 1e-6f);
  EXPECT_NEAR(v[5].z, v[6].z, 1e-6f);
  // The outline's front face is the face the sources lie on.
  Place({0, 0, 0}, {0, 0, 0});
  for (int b = 0; b < 3; ++b) {
    const float* first = CurrentSlot->sourcePos9[9 * b];
    const float* last = CurrentSlot->sourcePos9[9 * b + 8];
    const CsVertex& top = v[6 * b];
    const CsVertex& bottom = v[6 * b + 5];
    EXPECT_NEAR(top.y + (bottom.y - top.y) / 18, first[1], 1e-5f) << b;
    EXPECT_NEAR(top.z + (bottom.z - top.z) / 18, first[2], 1e-5f) << b;
    EXPECT_NEAR(bottom.y - (bottom.y - top.y) / 18, last[1], 1e-5f) << b;
    EXPECT_NEAR(bottom.z - (bottom.z - top.z) / 18, last[2], 1e-5f) << b;
  }
}

TEST_F(BrenloweOutlineTest, EdgePattern) {
  StoreDesign(2);
  const std::vector<CsEdge> e = Edges();
  ASSERT_EQ(22u, e.size());
  ExpectMirrorEdges(e, 11, 6, {1, 3, 4, 6});
  EXPECT_EQ(1, e[21].kind);
  EXPECT_EQ(8, e[21].from);
  EXPECT_EQ(11, e[21].to);
}
