// Pirrowan's directivity lookup: one set per enclosure type; the 5-degree grid serves bands
// 0..16 (it stores all 21) and the full-circle 1-degree grid bands 17..20. Every interpolated
// corner is the mean of its direction and the mirror image across the vertical plane.
#include "directivity.h"

#include "box_levels.h"
#include "directivity_lookup.h"
#include "directivity_tables.h"

namespace {
constexpr DirectivitySetLayout kLayout = {kPirrowanLowGridBands, kPirrowanHighGridFirstBand,
                                          kPirrowanHighGridBands, kPirrowanHighAzimuthColumns,
                                          AzimuthFold::kNone};
constexpr DirectivityRules kRules = {DirectivityNumerics::kScaledMultiply, true};
}  // namespace

int DirectivitySetIndex(int enclosureType) { return ModelKindOf(enclosureType); }

float LookUpDirectivitySet(const int16_t* set, int band, float polar, float azimuth) {
  return LookUpDirectivityInSet(set, kLayout, band, polar, azimuth, kRules);
}

void LookUpDirectivitySetBands(const int16_t* set, float polar, float azimuth, float* out) {
  LookUpDirectivityBandsInSet(set, kLayout, polar, azimuth, kRules, out);
}
