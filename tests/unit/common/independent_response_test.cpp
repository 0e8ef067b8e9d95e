// The engine's response and directivity index of a real multi-box design against the independent
// double-precision evaluation, band by band, at seats all round the array.
#include <algorithm>
#include <cmath>

#include "box_levels.h"
#include "directivity_index.h"
#include "directivity_index_compute.h"
#include "frequency_response_fixture.h"
#include "independent_response.h"
#include "registry.h"

namespace {
// The single-precision steps the engine may take (band levels held in floats near 100 dB,
// the box aim's sines and cosines and the pair sines from four-lane approximations good to about
// 1.5e-4, arrival times in floats) keep a response within a few thousandths of a dB of the exact
// sums: evaluated that way throughout, Tarnwick's design stays within 0.008 dB of the
// independent evaluation at every seat below (the engine's own sums come within 0.0002 dB). A wrong level table row, lookup cell, gain sign, split,
// equaliser byte, air term or pair term costs far more than this.
constexpr double kTolerance = 0.01;

class IndependentResponseTest : public ResponseTest {
 protected:
  // The deliverable's mixed design, possibly edited, stored and placed off the origin, turned
  // and tilted, with a host filter that is not flat.
  void StoreMixedDesign(const std::function<void(std::vector<int32_t>&)>& edit = {}) {
    std::vector<int32_t> block(product::kBlockWords, 0);
    boxes_ = independent::SetMixedDesign(block);
    block[design::kBoxCount] = boxes_;
    if (edit) edit(block);
    StoreValidBlock(block);
    PlaceArray(1.5f, 2.0f, 9.0f, 15.0f, -4.0f, 0.0f);
    float gain[kBandCount] = {}, phase[kBandCount] = {};
    gain[2] = -3.0f;
    gain[19] = -10.5f;
    ASSERT_EQ(0, IP_SetFilter(gain, phase));
  }

  Response ExportAt(const double* seat) {
    SetSeat(static_cast<float>(seat[0]), static_cast<float>(seat[1]),
            static_cast<float>(seat[2]));
    return Export();
  }

  int boxes_ = 0;
};

// Near and far, on the axis of the upper boxes and well off it, above and below the array and
// behind it; the array hangs 9 m up at (1.5, 2), turned 15 degrees and tilted 4 degrees down.
constexpr double kSeats[][3] = {{1.0, -2.5, 7.0},   {3.0, -70.0, 1.5},  {30.0, -15.0, 2.0},
                                {-6.0, -8.0, 16.0}, {2.0, -4.0, -1.0},  {-20.0, -40.0, 0.0},
                                {4.0, 9.0, 8.0}};

TEST_F(IndependentResponseTest, MixedArrayMatchesTheIndependentEvaluationAtEverySeat) {
  StoreMixedDesign();
  ASSERT_GE(boxes_, 6);
  for (const auto& seat : kSeats) {
    const Response engine = ExportAt(seat);
    ASSERT_EQ(0, engine.result);
    const independent::BandLevels expected = independent::Response(seat);
    for (int b = 0; b < kBandCount; ++b)
      EXPECT_NEAR(expected[b], engine.level[b], kTolerance)
          << "band " << b << " seat " << seat[0] << ", " << seat[1] << ", " << seat[2];
  }
}

// Delaying one box moves only its sub-sources in time, so the response changes by exactly what
// the pair terms between that box and the others change; the same delay on its neighbour, or
// none at all, would change the response differently.
TEST_F(IndependentResponseTest, DelayingOneBoxChangesOnlyThatBoxsPairTerms) {
  const double seat[3] = {2.0, -12.0, 3.0};
  StoreMixedDesign();
  const int delayed = boxes_ / 2 + 1;
  const Response plain = ExportAt(seat);
  const std::vector<independent::Group> before = independent::SourceGroups(seat);

  constexpr int kDelayMicroseconds = 370;
  StoreMixedDesign([delayed](std::vector<int32_t>& block) {
    block[design::kDelay + delayed] += kDelayMicroseconds;
  });
  const Response later = ExportAt(seat);
  const independent::BandLevels expected =
      independent::SumGroups(independent::SourceGroups(seat));

  // The evaluation of the design before the change with the delay put on box `box` by hand.
  auto delayedBy = [&before](int box) {
    std::vector<independent::Group> groups = before;
    for (independent::Group& g : groups)
      for (independent::Source& s : g.sources)
        if (s.box == box) s.time += kDelayMicroseconds * 1e-6;
    return independent::SumGroups(groups);
  };
  const independent::BandLevels byHand = delayedBy(delayed);
  const independent::BandLevels neighbour = delayedBy(delayed - 1);
  const independent::BandLevels undelayed = independent::SumGroups(before);

  double offNeighbour = 0.0, offUndelayed = 0.0;
  for (int b = 0; b < kBandCount; ++b) {
    const double change = later.level[b] - plain.level[b];
    EXPECT_NEAR(expected[b] - undelayed[b], change, kTolerance) << "band " << b;
    EXPECT_NEAR(expected[b], byHand[b], 1e-9) << "band " << b;
    offNeighbour = std::max(offNeighbour, std::fabs(neighbour[b] - later.level[b]));
    offUndelayed = std::max(offUndelayed, std::fabs(undelayed[b] - later.level[b]));
  }
  EXPECT_GT(offNeighbour, 20 * kTolerance);
  EXPECT_GT(offUndelayed, 20 * kTolerance);
}

TEST_F(IndependentResponseTest, DirectivityIndexOfTheMixedArrayMatchesTheIndependentProbe) {
  StoreMixedDesign();
  SetSeat(3.0f, -7.0f, 1.0f);
  ComputeDirectivityIndex();

  // The probe leaves the array at the origin with the geometry built there, the seat at the
  // last point of the vertical circle.
  const ComponentSlot& slot = *CurrentSlot;
  for (int k = 0; k < 3; ++k) {
    EXPECT_EQ(0.0f, slot.arrayPosition[k]);
    EXPECT_EQ(0.0f, slot.arrayAngles[k]);
  }
  EXPECT_EQ(0.0f, slot.seatPosition[0][0]);
  EXPECT_NEAR(-49.24039f, slot.seatPosition[0][1], 1e-5f);
  EXPECT_NEAR(-8.6824007f, slot.seatPosition[0][2], 1e-5f);
  std::vector<float> probed;
  for (int c = 1; c <= DLLGetComponents(); ++c) {
    float p[3];
    ASSERT_EQ(0, CI_GetCompPosition3fv(c, p));
    probed.insert(probed.end(), p, p + 3);
  }

  const independent::BandLevels expected = independent::DirectivityIndex();
  float reported[kBandCount];
  if (product::kReportsDirectivityIndex) {
    ASSERT_EQ(0, DLLGetDirectivity(reported));
  }
  for (int b = 0; b < kBandCount; ++b) {
    float index = -7.0f;
    ASSERT_EQ(0, CI_GetCompDirectivity(0, b + 1, &index));
    EXPECT_NEAR(expected[b], index, kTolerance) << "band " << b;
    if (product::kReportsDirectivityIndex) {
      EXPECT_EQ(index, reported[b]);
    }
  }

  // The same geometry as the host gets by placing the array at the origin itself.
  PlaceArray(0.0f, 0.0f, 0.0f);
  for (int c = 1; c <= DLLGetComponents(); ++c) {
    float p[3];
    ASSERT_EQ(0, CI_GetCompPosition3fv(c, p));
    for (int k = 0; k < 3; ++k) EXPECT_EQ(probed[3 * (c - 1) + k], p[k]) << c;
  }
}
}  // namespace
