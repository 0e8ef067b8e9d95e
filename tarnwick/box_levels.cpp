// Tarnwick's box levels: nine cabinet kinds over model codes 0..18, levels by band group.
#include "box_levels_grouped.h"
#include "design_data.h"
#include "product_config.h"

static_assert(design::kEqRowCapacity >= product::kMaxBoxes, "an EqGain row for every box");

int ModelKindOf(int code) {
  static const int8_t kKindOfCode[] = {0, 1, 1, 1, 2, 2, 3, 3, 3, 4, 5, 5, 5, 6, 6, 7, 7, 7, 8};
  constexpr int kCodes = sizeof kKindOfCode / sizeof kKindOfCode[0];
  return code >= 0 && code < kCodes ? kKindOfCode[code] : -1;
}

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
