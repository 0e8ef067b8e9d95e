// Tables computed once at load and read by the level engine.
#pragma once
#include "bands.h"
#include "product_config.h"

// Maximum level at 1 m per band of each cabinet kind (or enclosure type).
extern float ModelSplTable[product::kModelKinds][kBandCount];

// 20 log10(N) for the N sub-sources that share a box's level: one entry per band group.
constexpr int kMaxSplitGroups = 3;
extern float SourceSplitGain[kMaxSplitGroups];

// Angle-grid steps of the directivity lookup, radians.
extern float GridStep5Degrees;
extern float GridStep1Degree;
extern float GridStepHalfDegree;

// Band-edge factors of the band-averaged interference term.
extern float K_HI;
extern float K_SPAN;

// Fills SourceSplitGain from the given sub-source counts and sets the steps and K_HI/K_SPAN.
void ComputeSharedLevelConstants(const int* splitCounts, int groupCount);
