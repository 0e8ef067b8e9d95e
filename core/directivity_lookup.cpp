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

float DecibelsOf(int hundredths, DirectivityNumerics numerics) {
  if (numerics == DirectivityNumerics::kDecimalDivision)
    return static_cast<float>(static_cast<double>(hundredths) / 100.0);
  return static_cast<float>(hundredths) * 0.01f;
}

// Mean in dB of two stored values. A column that is its own mirror gives its stored value:
// 2v x 0.005f equals v x 0.01f exactly (0.005f is half of 0.01f).
float MeanDecibelsOf(int hundredths, int mirrorHundredths, DirectivityNumerics numerics) {
  const int sum = hundredths + mirrorHundredths;
  if (numerics == DirectivityNumerics::kDecimalDivision)
    return static_cast<float>(static_cast<double>(sum) / 200.0);
  return static_cast<float>(sum) * 0.005f;
}

class RowReader {
 public:
  RowReader(const DirectivityGrid& grid, int storedBand) : grid_(grid) {
    bandStart_ =
        grid.values + static_cast<std::ptrdiff_t>(storedBand) * grid.polarRows * grid.storedColumns;
  }

  int Stored(int row, int column) const {
    return bandStart_[static_cast<std::ptrdiff_t>(row) * grid_.storedColumns +
                      FoldColumn(grid_.fold, grid_.circleColumns, column)];
  }

  float Corner(int row, int column, const DirectivityRules& rules) const {
    if (!rules.mirrorMean) return DecibelsOf(Stored(row, column), rules.numerics);
    return MeanDecibelsOf(Stored(row, column),
                          Stored(row, MirrorColumn(grid_.circleColumns, column)), rules.numerics);
  }

 private:
  const DirectivityGrid& grid_;
  const int16_t* bandStart_;
};
}  // namespace

float LookUpDirectivity(const DirectivityGrid& grid, int storedBand, float polar, float azimuth,
                        const DirectivityRules& rules) {
  if (!grid.values || storedBand < 0 || storedBand >= grid.bands) return 0.0f;
  polar = PolarInDomain(polar);
  azimuth = AzimuthInDomain(azimuth);

  const int lastRow = grid.polarRows - 1;
  const int lastColumn = grid.circleColumns - 1;
  const int m = GridIndex(polar, grid.indexFactor, lastRow);
  const int o = GridIndex(azimuth, grid.indexFactor, lastColumn);
  const RowReader reader(grid, storedBand);

  // Straight behind the box: the stored value of the last row, neither interpolated nor averaged.
  if (m == lastRow) return DecibelsOf(reader.Stored(m, o), rules.numerics);

  const int t = o == lastColumn ? 0 : o + 1;
  const float v00 = reader.Corner(m, o, rules);
  const float v01 = reader.Corner(m, t, rules);
  const float v10 = reader.Corner(m + 1, o, rules);
  const float v11 = reader.Corner(m + 1, t, rules);

  const float s = grid.step;
  const float columnAngle = static_cast<float>(o) * s;
  const float rowAngle = static_cast<float>(m) * s;
  if (rules.numerics == DirectivityNumerics::kDecimalDivision) {
    const float w = (azimuth - columnAngle) / s;
    const float a = v00 + w * (v01 - v00);
    const float b = v10 + w * (v11 - v10);
    return a + (polar - rowAngle) * (b - a) / s;
  }
  const float perStep = 1.0f / s;
  const float w = (azimuth - columnAngle) * perStep;
  const float a = v00 + w * (v01 - v00);
  const float b = v10 + w * (v11 - v10);
  const float polarWeight = (polar - rowAngle) * perStep;
  return a + polarWeight * (b - a);
}

float LookUpDirectivityInSet(const int16_t* set, const DirectivitySetLayout& layout, int band,
                             float polar, float azimuth, const DirectivityRules& rules) {
  if (!set || !IsBandIndex(band)) return 0.0f;
  DirectivityGrid grid;
  grid.polarRows = band < layout.highGridFirstBand ? kFiveDegreeRows : kOneDegreeRows;
  if (band < layout.highGridFirstBand) {
    grid.values = set;
    grid.bands = layout.lowGridBands;
    grid.storedColumns = kFiveDegreeColumns;
    grid.circleColumns = kFiveDegreeColumns;
    grid.fold = AzimuthFold::kNone;
    grid.indexFactor = kFiveDegreeIndexFactor;
    grid.step = GridStep5Degrees;
  } else {
    grid.values = set + static_cast<std::ptrdiff_t>(layout.lowGridBands) * kFiveDegreeRows *
                            kFiveDegreeColumns;
    grid.bands = layout.highGridBands;
    grid.storedColumns = layout.highAzimuthColumns;
    grid.circleColumns = kOneDegreeCircle;
    grid.fold = layout.highFold;
    grid.indexFactor = kDegreesPerRadian;
    grid.step = GridStep1Degree;
    band -= layout.highGridFirstBand;
  }
  return LookUpDirectivity(grid, band, polar, azimuth, rules);
}

const int16_t* SetInTable(const int16_t* table, int32_t linkedValues, int setCount,
                          std::size_t setValues, int setIndex) {
  if (!table || setIndex < 0 || setIndex >= setCount || linkedValues < 0) return nullptr;
  const std::size_t end = (static_cast<std::size_t>(setIndex) + 1) * setValues;
  if (static_cast<std::size_t>(linkedValues) < end) return nullptr;
  return table + static_cast<std::size_t>(setIndex) * setValues;
}
