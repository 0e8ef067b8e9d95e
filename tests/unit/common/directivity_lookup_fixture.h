// Synthetic directivity grids for the lookup tests: exact-size tables (so that any read outside
// them is caught by the address sanitizer) filled with deterministic values that differ from
// their neighbours, and the value conversions the lookups promise.
#pragma once
#include <gtest/gtest.h>

#include <cstddef>
#include <cstdint>
#include <vector>

#include "directivity.h"
#include "directivity_lookup.h"

inline float Radians(double degrees) {
  return static_cast<float>(degrees * 3.14159265358979323846 / 180.0);
}

// Values in -3000..3000 hundredths of a dB.
inline std::vector<int16_t> PatternedValues(std::size_t count, uint32_t seed) {
  std::vector<int16_t> values(count);
  uint32_t x = seed;
  for (int16_t& v : values) {
    x = x * 1664525u + 1013904223u;
    v = static_cast<int16_t>(static_cast<int>((x >> 8) % 6001u) - 3000);
  }
  return values;
}

// Stored hundredths in dB: divided by 100 in double (Tarnwick) or multiplied by 0.01f.
inline float DecimalDb(int hundredths) { return static_cast<float>(hundredths / 100.0); }
inline float ScaledDb(int hundredths) { return static_cast<float>(hundredths) * 0.01f; }
inline float ScaledMeanDb(int a, int b) { return static_cast<float>(a + b) * 0.005f; }

// Bilinear value from four corner values in dB: azimuth weight first, then polar.
inline double Bilinear(double v00, double v01, double v10, double v11, double azimuthWeight,
                       double polarWeight) {
  const double a = v00 + azimuthWeight * (v01 - v00);
  const double b = v10 + azimuthWeight * (v11 - v10);
  return a + polarWeight * (b - a);
}

constexpr float kStep5 = 0.0872664675116539f;
constexpr float kStep1 = 0.01745329238474369f;

// Element of a row-major grid: (band * rows + row) * columns + column.
inline std::size_t GridElement(int rows, int columns, int band, int row, int column) {
  return (static_cast<std::size_t>(band) * rows + row) * columns + column;
}

// A grid of its own exact-size table.
class SyntheticGrid {
 public:
  // Bands of 37 rows by 72 columns, 5-degree steps.
  static SyntheticGrid FiveDegree(int bands) {
    return SyntheticGrid(
        {nullptr, bands, 37, 72, 72, AzimuthFold::kNone, kFiveDegreeIndexFactor, kStep5});
  }
  // One band of 181 rows, 1-degree steps, storedColumns of the 360 read through the fold.
  static SyntheticGrid OneDegree(int storedColumns, AzimuthFold fold) {
    return SyntheticGrid({nullptr, 1, 181, storedColumns, 360, fold, kDegreesPerRadian, kStep1});
  }

  DirectivityGrid grid() const {
    DirectivityGrid g = shape_;
    g.values = values_.data();
    return g;
  }
  int Stored(int band, int row, int column) const { return values_.at(Element(band, row, column)); }
  double Db(int band, int row, int column) const { return Stored(band, row, column) / 100.0; }
  void Set(int band, int row, int column, int16_t v) { values_.at(Element(band, row, column)) = v; }

 private:
  explicit SyntheticGrid(const DirectivityGrid& shape)
      : shape_(shape),
        values_(PatternedValues(
            static_cast<std::size_t>(shape.bands) * shape.polarRows * shape.storedColumns,
            static_cast<uint32_t>(shape.storedColumns * 7 + shape.bands))) {}
  std::size_t Element(int band, int row, int column) const {
    return GridElement(shape_.polarRows, shape_.storedColumns, band, row, column);
  }

  DirectivityGrid shape_;
  std::vector<int16_t> values_;
};
// The single-precision pi, as the caller delivers a seat straight behind the box.
constexpr float kPiF = 3.14159265358979f;

// A whole set of a deliverable's layout: the 5-degree grid of lowBands bands, then the 1-degree
// grid from highFirstBand with highColumns columns per row.
struct SetShape {
  int lowBands;
  int highFirstBand;
  int highBands;
  int highColumns;
};

class SyntheticSet {
 public:
  SyntheticSet(const SetShape& shape, uint32_t seed)
      : shape_(shape),
        lowValues_(GridElement(37, 72, shape.lowBands, 0, 0)),
        values_(PatternedValues(
            lowValues_ + GridElement(181, shape.highColumns, shape.highBands, 0, 0), seed)) {}

  int Low(int band, int row, int column) const {
    return values_.at(GridElement(37, 72, band, row, column));
  }
  int High(int band, int row, int column) const {
    return values_.at(lowValues_ + GridElement(181, shape_.highColumns, band - shape_.highFirstBand,
                                               row, column));
  }
  // Values in dB as the mirroring deliverables convert them: x 0.01f, or a pair's sum x 0.005f.
  double ScaledLow(int band, int row, int column) const { return ScaledDb(Low(band, row, column)); }
  double ScaledHigh(int band, int row, int column) const {
    return ScaledDb(High(band, row, column));
  }
  double MeanLow(int band, int row, int column, int mirror) const {
    return ScaledMeanDb(Low(band, row, column), Low(band, row, mirror));
  }
  double MeanHigh(int band, int row, int column, int mirror) const {
    return ScaledMeanDb(High(band, row, column), High(band, row, mirror));
  }
  const int16_t* data() const { return values_.data(); }
  // The deliverable's lookup on this set, angles in degrees.
  float Look(int band, double polarDegrees, double azimuthDegrees) const {
    return LookUpDirectivitySet(data(), band, Radians(polarDegrees), Radians(azimuthDegrees));
  }
  float LookStraightBehind(int band, double azimuthDegrees) const {
    return LookUpDirectivitySet(data(), band, kPiF, Radians(azimuthDegrees));
  }

 private:
  SetShape shape_;
  std::size_t lowValues_;
  std::vector<int16_t> values_;
};
