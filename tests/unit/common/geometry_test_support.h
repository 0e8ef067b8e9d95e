// Helpers for the array geometry and outline tests: designs stored through the host's road,
// placement, and what the host reads back.
#pragma once
#include <cmath>
#include <cstdint>
#include <functional>
#include <initializer_list>
#include <vector>

#include "array_rotation.h"
#include "engine_fixture.h"
#include "outline.h"
#include "outline_exports.h"
#include "product_hooks.h"

struct Vec3 {
  float x, y, z;
};

inline Vec3 Minus(Vec3 a, Vec3 b) { return {a.x - b.x, a.y - b.y, a.z - b.z}; }
inline float Dot(Vec3 a, Vec3 b) { return a.x * b.x + a.y * b.y + a.z * b.z; }
inline float Length(Vec3 a) { return std::sqrt(Dot(a, a)); }
inline Vec3 ToVec3(const float* p) { return {p[0], p[1], p[2]}; }

// Unit vector along which a source with these aim angles (radians) radiates: local -y turned by
// the three angles as the array's own rotation turns it.
inline Vec3 AimDirection(const float aimRadians[3]) {
  const float degrees[3] = {aimRadians[0] / kDegreesToRadians, aimRadians[1] / kDegreesToRadians,
                            aimRadians[2] / kDegreesToRadians};
  const float origin[3] = {0, 0, 0};
  float out[3];
  ArrayRotation(degrees, origin).Place({-1.0f, 0.0f}, out);
  return ToVec3(out);
}

class GeometryTest : public EngineTest {
 protected:
  void SetUp() override {
    EngineTest::SetUp();
    ClaimCurrent();
  }

  // Stores a design with a valid tag and checksum: all words 0 but the box count, then edit.
  void StoreDesign(int boxCount, const std::function<void(std::vector<int32_t>&)>& edit = {}) {
    std::vector<int32_t> block(product::kBlockWords, 0);
    block[2] = boxCount;
    if (edit) edit(block);
    StoreValidBlock(block);
  }

  void Place(Vec3 position, Vec3 angles) {
    const float p[3] = {position.x, position.y, position.z};
    const float a[3] = {angles.x, angles.y, angles.z};
    ASSERT_EQ(0, CI_SetLspkPosition3fv(p));
    ASSERT_EQ(0, CI_SetLspkAngles3fv(a));
  }

  Vec3 CompPosition(int c) {
    float out[3] = {NAN, NAN, NAN};
    EXPECT_EQ(0, CI_GetCompPosition3fv(c, out)) << c;
    return ToVec3(out);
  }

  Vec3 CompAngles(int c) {
    float out[3] = {NAN, NAN, NAN};
    EXPECT_EQ(0, CI_GetCompAngles3fv(c, out)) << c;
    return ToVec3(out);
  }

  std::vector<CsVertex> Vertices() { return Outline<CsVertex>(CS_GetVertexNumber, CS_GetVertexArray); }
  std::vector<CsEdge> Edges() { return Outline<CsEdge>(CS_GetEdgeNumber, CS_GetEdgeArray); }

 private:
  // The host's way: the count first, then an array of that size.
  template <typename Record>
  std::vector<Record> Outline(int (*number)(int*), int (*fill)(Record*)) {
    int count = -1;
    EXPECT_EQ(0, number(&count));
    std::vector<Record> records(count > 0 ? count : 0);
    EXPECT_EQ(0, fill(records.data()));
    return records;
  }
};

// Edges firstEdge.. of a box whose vertices follow vertexBase others: each joins one of the given
// vertices (box numbering) to its mirror image.
inline void ExpectMirrorEdges(const std::vector<CsEdge>& edges, int firstEdge, int vertexBase,
                              std::initializer_list<int> vertices) {
  int i = firstEdge;
  for (const int v : vertices) {
    EXPECT_EQ(kMirrorEdge, edges[i].kind) << i;
    EXPECT_EQ(vertexBase + v, edges[i].from) << i;
    EXPECT_EQ(-(vertexBase + v), edges[i].to) << i;
    ++i;
  }
}

#define EXPECT_VEC_NEAR(expected, actual, tolerance)     \
  do {                                                   \
    const Vec3 e_ = (expected), a_ = (actual);           \
    EXPECT_NEAR(e_.x, a_.x, tolerance) << "x";           \
    EXPECT_NEAR(e_.y, a_.y, tolerance) << "y";           \
    EXPECT_NEAR(e_.z, a_.z, tolerance) << "z";           \
  } while (0)
