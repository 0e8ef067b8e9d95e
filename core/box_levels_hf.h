// Level steps over all 21 bands with the per-box high-frequency level step (Pirrowan).
#pragma once
#include "box_levels.h"

// Subtracts the box's reference levels and applies its equaliser (band 0 = all 21 bands, 1..21
// = that band alone), then adds the box's high-frequency step to bands 12..20 and splits off
// the share of one of its six sub-sources from all 21 bands.
PLUGIN_EXPORT int PLUGIN_CALL CI_GetHornLPi(int box, int band, float* levels, void* unused,
                                            const float* ref);
// The same arithmetic without the export's check that what it hands back is finite: the
// response builder's levels of a sub-source.
int HornLevelsOfBox(int box, int band, float* levels, const float* ref);
