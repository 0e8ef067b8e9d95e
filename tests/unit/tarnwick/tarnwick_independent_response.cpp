// Tarnwick's half of the independent evaluation: the cabinets' rated sensitivity and power, the
// five balloons, the three band groups of a line-array box and a mixed eight-box design.
#include <cmath>

#include "air_state.h"
#include "design_data.h"
#include "directivity.h"
#include "independent_response.h"
#include "registry.h"
#include "settings_block.h"

namespace independent {
namespace {
// The five cabinet families with measured data, in the order of their balloons: Orlex-R7,
// TK-610 (-1, BF), TK-520 (F), TK-430 (B, BF), TK-340.
int FamilyOf(int modelCode) {
  if (modelCode == 0) return 0;
  if (modelCode <= 3) return 1;
  if (modelCode <= 5) return 2;
  if (modelCode <= 8) return 3;
  return 4;
}

const double kSensitivity[5][kBandCount] = {
    {92.4, 92.9, 92.5, 92.5, 94.2, 104.6, 105.2, 103.9, 102.0, 101.8, 99.6,
     106.1, 110.0, 107.7, 110.4, 109.7, 110.1, 106.4, 103.4, 101.2, 97.3},
    {94.2, 95.8, 96.4, 96.3, 99.7, 102.6, 103.1, 102.8, 101.4, 100.8, 101.4,
     111.6, 113.6, 114.7, 114.9, 114.2, 114.7, 115.7, 115.9, 114.8, 112.6},
    {91.3, 92.4, 93.6, 94.3, 94.3, 97.1, 104.4, 104.4, 103.5, 102.8, 103.4,
     103.7, 111.6, 113.2, 114.7, 114.9, 114.5, 113.7, 113.5, 112.4, 110.5},
    {89.1, 90.2, 90.7, 91.0, 91.6, 91.1, 98.4, 99.1, 98.5, 98.8, 98.7,
     99.6, 101.6, 104.0, 109.7, 111.5, 111.3, 109.9, 108.8, 107.3, 106.1},
    {90.0, 90.5, 91.0, 91.0, 92.0, 92.9, 94.5, 96.5, 97.0, 97.0, 97.0,
     98.5, 100.0, 102.0, 107.0, 107.0, 108.0, 109.5, 110.5, 111.0, 112.0},
};

// Power rating in watts as runs {last band of the run, watts}.
struct Run {
  int lastBand;
  double watts;
};
const Run kPower[5][7] = {
    {{4, 4000}, {10, 1400}, {20, 600}},
    {{3, 2000}, {10, 1400}, {20, 225}},
    {{5, 2000}, {11, 600}, {20, 150}},
    {{5, 1000}, {20, 225}},
    {{4, 500}, {5, 400}, {6, 300}, {12, 200}, {13, 150}, {20, 50}},
};

double LevelAt1m(int family, int band) {
  const Run* run = kPower[family];
  while (run->lastBand < band) ++run;
  return 10.0 * std::log10(run->watts) + kSensitivity[family][band];
}

// Three sub-sources per box in bands 0..11 (points 1, 4, 7 of the nine along the front), all
// nine in bands 12..16, the eighteen-point set in bands 17..20.
struct BandGroup {
  int firstBand, bandCount, perBox;
};
constexpr BandGroup kGroups[] = {{0, 12, 3}, {12, 5, 9}, {17, 4, 18}};

const float* SourcePoint(const ComponentSlot& slot, int group, int box, int k) {
  if (group == 0) return slot.sourcePos9[9 * box + 1 + 3 * k];
  if (group == 1) return slot.sourcePos9[9 * box + k];
  return slot.sourcePos18[18 * box + k];
}
}  // namespace

std::vector<Group> SourceGroups(const double* seat) {
  const ComponentSlot& slot = *CurrentSlot;
  const int32_t* words = slot.settings;
  const int n = words[design::kBoxCount];
  double air[kBandCount] = {};
  if (words[design::kExcessAir] != 0)
    for (int b = 0; b < kBandCount; ++b)
      air[b] = AirAbsorption(Air.temperature, Air.pressure, Air.humidity, BandCentres[b]);

  std::vector<Group> groups;
  for (const BandGroup& g : kGroups) groups.push_back({g.firstBand, g.bandCount, {}});
  for (int box = 0; box < n; ++box) {
    const int family = FamilyOf(words[design::kModelCode + box]);
    const int16_t* set = LinkedDirectivitySet(family);
    const Grid fiveDegree = {set, 5.0, 72, Fold::kNone};
    const Grid oneDegree = {set + 12 * 37 * 72, 1.0, 91, Fold::kQuarter};
    // The box's aim and its direction toward the seat are those of its middle point.
    const Direction toSeat =
        DirectionFromBox(slot.sourcePos9[9 * box + 4], slot.sourceAngles[9 * box + 4], seat);
    const double gain = words[design::kGain + box] / 10.0;
    const double delay = words[design::kDelay + box] * 1e-6;
    const int32_t* eqRow = &words[design::kEqRows + 6 * box];

    for (int g = 0; g < 3; ++g) {
      const BandGroup& group = kGroups[g];
      for (int k = 0; k < group.perBox; ++k) {
        const double d = Distance(SourcePoint(slot, g, box, k), seat);
        Source source{box, d / Air.speedOfSound + delay, {}};
        for (int band = group.firstBand; band < group.firstBand + group.bandCount; ++band) {
          const double directivity = band < 12 ? LookUp(fiveDegree, band, toSeat, false)
                                               : LookUp(oneDegree, band - 12, toSeat, false);
          source.level[band] = LevelAt1m(family, band) + slot.filterGain[band] - air[band] * d -
                               SpreadingLoss(d) - directivity + gain +
                               EqualiserStep(eqRow, band) - 20.0 * std::log10(group.perBox);
        }
        groups[g].sources.push_back(source);
      }
    }
  }
  return groups;
}

int SetMixedDesign(std::vector<int32_t>& block) {
  // Orlex-R7 on top, three TK-610, two TK-520 through a TK-900-RK frame, a TK-430 through a
  // TK-900-PK frame and a TK-340 at the bottom, each splay within its junction's limit.
  const int model[8] = {0, 1, 1, 1, 4, 4, 6, 9};
  const int junction[8] = {-1, -1, -1, -1, 1, -1, 3, -1};
  const int splay[8] = {0, 1, 2, 4, 5, 6, 7, 10};
  const int gain[8] = {-20, 0, 0, 15, 0, -35, 0, 30};
  const int delay[8] = {0, 0, 120, 0, 0, 0, 45, 0};
  block[design::kExcessAir] = 1;
  block[design::kAiming] = 15;  // 1.5 degrees down
  for (int b = 0; b < 8; ++b) {
    block[design::kModelCode + b] = model[b];
    block[design::kJunctionCode + b] = junction[b];
    if (b > 0) block[design::kSplayBase + b] = splay[b];
    block[design::kGain + b] = gain[b];
    block[design::kDelay + b] = delay[b];
  }
  int16_t eq[kBandCount] = {};
  eq[3] = -6;
  eq[14] = 4;
  PackEqGains(eq, &block[design::kEqRows + 6 * 1]);
  int16_t eqLow[kBandCount] = {};
  eqLow[18] = EQ_GAIN_OFF;
  eqLow[0] = -18;
  PackEqGains(eqLow, &block[design::kEqRows + 6 * 6]);
  return 8;
}

}  // namespace independent
