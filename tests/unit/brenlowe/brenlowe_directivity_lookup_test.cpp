// Brenlowe's lookup on a synthetic set of the shipped layout: the grid switch at band 12, the
// half fold of the upper bands and the "Horizontally symmetrical" mean of the current design.
#include "design_data.h"
#include "directivity_lookup_fixture.h"
#include "directivity_tables.h"
#include "engine_fixture.h"

namespace {
constexpr double kTolerance = 3e-3;

class BrenloweDirectivityLookupTest : public EngineTest {
 protected:
  void StoreHorizontallySymmetric(int32_t on) {
    ClaimCurrent();
    std::vector<int32_t> block = ReadBlock();
    block[design::kHorizSymmetric] = on;
    StoreValidBlock(block);
  }

  const SyntheticSet set_{{kBrenloweLowGridBands, kBrenloweHighGridFirstBand,
                           kBrenloweHighGridBands, kBrenloweHighAzimuthColumns},
                          23};
};
}  // namespace

TEST_F(BrenloweDirectivityLookupTest, UpperBandsReadTheHalfCircle) {
  EXPECT_NEAR(0.5 * (set_.ScaledLow(11, 1, 40) + set_.ScaledLow(11, 1, 41)),
              set_.Look(11, 5.0, 202.5), kTolerance);
  EXPECT_NEAR(0.5 * (set_.ScaledHigh(12, 0, 160) + set_.ScaledHigh(12, 0, 159)),
              set_.Look(12, 0.0, 200.5), kTolerance);
  EXPECT_EQ(set_.ScaledHigh(15, 180, 110), set_.LookStraightBehind(15, 250.2));
}

TEST_F(BrenloweDirectivityLookupTest, HorizontallySymmetricAveragesWithTheMirrorColumn) {
  StoreHorizontallySymmetric(1);
  EXPECT_NEAR(Bilinear(set_.MeanLow(0, 0, 0, 36), set_.MeanLow(0, 0, 1, 35),
                       set_.MeanLow(0, 1, 0, 36), set_.MeanLow(0, 1, 1, 35), 0.0, 0.5),
              set_.Look(0, 2.5, 0.0), kTolerance);
  EXPECT_NEAR(0.5 * (set_.MeanHigh(12, 0, 160, 20) + set_.MeanHigh(12, 0, 159, 21)),
              set_.Look(12, 0.0, 200.5), kTolerance);
  // The polar edge keeps its stored value.
  EXPECT_EQ(set_.ScaledHigh(15, 180, 110), set_.LookStraightBehind(15, 250.2));
}

TEST_F(BrenloweDirectivityLookupTest, WithoutTheOptionOrACurrentDesignNothingIsAveraged) {
  const double plain = Bilinear(set_.ScaledLow(0, 0, 0), set_.ScaledLow(0, 0, 1),
                                set_.ScaledLow(0, 1, 0), set_.ScaledLow(0, 1, 1), 0.0, 0.5);
  EXPECT_NEAR(plain, set_.Look(0, 2.5, 0.0), kTolerance);  // no current slot
  StoreHorizontallySymmetric(0);
  EXPECT_NEAR(plain, set_.Look(0, 2.5, 0.0), kTolerance);
}

TEST_F(BrenloweDirectivityLookupTest, EachModelCodeHasItsOwnLinkedSet) {
  for (int code : {-1, 6, 100}) EXPECT_EQ(-1, DirectivitySetIndex(code));
  const float polar = Radians(70.0), azimuth = Radians(200.0);
  for (int code = 0; code <= 5; ++code) {
    EXPECT_EQ(code, DirectivitySetIndex(code));
    EXPECT_EQ(0.0f, GetDirectivity(code, 3, 0.0f, 2.0f)) << code;
    EXPECT_GT(GetDirectivity(code, 20, polar, azimuth), 0.0f) << code;
  }
  EXPECT_EQ(0.0f, GetDirectivity(6, 20, polar, azimuth));
  EXPECT_EQ(nullptr, LinkedDirectivitySet(6));
}
