// Brenlowe's directivity lookup: one set per model code 0..5; the 1-degree grid of bands 12..20
// stores the half circle 0..180 degrees. With "Horizontally symmetrical" on, every interpolated
// corner is the mean of its direction and the mirror image across the vertical plane.
#include "directivity.h"

#include "box_levels.h"
#include "design_data.h"
#include "directivity_lookup.h"
#include "directivity_tables.h"
#include "registry.h"

namespace {
constexpr DirectivitySetLayout kLayout = {kBrenloweLowGridBands, kBrenloweHighGridFirstBand,
                                          kBrenloweHighGridBands, kBrenloweHighAzimuthColumns,
                                          AzimuthFold::kHalf};

bool HorizontallySymmetric() {
  return CurrentSlot && CurrentSlot->settings[design::kHorizSymmetric] != 0;
}
}  // namespace

int DirectivitySetIndex(int code) { return ModelKindOf(code); }

float LookUpDirectivitySet(const int16_t* set, int band, float polar, float azimuth) {
  const DirectivityRules rules = {DirectivityNumerics::kScaledMultiply, HorizontallySymmetric()};
  return LookUpDirectivityInSet(set, kLayout, band, polar, azimuth, rules);
}

void LookUpDirectivitySetBands(const int16_t* set, float polar, float azimuth, float* out) {
  const DirectivityRules rules = {DirectivityNumerics::kScaledMultiply, HorizontallySymmetric()};
  LookUpDirectivityBandsInSet(set, kLayout, polar, azimuth, rules, out);
}
