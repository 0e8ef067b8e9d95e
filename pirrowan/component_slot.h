// One Pirrowan array (component instance) as the plug-in keeps it.
#pragma once
#include <cstdint>

#include "bands.h"
#include "product_config.h"

struct ComponentSlot {
  float sourcePos6[36][3];    // six sub-sources per box, entry 6b + k
  float sourceAngles[36][3];  // radians, parallel to sourcePos6
  float arrayPosition[3];
  float arrayAngles[3];
  float seatPosition[product::kSeats][3];
  float seatAngles[product::kSeats][3];
  float filterGain[kBandCount];
  float filterPhase[kBandCount];
  int32_t settings[product::kBlockWords];
  int32_t inUse;
};

constexpr int kComponentEntries = 36;
inline float (*ComponentPositions(ComponentSlot& slot))[3] { return slot.sourcePos6; }
inline float (*ComponentAngles(ComponentSlot& slot))[3] { return slot.sourceAngles; }
