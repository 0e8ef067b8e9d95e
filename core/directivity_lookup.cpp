#include "directivity_lookup.h"

#include <cfloat>
#include <cmath>
#include <cstddef>

#include "bands.h"
#include "level_tables.h"

// The index products and weights below rely on every float operation being rounded to single
// precision as it is written (SSE arithmetic), not carried in a wider register.
static_assert(FLT_EVAL_METHOD == 0, "directivity lookup needs single-precision evaluation");

namespace {
constexpr float kPi = 3.14159265358979f;     // 3.1415927: pi x factor gives the last row exactly
constexpr float kFullTurn = 6.28318530718f;  // 6.2831855, just above 2 pi
constexpr double kFullTurnExact = 6.283185307179586;

constexpr int kFiveDegreeRows = 37, kFiveDegreeColumns = 72;
constexpr int kOneDegreeRows = 181, kOneDegreeCircle = 360;

bool NearZero(float angle) { return angle > -kDirectivityNearZero && angle < kDirectivityNearZero; }

// Angles the caller should never send are brought into the domain first, so that every index
// and every weight stays inside the grid: a polar angle outside [0, pi] is held at the nearer
// end, an azimuth outside [0, 2 pi) is taken modulo the full turn, a NaN counts as 0.
float PolarInDomain(float polar) {
  if (std::isnan(polar) || (polar < 0.0f && !NearZero(polar))) return 0.0f;
  return polar > kPi ? kPi : polar;
}

float AzimuthInDomain(float azimuth) {
  if (!std::isfinite(azimuth)) return 0.0f;
  if ((azimuth >= 0.0f || NearZero(azimuth)) && azimuth < kFullTurn) return azimuth;
  double turn = std::fmod(static_cast<double>(azimuth), kFullTurnExact);
  if (turn < 0.0) turn += kFullTurnExact;
  const float wrapped = static_cast<float>(turn);
  return wrapped < kFullTurn ? wrapped : 0.0f;
}

// Row or column number of an angle: the product with the index factor rounded to single
// precision, then truncated toward zero (not rounded to nearest), limited to 0..last.
int GridIndex(float angle, float indexFactor, int last) {
  if (NearZero(angle)) return 0;
  const float product = angle * indexFactor;
  if (!(product > 0.0f)) return 0;
  if (product >= static_cast<float>(last)) return last;
  return static_cast<int>(product);
}

int FoldColumn(AzimuthFold fold, int circleColumns, int column) {
  const int half = circleColumns / 2;
  const int quarter = circleColumns / 4;
  switch (fold) {
    case AzimuthFold::kQuarter:
      if (column > half + quarter) return circleColumns - column;
      if (column > half) return column - half;
      if (column > quarter) return half - column;
      return column;
    case AzimuthFold::kHalf:
      return column > half ? circleColumns - column : column;
    case AzimuthFold::kNone:
      break;
  }
  return column;
}

// Azimuth a mirrors to 180 degrees - a, modulo the full turn. Taken before folding: for the
// half fold that is the same column as the mirror of the folded column.
int MirrorColumn(int circleColumns, int column) {
  const int half = circleColumns / 2;
  return column <= half ? half - column : circleColumns + half - column;
}

// Stored hundredths as dB. For the decimal numerics the quotient by 100 (by 200 for a pair's
// sum) is formed as the product with 0.01 (0.005) in double precision: rounded to single
// precision the two agree for every integer of magnitude up to 70000, which covers every stored
// value and every sum of two, and the product costs a fraction of the division.
float DecibelsOf(int hundredths, DirectivityNumerics numerics) {
  if (numerics == DirectivityNumerics::kDecimalDivision)
    return static_cast<float>(static_cast<double>(hundredths) * 0.01);
  return static_cast<float>(hundredths) * 0.01f;
}

// Mean in dB of two stored values. A column that is its own mirror gives its stored value:
// 2v x 0.005f equals v x 0.01f exactly (0.005f is half of 0.01f).
float MeanDecibelsOf(int hundredths, int mirrorHundredths, DirectivityNumerics numerics) {
  const int sum = hundredths + mirrorHundredths;
  if (numerics == DirectivityNumerics::kDecimalDivision)
    return static_cast<float>(static_cast<double>(sum) * 0.005);
  return static_cast<float>(sum) * 0.005f;
}

// Where a direction falls in a grid: what every band of the grid shares. Offsets count values
// from the start of a stored band; an interpolated corner reads its column and, with the mirror
// mean, the mirror column.
struct GridPoint {
  // On the last row: the stored value there (corner[0] alone), neither interpolated nor averaged.
  bool behind;
  std::ptrdiff_t corner[4];  // (m, o), (m, o + 1), (m + 1, o), (m + 1, o + 1)
  std::ptrdiff_t mirror[4];
  float polar;
  float azimuth;
  float rowAngle;
  float columnAngle;
};

std::ptrdiff_t ValueOffset(const DirectivityGrid& grid, int row, int column) {
  return static_cast<std::ptrdiff_t>(row) * grid.storedColumns +
         FoldColumn(grid.fold, grid.circleColumns, column);
}

GridPoint Locate(const DirectivityGrid& grid, float polar, float azimuth) {
  GridPoint p{};
  p.polar = PolarInDomain(polar);
  p.azimuth = AzimuthInDomain(azimuth);
  const int lastRow = grid.polarRows - 1;
  const int lastColumn = grid.circleColumns - 1;
  const int m = GridIndex(p.polar, grid.indexFactor, lastRow);
  const int o = GridIndex(p.azimuth, grid.indexFactor, lastColumn);
  p.behind = m == lastRow;
  if (p.behind) {
    p.corner[0] = ValueOffset(grid, m, o);
    return p;
  }
  const int t = o == lastColumn ? 0 : o + 1;
  const int rows[4] = {m, m, m + 1, m + 1};
  const int columns[4] = {o, t, o, t};
  for (int c = 0; c < 4; ++c) {
    p.corner[c] = ValueOffset(grid, rows[c], columns[c]);
    p.mirror[c] = ValueOffset(grid, rows[c], MirrorColumn(grid.circleColumns, columns[c]));
  }
  p.columnAngle = static_cast<float>(o) * grid.step;
  p.rowAngle = static_cast<float>(m) * grid.step;
  return p;
}

// The interpolated attenuation of stored band storedBand (inside the grid) at p.
float Interpolate(const DirectivityGrid& grid, int storedBand, const GridPoint& p,
                  const DirectivityRules& rules) {
  const int16_t* band =
      grid.values + static_cast<std::ptrdiff_t>(storedBand) * grid.polarRows * grid.storedColumns;
  if (p.behind) return DecibelsOf(band[p.corner[0]], rules.numerics);
  float v[4];
  for (int c = 0; c < 4; ++c) {
    v[c] = rules.mirrorMean ? MeanDecibelsOf(band[p.corner[c]], band[p.mirror[c]], rules.numerics)
                            : DecibelsOf(band[p.corner[c]], rules.numerics);
  }
  const float s = grid.step;
  if (rules.numerics == DirectivityNumerics::kDecimalDivision) {
    const float w = (p.azimuth - p.columnAngle) / s;
    const float a = v[0] + w * (v[1] - v[0]);
    const float b = v[2] + w * (v[3] - v[2]);
    return a + (p.polar - p.rowAngle) * (b - a) / s;
  }
  const float perStep = 1.0f / s;
  const float w = (p.azimuth - p.columnAngle) * perStep;
  const float a = v[0] + w * (v[1] - v[0]);
  const float b = v[2] + w * (v[3] - v[2]);
  const float polarWeight = (p.polar - p.rowAngle) * perStep;
  return a + polarWeight * (b - a);
}

DirectivityGrid LowGridOf(const int16_t* set, const DirectivitySetLayout& layout) {
  DirectivityGrid grid;
  grid.values = set;
  grid.bands = layout.lowGridBands;
  grid.polarRows = kFiveDegreeRows;
  grid.storedColumns = kFiveDegreeColumns;
  grid.circleColumns = kFiveDegreeColumns;
  grid.fold = AzimuthFold::kNone;
  grid.indexFactor = kFiveDegreeIndexFactor;
  grid.step = GridStep5Degrees;
  return grid;
}

DirectivityGrid HighGridOf(const int16_t* set, const DirectivitySetLayout& layout) {
  DirectivityGrid grid;
  grid.values = set + static_cast<std::ptrdiff_t>(layout.lowGridBands) * kFiveDegreeRows *
                          kFiveDegreeColumns;
  grid.bands = layout.highGridBands;
  grid.polarRows = kOneDegreeRows;
  grid.storedColumns = layout.highAzimuthColumns;
  grid.circleColumns = kOneDegreeCircle;
  grid.fold = layout.highFold;
  grid.indexFactor = kDegreesPerRadian;
  grid.step = GridStep1Degree;
  return grid;
}
}  // namespace

float LookUpDirectivity(const DirectivityGrid& grid, int storedBand, float polar, float azimuth,
                        const DirectivityRules& rules) {
  if (!grid.values || storedBand < 0 || storedBand >= grid.bands) return 0.0f;
  return Interpolate(grid, storedBand, Locate(grid, polar, azimuth), rules);
}

float LookUpDirectivityInSet(const int16_t* set, const DirectivitySetLayout& layout, int band,
                             float polar, float azimuth, const DirectivityRules& rules) {
  if (!set || !IsBandIndex(band)) return 0.0f;
  if (band < layout.highGridFirstBand)
    return LookUpDirectivity(LowGridOf(set, layout), band, polar, azimuth, rules);
  return LookUpDirectivity(HighGridOf(set, layout), band - layout.highGridFirstBand, polar,
                           azimuth, rules);
}

void LookUpDirectivityBandsInSet(const int16_t* set, const DirectivitySetLayout& layout,
                                 float polar, float azimuth, const DirectivityRules& rules,
                                 float* out) {
  for (int band = 0; band < kBandCount; ++band) out[band] = 0.0f;
  if (!set) return;
  const DirectivityGrid grids[2] = {LowGridOf(set, layout), HighGridOf(set, layout)};
  const int firstBand[2] = {0, layout.highGridFirstBand};
  const int endBand[2] = {layout.highGridFirstBand, kBandCount};
  for (int g = 0; g < 2; ++g) {
    const DirectivityGrid& grid = grids[g];
    const int first = firstBand[g] < 0 ? 0 : firstBand[g];
    const int end = endBand[g] > kBandCount ? kBandCount : endBand[g];
    if (first >= end) continue;
    const GridPoint p = Locate(grid, polar, azimuth);
    for (int band = first; band < end; ++band) {
      const int storedBand = band - firstBand[g];
      if (storedBand < grid.bands) out[band] = Interpolate(grid, storedBand, p, rules);
    }
  }
}

const int16_t* SetInTable(const int16_t* table, int32_t linkedValues, int setCount,
                          std::size_t setValues, int setIndex) {
  if (!table || setIndex < 0 || setIndex >= setCount || linkedValues < 0) return nullptr;
  const std::size_t end = (static_cast<std::size_t>(setIndex) + 1) * setValues;
  if (static_cast<std::size_t>(linkedValues) < end) return nullptr;
  return table + static_cast<std::size_t>(setIndex) * setValues;
}
