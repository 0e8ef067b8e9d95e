// Level steps by band group (Tarnwick, Brenlowe): group 0 = bands 0..11 in 12 entries, group 1
// = bands 12..16 in 5, group 2 = bands 17..20 in 4, each entry one band level of a sub-source.
#pragma once
#include "bands.h"
#include "box_levels.h"

// Subtracts the box's reference levels, applies its equaliser and splits off the sub-source
// share of the group's array: band 0 = every entry of the group, 1..21 = that band's entry.
PLUGIN_EXPORT int PLUGIN_CALL CI_GetHornLPi(int group, int box, int band, float* levels,
                                            void* unused, const float* ref);
// The same for one level in band 0..20.
PLUGIN_EXPORT int PLUGIN_CALL CI_GetLPi(int group, int box, int band, float* level, void* unused,
                                        const float* ref);

// A box's equaliser gains, read once for all its sub-sources.
struct GroupedBoxSteps {
  int eqGain[kBandCount];
};

// The steps of box (1-based) of the current slot; false without a current slot or for a box
// outside the array (where CI_GetHornLPi refuses the box).
bool ReadGroupedBoxSteps(int box, GroupedBoxSteps& steps);

// What CI_GetHornLPi(group, box, 0, levels, 0, ref) does to the levels of a sub-source of a box
// it accepts, with that box's steps: the same arithmetic, without reading the stored row again.
void ApplyGroupedBoxSteps(const GroupedBoxSteps& steps, int group, const float* ref,
                          float* levels);

// The bodies of the two exports on the current slot.
int GroupedHornLevels(int group, int box, int band, float* levels, const float* ref);
int GroupedBandLevel(int group, int box, int band, float* level, const float* ref);
