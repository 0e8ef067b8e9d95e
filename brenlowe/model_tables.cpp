// Brenlowe's per-model sensitivity and power ratings, and the load-time tables built from them.
#include <cmath>

#include "level_tables.h"
#include "product_hooks.h"

namespace {
const float kSensitivity[product::kModelKinds][kBandCount] = {
    {95.9f, 96.7f, 98.9f, 95.8f, 104.7f, 106.8f, 107.9f, 109.0f, 108.0f, 108.0f, 106.6f,
     103.7f, 104.7f, 114.5f, 115.0f, 115.0f, 115.0f, 114.0f, 113.0f, 113.0f, 110.0f},
    {99.6f, 102.9f, 103.0f, 100.0f, 103.0f, 107.0f, 109.9f, 111.0f, 112.0f, 110.0f, 109.0f,
     108.9f, 109.0f, 116.9f, 117.0f, 117.0f, 116.0f, 116.0f, 115.0f, 113.0f, 109.8f},
    {98.0f, 100.8f, 99.7f, 96.8f, 103.6f, 107.6f, 108.5f, 108.8f, 111.0f, 110.9f, 111.0f,
     108.9f, 110.0f, 119.0f, 119.0f, 119.0f, 119.0f, 119.0f, 119.0f, 116.0f, 112.9f},
    {95.8f, 97.3f, 98.3f, 95.9f, 101.2f, 104.5f, 105.9f, 105.9f, 105.9f, 106.0f, 106.9f,
     105.4f, 105.2f, 115.0f, 115.0f, 115.0f, 115.0f, 113.9f, 114.9f, 115.0f, 111.9f},
    {100.0f, 102.9f, 102.8f, 99.6f, 98.8f, 103.9f, 108.0f, 107.0f, 109.0f, 109.0f, 109.0f,
     108.0f, 107.7f, 117.0f, 118.0f, 117.0f, 117.0f, 117.0f, 117.0f, 113.6f, 108.9f},
    {97.7f, 100.5f, 100.0f, 96.9f, 100.9f, 106.0f, 107.0f, 107.0f, 109.0f, 111.0f, 112.0f,
     110.0f, 110.0f, 119.0f, 119.0f, 120.0f, 119.0f, 120.0f, 120.0f, 119.0f, 116.0f},
};

// Models 0..2 share the first power row, models 3..5 the second.
float PowerOf(int model, int band) {
  const bool firstRow = model < 3;
  if (band <= 3) return 1200.0f;
  if (band <= 12) return firstRow ? 1400.0f : 700.0f;
  return firstRow ? 450.0f : 225.0f;
}
}  // namespace

void ComputeModelSplTables() {
  for (int model = 0; model < product::kModelKinds; ++model)
    for (int b = 0; b < kBandCount; ++b)
      ModelSplTable[model][b] = static_cast<float>(
          10.0 * std::log10(static_cast<double>(PowerOf(model, b))) + kSensitivity[model][b]);
}

void ComputeSplitGainsForProduct() {
  static const int kSubSourcesPerGroup[] = {3, 9, 18};
  ComputeSharedLevelConstants(kSubSourcesPerGroup, 3);
}
