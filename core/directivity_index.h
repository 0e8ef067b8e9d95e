// The array's directivity index per band, module-wide: zeros until a design is first confirmed.
#pragma once
#include "bands.h"

extern float DirectivityIndexTable[kBandCount];
