#include "box_levels.h"

#include "bands.h"
#include "directivity_index.h"
#include "finite_values.h"
#include "level_tables.h"
#include "registry.h"
#include "settings_block.h"

const int32_t* CurrentBoxWords(int firstWord, int wordsPerBox, int box) {
  if (!CurrentSlot || box < 1 || box > BoundedBoxCount(*CurrentSlot)) return nullptr;
  return &CurrentSlot->settings[firstWord + wordsPerBox * (box - 1)];
}

int WriteLevelAt1m(int kind, int band, float* out) {
  if (!CurrentSlot || !IsBandIndex(band) || !out) return -1;
  const bool hasTable = kind >= 0 && kind < product::kModelKinds;
  const float atOneMetre = hasTable ? ModelSplTable[kind][band] : 0.0f;
  const float level = atOneMetre + CurrentSlot->filterGain[band];
  return HandOutFinite(&level, 1, out) ? 0 : -1;
}

PLUGIN_EXPORT int PLUGIN_CALL CI_GetCompDirectivity(int, int band, float* out) {
  if (!CurrentSlot || band < 1 || band > kBandCount || !out) return -1;
  return HandOutFinite(&DirectivityIndexTable[band - 1], 1, out) ? 0 : -1;
}

PLUGIN_EXPORT int PLUGIN_CALL CI_GetPulse(void*, void*, void*) { return 0; }

PLUGIN_EXPORT int PLUGIN_CALL CI_GetPulses(void*, void*) { return 0; }
