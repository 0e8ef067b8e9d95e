// Tarnwick's lookup on a synthetic set of the shipped layout: the grid switch at band 12, the
// quarter fold of the upper bands, the polar edge, and which model codes have a set.
#include "directivity_lookup_fixture.h"
#include "directivity_tables.h"
#include "engine_fixture.h"

namespace {
constexpr double kTolerance = 3e-3;

class TarnwickDirectivityLookupTest : public EngineTest {
 protected:
  const SyntheticSet set_{{kTarnwickLowGridBands, kTarnwickHighGridFirstBand,
                           kTarnwickHighGridBands, kTarnwickHighAzimuthColumns},
                          17};
  double Low(int band, int row, int column) const { return DecimalDb(set_.Low(band, row, column)); }
  double High(int band, int row, int column) const {
    return DecimalDb(set_.High(band, row, column));
  }
};
}  // namespace

TEST_F(TarnwickDirectivityLookupTest, Band11ReadsTheFiveDegreeGridAndBand12TheOneDegreeGrid) {
  EXPECT_NEAR(Bilinear(Low(11, 0, 1), Low(11, 0, 2), Low(11, 1, 1), Low(11, 1, 2), 0.5, 0.5),
              set_.Look(11, 2.5, 7.5), kTolerance);
  EXPECT_NEAR(Bilinear(High(12, 2, 7), High(12, 2, 8), High(12, 3, 7), High(12, 3, 8), 0.5, 0.5),
              set_.Look(12, 2.5, 7.5), kTolerance);
  EXPECT_NEAR(Bilinear(Low(0, 0, 0), Low(0, 0, 0), Low(0, 1, 0), Low(0, 1, 0), 0.0, 0.98),
              set_.Look(0, 4.9, 0.0), kTolerance);
}

TEST_F(TarnwickDirectivityLookupTest, OnlyTheUpperBandsAreFolded) {
  // 100.5, 260.5 and 280.5 degrees read around column 80 in band 20 ...
  EXPECT_NEAR(0.5 * (High(20, 9, 80) + High(20, 9, 79)), set_.Look(20, 9.0, 100.5), kTolerance);
  EXPECT_NEAR(0.5 * (High(20, 9, 80) + High(20, 9, 81)), set_.Look(20, 9.0, 260.5), kTolerance);
  EXPECT_NEAR(0.5 * (High(20, 9, 80) + High(20, 9, 79)), set_.Look(20, 9.0, 280.5), kTolerance);
  // ... and their own columns of the full circle in band 11.
  EXPECT_NEAR(0.5 * (Low(11, 2, 20) + Low(11, 2, 21)), set_.Look(11, 10.0, 102.5), kTolerance);
}

TEST_F(TarnwickDirectivityLookupTest, StraightBehindReadsTheLastRow) {
  EXPECT_EQ(static_cast<float>(Low(0, 36, 10)), set_.LookStraightBehind(0, 52.5));
  EXPECT_EQ(static_cast<float>(High(20, 180, 60)), set_.LookStraightBehind(20, 300.5));
}

TEST_F(TarnwickDirectivityLookupTest, NoSetOrBandOutsideTheBandsGivesZero) {
  EXPECT_EQ(0.0f, LookUpDirectivitySet(nullptr, 3, 0.5f, 0.5f));
  EXPECT_EQ(0.0f, set_.Look(21, 30.0, 30.0));
  EXPECT_EQ(0.0f, set_.Look(-1, 30.0, 30.0));
}

TEST_F(TarnwickDirectivityLookupTest, ModelCodesShareSetsByCabinetFamily) {
  const int expected[] = {0, 1, 1, 1, 2, 2, 3, 3, 3, 4};
  for (int code = 0; code <= 9; ++code) EXPECT_EQ(expected[code], DirectivitySetIndex(code));
  for (int code : {-1, 10, 12, 18, 19, 1000}) EXPECT_EQ(-1, DirectivitySetIndex(code)) << code;
}

TEST_F(TarnwickDirectivityLookupTest, LinkedSetsServeTheCabinetFamilies) {
  for (int code = 0; code <= 9; ++code) {
    EXPECT_NE(nullptr, LinkedDirectivitySet(DirectivitySetIndex(code)));
    EXPECT_EQ(0.0f, GetDirectivity(code, 15, 0.0f, 1.0f)) << code;  // on axis
  }
  EXPECT_EQ(nullptr, LinkedDirectivitySet(5));
  const float polar = Radians(60.0), azimuth = Radians(30.0);
  EXPECT_EQ(GetDirectivity(1, 8, polar, azimuth), GetDirectivity(3, 8, polar, azimuth));
  EXPECT_NE(GetDirectivity(0, 8, polar, azimuth), GetDirectivity(9, 8, polar, azimuth));
  // Codes without measured data give 0 dB, also straight behind the box.
  EXPECT_GT(GetDirectivity(4, 20, kPiF, 0.0f), 0.0f);
  for (int code : {-1, 10, 18, 25}) EXPECT_EQ(0.0f, GetDirectivity(code, 20, kPiF, 0.0f));
}
