// Building the cabinet outline handed to the host, and what each deliverable supplies to it.
//
// The outline is drawn in the array frame (x lateral, y backward, z up, origin at the front top
// of the top box); the host's position and angles never enter it. Only the +x half of each box is
// listed: an edge names the mirror image of vertex v across x = 0 as -v.
#pragma once
#include <cstdint>

#include "outline_records.h"
#include "outline_shape.h"

// A vertex of one box in its own frame, or placed in the array frame.
struct OutlinePoint {
  float x;
  float y;
  float z;
};

// One edge of a box pattern in the box's own vertex numbers (1-based; negative = mirror image).
struct OutlineEdgeRule {
  int32_t kind;
  int32_t from;
  int32_t to;
};

// Writes the first four words of a vertex; the fifth keeps the host's value.
inline void PutVertex(CsVertex& out, const OutlinePoint& p) {
  out.one = 1;
  out.x = p.x;
  out.y = p.y;
  out.z = p.z;
}

// Writes a box's edge pattern with its vertex numbers moved past the vertices of the boxes above
// (vertexBase of them); returns the element after the last one written.
CsEdge* PutEdgePattern(const OutlineEdgeRule* rules, int count, int vertexBase, CsEdge* out);

// Supplied by each deliverable: the outline of boxes 0 .. boxCount - 1 (1 <= boxCount <= its
// capacity), kOutlineVerticesPerBox vertices and kOutlineEdgesPerBox edges a box, box by box.
void WriteOutlineVertices(const int32_t* settings, int boxCount, CsVertex* out);
void WriteOutlineEdges(const int32_t* settings, int boxCount, CsEdge* out);
