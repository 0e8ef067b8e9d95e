// The shared half of the independent evaluation: the physics every deliverable's sub-sources go
// through box by box, the pair sums and the directivity-index probe, all in double precision.
#include "independent_response.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "air_state.h"
#include "design_data.h"
#include "directivity.h"
#include "registry.h"
#include "settings_block.h"

namespace independent {
namespace {
constexpr double kPi = 3.14159265358979323846;

// Band-averaged interference of two arrivals dt apart: the mean of cos(w' dt) over w' from
// w / sqrt 2 to w sqrt 2. Arrivals within a nanosecond count as simultaneous.
double InterferenceFactor(double omega, double dt) {
  if (std::fabs(dt) < 1e-9) return 1.0;
  const double k = std::sqrt(2.0);
  const double x = omega * dt;
  return (std::sin(k * x) - std::sin(x / k)) / (x * (k - 1.0 / k));
}

// Weight of a probe by its angle from the axis in degrees: the same on both circles, on both
// sides of the axis and for an angle and its supplement; the probe straight behind adds nothing.
double ProbeWeight(int degreesFromAxis) {
  static const double kByTenDegrees[] = {0.0,      0.00473,  0.008955, 0.012387, 0.01499,
                                         0.016868, 0.018166, 0.019007, 0.019478, 0.01963};
  if (degreesFromAxis >= 180) return 0.0;
  const int folded = degreesFromAxis > 90 ? 180 - degreesFromAxis : degreesFromAxis;
  return kByTenDegrees[folded / 10];
}

// Column of the stored grid that holds circle column a (whole grid steps) under the fold.
int FoldedColumn(int a, int circleColumns, Fold fold) {
  const int half = circleColumns / 2;
  const int quarter = circleColumns / 4;
  switch (fold) {
    case Fold::kNone:
      return a;
    case Fold::kHalf:
      return a > half ? circleColumns - a : a;
    case Fold::kQuarter:
      if (a > 3 * quarter) return circleColumns - a;
      if (a > half) return a - half;
      if (a > quarter) return half - a;
      return a;
  }
  return a;
}
}  // namespace

double AirAbsorption(double temperatureC, double pressureHpa, double humidityPercent,
                     double frequency) {
  const double f2 = frequency * frequency;
  const double kelvin = temperatureC + 273.15;
  const double pRel = pressureHpa / 1013.25;
  const double saturation = std::pow(10.0, 4.6151 - 6.8346 * std::pow(273.16 / kelvin, 1.261));
  const double h = humidityPercent * saturation / pRel;
  const double tRel = kelvin / 293.15;
  const double frO = pRel * (24.0 + 40400.0 * h * (0.02 + h) / (0.391 + h));
  const double frN =
      pRel / std::sqrt(tRel) * (9.0 + 280.0 * h * std::exp(-4.17 * (std::cbrt(1.0 / tRel) - 1.0)));
  return 8.686 * f2 *
         (1.84e-11 / pRel * std::sqrt(tRel) +
          std::pow(tRel, -2.5) * (0.01275 * std::exp(-2239.1 / kelvin) / (frO + f2 / frO) +
                                  0.1068 * std::exp(-3352.0 / kelvin) / (frN + f2 / frN)));
}

double Distance(const float* point, const double* seat) {
  const double dx = seat[0] - point[0], dy = seat[1] - point[1], dz = seat[2] - point[2];
  return std::sqrt(dx * dx + dy * dy + dz * dz);
}

double SpreadingLoss(double distance) {
  return distance < 0.1 ? -20.0 : 20.0 * std::log10(distance);
}

Direction DirectionFromBox(const float* point, const float* angles, const double* seat) {
  const double dx = seat[0] - point[0], dy = seat[1] - point[1], dz = seat[2] - point[2];
  const double s0 = std::sin(angles[0]), c0 = std::cos(angles[0]);
  const double s1 = std::sin(angles[1]), c1 = std::cos(angles[1]);
  const double s2 = std::sin(angles[2]), c2 = std::cos(angles[2]);
  // Undo the turn, then the tilt, then the roll that aim the box.
  const double x1 = c0 * dx + s0 * dy, y1 = c0 * dy - s0 * dx;
  const double y = c1 * y1 - s1 * dz, z2 = s1 * y1 + c1 * dz;
  const double x = c2 * x1 + s2 * z2;
  double z = c2 * z2 - s2 * x1;
  if (std::fabs(z) < 0.0001) z = 0.0;  // a seat level with the box is taken as exactly level
  Direction d;
  d.azimuth = std::atan2(z, x);
  if (d.azimuth < 0.0) d.azimuth += 2.0 * kPi;
  d.polar = y == 0.0 ? kPi / 2.0 : std::atan2(std::sqrt(x * x + z * z), -y);
  return d;
}

double LookUp(const Grid& grid, int storedBand, const Direction& direction, bool mirrorMean) {
  const int circle = static_cast<int>(std::lround(360.0 / grid.stepDegrees));
  const int lastRow = circle / 2;
  const double step = grid.stepDegrees * kPi / 180.0;
  auto stored = [&](int row, int column) {
    const int c = FoldedColumn(column, circle, grid.fold);
    return grid.values[(storedBand * (lastRow + 1) + row) * grid.storedColumns + c] / 100.0;
  };
  auto point = [&](int row, int column) {
    if (!mirrorMean) return stored(row, column);
    const int mirror = (lastRow - column + circle) % circle;  // azimuth 180 degrees - a
    return 0.5 * (stored(row, column) + stored(row, mirror));
  };
  const double rows = direction.polar / step;
  const double columns = direction.azimuth / step;
  const int m = std::min(static_cast<int>(rows), lastRow);
  const int o = static_cast<int>(columns) % circle;
  if (m == lastRow) return stored(lastRow, o);  // straight behind: one value, no interpolation
  const int t = (o + 1) % circle;
  const double w = columns - std::floor(columns);
  const double a = point(m, o) + w * (point(m, t) - point(m, o));
  const double b = point(m + 1, o) + w * (point(m + 1, t) - point(m + 1, o));
  return a + (rows - m) * (b - a);
}

double EqualiserStep(const int32_t* rowWords, int band) {
  const int8_t gain = reinterpret_cast<const int8_t*>(rowWords)[band];
  return gain == -19 ? -200.0 : gain;
}

void SetMixedEqualisers(std::vector<int32_t>& block, int cutAndLiftBox, int cutAndOffBox) {
  int16_t cutAndLift[kBandCount] = {};
  cutAndLift[3] = -6;
  cutAndLift[14] = 4;
  PackEqGains(cutAndLift, &block[design::kEqRows + 6 * cutAndLiftBox]);
  int16_t cutAndOff[kBandCount] = {};
  cutAndOff[18] = EQ_GAIN_OFF;
  cutAndOff[0] = -18;
  PackEqGains(cutAndOff, &block[design::kEqRows + 6 * cutAndOffBox]);
}

std::vector<Group> SourceGroups(const double* seat) {
  const ArrayModel& array = DeliverableArray();
  const ComponentSlot& slot = *CurrentSlot;
  const int32_t* words = slot.settings;
  const int n = words[design::kBoxCount];
  const bool mirrorMean = array.mirrorMean(words);
  double air[kBandCount] = {};
  if (words[design::kExcessAir] != 0)
    for (int b = 0; b < kBandCount; ++b)
      air[b] = AirAbsorption(Air.temperature, Air.pressure, Air.humidity, BandCentres[b]);

  std::vector<Group> groups;
  for (const BandGroup& g : array.groups) groups.push_back({g.firstBand, g.bandCount, {}});
  for (int box = 0; box < n; ++box) {
    const int cabinet = array.cabinet(words, box);
    const int16_t* set = LinkedDirectivitySet(cabinet);
    const Grid fiveDegree = {set, 5.0, 72, Fold::kNone};
    const OneDegreeGrid& upper = array.oneDegree;
    const Grid oneDegree = {set + upper.offset, 1.0, upper.storedColumns, upper.fold};
    const Direction toSeat = array.toSeat(slot, box, seat);
    const double delay = words[design::kDelay + box] * 1e-6;
    const int32_t* eqRow = &words[design::kEqRows + 6 * box];

    for (std::size_t g = 0; g < array.groups.size(); ++g) {
      const BandGroup& group = array.groups[g];
      for (int k = 0; k < group.perBox; ++k) {
        const double d = Distance(array.subSource(slot, static_cast<int>(g), box, k), seat);
        Source source{box, d / Air.speedOfSound + delay, {}};
        for (int band = group.firstBand; band < group.firstBand + group.bandCount; ++band) {
          const double directivity =
              band < upper.fromBand ? LookUp(fiveDegree, band, toSeat, mirrorMean)
                                    : LookUp(oneDegree, band - upper.fromBand, toSeat, mirrorMean);
          source.level[band] = array.levelAt1m(cabinet, band) + slot.filterGain[band] -
                               air[band] * d - SpreadingLoss(d) - directivity +
                               array.boxLevel(words, box, band) + EqualiserStep(eqRow, band) -
                               20.0 * std::log10(group.perBox);
        }
        groups[g].sources.push_back(source);
      }
    }
  }
  return groups;
}

BandLevels SumGroups(const std::vector<Group>& groups) {
  BandLevels level;
  level.fill(std::numeric_limits<double>::quiet_NaN());
  for (const Group& g : groups) {
    for (int k = 0; k < g.bandCount; ++k) {
      const int band = g.firstBand + k;
      const double omega = 2.0 * kPi * BandCentres[band];
      std::vector<double> p;
      for (const Source& s : g.sources) p.push_back(std::pow(10.0, s.level[band] / 20.0));
      double power = 0.0, cross = 0.0;
      for (std::size_t a = 0; a < p.size(); ++a) {
        power += p[a] * p[a];
        for (std::size_t j = a + 1; j < p.size(); ++j)
          cross += p[a] * p[j] *
                   InterferenceFactor(omega, g.sources[a].time - g.sources[j].time);
      }
      level[band] = 10.0 * std::log10(power + 2.0 * cross);
    }
  }
  return level;
}

BandLevels DirectivityIndex() {
  const double onAxisSeat[3] = {0.0, -50.0, 0.0};
  const BandLevels onAxis = Response(onAxisSeat);
  BandLevels sum{};
  // Probes every 10 degrees round each circle; the step is the single-precision pi / 36.
  for (int k = 2; k <= 70; k += 2) {
    const double a = k * 0.08726646502812703;
    const int degrees = 5 * k <= 180 ? 5 * k : 360 - 5 * k;
    const double horizontal[3] = {50.0 * std::sin(a), -50.0 * std::cos(a), 0.0};
    const double vertical[3] = {0.0, -50.0 * std::cos(a), 50.0 * std::sin(a)};
    for (const double* seat : {horizontal, vertical}) {
      const BandLevels level = Response(seat);
      for (int b = 0; b < kBandCount; ++b)
        sum[b] += ProbeWeight(degrees) * std::pow(10.0, (level[b] - onAxis[b]) / 10.0);
    }
  }
  BandLevels index;
  for (int b = 0; b < kBandCount; ++b) index[b] = -10.0 * std::log10(sum[b]);
  return index;
}

}  // namespace independent
