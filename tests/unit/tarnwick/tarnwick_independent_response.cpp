// Tarnwick's half of the independent evaluation: the cabinets' rated sensitivity and power, the
// five balloons, line-array boxes with a gain each and a mixed eight-box design.
#include <cmath>

#include "design_data.h"
#include "independent_line_array.h"

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

int FamilyOfBox(const int32_t* words, int box) { return FamilyOf(words[design::kModelCode + box]); }
double Gain(const int32_t* words, int box, int) { return words[design::kGain + box] / 10.0; }
bool NoMirror(const int32_t*) { return false; }
}  // namespace

const ArrayModel& DeliverableArray() {
  // Bands 12..20 are read from a 1-degree quarter circle after the twelve 5-degree bands.
  static const ArrayModel array{LineArrayGroups(), LineArraySubSource, LineArrayToSeat,
                                FamilyOfBox,       LevelAt1m,          Gain,
                                NoMirror,          {12, 12 * 37 * 72, 91, Fold::kQuarter}};
  return array;
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
  SetMixedEqualisers(block, 1, 6);
  return 8;
}

}  // namespace independent
