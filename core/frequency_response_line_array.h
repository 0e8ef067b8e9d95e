// The sub-sources of a line array whose boxes radiate from nine-point and eighteen-point sets
// (Tarnwick, Brenlowe): three band groups with 3, 9 and 18 sub-sources per box.
#pragma once
#include "frequency_response.h"

constexpr int kLineArrayGroups = 3;

struct LineArrayBandGroup {
  int firstBand;
  int bandCount;
  int perBox;  // sub-sources per box
};
constexpr LineArrayBandGroup kLineArrayBandGroups[kLineArrayGroups] = {
    {0, 12, 3}, {12, 5, 9}, {17, 4, 18}};

// Group 0 below band 12, group 1 for bands 12..16, group 2 from band 17 up.
inline int LineArrayGroupOfBand(int band) { return band < 12 ? 0 : (band < 17 ? 1 : 2); }

// What the deliverable knows about its array at one seat.
struct LineArraySeat {
  int boxCount;  // 1 .. kMaxBoxes
  bool excessAir;
  const float* seat;
  // Position of sub-source k of box b in band group g.
  const float* (*sourcePoint)(int group, int box, int k);
  // Box delays in seconds: as the single-precision arithmetic forms them, and exact.
  float delay[product::kMaxBoxes];
  double exactDelay[product::kMaxBoxes];
  // Arrival time d / c (true) or d x (1 / c) (false) in the single-precision arithmetic.
  bool timeByDivision;
};

// Level of a sub-source at the seat before its box's own terms: the level at 1 m, less the air
// absorption over d when excessAir is set, less the spreading term (SpreadingTerm(d), which the
// caller forms once per sub-source).
float LevelBeforeBoxTerms(float levelAt1m, int band, float distance, float spreading,
                          bool excessAir);

// Arrival times of a sub-source at distance d (single precision and exact) with a box delay.
void SetArrivalTimes(ResponseGroup& group, int i, float distance, double exactDistance,
                     float delay, double exactDelay, bool timeByDivision);

// The current slot's array toward seat 0 (box count, air absorption switch, seat); the caller
// adds the box delays.
LineArraySeat CurrentLineArray(const float* (*sourcePoint)(int group, int box, int k),
                               bool timeByDivision);

// Fills the three band groups of the whole array for CI_GetCompFR; false when a group does not
// fit its tables.
bool BuildLineArrayGroups(const LineArraySeat& array, ResponseGroup* groups /* kLineArrayGroups */);

// CI_GetCompFR's levels of the whole array, with every phase 0; the three groups it evaluated
// (for the arrival time the deliverable reports), or null when they do not fit their tables.
const ResponseGroup* EvaluateLineArray(const LineArraySeat& array, GroupEvaluation evaluate,
                                       float* level, float* phase);
