// One Tarnwick array (component instance) as the plug-in keeps it.
#pragma once
#include <cstdint>

#include "bands.h"
#include "product_config.h"

struct ComponentSlot {
  float sourcePos9[252][3];    // nine points per box, entry 9b + k; room for 28 boxes
  float sourcePos18[504][3];   // eighteen points per box, entry 18b + m
  float sourceAngles[252][3];  // aim of each nine-point source, radians
  float arrayPosition[3];
  float arrayAngles[3];  // degrees, as the host set them
  float seatPosition[product::kSeats][3];
  float seatAngles[product::kSeats][3];
  float boxCentrePos[24][3];
  float filterGain[kBandCount];
  float filterPhase[kBandCount];
  int32_t settings[product::kBlockWords];
  int32_t inUse;
};

// The host's component c (1-based) is flat entry c - 1 of the nine-point set.
constexpr int kComponentEntries = 252;
inline float (*ComponentPositions(ComponentSlot& slot))[3] { return slot.sourcePos9; }
inline float (*ComponentAngles(ComponentSlot& slot))[3] { return slot.sourceAngles; }
