#include "directivity_index.h"

float DirectivityIndexTable[kBandCount];
