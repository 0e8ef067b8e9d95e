// Brenlowe's cabinet outline: 6 vertices and 11 edges a box, hung by the rules of the geometry.
#include <cmath>

#include "geometry_hanging.h"
#include "outline.h"

namespace {
using namespace brenlowe;

// The outline has always turned its boxes with pi / 180 formed as 4 atan(1) / 180, one unit in
// the last place away from the geometry's constant.
float OutlineDegreesToRadians() { return 4.0f * std::atan(1.0f) * 0.0055555557f; }

void BoxVertices(const BoxShape& shape, OutlinePoint v[kOutlineVerticesPerBox]) {
  const float m = shape.Taper();
  const float d = shape.depth;
  const float ys = shape.sideDepth;
  const float sideDrop = m * ys / d;
  v[0] = {kFrontHalfWidth, 0.0f, 0.0f};
  v[1] = {kFrontHalfWidth, ys, -sideDrop};
  v[2] = {shape.rearHalfWidth, d, -m};
  v[3] = {shape.rearHalfWidth, d, -(m + shape.rearHeight)};
  v[4] = {kFrontHalfWidth, ys, -(kFrontHeight - sideDrop)};
  v[5] = {kFrontHalfWidth, 0.0f, -kFrontHeight};
}

const OutlineEdgeRule kBoxEdges[kOutlineEdgesPerBox] = {
    {0, 1, -1}, {0, 3, -3}, {0, 4, -4}, {0, 6, -6}, {1, 1, 2}, {1, 2, 3},
    {1, 3, 4},  {1, 4, 5},  {1, 5, 6},  {1, 6, 1},  {1, 2, 5}};
}  // namespace

void WriteOutlineVertices(const int32_t* settings, int boxCount, CsVertex* out) {
  HungBox boxes[product::kMaxBoxes];
  HangBoxes(settings, boxCount, OutlineDegreesToRadians(), boxes);
  for (int b = 0; b < boxCount; ++b) {
    OutlinePoint local[kOutlineVerticesPerBox];
    BoxVertices(ShapeOf(settings, b), local);
    for (int j = 0; j < kOutlineVerticesPerBox; ++j) {
      const ProfilePoint p = boxes[b].Place({local[j].y, local[j].z});
      PutVertex(out[kOutlineVerticesPerBox * b + j], {local[j].x, p.u, p.v});
    }
  }
}

void WriteOutlineEdges(const int32_t*, int boxCount, CsEdge* out) {
  for (int b = 0; b < boxCount; ++b)
    out = PutEdgePattern(kBoxEdges, kOutlineEdgesPerBox, kOutlineVerticesPerBox * b, out);
}
