// Pirrowan's half of the independent evaluation: the two enclosure types' rated sensitivity and
// power and their balloons (always averaged left to right), six sub-sources per box radiating
// every band, the per-box high-frequency step, and a six-box arc with mixed steps.
#include <cmath>

#include "air_state.h"
#include "design_data.h"
#include "directivity.h"
#include "independent_response.h"
#include "registry.h"
#include "settings_block.h"

namespace independent {
namespace {
// PW-21S at 800 W, PW-22S at 1600 W in every band.
const double kSensitivity[2][kBandCount] = {
    {85, 86, 87, 87, 87, 88, 88, 88, 89, 89, 90, 90, 90, 89, 90, 91, 92, 92, 92, 93, 92},
    {91, 92, 93, 94, 94, 94, 94, 94, 95, 95, 95, 96, 96, 94, 94, 94, 95, 95, 96, 97, 97},
};
const double kWatts[2] = {800.0, 1600.0};

// The "+3", "0" and "-3" settings lift 1.6 kHz by 2, 1 or 0 dB and 2 kHz and up by 6, 3 or 0 dB.
double HighFrequencyStep(int32_t index, int band) {
  if (index < 0 || index > 2 || band < 12) return 0.0;
  return (band == 12 ? 1.0 : 3.0) * (2 - index);
}
}  // namespace

std::vector<Group> SourceGroups(const double* seat) {
  const ComponentSlot& slot = *CurrentSlot;
  const int32_t* words = slot.settings;
  const int n = words[design::kBoxCount];
  const int type = words[design::kEnclosureType];
  double air[kBandCount] = {};
  if (words[design::kExcessAir] != 0)
    for (int b = 0; b < kBandCount; ++b)
      air[b] = AirAbsorption(Air.temperature, Air.pressure, Air.humidity, BandCentres[b]);

  // Both grids store the full circle: 21 bands on 5 degrees (read up to band 16), then bands
  // 17..20 on 1 degree.
  const int16_t* set = LinkedDirectivitySet(type);
  const Grid fiveDegree = {set, 5.0, 72, Fold::kNone};
  const Grid oneDegree = {set + 21 * 37 * 72, 1.0, 360, Fold::kNone};

  Group group{0, kBandCount, {}};
  for (int box = 0; box < n; ++box) {
    // A box is aimed like its third sub-source and seen from between its middle two.
    float middle[3];
    for (int k = 0; k < 3; ++k)
      middle[k] = 0.5f * (slot.sourcePos6[6 * box + 2][k] + slot.sourcePos6[6 * box + 3][k]);
    const Direction toSeat = DirectionFromBox(middle, slot.sourceAngles[6 * box + 2], seat);
    const double attenuation = words[design::kAttenuation + box] / 10.0;
    const double delay = words[design::kDelay + box] * 1e-6;
    const int32_t* eqRow = &words[design::kEqRows + 6 * box];
    const int32_t step = words[design::kHfLevelIndex + box];

    for (int k = 0; k < 6; ++k) {
      const double d = Distance(slot.sourcePos6[6 * box + k], seat);
      Source source{box, d / Air.speedOfSound + delay, {}};
      for (int band = 0; band < kBandCount; ++band) {
        const double directivity = band < 17 ? LookUp(fiveDegree, band, toSeat, true)
                                             : LookUp(oneDegree, band - 17, toSeat, true);
        source.level[band] = 10.0 * std::log10(kWatts[type]) + kSensitivity[type][band] +
                             slot.filterGain[band] - air[band] * d - SpreadingLoss(d) -
                             directivity - attenuation + EqualiserStep(eqRow, band) +
                             HighFrequencyStep(step, band) - 20.0 * std::log10(6.0);
      }
      group.sources.push_back(source);
    }
  }
  return {group};
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
  int16_t eq[kBandCount] = {};
  eq[3] = -6;
  eq[14] = 4;
  PackEqGains(eq, &block[design::kEqRows + 6 * 1]);
  int16_t eqLow[kBandCount] = {};
  eqLow[18] = EQ_GAIN_OFF;
  eqLow[0] = -18;
  PackEqGains(eqLow, &block[design::kEqRows + 6 * 5]);
  return 6;
}

}  // namespace independent
