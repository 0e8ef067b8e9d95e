// Tarnwick: a box of model code 12 has no directivity set and radiates its low group from one
// point, its centre, so in bands 0..11 it is a point source and its index follows from the probe
// positions and weights alone.
#include <cmath>

#include "directivity_index.h"
#include "directivity_index_compute.h"
#include "frequency_response_fixture.h"
#include "registry.h"

namespace {
// Weight of a probe k (5k degrees round the circle), by its angle from the axis.
double Weight(int k) {
  static const double kByTens[10] = {0.0,      0.00473,  0.008955, 0.012387, 0.01499,
                                     0.016868, 0.018166, 0.019007, 0.019478, 0.01963};
  int degrees = 5 * k > 180 ? 360 - 5 * k : 5 * k;
  if (degrees > 90) degrees = 180 - degrees;
  return kByTens[degrees / 10];
}

float DistanceFrom(const float* centre, double x, double y, double z) {
  const float seat[3] = {static_cast<float>(x), static_cast<float>(y), static_cast<float>(z)};
  return GetPointDistance(centre, seat);
}

TEST_F(ResponseTest, PointSourceIndexFollowsFromTheProbeCirclesAndWeights) {
  StoreDesign(1, [](std::vector<int32_t>& block) { block[design::kModelCode] = 12; });
  ComputeDirectivityIndex();
  const float* centre = CurrentSlot->boxCentrePos[0];
  ASSERT_LT(centre[2], -0.1f);  // the centre hangs below the origin

  const double onAxis = DistanceFrom(centre, 0.0, -50.0, 0.0);
  double sum = 0.0;
  double weights = 0.0;
  for (int k = 2; k <= 70; k += 2) {
    const double a = k * 0.08726646502812703;
    const double horizontal = DistanceFrom(centre, 50 * std::sin(a), -50 * std::cos(a), 0.0);
    const double vertical = DistanceFrom(centre, 0.0, -50 * std::cos(a), 50 * std::sin(a));
    sum += Weight(k) * (std::pow(onAxis / horizontal, 2) + std::pow(onAxis / vertical, 2));
    weights += 2 * Weight(k);
  }
  EXPECT_NEAR(0.995168, weights, 1e-6);
  const double expected = -10.0 * std::log10(sum);
  for (int b = 0; b < 12; ++b) EXPECT_NEAR(expected, DirectivityIndexTable[b], 1e-4) << b;
}
}  // namespace
