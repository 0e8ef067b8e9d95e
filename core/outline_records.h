// The records of the cabinet outline as the host reads them, in the host's own arrays.
#pragma once
#include <cstdint>

// One vertex in the host's array: five 32-bit words, the last one left as the host had it.
struct CsVertex {
  int32_t one;  // always 1
  float x;
  float y;
  float z;
  int32_t hostWord;  // never written
};

// One edge in the host's array: four 32-bit words, the last one left as the host had it.
struct CsEdge {
  int32_t kind;  // 1 = between two listed vertices, 0 = from a vertex to its own mirror image
  int32_t from;  // 1-based vertex number over the whole array
  int32_t to;    // 1-based, or -v for the mirror image of vertex v
  int32_t hostWord;  // never written
};

static_assert(sizeof(CsVertex) == 20, "the host reads five 32-bit words per vertex");
static_assert(sizeof(CsEdge) == 16, "the host reads four 32-bit words per edge");

constexpr int32_t kOutlineEdge = 1;
constexpr int32_t kMirrorEdge = 0;
