// The array's directivity index: the design is probed at 50 m on a horizontal and a vertical
// circle around its axis, and the weighted mean of the levels relative to the on-axis level
// gives the index per band.
#pragma once
#include "frequency_response.h"

// Recomputes DirectivityIndexTable for the current slot's design. Leaves the array at the
// origin with zero angles (geometry rebuilt there), seat 0's angles zero and seat 0 at the last
// probe point of the vertical circle, (0, -49.24039, -8.6824007). Does nothing without a
// current slot; a design without boxes gets an index of 0 dB.
PLUGIN_ALIGN_STACK void ComputeDirectivityIndex();

// The response at seat 0 of the current slot, as ComputeResponse gives it.
using ResponseAtSeat = int (*)(float* level, float* phase, float* time);

// The same probe with response evaluating each seat, into table[21]; ComputeDirectivityIndex
// is ProbeDirectivityIndex(EngineResponse, DirectivityIndexTable).
void ProbeDirectivityIndex(ResponseAtSeat response, float* table);
