// Pirrowan's half of the independent evaluation: the two enclosure types' rated sensitivity and
// power and their balloons (always averaged left to right), six sub-sources per box radiating
// every band, the per-box high-frequency step, and a six-box arc with mixed steps.
#include <cmath>

#include "design_data.h"
#include "independent_response.h"
#include "registry.h"

namespace independent {
namespace {
// PW-21S at 800 W, PW-22S at 1600 W in every band.
const double kSensitivity[2][kBandCount] = {
    {85, 86, 87, 87, 87, 88, 88, 88, 89, 89, 90, 90, 90, 89, 90, 91, 92, 92, 92, 93, 92},
    {91, 92, 93, 94, 94, 94, 94, 94, 95, 95, 95, 96, 96, 94, 94, 94, 95, 95, 96, 97, 97},
};
const double kWatts[2] = {800.0, 1600.0};

double LevelAt1m(int type, int band) {
  return 10.0 * std::log10(kWatts[type]) + kSensitivity[type][band];
}

// The "+3", "0" and "-3" settings lift 1.6 kHz by 2, 1 or 0 dB and 2 kHz and up by 6, 3 or 0 dB.
double HighFrequencyStep(int32_t index, int band) {
  if (index < 0 || index > 2 || band < 12) return 0.0;
  return (band == 12 ? 1.0 : 3.0) * (2 - index);
}

double AttenuationAndStep(const int32_t* words, int box, int band) {
  return -words[design::kAttenuation + box] / 10.0 +
         HighFrequencyStep(words[design::kHfLevelIndex + box], band);
}

const float* SubSource(const ComponentSlot& slot, int, int box, int k) {
  return slot.sourcePos6[6 * box + k];
}

// A box is aimed like its third sub-source and seen from between its middle two.
Direction ToSeat(const ComponentSlot& slot, int box, const double* seat) {
  float middle[3];
  for (int k = 0; k < 3; ++k)
    middle[k] = 0.5f * (slot.sourcePos6[6 * box + 2][k] + slot.sourcePos6[6 * box + 3][k]);
  return DirectionFromBox(middle, slot.sourceAngles[6 * box + 2], seat);
}

// One enclosure type for the whole array.
int EnclosureType(const int32_t* words, int) { return words[design::kEnclosureType]; }
bool AlwaysMirrored(const int32_t*) { return true; }
}  // namespace

const ArrayModel& DeliverableArray() {
  // Six sub-sources per box radiate every band. Both grids store the full circle: 21 bands on
  // 5 degrees (read up to band 16), then bands 17..20 on 1 degree.
  static const ArrayModel array{{{0, kBandCount, 6}}, SubSource,
                                ToSeat,               EnclosureType,
                                LevelAt1m,            AttenuationAndStep,
                                AlwaysMirrored,       {17, 21 * 37 * 72, 360, Fold::kNone}};
  return array;
}

int SetMixedDesign(std::vector<int32_t>& block) {
  // Six PW-22S on their fixed arc aimed 4 degrees down, with every high-frequency setting.
  const int step[6] = {0, 1, 2, 1, 0, 2};
  const int attenuation[6] = {20, 0, 0, 35, 0, 10};
  const int delay[6] = {0, 0, 120, 0, 0, 0};
  block[design::kEnclosureType] = 1;
  block[design::kExcessAir] = 1;
  block[design::kAiming] = 40;
  for (int b = 0; b < 6; ++b) {
    block[design::kHfLevelIndex + b] = step[b];
    block[design::kAttenuation + b] = attenuation[b];
    block[design::kDelay + b] = delay[b];
  }
  SetMixedEqualisers(block, 1, 5);
  return 6;
}

}  // namespace independent
