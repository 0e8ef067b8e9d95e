// The response of an array at a seat: the level in each band is the power sum of every
// sub-source with band-averaged interference terms between every pair of sub-sources of the
// same band group. A deliverable fills one ResponseGroup per band group (levels and arrival
// times of its sub-sources) and hands it to EvaluateGroup.
#pragma once
#include "bands.h"
#include "plugin_api.h"
#include "product_config.h"

PLUGIN_EXPORT int PLUGIN_CALL CI_GetCompFR(int first, float* level, float* phase,
                                                         float* time);

// Sub-sources one band group can hold: up to 18 per box.
constexpr int kMaxGroupSources = product::kMaxBoxes * 18;
// Band levels one group can hold (bands x sub-sources, rows padded to whole lanes of four).
constexpr int kMaxGroupLevels = product::kMaxBoxes * 128;

struct ResponseGroup {
  int firstBand = 0;
  int bandCount = 0;
  int count = 0;   // sub-sources
  int stride = 0;  // entries per band row of level: count rounded up to a multiple of 4
  // Arrival time of each sub-source as the single-precision arithmetic forms it, and the same
  // time in double precision.
  float singleTime[kMaxGroupSources];
  alignas(16) double time[kMaxGroupSources];
  // Level at the seat in dB, band row k (band firstBand + k), entry i for sub-source i.
  alignas(16) float level[kMaxGroupLevels];

  float& LevelAt(int k, int i) { return level[k * stride + i]; }
  float LevelAt(int k, int i) const { return level[k * stride + i]; }
};

// Sets up an empty group for bands firstBand .. firstBand + bandCount - 1 and count sub-sources;
// false (group left empty) when the group would not fit.
bool StartGroup(ResponseGroup& group, int firstBand, int bandCount, int count);

// How the levels of a band group are added up: writes level[firstBand + k] = 10 log10(S + 2 C)
// for every band of the group. The exports use EvaluateGroup; the tests and benchmarks hand
// other evaluations of the same sums to the same band levels.
using GroupEvaluation = void (*)(const ResponseGroup& group, float* level);

// The engine's evaluation (a band total that is not positive is reported at -300 dB).
void EvaluateGroup(const ResponseGroup& group, float* level);

// The engine's power sums S and cross sums C per band row of a group (S + 2 C is the total).
void SumGroupEngine(const ResponseGroup& group, double* powerSum, double* crossSum);

// Angular frequency of a band: 2 pi f with 2 pi and the product in single precision.
float BandAngularFrequency(int band);

// Spreading term of a sub-source at distance d: 20 log10(d), or -20 dB closer than 0.1 m.
float SpreadingTerm(float distance);
// Distance of two points in double precision (for arrival times).
double ExactDistance(const float* a, const float* b);

// Direction of the seat in a box's own frame (axis along -Y): polar in [0, pi], azimuth in
// [0, 2 pi), radians.
struct SeatDirection {
  float polar;
  float azimuth;
};
SeatDirection DirectionInBoxFrame(const float* boxPoint, const float* boxAngles,
                                  const float* seat);

// What each deliverable supplies: its response at seat 0 of the current slot (which exists and
// holds at least one box): level[21], phase[21] and the arrival time, as CI_GetCompFR reports
// them, with each band group added up by evaluate. Returns 0, or -1 when the slot's data cannot
// be evaluated.
int ComputeResponse(GroupEvaluation evaluate, float* level, float* phase, float* time);

// ComputeResponse with the engine's evaluation: what CI_GetCompFR reports.
int EngineResponse(float* level, float* phase, float* time);

// What each deliverable supplies: the 21-band reference levels of box (0-based, of the current
// slot's array) toward seat: the direction of the seat in the box's frame through the
// directivity lookup, with the box's gain or attenuation.
void BoxReferenceLevels(int box, const float* seat, float* ref);

// BoxReferenceLevels toward seat 0 (box counts from 0); -1 without a current slot or for a box
// outside the array.
int GetBoxReferenceLevels(int box, float* ref);

// The checks every response export shares: true when there is a current slot with at least
// one box and `first` is 1.
bool CanEvaluateCurrentSlot(int first);
