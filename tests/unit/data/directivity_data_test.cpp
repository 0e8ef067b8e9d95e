// Checks of the generated directivity sets of all three plug-ins as a user of the data sees them:
// layout, on-axis and rear values, the symmetry each lookup relies on, and the coverage angles
// that the tables give compared with what each cabinet is meant to do.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <string>

#include "directivity_tables.h"

namespace {

constexpr double kPi = 3.14159265358979323846;
constexpr int kBands = 21;
const double kBandCentresHz[kBands] = {100,  125,  160,  200,  250,  315,  400,
                                       500,  630,  800,  1000, 1250, 1600, 2000,
                                       2500, 3150, 4000, 5000, 6300, 8000, 10000};
constexpr int kLowRows = kDirectivityLowPolarRows;
constexpr int kLowColumns = kDirectivityLowAzimuthColumns;
constexpr int kHighRows = kDirectivityHighPolarRows;
constexpr int kMaxStored = 4000;   // the 40 dB clamp
constexpr int kSixDb = 600;        // hundredths of a dB

// Azimuth range the 1-degree grid covers; the lookup folds every azimuth into it.
enum class Fold { Quarter, Half, Full };

struct Deliverable {
  const char* name;
  const std::int16_t* table;
  const std::int32_t* linkedCount;
  std::size_t valueCount;
  int setCount;
  std::size_t setValues;
  std::size_t lowGridValues;
  int lowBands;
  int highFirstBand;
  int highBands;
  int highColumns;
  Fold fold;
};

const Deliverable kTarnwick = {"Tarnwick", kTarnwickDirectivity, &kTarnwickDirectivityCount,
                               kTarnwickDirectivityValues, kTarnwickDirectivitySetCount,
                               kTarnwickSetValues, kTarnwickLowGridValues, kTarnwickLowGridBands,
                               kTarnwickHighGridFirstBand, kTarnwickHighGridBands,
                               kTarnwickHighAzimuthColumns, Fold::Quarter};
const Deliverable kBrenlowe = {"Brenlowe", kBrenloweDirectivity, &kBrenloweDirectivityCount,
                               kBrenloweDirectivityValues, kBrenloweDirectivitySetCount,
                               kBrenloweSetValues, kBrenloweLowGridValues, kBrenloweLowGridBands,
                               kBrenloweHighGridFirstBand, kBrenloweHighGridBands,
                               kBrenloweHighAzimuthColumns, Fold::Half};
const Deliverable kPirrowan = {"Pirrowan", kPirrowanDirectivity, &kPirrowanDirectivityCount,
                               kPirrowanDirectivityValues, kPirrowanDirectivitySetCount,
                               kPirrowanSetValues, kPirrowanLowGridValues, kPirrowanLowGridBands,
                               kPirrowanHighGridFirstBand, kPirrowanHighGridBands,
                               kPirrowanHighAzimuthColumns, Fold::Full};
const Deliverable* const kDeliverables[] = {&kTarnwick, &kBrenlowe, &kPirrowan};

// What each set is meant to be: front height (the vertical line source) and the horizontal
// coverage its waveguide approaches at high frequencies, in set order.
struct Cabinet {
  const Deliverable* deliverable;
  int set;
  const char* name;
  double frontHeight;
  double horizontalNominalDeg;
};

const Cabinet kCabinets[] = {
    {&kTarnwick, 0, "Orlex-R7", 0.41399977, 80}, {&kTarnwick, 1, "TK-610", 0.49273598, 90},
    {&kTarnwick, 2, "TK-520", 0.37844154, 100},  {&kTarnwick, 3, "TK-430", 0.27938637, 110},
    {&kTarnwick, 4, "TK-340", 0.19988824, 120},  {&kBrenlowe, 0, "BW-11H", 0.533, 70},
    {&kBrenlowe, 1, "BW-12H", 0.533, 70},        {&kBrenlowe, 2, "BW-13H", 0.533, 70},
    {&kBrenlowe, 3, "BW-11", 0.533, 100},        {&kBrenlowe, 4, "BW-12", 0.533, 100},
    {&kBrenlowe, 5, "BW-13", 0.533, 100},        {&kPirrowan, 0, "PW-21S", 0.2286, 120},
    {&kPirrowan, 1, "PW-22S", 0.3459, 100},
};

// One stored set, read the way the plug-in's lookup reads it.
class SetView {
 public:
  SetView(const Deliverable& d, int set) : d_(d), base_(d.table + std::size_t(set) * d.setValues) {}
  explicit SetView(const Cabinet& c) : SetView(*c.deliverable, c.set) {}

  int Low(int band, int row, int column) const {
    return base_[(std::size_t(band) * kLowRows + row) * kLowColumns + column];
  }
  int High(int band, int row, int column) const {
    return base_[d_.lowGridValues +
                 (std::size_t(band - d_.highFirstBand) * kHighRows + row) * d_.highColumns +
                 column];
  }
  bool UsesHighGrid(int band) const { return band >= d_.highFirstBand; }
  int StepDegrees(int band) const { return UsesHighGrid(band) ? 1 : 5; }

  // Stored value at a direction on the grid of the band, azimuth 0..359.
  int At(int band, int polarDeg, int azimuthDeg) const {
    if (!UsesHighGrid(band)) return Low(band, polarDeg / 5, azimuthDeg / 5);
    return High(band, polarDeg, FoldHighColumn(azimuthDeg));
  }

  // Polar angle in degrees at which the attenuation first reaches 6 dB along an azimuth,
  // interpolated between grid rows; 180 when it never does.
  double SixDbAngle(int band, int azimuthDeg) const {
    const int step = StepDegrees(band);
    int previous = At(band, 0, azimuthDeg);
    for (int polar = step; polar <= 180; polar += step) {
      const int value = At(band, polar, azimuthDeg);
      if (value >= kSixDb)
        return polar - step + step * double(kSixDb - previous) / double(value - previous);
      previous = value;
    }
    return 180;
  }
  double HorizontalCoverage(int band) const { return 2 * SixDbAngle(band, 0); }
  double VerticalCoverage(int band) const { return 2 * SixDbAngle(band, 90); }
  int Rear(int band) const { return At(band, 180, 0); }

 private:
  int FoldHighColumn(int a) const {
    switch (d_.fold) {
      case Fold::Quarter:
        if (a > 270) return 360 - a;
        if (a > 180) return a - 180;
        if (a > 90) return 180 - a;
        return a;
      case Fold::Half:
        return a > 180 ? 360 - a : a;
      case Fold::Full:
        break;
    }
    return a;
  }

  const Deliverable& d_;
  const std::int16_t* base_;
};

std::string Describe(const Cabinet& c) {
  return std::string(c.deliverable->name) + " " + c.name;
}

// -6 dB full coverage of a uniform line of the given length in degrees (360 when the main lobe
// never falls 6 dB inside the front half).
double LineSourceCoverage(double length, double frequency) {
  const double k = 2 * kPi * frequency / 343.0;
  const double sine = 2 * 1.8954942670339809 / (k * length);
  return sine >= 1 ? 360 : 2 * std::asin(sine) * 180 / kPi;
}

TEST(DirectivityLayout, LinkedTablesHoldExactlyTheValuesOfTheirLayout) {
  for (const Deliverable* d : kDeliverables) {
    SCOPED_TRACE(d->name);
    EXPECT_EQ(std::size_t(*d->linkedCount), d->valueCount);
    EXPECT_EQ(d->setValues * d->setCount, d->valueCount);
    EXPECT_EQ(d->lowGridValues, std::size_t(d->lowBands) * kLowRows * kLowColumns);
    EXPECT_EQ(21, d->highFirstBand + d->highBands);
    EXPECT_EQ(0u, reinterpret_cast<std::uintptr_t>(d->table) % 16);
  }
}

TEST(DirectivityValues, OnAxisIsZeroInEveryBandAndColumnOfBothGrids) {
  for (const Deliverable* d : kDeliverables) {
    for (int set = 0; set < d->setCount; ++set) {
      const SetView v(*d, set);
      for (int band = 0; band < d->lowBands; ++band)
        for (int c = 0; c < kLowColumns; ++c) ASSERT_EQ(0, v.Low(band, 0, c)) << d->name << set;
      for (int band = d->highFirstBand; band < kBands; ++band)
        for (int c = 0; c < d->highColumns; ++c) ASSERT_EQ(0, v.High(band, 0, c)) << d->name << set;
    }
  }
}

TEST(DirectivityValues, StraightBehindHoldsOneValuePerBandInBothGrids) {
  for (const Deliverable* d : kDeliverables) {
    for (int set = 0; set < d->setCount; ++set) {
      const SetView v(*d, set);
      for (int band = 0; band < d->lowBands; ++band)
        for (int c = 1; c < kLowColumns; ++c)
          ASSERT_EQ(v.Low(band, kLowRows - 1, 0), v.Low(band, kLowRows - 1, c)) << d->name << set;
      for (int band = d->highFirstBand; band < kBands; ++band)
        for (int c = 1; c < d->highColumns; ++c)
          ASSERT_EQ(v.High(band, kHighRows - 1, 0), v.High(band, kHighRows - 1, c))
              << d->name << set;
    }
  }
}

TEST(DirectivityValues, AreAttenuationsInsideTheClampWithoutRazorNulls) {
  for (const Deliverable* d : kDeliverables) {
    for (std::size_t i = 0; i < d->valueCount; ++i) {
      ASSERT_GE(d->table[i], 0) << d->name << " value " << i;
      ASSERT_LE(d->table[i], kMaxStored) << d->name << " value " << i;
    }
    // Band averaging fills the nulls of the line source: along any azimuth of the 1-degree grid
    // no value lies more than 12 dB below both of its neighbours.
    for (int set = 0; set < d->setCount; ++set) {
      const SetView v(*d, set);
      for (int band = d->highFirstBand; band < kBands; ++band)
        for (int c = 0; c < d->highColumns; ++c)
          for (int row = 1; row + 1 < kHighRows; ++row) {
            const int dip =
                v.High(band, row, c) - std::max(v.High(band, row - 1, c), v.High(band, row + 1, c));
            ASSERT_LT(dip, 1200) << d->name << set << " band " << band << " row " << row;
          }
    }
  }
}

// Every set is symmetric about the horizontal plane (azimuth a and -a) and the vertical plane
// (a and 180 - a). The folded 1-degree grids rely on the first, the mirror averaging of the
// Brenlowe and Pirrowan lookups on the second: averaging must not change a symmetric balloon.
TEST(DirectivityValues, StoredGridsAreSymmetricAboutBothPlanes) {
  for (const Deliverable* d : kDeliverables) {
    for (int set = 0; set < d->setCount; ++set) {
      const SetView v(*d, set);
      for (int band = 0; band < d->lowBands; ++band)
        for (int row = 0; row < kLowRows; ++row)
          for (int c = 0; c < kLowColumns; ++c) {
            ASSERT_EQ(v.Low(band, row, c), v.Low(band, row, (kLowColumns - c) % kLowColumns));
            ASSERT_EQ(v.Low(band, row, c), v.Low(band, row, (108 - c) % kLowColumns));
          }
      if (d->fold == Fold::Quarter) continue;  // a quarter circle has no mirror inside it
      for (int band = d->highFirstBand; band < kBands; ++band)
        for (int row = 0; row < kHighRows; ++row)
          for (int c = 0; c < d->highColumns; ++c) {
            ASSERT_EQ(v.High(band, row, c), v.High(band, row, (540 - c) % 360 % d->highColumns))
                << d->name << set << " band " << band << " row " << row << " column " << c;
            if (d->fold == Fold::Full) {
              ASSERT_EQ(v.High(band, row, c), v.High(band, row, (360 - c) % 360));
            }
          }
    }
  }
}

TEST(DirectivityCoverage, HorizontalNarrowsWithFrequencyTowardTheNominalAngle) {
  for (const Cabinet& cabinet : kCabinets) {
    SCOPED_TRACE(Describe(cabinet));
    const SetView v(cabinet);
    for (int band = 1; band < kBands; ++band)
      EXPECT_LE(v.HorizontalCoverage(band), v.HorizontalCoverage(band - 1) + 0.5) << band;
    EXPECT_GT(v.HorizontalCoverage(0), 1.5 * cabinet.horizontalNominalDeg);
    EXPECT_NEAR(cabinet.horizontalNominalDeg, v.HorizontalCoverage(20),
                0.1 * cabinet.horizontalNominalDeg);
    EXPECT_NEAR(cabinet.horizontalNominalDeg, v.HorizontalCoverage(17),
                0.12 * cabinet.horizontalNominalDeg);
  }
}

TEST(DirectivityCoverage, VerticalFollowsALineSourceOfTheFrontHeight) {
  for (const Cabinet& cabinet : kCabinets) {
    SCOPED_TRACE(Describe(cabinet));
    const SetView v(cabinet);
    for (int band = 1; band < kBands; ++band)
      EXPECT_LE(v.VerticalCoverage(band), v.VerticalCoverage(band - 1) + 0.5) << band;
    for (int band = 12; band < kBands; ++band) {
      const double expected = LineSourceCoverage(cabinet.frontHeight, kBandCentresHz[band]);
      EXPECT_NEAR(expected, v.VerticalCoverage(band), 0.1 * expected + 1.0) << band;
    }
    // A line is wide when it is short against the wavelength.
    EXPECT_GT(v.VerticalCoverage(0), 180);
  }
}

TEST(DirectivityCoverage, VerticalIsNarrowerThanHorizontalInTheUpperBands) {
  for (const Cabinet& cabinet : kCabinets) {
    SCOPED_TRACE(Describe(cabinet));
    const SetView v(cabinet);
    for (int band = 12; band < kBands; ++band)
      EXPECT_LT(v.VerticalCoverage(band), v.HorizontalCoverage(band)) << band;
  }
}

TEST(DirectivityCoverage, RearAttenuationRisesWithFrequency) {
  for (const Cabinet& cabinet : kCabinets) {
    SCOPED_TRACE(Describe(cabinet));
    const SetView v(cabinet);
    for (int band = 1; band < kBands; ++band) EXPECT_GE(v.Rear(band), v.Rear(band - 1)) << band;
    EXPECT_LT(v.Rear(0), 600);   // near omni at 100 Hz
    EXPECT_GT(v.Rear(20), 2000); // strongly shadowed at 10 kHz
  }
}

TEST(DirectivityVariants, BrenloweHAndPlainShareTheBoxButNotTheHorn) {
  for (int size = 0; size < 3; ++size) {
    const SetView h(kBrenlowe, size), plain(kBrenlowe, size + 3);
    SCOPED_TRACE(kCabinets[5 + size].name);
    // Same front: the vertical plane is identical in every band.
    for (int band = 0; band < kBands; ++band)
      for (int polar = 0; polar <= 180; polar += h.StepDegrees(band))
        ASSERT_EQ(h.At(band, polar, 90), plain.At(band, polar, 90)) << band << " " << polar;
    // The H horn is narrower wherever the waveguide controls the pattern.
    for (int band = 8; band < kBands; ++band)
      EXPECT_LT(h.HorizontalCoverage(band) + 15, plain.HorizontalCoverage(band)) << band;
  }
}

TEST(DirectivityVariants, DeeperBrenloweBoxesShadowTheRearMoreAtLowFrequencies) {
  for (int horn = 0; horn < 6; horn += 3) {
    const SetView bw11(kBrenlowe, horn), bw12(kBrenlowe, horn + 1), bw13(kBrenlowe, horn + 2);
    for (int band = 0; band <= 6; ++band) {
      EXPECT_LT(bw11.Rear(band), bw12.Rear(band)) << band;
      EXPECT_LT(bw12.Rear(band), bw13.Rear(band)) << band;
    }
  }
}

TEST(DirectivityVariants, LargerPirrowanEnclosureIsNarrowerVerticallyAndHorizontally) {
  const SetView small(kPirrowan, 0), large(kPirrowan, 1);
  for (int band = 12; band < kBands; ++band) {
    EXPECT_LT(large.VerticalCoverage(band), small.VerticalCoverage(band)) << band;
    EXPECT_LT(large.HorizontalCoverage(band), small.HorizontalCoverage(band)) << band;
  }
}

// Pirrowan stores bands 17..20 in both grids; where the grids share a direction they must
// describe the same balloon.
TEST(DirectivityVariants, PirrowanGridsAgreeWhereTheyOverlap) {
  for (int set = 0; set < kPirrowan.setCount; ++set) {
    const SetView v(kPirrowan, set);
    for (int band = kPirrowan.highFirstBand; band < kBands; ++band)
      for (int row = 0; row < kLowRows; ++row)
        for (int c = 0; c < kLowColumns; ++c)
          ASSERT_EQ(v.Low(band, row, c), v.High(band, 5 * row, 5 * c)) << set << " " << band;
  }
}

}  // namespace
