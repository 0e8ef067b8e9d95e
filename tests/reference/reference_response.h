// Evaluations of the response beside the engine's, for the tests and the benchmarks: each adds
// up the same band groups, built by the deliverable's own ComputeResponse from the same band
// levels, in its own way.
//   single precision  the reference design's arithmetic written as plain scalar code, lane by
//                     lane: FastPow4 amplitudes, FastSin4 twice for every pair and band,
//                     single-precision arrival times, sums and logarithm.
//   four-wide         the same design as it is meant to run: four bands per SSE vector, the
//                     approximations in SSE, pair by pair.
//   double precision  the sums pair by pair in double precision with the standard functions:
//                     the measure of accuracy.
#pragma once
#include "frequency_response.h"

void EvaluateGroupSinglePrecision(const ResponseGroup& group, float* level);
void EvaluateGroupFourWide(const ResponseGroup& group, float* level);
void EvaluateGroupDoublePrecision(const ResponseGroup& group, float* level);

// The current slot's response at seat 0 with each evaluation (as CI_GetCompFR's level, phase
// and time); usable as a ResponseAtSeat for the directivity index probe.
int SinglePrecisionResponse(float* level, float* phase, float* time);
int FourWideResponse(float* level, float* phase, float* time);
int DoublePrecisionResponse(float* level, float* phase, float* time);
