// The grid rules of the directivity lookup on small synthetic grids, independent of any
// deliverable's data: truncation, wrap, folds, polar edge, mirror means, numerics, bad angles.
#include <cmath>
#include <limits>

#include "directivity.h"
#include "directivity_lookup_fixture.h"

namespace {
constexpr DirectivityRules kDecimal = {DirectivityNumerics::kDecimalDivision, false};
constexpr DirectivityRules kScaled = {DirectivityNumerics::kScaledMultiply, false};
constexpr DirectivityRules kScaledMirrored = {DirectivityNumerics::kScaledMultiply, true};
// dB. Near the full turn a 1-degree weight is good to about 3e-5 (one float step of the angle
// over the grid step); neighbouring synthetic values differ by tens of dB.
constexpr double kTolerance = 3e-3;
}  // namespace

TEST(DirectivityLookupTest, PolarIndexIsTruncatedNotRounded) {
  const SyntheticGrid g = SyntheticGrid::FiveDegree(2);
  // 4.9 degrees lies nearer to row 1, but reads rows 0 and 1 with polar weight 0.98.
  const double expected =
      Bilinear(g.Db(1, 0, 0), g.Db(1, 0, 1), g.Db(1, 1, 0), g.Db(1, 1, 1), 0.0, 0.98);
  EXPECT_NEAR(expected, LookUpDirectivity(g.grid(), 1, Radians(4.9), 0.0f, kDecimal), kTolerance);
  // Azimuth 7.5 degrees: halfway between columns 1 and 2 on rows 3 and 4 (polar 17.5).
  const double mid = Bilinear(g.Db(0, 3, 1), g.Db(0, 3, 2), g.Db(0, 4, 1), g.Db(0, 4, 2), 0.5, 0.5);
  EXPECT_NEAR(mid, LookUpDirectivity(g.grid(), 0, Radians(17.5), Radians(7.5), kDecimal),
              kTolerance);
}

TEST(DirectivityLookupTest, AzimuthWrapsFromTheLastColumnToColumnZero) {
  const SyntheticGrid five = SyntheticGrid::FiveDegree(1);
  EXPECT_NEAR(0.5 * (five.Db(0, 0, 71) + five.Db(0, 0, 0)),
              LookUpDirectivity(five.grid(), 0, 0.0f, Radians(357.5), kDecimal), kTolerance);
  // Quarter fold: column 359 reads column 1, the wrapped neighbour 0 reads column 0.
  const SyntheticGrid quarter = SyntheticGrid::OneDegree(91, AzimuthFold::kQuarter);
  EXPECT_NEAR(0.5 * (quarter.Db(0, 0, 1) + quarter.Db(0, 0, 0)),
              LookUpDirectivity(quarter.grid(), 0, 0.0f, Radians(359.5), kDecimal), kTolerance);
  const SyntheticGrid full = SyntheticGrid::OneDegree(360, AzimuthFold::kNone);
  EXPECT_NEAR(0.5 * (full.Db(0, 0, 359) + full.Db(0, 0, 0)),
              LookUpDirectivity(full.grid(), 0, 0.0f, Radians(359.5), kDecimal), kTolerance);
}

TEST(DirectivityLookupTest, QuarterFoldReadsTheQuarterCircle) {
  const SyntheticGrid g = SyntheticGrid::OneDegree(91, AzimuthFold::kQuarter);
  struct Case {
    double azimuth;
    int column, next;
  };
  // 100 -> 80, 180 -> 0, 200 -> 20, 260 -> 80, 270 -> 90, 280 -> 80, 300 -> 60.
  const Case cases[] = {{100.5, 80, 79}, {180.5, 0, 1},   {200.5, 20, 21}, {260.5, 80, 81},
                        {270.5, 90, 89}, {280.5, 80, 79}, {300.5, 60, 59}, {80.5, 80, 81}};
  for (const Case& c : cases) {
    EXPECT_NEAR(0.5 * (g.Db(0, 2, c.column) + g.Db(0, 2, c.next)),
                LookUpDirectivity(g.grid(), 0, Radians(2.0), Radians(c.azimuth), kDecimal),
                kTolerance)
        << c.azimuth;
  }
}

TEST(DirectivityLookupTest, HalfFoldReadsTheMirrorAboveHalfATurn) {
  const SyntheticGrid g = SyntheticGrid::OneDegree(181, AzimuthFold::kHalf);
  EXPECT_NEAR(0.5 * (g.Db(0, 4, 160) + g.Db(0, 4, 159)),
              LookUpDirectivity(g.grid(), 0, Radians(4.0), Radians(200.5), kScaled), kTolerance);
  EXPECT_NEAR(0.5 * (g.Db(0, 4, 180) + g.Db(0, 4, 179)),
              LookUpDirectivity(g.grid(), 0, Radians(4.0), Radians(180.5), kScaled), kTolerance);
  EXPECT_NEAR(0.5 * (g.Db(0, 4, 1) + g.Db(0, 4, 0)),
              LookUpDirectivity(g.grid(), 0, Radians(4.0), Radians(359.5), kScaled), kTolerance);
}

TEST(DirectivityLookupTest, PolarEdgeReadsOneStoredValueWithoutInterpolation) {
  // pi x factor is exactly the last row: the stored value of column o, no azimuth weight.
  const SyntheticGrid five = SyntheticGrid::FiveDegree(1);
  EXPECT_EQ(DecimalDb(five.Stored(0, 36, 10)),
            LookUpDirectivity(five.grid(), 0, kPiF, Radians(52.5), kDecimal));
  const SyntheticGrid quarter = SyntheticGrid::OneDegree(91, AzimuthFold::kQuarter);
  EXPECT_EQ(DecimalDb(quarter.Stored(0, 180, 60)),
            LookUpDirectivity(quarter.grid(), 0, kPiF, Radians(300.5), kDecimal));
  // Neither averaged with the mirror column nor folded beyond the grid's own fold.
  const SyntheticGrid half = SyntheticGrid::OneDegree(181, AzimuthFold::kHalf);
  EXPECT_EQ(ScaledDb(half.Stored(0, 180, 110)),
            LookUpDirectivity(half.grid(), 0, kPiF, Radians(250.2), kScaledMirrored));
  const SyntheticGrid full = SyntheticGrid::OneDegree(360, AzimuthFold::kNone);
  EXPECT_EQ(ScaledDb(full.Stored(0, 180, 250)),
            LookUpDirectivity(full.grid(), 0, kPiF, Radians(250.2), kScaledMirrored));
}

TEST(DirectivityLookupTest, EachNumericsConvertsStoredValuesItsOwnWay) {
  // 2995 hundredths: 29.95 in double rounds to 29.9500008f, 2995 x 0.01f to 29.9499989f.
  SyntheticGrid g = SyntheticGrid::FiveDegree(1);
  g.Set(0, 36, 0, 2995);
  EXPECT_EQ(static_cast<float>(29.95), LookUpDirectivity(g.grid(), 0, kPiF, 0.0f, kDecimal));
  EXPECT_EQ(2995.0f * 0.01f, LookUpDirectivity(g.grid(), 0, kPiF, 0.0f, kScaled));
  EXPECT_NE(LookUpDirectivity(g.grid(), 0, kPiF, 0.0f, kDecimal),
            LookUpDirectivity(g.grid(), 0, kPiF, 0.0f, kScaled));
  // Exactly on a grid point the interpolation hands back the corner itself.
  EXPECT_EQ(ScaledDb(g.Stored(0, 0, 0)), LookUpDirectivity(g.grid(), 0, 0.0f, 0.0f, kScaled));
}

TEST(DirectivityLookupTest, MirrorMeanAveragesEveryCornerWithItsMirrorColumn) {
  const SyntheticGrid g = SyntheticGrid::FiveDegree(1);
  // Polar 2.5, azimuth 0: columns 0 and 1 with their mirrors 36 and 35, rows 0 and 1.
  const double expected = Bilinear(ScaledMeanDb(g.Stored(0, 0, 0), g.Stored(0, 0, 36)),
                                   ScaledMeanDb(g.Stored(0, 0, 1), g.Stored(0, 0, 35)),
                                   ScaledMeanDb(g.Stored(0, 1, 0), g.Stored(0, 1, 36)),
                                   ScaledMeanDb(g.Stored(0, 1, 1), g.Stored(0, 1, 35)), 0.0, 0.5);
  EXPECT_NEAR(expected, LookUpDirectivity(g.grid(), 0, Radians(2.5), 0.0f, kScaledMirrored),
              kTolerance);
  // Columns 37..71 mirror to 108 - c: 200 degrees = column 40 <-> 68, column 41 <-> 67.
  EXPECT_NEAR(0.5 * (ScaledMeanDb(g.Stored(0, 0, 40), g.Stored(0, 0, 68)) +
                     ScaledMeanDb(g.Stored(0, 0, 41), g.Stored(0, 0, 67))),
              LookUpDirectivity(g.grid(), 0, 0.0f, Radians(202.5), kScaledMirrored), kTolerance);
  // Full 1-degree circle: 200 <-> 340, 201 <-> 339.
  const SyntheticGrid full = SyntheticGrid::OneDegree(360, AzimuthFold::kNone);
  EXPECT_NEAR(0.5 * (ScaledMeanDb(full.Stored(0, 3, 200), full.Stored(0, 3, 340)) +
                     ScaledMeanDb(full.Stored(0, 3, 201), full.Stored(0, 3, 339))),
              LookUpDirectivity(full.grid(), 0, Radians(3.0), Radians(200.5), kScaledMirrored),
              kTolerance);
  // Half fold: the mirror of the folded column (200 -> 160 <-> 20, 201 -> 159 <-> 21).
  const SyntheticGrid half = SyntheticGrid::OneDegree(181, AzimuthFold::kHalf);
  EXPECT_NEAR(0.5 * (ScaledMeanDb(half.Stored(0, 3, 160), half.Stored(0, 3, 20)) +
                     ScaledMeanDb(half.Stored(0, 3, 159), half.Stored(0, 3, 21))),
              LookUpDirectivity(half.grid(), 0, Radians(3.0), Radians(200.5), kScaledMirrored),
              kTolerance);
}

TEST(DirectivityLookupTest, SelfMirroredColumnsKeepTheirStoredValue) {
  const SyntheticGrid five = SyntheticGrid::FiveDegree(1);
  for (int column : {18, 54}) {
    const float azimuth = Radians(5.0 * column);
    EXPECT_NEAR(ScaledDb(five.Stored(0, 0, column)),
                LookUpDirectivity(five.grid(), 0, 0.0f, azimuth, kScaledMirrored), kTolerance);
  }
  const SyntheticGrid full = SyntheticGrid::OneDegree(360, AzimuthFold::kNone);
  for (int column : {90, 270}) {
    EXPECT_NEAR(ScaledDb(full.Stored(0, 0, column)),
                LookUpDirectivity(full.grid(), 0, 0.0f, Radians(column), kScaledMirrored),
                kTolerance);
  }
  const SyntheticGrid half = SyntheticGrid::OneDegree(181, AzimuthFold::kHalf);
  EXPECT_NEAR(ScaledDb(half.Stored(0, 0, 90)),
              LookUpDirectivity(half.grid(), 0, 0.0f, Radians(270.0), kScaledMirrored), kTolerance);
}

TEST(DirectivityLookupTest, NearZeroAnglesIndexZeroButKeepTheirWeight) {
  const SyntheticGrid g = SyntheticGrid::FiveDegree(1);
  const double v00 = g.Db(0, 0, 0), v01 = g.Db(0, 0, 1);
  for (float azimuth : {0.0000005f, -0.0000005f}) {
    const double w = azimuth / kStep5;  // about 0.0000057 toward column 1
    EXPECT_NEAR(v00 + w * (v01 - v00), LookUpDirectivity(g.grid(), 0, 0.0f, azimuth, kDecimal),
                1e-6)
        << azimuth;
  }
  // A polar angle just below zero reads rows 0 and 1, not a row before the first.
  const double p = -0.0000009 / kStep5;
  EXPECT_NEAR(v00 + p * (g.Db(0, 1, 0) - v00),
              LookUpDirectivity(g.grid(), 0, -0.0000009f, 0.0f, kDecimal), 1e-6);
}

TEST(DirectivityLookupTest, AzimuthRoundingUpToTheFullTurnReadsColumnZero) {
  // The single-precision 2 pi lies just above the full turn; its product is one column past
  // the last. It reads column 0 of the same row.
  const float fullTurn = 6.28318530718f;
  ASSERT_EQ(72.0f, fullTurn * kFiveDegreeIndexFactor);
  const SyntheticGrid five = SyntheticGrid::FiveDegree(1);
  EXPECT_NEAR(five.Db(0, 0, 0), LookUpDirectivity(five.grid(), 0, 0.0f, fullTurn, kDecimal),
              kTolerance);
  const SyntheticGrid quarter = SyntheticGrid::OneDegree(91, AzimuthFold::kQuarter);
  EXPECT_NEAR(quarter.Db(0, 5, 0),
              LookUpDirectivity(quarter.grid(), 0, Radians(5.0), fullTurn, kDecimal), kTolerance);
  // The float just below stays in the last cell and ends next to column 0 as well.
  const float below = std::nextafter(fullTurn, 0.0f);
  EXPECT_NEAR(five.Db(0, 0, 0), LookUpDirectivity(five.grid(), 0, 0.0f, below, kDecimal),
              kTolerance);
}

TEST(DirectivityLookupTest, AnglesOutsideTheDomainStayInsideTheGrid) {
  const SyntheticGrid g = SyntheticGrid::FiveDegree(1);
  const float nan = std::numeric_limits<float>::quiet_NaN();
  const float inf = std::numeric_limits<float>::infinity();
  const float onAxis = LookUpDirectivity(g.grid(), 0, 0.0f, 0.0f, kDecimal);
  EXPECT_EQ(onAxis, LookUpDirectivity(g.grid(), 0, nan, nan, kDecimal));
  EXPECT_EQ(onAxis, LookUpDirectivity(g.grid(), 0, -1.0f, inf, kDecimal));
  // Beyond pi: the polar edge. A negative or large azimuth: the same direction within a turn.
  EXPECT_EQ(DecimalDb(g.Stored(0, 36, 0)), LookUpDirectivity(g.grid(), 0, 1e30f, -inf, kDecimal));
  EXPECT_NEAR(LookUpDirectivity(g.grid(), 0, 0.3f, Radians(352.5), kDecimal),
              LookUpDirectivity(g.grid(), 0, 0.3f, Radians(-7.5), kDecimal), kTolerance);
  EXPECT_NEAR(LookUpDirectivity(g.grid(), 0, 0.3f, Radians(7.5), kDecimal),
              LookUpDirectivity(g.grid(), 0, 0.3f, Radians(367.5), kDecimal), kTolerance);
  EXPECT_TRUE(std::isfinite(LookUpDirectivity(g.grid(), 0, 0.3f, 1e30f, kScaledMirrored)));
  EXPECT_TRUE(std::isfinite(LookUpDirectivity(g.grid(), 0, 0.3f, -1e30f, kScaledMirrored)));
}

TEST(DirectivityLookupTest, MissingGridOrBandGivesZeroDecibels) {
  const SyntheticGrid g = SyntheticGrid::FiveDegree(2);
  DirectivityGrid none = g.grid();
  none.values = nullptr;
  EXPECT_EQ(0.0f, LookUpDirectivity(none, 0, 0.5f, 0.5f, kDecimal));
  EXPECT_EQ(0.0f, LookUpDirectivity(g.grid(), 2, 0.5f, 0.5f, kDecimal));
  EXPECT_EQ(0.0f, LookUpDirectivity(g.grid(), -1, 0.5f, 0.5f, kDecimal));
}

TEST(DirectivityLookupTest, SetInTableRefusesWhatTheLinkedTableDoesNotHold) {
  std::vector<int16_t> table(30, 0);
  EXPECT_EQ(table.data() + 20, SetInTable(table.data(), 30, 3, 10, 2));
  EXPECT_EQ(nullptr, SetInTable(table.data(), 29, 3, 10, 2));  // linked data too short
  EXPECT_EQ(nullptr, SetInTable(table.data(), 30, 3, 10, 3));
  EXPECT_EQ(nullptr, SetInTable(table.data(), 30, 3, 10, -1));
  EXPECT_EQ(nullptr, SetInTable(nullptr, 30, 3, 10, 0));
}

TEST(DirectivityLookupTest, LinkedLookupStaysFiniteWhateverTheArguments) {
  const float nan = std::numeric_limits<float>::quiet_NaN();
  const float inf = std::numeric_limits<float>::infinity();
  const float angles[] = {0.0f, -0.0f, 1e-7f, 0.7f,   kPiF, 3.2f, 6.2831850f, 6.28318548f,
                          7.0f, -0.5f, 1e30f, -1e30f, nan,  inf,  -inf};
  for (int code = -2; code <= 20; ++code)
    for (int band = -1; band <= 22; ++band)
      for (float polar : angles)
        for (float azimuth : angles)
          ASSERT_TRUE(std::isfinite(GetDirectivity(code, band, polar, azimuth)))
              << code << " " << band << " " << polar << " " << azimuth;
}
