// Brenlowe's box levels: one table per model code 0..5, levels by band group.
#include "box_levels_grouped.h"
#include "design_data.h"
#include "product_config.h"

static_assert(design::kEqRowCapacity >= product::kMaxBoxes, "an EqGain row for every box");

int ModelKindOf(int code) { return code >= 0 && code < product::kModelKinds ? code : -1; }

PLUGIN_EXPORT int PLUGIN_CALL CI_GetCompSPL1m(int box, int band, float* out) {
  const int32_t* code = CurrentBoxWords(design::kModelCode, 1, box);
  return code ? WriteLevelAt1m(ModelKindOf(*code), band, out) : -1;
}

PLUGIN_EXPORT int PLUGIN_CALL CI_GetHornLPi(int group, int box, int band, float* levels, void*,
                                            const float* ref) {
  return GroupedHornLevels(group, box, band, levels, ref);
}

PLUGIN_EXPORT int PLUGIN_CALL CI_GetLPi(int group, int box, int band, float* level, void*,
                                        const float* ref) {
  return GroupedBandLevel(group, box, band, level, ref);
}
