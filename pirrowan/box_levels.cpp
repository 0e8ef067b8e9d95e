// Pirrowan's box levels: one table per enclosure type, all 21 bands of a sub-source at once with
// the per-box high-frequency level step.
#include "bands.h"
#include "box_levels_hf.h"
#include "design_data.h"
#include "finite_values.h"
#include "level_tables.h"
#include "product_config.h"
#include "registry.h"
#include "settings_block.h"

static_assert(design::kEqRowCapacity >= product::kMaxBoxes, "an EqGain row for every box");

namespace {
constexpr int kFirstStepBand = 12;  // 1.6 kHz; bands 13..20 take the larger step

// dB added to band 12 and to bands 13..20 for each HfLevelIndex ("+3", "0", "-3").
struct HfLevelStep {
  float band12;
  float upperBands;
};
constexpr HfLevelStep kHfLevelSteps[] = {{2.0f, 6.0f}, {1.0f, 3.0f}, {0.0f, 0.0f}};
constexpr int kHfLevelChoices = sizeof kHfLevelSteps / sizeof kHfLevelSteps[0];

void AddHfLevelStep(int32_t hfLevelIndex, float* levels) {
  // A stored index outside the dialog's rows adds nothing.
  if (hfLevelIndex < 0 || hfLevelIndex >= kHfLevelChoices) return;
  const HfLevelStep& step = kHfLevelSteps[hfLevelIndex];
  levels[kFirstStepBand] += step.band12;
  for (int k = kFirstStepBand + 1; k < kBandCount; ++k) levels[k] += step.upperBands;
}
}  // namespace

int ModelKindOf(int enclosureType) {
  return enclosureType >= 0 && enclosureType < product::kModelKinds ? enclosureType : -1;
}

// Every component of the array has the same level at 1 m: comp only has to name one of them.
PLUGIN_EXPORT int PLUGIN_CALL CI_GetCompSPL1m(int comp, int band, float* out) {
  if (!CurrentSlot) return -1;
  if (comp < 1 || comp > kComponentsPerBox * BoundedBoxCount(*CurrentSlot)) return -1;
  if (band < 1 || band > kBandCount) return -1;
  const int kind = ModelKindOf(CurrentSlot->settings[design::kEnclosureType]);
  return WriteLevelAt1m(kind, band - 1, out);
}

int HornLevelsOfBox(int box, int band, float* levels, const float* ref) {
  const int32_t* eq = CurrentBoxWords(design::kEqRows, kEqRowWords, box);
  const int32_t* hfLevelIndex = CurrentBoxWords(design::kHfLevelIndex, 1, box);
  if (!eq || !hfLevelIndex || !levels || !ref || band < 0 || band > kBandCount) return -1;
  const int first = band == 0 ? 0 : band - 1;
  const int last = band == 0 ? kBandCount - 1 : band - 1;
  for (int k = first; k <= last; ++k)
    levels[k] = WithReferenceAndEq(levels[k], ref[k], StoredEqGain(eq, k));
  // The step and the split cover all 21 bands in the one-band mode too.
  AddHfLevelStep(*hfLevelIndex, levels);
  for (int k = 0; k < kBandCount; ++k) levels[k] -= SourceSplitGain[0];
  return 0;
}

// All 21 levels are handed back, in one-band mode too: they are worked on in a copy and handed
// back only when every one is finite (the host's levels or references can be anything).
PLUGIN_EXPORT int PLUGIN_CALL CI_GetHornLPi(int box, int band, float* levels, void*,
                                            const float* ref) {
  if (!levels) return -1;
  float work[kBandCount];
  for (int k = 0; k < kBandCount; ++k) work[k] = levels[k];
  if (HornLevelsOfBox(box, band, work, ref) != 0) return -1;
  return HandOutFinite(work, kBandCount, levels) ? 0 : -1;
}
