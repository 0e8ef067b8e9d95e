// Pirrowan's cabinet outline: 8 vertices and 12 edges a box. Each box below the first is the
// first one turned 15 degrees further about the arc's centre, its rear top corners taken over
// from the bottom of the box above; the overall aiming then turns the whole array.
#include <cmath>

#include "array_rotation.h"
#include "geometry_arc.h"
#include "outline.h"

namespace {
using namespace pirrowan;

// W half width, P depth, e1 and e2 the set-backs of the front corners, f and g their heights, H
// front height, a the rear taper, R the arc radius the boxes are turned about.
struct BoxDimensions {
  float W, P, e1, e2, f, g, H, a, R;
};
const BoxDimensions kDimensions[2] = {
    {0.2095f, 0.2667f, 0.0072f, 0.0024f, 0.0463f, 0.0921f, 0.23f, 0.035f, 0.8757f},
    {0.2985f, 0.381f, 0.0108f, 0.0036f, 0.0705f, 0.1745f, 0.349f, 0.0502f, 1.325f},
};

void FirstBoxVertices(const BoxDimensions& d, OutlinePoint v[kOutlineVerticesPerBox]) {
  v[0] = {d.W, d.P, -d.a};
  v[1] = {d.W, d.e1, 0.0f};
  v[2] = {d.W, d.e2, -d.f};
  v[3] = {d.W, 0.0f, -d.g};
  v[4] = {d.W, 0.0f, -(d.H - d.g)};
  v[5] = {d.W, d.e2, -(d.H - d.f)};
  v[6] = {d.W, d.e1, -d.H};
  v[7] = {d.W, d.P, -(d.H - d.a)};
}

const OutlineEdgeRule kBoxEdges[kOutlineEdgesPerBox] = {
    {0, 1, -1}, {0, 2, -2}, {0, 7, -7}, {0, 8, -8}, {1, 1, 2}, {1, 2, 3},
    {1, 3, 4},  {1, 4, 5},  {1, 5, 6},  {1, 6, 7},  {1, 7, 8}, {1, 8, 1}};
}  // namespace

void WriteOutlineVertices(const int32_t* settings, int boxCount, CsVertex* out) {
  const BoxDimensions& d = kDimensions[EnclosureTypeOf(settings)];
  OutlinePoint first[kOutlineVerticesPerBox];
  FirstBoxVertices(d, first);

  const int32_t aimingWord = settings[design::kAiming];
  const float aiming = static_cast<float>(aimingWord) * 0.1f * kDegreesToRadians;
  const float cosAiming = std::cos(aiming);
  const float sinAiming = std::sin(aiming);
  const float halfHeight = d.H / 2.0f;

  OutlinePoint above[kOutlineVerticesPerBox];
  for (int b = 0; b < boxCount; ++b) {
    OutlinePoint box[kOutlineVerticesPerBox];
    const float turn = kBoxArcDegrees * static_cast<float>(b) * kDegreesToRadians;
    const float cosine = std::cos(turn);
    const float sine = std::sin(turn);
    for (int j = 0; j < kOutlineVerticesPerBox; ++j) {
      // Turned about (R, -H / 2), which moves the front downward.
      const ProfilePoint fromPivot = {first[j].y - d.R, first[j].z + halfHeight};
      const ProfilePoint p = TurnProfilePoint(fromPivot, cosine, sine) + ProfilePoint{d.R, -halfHeight};
      box[j] = {first[j].x, p.u, p.v};
    }
    if (b > 0) {
      box[0] = above[7];
      box[1] = above[6];
    }
    for (int j = 0; j < kOutlineVerticesPerBox; ++j) {
      above[j] = box[j];
      OutlinePoint placed = box[j];
      if (aimingWord != 0) {
        const ProfilePoint p = TurnProfilePoint({box[j].y, box[j].z}, cosAiming, sinAiming);
        placed = {box[j].x, p.u, p.v};
      }
      PutVertex(out[kOutlineVerticesPerBox * b + j], placed);
    }
  }
}

void WriteOutlineEdges(const int32_t*, int boxCount, CsEdge* out) {
  for (int b = 0; b < boxCount; ++b)
    out = PutEdgePattern(kBoxEdges, kOutlineEdgesPerBox, kOutlineVerticesPerBox * b, out);
}
