// Brenlowe's half of the independent evaluation: the six cabinets' rated sensitivity and power,
// their balloons (half circle in the upper bands, optionally averaged left to right), line-array
// boxes with an attenuation each and a mixed eight-box design.
#include <cmath>

#include "design_data.h"
#include "independent_line_array.h"

namespace independent {
namespace {
// BW-11H, BW-12H, BW-13H, BW-11, BW-12, BW-13, one balloon each in this order.
const double kSensitivity[6][kBandCount] = {
    {95.9, 96.7, 98.9, 95.8, 104.7, 106.8, 107.9, 109.0, 108.0, 108.0, 106.6,
     103.7, 104.7, 114.5, 115.0, 115.0, 115.0, 114.0, 113.0, 113.0, 110.0},
    {99.6, 102.9, 103.0, 100.0, 103.0, 107.0, 109.9, 111.0, 112.0, 110.0, 109.0,
     108.9, 109.0, 116.9, 117.0, 117.0, 116.0, 116.0, 115.0, 113.0, 109.8},
    {98.0, 100.8, 99.7, 96.8, 103.6, 107.6, 108.5, 108.8, 111.0, 110.9, 111.0,
     108.9, 110.0, 119.0, 119.0, 119.0, 119.0, 119.0, 119.0, 116.0, 112.9},
    {95.8, 97.3, 98.3, 95.9, 101.2, 104.5, 105.9, 105.9, 105.9, 106.0, 106.9,
     105.4, 105.2, 115.0, 115.0, 115.0, 115.0, 113.9, 114.9, 115.0, 111.9},
    {100.0, 102.9, 102.8, 99.6, 98.8, 103.9, 108.0, 107.0, 109.0, 109.0, 109.0,
     108.0, 107.7, 117.0, 118.0, 117.0, 117.0, 117.0, 117.0, 113.6, 108.9},
    {97.7, 100.5, 100.0, 96.9, 100.9, 106.0, 107.0, 107.0, 109.0, 111.0, 112.0,
     110.0, 110.0, 119.0, 119.0, 120.0, 119.0, 120.0, 120.0, 119.0, 116.0},
};

double LevelAt1m(int model, int band) {
  // The H versions take 1400 W in bands 4..12 and 450 W above, the others half of that.
  const bool h = model <= 2;
  const double watts = band <= 3 ? 1200.0 : band <= 12 ? (h ? 1400.0 : 700.0) : (h ? 450.0 : 225.0);
  return 10.0 * std::log10(watts) + kSensitivity[model][band];
}

int Model(const int32_t* words, int box) { return words[design::kModelCode + box]; }
double Attenuation(const int32_t* words, int box, int) {
  return -words[design::kAttenuation + box] / 10.0;
}
bool Symmetric(const int32_t* words) { return words[design::kHorizSymmetric] != 0; }
}  // namespace

const ArrayModel& DeliverableArray() {
  // Bands 12..20 are read from a 1-degree half circle after the twelve 5-degree bands.
  static const ArrayModel array{LineArrayGroups(), LineArraySubSource, LineArrayToSeat,
                                Model,             LevelAt1m,          Attenuation,
                                Symmetric,         {12, 12 * 37 * 72, 181, Fold::kHalf}};
  return array;
}

int SetMixedDesign(std::vector<int32_t>& block) {
  // Three BW-11H, two BW-12H, a BW-12 and two BW-13H, hinged ever further down; some hinges
  // fall below the mean nominal angle of their two boxes (front hinge), others above (rear).
  const int model[8] = {0, 0, 0, 1, 1, 4, 2, 2};
  const int hinge[8] = {0, 10, 20, 95, 50, 60, 80, 100};
  const int attenuation[8] = {20, 0, 0, 0, 35, 0, 0, 10};
  const int delay[8] = {0, 0, 120, 0, 0, 0, 45, 0};
  block[design::kExcessAir] = 1;
  block[design::kHorizSymmetric] = 1;
  block[design::kAiming] = 20;  // 2 degrees down
  for (int b = 0; b < 8; ++b) {
    block[design::kModelCode + b] = model[b];
    if (b > 0) block[design::kHingeBase + b] = hinge[b];
    block[design::kAttenuation + b] = attenuation[b];
    block[design::kDelay + b] = delay[b];
  }
  SetMixedEqualisers(block, 1, 6);
  return 8;
}

}  // namespace independent
