#include "level_tables.h"

#include <cmath>

float ModelSplTable[product::kModelKinds][kBandCount];
float SourceSplitGain[kMaxSplitGroups];
float GridStep5Degrees;
float GridStep1Degree;
float GridStepHalfDegree;
float K_HI;
float K_SPAN;

void ComputeSharedLevelConstants(const int* splitCounts, int groupCount) {
  for (int g = 0; g < kMaxSplitGroups; ++g) {
    if (g < groupCount) {
      const float lg = static_cast<float>(std::log10(static_cast<double>(splitCounts[g])));
      SourceSplitGain[g] = 20.0f * lg;
    } else {
      SourceSplitGain[g] = 0.0f;
    }
  }
  GridStep5Degrees = 0.0872664675116539f;
  GridStep1Degree = 0.01745329238474369f;
  GridStepHalfDegree = 0.008726646192371845f;
  K_HI = static_cast<float>(std::pow(2.0, 0.5));
  K_SPAN = K_HI - 1.0f / K_HI;
}
