// Each real DLL places an array and hands back its components and its cabinet outline, as a host
// reads them: counts first, then arrays sized from the counts.
#include <cmath>
#include <cstring>
#include <vector>

#include "outline_records.h"
#include "plugin_fixture.h"

namespace {
struct OutlineSize {
  int vertices;
  int edges;
};

OutlineSize OutlinePerBox(unsigned mask) {
  if (mask == kInTarnwick) return {30, 41};
  if (mask == kInBrenlowe) return {6, 11};
  return {8, 12};
}

class GeometryOutlineTest : public PluginTest {
 protected:
  // Stores a design of boxCount boxes, every other design word 0, with a valid tag and checksum.
  void StoreBoxCount(int32_t boxCount) {
    const int words = GetParam().blockWords;
    std::vector<int32_t> block(words, 0);
    block[0] = words;
    std::memcpy(&block[1], GetParam().tag, 4);
    block[2] = boxCount;
    uint32_t sum = 0;
    for (int w = 2; w < words - 1; ++w) sum += static_cast<uint32_t>(block[w]);
    block[words - 1] = static_cast<int32_t>(sum);
    ASSERT_EQ(0, fn.IP_SetValue(1, block.data()));
  }

  void Place(const float position[3], const float angles[3]) {
    ASSERT_EQ(0, fn.CI_SetLspkPosition3fv(position));
    ASSERT_EQ(0, fn.CI_SetLspkAngles3fv(angles));
  }
};

// The first source of a design of zeros: the top of the first model's face, or the top of the
// PW-21S arc.
void ExpectFirstSourceOfZeroDesign(unsigned mask, const float p[3]) {
  EXPECT_NEAR(0.0f, p[0], 1e-6f);
  if (mask == kInTarnwick) {
    EXPECT_NEAR(0.0f, p[1], 1e-6f);
    EXPECT_NEAR(-0.41399977f / 18, p[2], 1e-6f);
  } else if (mask == kInBrenlowe) {
    EXPECT_NEAR(0.0f, p[1], 1e-6f);
    EXPECT_NEAR(-0.533f / 18, p[2], 1e-6f);
  } else {
    EXPECT_NEAR(0.0052f, p[1], 5e-5f);
    EXPECT_NEAR(-0.01967f, p[2], 5e-6f);
  }
}
}  // namespace

TEST_P(GeometryOutlineTest, PlacedArrayHandsBackItsComponents) {
  ClaimCurrent();
  StoreBoxCount(3);
  const float origin[3] = {0, 0, 0};
  Place(origin, origin);
  ASSERT_EQ(18, fn.DLLGetComponents());
  float first[3];
  ASSERT_EQ(0, fn.CI_GetCompPosition3fv(1, first));
  ExpectFirstSourceOfZeroDesign(GetParam().mask, first);

  // Moved and turned by the host: every component keeps its distance from the array position.
  std::vector<float> radius;
  for (int c = 1; c <= 18; ++c) {
    float p[3];
    ASSERT_EQ(0, fn.CI_GetCompPosition3fv(c, p));
    radius.push_back(std::sqrt(p[0] * p[0] + p[1] * p[1] + p[2] * p[2]));
  }
  const float position[3] = {4, -6, 2.5f};
  const float angles[3] = {30, -10, 0};
  Place(position, angles);
  const float seat[3] = {4, -26, 2.5f};
  ASSERT_EQ(0, fn.CI_SetSeatPosition3fv(seat));
  for (int c = 1; c <= 18; ++c) {
    float p[3], a[3];
    ASSERT_EQ(0, fn.CI_GetCompPosition3fv(c, p));
    const float d[3] = {p[0] - position[0], p[1] - position[1], p[2] - position[2]};
    EXPECT_NEAR(radius[c - 1], std::sqrt(d[0] * d[0] + d[1] * d[1] + d[2] * d[2]), 1e-5f) << c;
    ASSERT_EQ(0, fn.CI_GetCompAngles3fv(c, a));
    EXPECT_NEAR(30.0f, a[0], 1e-3f) << c;
    const float s[3] = {p[0] - seat[0], p[1] - seat[1], p[2] - seat[2]};
    EXPECT_NEAR(std::sqrt(s[0] * s[0] + s[1] * s[1] + s[2] * s[2]), fn.CI_GetCompDistance(c), 1e-4f);
  }
  float out[3] = {7, 7, 7};
  EXPECT_EQ(-1, fn.CI_GetCompPosition3fv(19, out));
  EXPECT_EQ(-1, fn.CI_GetCompAngles3fv(0, out));
  EXPECT_EQ(-1.0f, fn.CI_GetCompDistance(19));
  EXPECT_EQ(7.0f, out[0]);
}

TEST_P(GeometryOutlineTest, OutlineFillsExactlyWhatItsCountsSay) {
  const OutlineSize perBox = OutlinePerBox(GetParam().mask);
  int kind = 0;
  float value = 1.0f;
  ASSERT_EQ(0, fn.CS_GetSymmetry(&kind, &value));
  EXPECT_EQ(-1, kind);
  EXPECT_EQ(0.0f, value);
  int count = 0;
  EXPECT_EQ(-1, fn.CS_GetVertexNumber(&count));

  ClaimCurrent();
  const float position[3] = {1, 2, 3};
  const float angles[3] = {45, 10, 90};
  for (const int32_t boxCount : {2, 10000, -4}) {
    StoreBoxCount(boxCount);
    Place(position, angles);
    const int boxes = boxCount < 0 ? 0 : std::min<int>(boxCount, GetParam().maxBoxes);
    int vertexCount = -1, edgeCount = -1;
    ASSERT_EQ(0, fn.CS_GetVertexNumber(&vertexCount));
    ASSERT_EQ(0, fn.CS_GetEdgeNumber(&edgeCount));
    EXPECT_EQ(perBox.vertices * boxes, vertexCount);
    EXPECT_EQ(perBox.edges * boxes, edgeCount);

    std::vector<CsVertex> vertices(vertexCount + 4);
    std::vector<CsEdge> edges(edgeCount + 4);
    std::memset(vertices.data(), 0x5A, vertices.size() * sizeof(CsVertex));
    std::memset(edges.data(), 0x5A, edges.size() * sizeof(CsEdge));
    ASSERT_EQ(0, fn.CS_GetVertexArray(vertices.data()));
    ASSERT_EQ(0, fn.CS_GetEdgeArray(edges.data()));
    for (int i = 0; i < vertexCount + 4; ++i) {
      EXPECT_EQ(i < vertexCount ? 1 : 0x5A5A5A5A, vertices[i].one) << i;
      EXPECT_EQ(0x5A5A5A5A, vertices[i].hostWord) << i;
    }
    for (int i = 0; i < edgeCount + 4; ++i) {
      if (i < edgeCount) {
        EXPECT_TRUE(edges[i].from >= 1 && edges[i].from <= vertexCount) << i;
        EXPECT_TRUE(edges[i].to != 0 && std::abs(edges[i].to) <= vertexCount) << i;
      } else {
        EXPECT_EQ(0x5A5A5A5A, edges[i].kind) << i;
      }
      EXPECT_EQ(0x5A5A5A5A, edges[i].hostWord) << i;
    }
    // In the array frame: the top box's first vertex lies at the array origin's height or below,
    // wherever the host put the array.
    if (boxes > 0) {
      EXPECT_LE(vertices[0].z, 0.0f);
    }
  }
}

INSTANTIATE_FOR_EVERY_DELIVERABLE(GeometryOutlineTest);
