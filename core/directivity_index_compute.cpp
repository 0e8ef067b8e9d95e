#include "directivity_index_compute.h"

#include <cmath>
#include <cstring>

#include "directivity_index.h"
#include "product_hooks.h"
#include "registry.h"

namespace {
constexpr double kProbeRadius = 50.0;
// Probes every second step of 5 degrees (the step being pi / 36 in single precision).
constexpr double kProbeStep = 0.08726646502812703;
constexpr int kFirstProbe = 2;
constexpr int kLastProbe = 70;

// Weight of a probe at 10, 20, .. 90 degrees from the axis; a probe at theta and at
// 180 - theta weigh the same, and the probe straight behind adds nothing.
constexpr double kWeightByTens[10] = {0.0,      0.00473,  0.008955, 0.012387, 0.01499,
                                      0.016868, 0.018166, 0.019007, 0.019478, 0.01963};

double ProbeWeight(int k) {
  int degrees = 5 * k;
  if (degrees > 180) degrees = 360 - degrees;
  if (degrees > 90) degrees = 180 - degrees;
  return kWeightByTens[degrees / 10];
}

void SetSeat(ComponentSlot& slot, double x, double y, double z) {
  slot.seatPosition[0][0] = static_cast<float>(x);
  slot.seatPosition[0][1] = static_cast<float>(y);
  slot.seatPosition[0][2] = static_cast<float>(z);
}

// Adds w(k) x 10^((L - L0) / 10) for the current seat (nothing for the probe straight behind).
void AddProbe(ResponseAtSeat response, int k, const float* onAxis, double* sum) {
  const double w = ProbeWeight(k);
  if (w == 0.0) return;
  float level[kBandCount] = {};
  float phase[kBandCount];
  float time = 0.0f;
  response(level, phase, &time);
  for (int b = 0; b < kBandCount; ++b)
    sum[b] += w * std::pow(10.0, (static_cast<double>(level[b]) - onAxis[b]) / 10.0);
}
}  // namespace

void ProbeDirectivityIndex(ResponseAtSeat response, float* table) {
  ComponentSlot* slot = CurrentSlot;
  if (!slot) return;
  std::memset(slot->arrayPosition, 0, sizeof slot->arrayPosition);
  std::memset(slot->arrayAngles, 0, sizeof slot->arrayAngles);
  BuildArrayGeometry();
  std::memset(slot->seatAngles[0], 0, sizeof slot->seatAngles[0]);
  SetSeat(*slot, 0.0, -kProbeRadius, 0.0);

  const bool evaluable = CanEvaluateCurrentSlot(1);
  float onAxis[kBandCount] = {};
  float phase[kBandCount];
  float time = 0.0f;
  if (evaluable) response(onAxis, phase, &time);

  double sum[kBandCount] = {};
  for (int k = kFirstProbe; k <= kLastProbe; k += 2) {
    const double a = k * kProbeStep;
    SetSeat(*slot, kProbeRadius * std::sin(a), -kProbeRadius * std::cos(a), 0.0);
    if (evaluable) AddProbe(response, k, onAxis, sum);
  }
  for (int k = kFirstProbe; k <= kLastProbe; k += 2) {
    const double a = k * kProbeStep;
    SetSeat(*slot, 0.0, -kProbeRadius * std::cos(a), kProbeRadius * std::sin(a));
    if (evaluable) AddProbe(response, k, onAxis, sum);
  }
  for (int b = 0; b < kBandCount; ++b)
    table[b] = sum[b] > 0.0 ? static_cast<float>(-10.0 * std::log10(sum[b])) : 0.0f;
}

void ComputeDirectivityIndex() { ProbeDirectivityIndex(EngineResponse, DirectivityIndexTable); }
