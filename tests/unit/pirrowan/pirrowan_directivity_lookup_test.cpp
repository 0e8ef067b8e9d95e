// Pirrowan's lookup on a synthetic set of the shipped layout: the grid switch at band 17, the
// unfolded full circle and the mirror mean that is always on.
#include "directivity_lookup_fixture.h"
#include "directivity_tables.h"
#include "engine_fixture.h"

namespace {
constexpr double kTolerance = 3e-3;

class PirrowanDirectivityLookupTest : public EngineTest {
 protected:
  const SyntheticSet set_{{kPirrowanLowGridBands, kPirrowanHighGridFirstBand,
                           kPirrowanHighGridBands, kPirrowanHighAzimuthColumns},
                          29};
};
}  // namespace

TEST_F(PirrowanDirectivityLookupTest, Band16ReadsTheFiveDegreeGridAndBand17TheOneDegreeGrid) {
  EXPECT_NEAR(0.5 * (set_.MeanLow(16, 0, 40, 68) + set_.MeanLow(16, 0, 41, 67)),
              set_.Look(16, 0.0, 202.5), kTolerance);
  EXPECT_NEAR(0.5 * (set_.MeanHigh(17, 0, 200, 340) + set_.MeanHigh(17, 0, 201, 339)),
              set_.Look(17, 0.0, 200.5), kTolerance);
  EXPECT_NEAR(Bilinear(set_.MeanHigh(18, 2, 200, 340), set_.MeanHigh(18, 2, 201, 339),
                       set_.MeanHigh(18, 3, 200, 340), set_.MeanHigh(18, 3, 201, 339), 0.5, 0.25),
              set_.Look(18, 2.25, 200.5), kTolerance);
  // The polar edge reads column o alone, not averaged.
  EXPECT_EQ(set_.ScaledLow(4, 36, 50), set_.LookStraightBehind(4, 250.2));
  EXPECT_EQ(set_.ScaledHigh(19, 180, 250), set_.LookStraightBehind(19, 250.2));
}

TEST_F(PirrowanDirectivityLookupTest, EachEnclosureTypeHasItsOwnLinkedSet) {
  for (int type : {-1, 2, 99}) EXPECT_EQ(-1, DirectivitySetIndex(type));
  const float polar = Radians(50.0), azimuth = Radians(80.0);
  for (int type : {0, 1}) {
    EXPECT_EQ(type, DirectivitySetIndex(type));
    EXPECT_EQ(0.0f, GetDirectivity(type, 18, 0.0f, 2.0f)) << type;
    EXPECT_GT(GetDirectivity(type, 18, polar, azimuth), 0.0f) << type;
  }
  EXPECT_NE(GetDirectivity(0, 18, polar, azimuth), GetDirectivity(1, 18, polar, azimuth));
  EXPECT_EQ(0.0f, GetDirectivity(2, 18, polar, azimuth));
  EXPECT_EQ(nullptr, LinkedDirectivitySet(2));
}
