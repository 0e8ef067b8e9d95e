// Tarnwick's directivity lookup: five sets over model codes 0..9; the 1-degree grid of bands
// 12..20 stores the quarter circle 0..90 degrees and is read folded.
#include "directivity.h"

#include "box_levels.h"
#include "directivity_lookup.h"
#include "directivity_tables.h"

namespace {
constexpr int kLastCodeWithSet = 9;  // codes 10..18 name cabinets without measured data
constexpr DirectivitySetLayout kLayout = {kTarnwickLowGridBands, kTarnwickHighGridFirstBand,
                                          kTarnwickHighGridBands, kTarnwickHighAzimuthColumns,
                                          AzimuthFold::kQuarter};
constexpr DirectivityRules kRules = {DirectivityNumerics::kDecimalDivision, false};
}  // namespace

int DirectivitySetIndex(int code) {
  return code >= 0 && code <= kLastCodeWithSet ? ModelKindOf(code) : -1;
}

float LookUpDirectivitySet(const int16_t* set, int band, float polar, float azimuth) {
  return LookUpDirectivityInSet(set, kLayout, band, polar, azimuth, kRules);
}

void LookUpDirectivitySetBands(const int16_t* set, float polar, float azimuth, float* out) {
  LookUpDirectivityBandsInSet(set, kLayout, polar, azimuth, kRules, out);
}
