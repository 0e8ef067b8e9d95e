// One Brenlowe array (component instance) as the plug-in keeps it.
#pragma once
#include <cstdint>

#include "bands.h"
#include "product_config.h"

struct ComponentSlot {
  float sourcePos9[126][3];    // nine points per box, entry 9b + k
  float sourcePos18[252][3];   // eighteen points per box, entry 18b + m
  float sourceAngles[126][3];  // aim of each nine-point source, radians
  float arrayPosition[3];
  float arrayAngles[3];
  // Four seats of four words each (x, y, z and a word kept at 0), seat 0 the host's single seat.
  float seatPosition[product::kSeats][4];
  float seatAngles[product::kSeats][4];
  float filterGain[kBandCount];
  float filterPhase[kBandCount];
  int32_t settings[product::kBlockWords];
  int32_t inUse;
};

constexpr int kComponentEntries = 126;
inline float (*ComponentPositions(ComponentSlot& slot))[3] { return slot.sourcePos9; }
inline float (*ComponentAngles(ComponentSlot& slot))[3] { return slot.sourceAngles; }
