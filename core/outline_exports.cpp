// CS_* exports: the cabinet outline of the current array.
//
// The host sizes its arrays from the two counts and the array calls cannot check lengths, so
// both use the same bounded box count: a stored count past the slot's capacity draws as many
// boxes as the slot holds, a count below 1 draws nothing.
#include "outline.h"
#include "outline_exports.h"
#include "registry.h"

CsEdge* PutEdgePattern(const OutlineEdgeRule* rules, int count, int vertexBase, CsEdge* out) {
  for (int i = 0; i < count; ++i, ++out) {
    const OutlineEdgeRule& rule = rules[i];
    out->kind = rule.kind;
    out->from = rule.from + vertexBase;
    out->to = rule.to < 0 ? rule.to - vertexBase : rule.to + vertexBase;
  }
  return out;
}

PLUGIN_EXPORT int PLUGIN_CALL CS_GetSymmetry(int* kind, float* value) {
  *kind = -1;
  *value = 0.0f;
  return 0;
}

namespace {
int CountOutline(int* count, int perBox) {
  if (!CurrentSlot) return -1;
  *count = perBox * BoundedBoxCount(*CurrentSlot);
  return 0;
}

template <typename Record>
int FillOutline(Record* array, void (*write)(const int32_t*, int, Record*)) {
  if (!CurrentSlot) return -1;
  const int boxCount = BoundedBoxCount(*CurrentSlot);
  if (boxCount > 0) write(CurrentSlot->settings, boxCount, array);
  return 0;
}
}  // namespace

PLUGIN_EXPORT int PLUGIN_CALL CS_GetVertexNumber(int* count) {
  return CountOutline(count, kOutlineVerticesPerBox);
}

PLUGIN_EXPORT int PLUGIN_CALL CS_GetVertexArray(CsVertex* array) {
  return FillOutline(array, WriteOutlineVertices);
}

PLUGIN_EXPORT int PLUGIN_CALL CS_GetEdgeNumber(int* count) {
  return CountOutline(count, kOutlineEdgesPerBox);
}

PLUGIN_EXPORT int PLUGIN_CALL CS_GetEdgeArray(CsEdge* array) {
  return FillOutline(array, WriteOutlineEdges);
}
