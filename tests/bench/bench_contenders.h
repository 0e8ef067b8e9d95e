// What the speed measurements compare, on the same array and seat: the engine on each SIMD path
// against the reference design four bands per SSE vector ("four-wide") and written as scalar
// code ("scalar"), plus the double-precision evaluation for scale. Every contender starts from
// the same band levels, built by the deliverable's own code.
#pragma once
#include "directivity_index_compute.h"
#include "simd_path.h"

struct Contender {
  const char* name;
  ResponseAtSeat response;
  bool isEngine;
  SimdPath path;  // the engine's path (engine contenders only)
};

constexpr int kEngineSse2 = 0;
constexpr int kEngineAvx2 = 1;
constexpr int kFourWide = 2;
constexpr int kScalar = 3;
constexpr int kDoublePrecision = 4;
constexpr int kContenderCount = 5;
extern const Contender kContenders[kContenderCount];

// Makes the engine run on the contender's path; false for an engine path the processor lacks.
bool PrepareContender(const Contender& contender);

// One directivity index computation (71 responses and a geometry build) with the contender's
// response.
void DirectivityIndexWith(const Contender& contender, float* table);
