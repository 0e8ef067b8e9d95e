// Box-level exports shared by every deliverable, and the helpers each deliverable's own level
// exports are built from. The exports whose argument lists differ per deliverable are declared
// in box_levels_grouped.h (Tarnwick, Brenlowe: CI_GetHornLPi by band group, CI_GetLPi) and
// box_levels_hf.h (Pirrowan: CI_GetHornLPi over all 21 bands with the high-frequency step).
#pragma once
#include <cstdint>

#include "plugin_api.h"
#include "settings_block.h"

// Level of a box at 1 m in one band plus the host's filter gain. Tarnwick and Brenlowe: box
// 1-based, band 0..20. Pirrowan: component 1..6 x boxCount, band 1..21.
PLUGIN_EXPORT int PLUGIN_CALL CI_GetCompSPL1m(int box, int band, float* out);
// The array's directivity index of band 1..21.
PLUGIN_EXPORT int PLUGIN_CALL CI_GetCompDirectivity(int unused, int band, float* out);
// Part of the host interface; they do nothing.
PLUGIN_EXPORT int PLUGIN_CALL CI_GetPulse(void* a, void* b, void* c);
PLUGIN_EXPORT int PLUGIN_CALL CI_GetPulses(void* a, void* b);

// Words per box of a stored EqGain row (21 signed bytes and 3 spare).
constexpr int kEqRowWords = 6;

// Per deliverable: the ModelSplTable row of a model code (enclosure type), -1 for none.
int ModelKindOf(int code);

// The wordsPerBox words of box (1-based) in the current slot's design data, starting at
// firstWord for box 1; null without a current slot or for a box outside 1..BoundedBoxCount.
const int32_t* CurrentBoxWords(int firstWord, int wordsPerBox, int box);

// One band level after the box's reference level and equaliser: level - ref, rounded to single
// precision, then 200 dB down for a band switched off, else plus the EqGain. Inline: the
// response builders apply it to every band of every sub-source.
inline float WithReferenceAndEq(float level, float ref, int eqGain) {
  const float referenced = level - ref;
  return eqGain == EQ_GAIN_OFF ? referenced - 200.0f : referenced + static_cast<float>(eqGain);
}

// *out = ModelSplTable[kind][band] (0 for a kind without a table) + the current slot's
// filterGain[band]; -1 with out untouched without a current slot, for a band outside 0..20 or
// a null out.
int WriteLevelAt1m(int kind, int band, float* out);
