// Bilinear lookup in one stored directivity grid: the rules every deliverable's GetDirectivity is
// built from (index truncation, polar edge, azimuth wrap, folds, mirror means, numerics).
#pragma once
#include <cstddef>
#include <cstdint>

// Grid steps per radian. The 5-degree factor is the 1-degree factor divided by 5 (or, the same
// single-precision value, multiplied by 0.2f). Factor and step are separate constants: their
// product is 1 only to single-precision accuracy, and the lookup uses both as given.
constexpr float kDegreesPerRadian = 57.2957763671875f;
constexpr float kFiveDegreeIndexFactor = 11.459155082702637f;
static_assert(kDegreesPerRadian * 0.2f == kFiveDegreeIndexFactor, "one 5-degree index factor");
// Angles inside +-this count as 0 for the grid index (the angle itself is kept for the weight).
constexpr float kDirectivityNearZero = 0.000001f;

// How the stored azimuth columns of a grid cover the full circle.
enum class AzimuthFold {
  kNone,     // every column of the circle is stored
  kQuarter,  // 0..90 degrees stored; symmetric about the 0-180 and the 90-270 planes
  kHalf,     // 0..180 degrees stored; symmetric about the 0-180 plane
};

// How stored hundredths of a dB become dB and how the interpolation weights are formed.
enum class DirectivityNumerics {
  // value / 100 in double precision rounded to single; weights divided by the step.
  kDecimalDivision,
  // value x 0.01f (a pair's sum x 0.005f); weights multiplied by the reciprocal of the step.
  kScaledMultiply,
};

// One grid of a directivity set.
struct DirectivityGrid {
  const int16_t* values;  // the grid's first value (first stored band, row 0, column 0)
  int bands;              // stored bands; element (band * polarRows + row) * storedColumns + col
  int polarRows;          // 37 (5-degree) or 181 (1-degree) rows from 0 to 180 degrees
  int storedColumns;      // columns per stored row
  int circleColumns;      // columns of the full azimuth circle before folding: 72 or 360
  AzimuthFold fold;
  float indexFactor;  // grid steps per radian
  float step;         // radians per grid step
};

struct DirectivityRules {
  DirectivityNumerics numerics;
  // Every interpolated corner is the mean of its column and the mirror column across the
  // 90-270 degree plane (azimuth a mirrors to 180 - a). The polar-edge read is never averaged.
  bool mirrorMean;
};

// Attenuation in dB below on-axis (positive = quieter) at stored band storedBand of the grid,
// toward polar in [0, pi] and azimuth in [0, 2 pi), radians. Reads at most eight stored values
// and never outside the grid: a null grid or a band outside it gives 0 dB; a NaN angle counts
// as 0, a polar angle outside [0, pi] is held at the nearer end, an azimuth outside [0, 2 pi)
// is taken modulo the full turn.
float LookUpDirectivity(const DirectivityGrid& grid, int storedBand, float polar, float azimuth,
                        const DirectivityRules& rules);

// A deliverable's set: a 5-degree grid (37 rows by 72 columns, the full circle) for the bands
// below highGridFirstBand, followed directly by a 1-degree grid (181 rows) for the rest.
struct DirectivitySetLayout {
  int lowGridBands;  // stored bands of the 5-degree grid (may be more than it serves)
  int highGridFirstBand;
  int highGridBands;
  int highAzimuthColumns;
  AzimuthFold highFold;
};

// LookUpDirectivity in the grid of the set that serves band 0..20, with the angle-grid steps
// computed at load. A null set or a band outside 0..20 gives 0 dB.
float LookUpDirectivityInSet(const int16_t* set, const DirectivitySetLayout& layout, int band,
                             float polar, float azimuth, const DirectivityRules& rules);

// LookUpDirectivityInSet for every band 0..20 toward one direction, into out[21]: the same
// values, with the direction placed in each grid once instead of once per band.
void LookUpDirectivityBandsInSet(const int16_t* set, const DirectivitySetLayout& layout,
                                 float polar, float azimuth, const DirectivityRules& rules,
                                 float* out);

// Set setIndex of a linked table of setCount sets of setValues values each, or null when there
// is no such set or the table holds fewer values (linkedValues) than that set needs.
const int16_t* SetInTable(const int16_t* table, int32_t linkedValues, int setCount,
                          std::size_t setValues, int setIndex);
