// The CS_* exports of every deliverable: counts that match what the array calls write, the words
// left to the host, edges that name only their own box's vertices, and independence of the
// host's placement.
#include <cstring>
#include <random>

#include "geometry_test_support.h"

namespace {
constexpr int32_t kCanary = 0x5A5A5A5A;
constexpr int kSpare = 16;

template <typename Record>
std::vector<Record> CanaryBuffer(int count) {
  std::vector<Record> buffer(count + kSpare);
  std::memset(buffer.data(), 0x5A, buffer.size() * sizeof(Record));
  return buffer;
}

bool IsCanary(const void* record, size_t bytes) {
  const unsigned char* p = static_cast<const unsigned char*>(record);
  for (size_t i = 0; i < bytes; ++i)
    if (p[i] != 0x5A) return false;
  return true;
}

bool SameVertices(const std::vector<CsVertex>& a, const std::vector<CsVertex>& b) {
  return a.size() == b.size() && std::memcmp(a.data(), b.data(), a.size() * sizeof(CsVertex)) == 0;
}
}  // namespace

using OutlineTest = GeometryTest;

TEST_F(OutlineTest, SymmetryNeedsNoSlot) {
  ASSERT_EQ(0, CI_Release());
  int kind = 5;
  float value = 5.0f;
  EXPECT_EQ(0, CS_GetSymmetry(&kind, &value));
  EXPECT_EQ(-1, kind);
  EXPECT_EQ(0.0f, value);
}

TEST_F(OutlineTest, ArraysNeedACurrentSlot) {
  ASSERT_EQ(0, CI_Release());
  int count = 77;
  std::vector<CsVertex> vertices = CanaryBuffer<CsVertex>(0);
  std::vector<CsEdge> edges = CanaryBuffer<CsEdge>(0);
  EXPECT_EQ(-1, CS_GetVertexNumber(&count));
  EXPECT_EQ(-1, CS_GetEdgeNumber(&count));
  EXPECT_EQ(-1, CS_GetVertexArray(vertices.data()));
  EXPECT_EQ(-1, CS_GetEdgeArray(edges.data()));
  EXPECT_EQ(77, count);
  EXPECT_TRUE(IsCanary(vertices.data(), vertices.size() * sizeof(CsVertex)));
  EXPECT_TRUE(IsCanary(edges.data(), edges.size() * sizeof(CsEdge)));
}

// A host sizes its arrays from the counts; the array calls fill exactly that many records, and
// leave the last word of each record and everything past the count as the host had them.
TEST_F(OutlineTest, ArraysFillExactlyTheCountsTheHostIsTold) {
  std::mt19937 random(7);
  std::uniform_int_distribution<int32_t> anyWord(INT32_MIN, INT32_MAX);
  const int32_t counts[] = {1, 2, product::kMaxBoxes, product::kMaxBoxes + 1, 10000, 0, -3,
                            INT32_MIN, INT32_MAX};
  for (const int32_t boxCount : counts) {
    for (const bool garbage : {false, true}) {
      SCOPED_TRACE(testing::Message() << "boxCount " << boxCount << " garbage " << garbage);
      StoreDesign(boxCount, [&](std::vector<int32_t>& block) {
        if (garbage)
          for (int w = 3; w < product::kBlockWords - 1; ++w) block[w] = anyWord(random);
      });
      const int boxes = boxCount < 0 ? 0 : boxCount > product::kMaxBoxes ? product::kMaxBoxes
                                                                          : boxCount;
      int vertexCount = -1, edgeCount = -1;
      ASSERT_EQ(0, CS_GetVertexNumber(&vertexCount));
      ASSERT_EQ(0, CS_GetEdgeNumber(&edgeCount));
      ASSERT_EQ(kOutlineVerticesPerBox * boxes, vertexCount);
      ASSERT_EQ(kOutlineEdgesPerBox * boxes, edgeCount);

      std::vector<CsVertex> vertices = CanaryBuffer<CsVertex>(vertexCount);
      std::vector<CsEdge> edges = CanaryBuffer<CsEdge>(edgeCount);
      ASSERT_EQ(0, CS_GetVertexArray(vertices.data()));
      ASSERT_EQ(0, CS_GetEdgeArray(edges.data()));
      for (int i = 0; i < vertexCount; ++i) {
        ASSERT_EQ(1, vertices[i].one) << i;
        ASSERT_EQ(kCanary, vertices[i].hostWord) << i;
      }
      for (int i = vertexCount; i < vertexCount + kSpare; ++i)
        ASSERT_TRUE(IsCanary(&vertices[i], sizeof(CsVertex))) << i;
      for (int i = 0; i < edgeCount; ++i) {
        const CsEdge& e = edges[i];
        ASSERT_EQ(kCanary, e.hostWord) << i;
        ASSERT_TRUE(e.kind == kOutlineEdge || e.kind == kMirrorEdge) << i;
        ASSERT_TRUE(e.from >= 1 && e.from <= vertexCount) << i;
        ASSERT_TRUE(e.to != 0 && std::abs(e.to) <= vertexCount) << i;
        if (e.kind == kMirrorEdge) {
          ASSERT_EQ(-e.from, e.to) << i;
        } else {
          ASSERT_GT(e.to, 0) << i;
        }
      }
      for (int i = edgeCount; i < edgeCount + kSpare; ++i)
        ASSERT_TRUE(IsCanary(&edges[i], sizeof(CsEdge))) << i;
    }
  }
}

TEST_F(OutlineTest, EachBoxsEdgesNameOnlyItsOwnVertices) {
  StoreDesign(product::kMaxBoxes, [](std::vector<int32_t>& block) {
    for (int w = 4; w < 30; ++w) block[w] = 2;
  });
  const std::vector<CsEdge> edges = Edges();
  for (size_t i = 0; i < edges.size(); ++i) {
    const int box = static_cast<int>(i) / kOutlineEdgesPerBox;
    const int first = kOutlineVerticesPerBox * box + 1;
    const int last = kOutlineVerticesPerBox * (box + 1);
    EXPECT_TRUE(edges[i].from >= first && edges[i].from <= last) << i;
    EXPECT_TRUE(std::abs(edges[i].to) >= first && std::abs(edges[i].to) <= last) << i;
  }
}

TEST_F(OutlineTest, HostPlacementNeverMovesTheOutline) {
  StoreDesign(3, [](std::vector<int32_t>& block) {
    for (int w = 4; w < 30; ++w) block[w] = 4;
  });
  Place({0, 0, 0}, {0, 0, 0});
  const std::vector<CsVertex> atOrigin = Vertices();
  Place({12, -7, 3}, {45, -20, 90});
  EXPECT_TRUE(SameVertices(atOrigin, Vertices()));
}
