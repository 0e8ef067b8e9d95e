// Pirrowan's per-enclosure sensitivity and power ratings, and the load-time tables from them.
#include <cmath>

#include "level_tables.h"
#include "product_hooks.h"

namespace {
const float kSensitivity[product::kModelKinds][kBandCount] = {
    {85, 86, 87, 87, 87, 88, 88, 88, 89, 89, 90, 90, 90, 89, 90, 91, 92, 92, 92, 93, 92},
    {91, 92, 93, 94, 94, 94, 94, 94, 95, 95, 95, 96, 96, 94, 94, 94, 95, 95, 96, 97, 97},
};
const float kPowerWatts[product::kModelKinds] = {800.0f, 1600.0f};
}  // namespace

void ComputeModelSplTables() {
  for (int type = 0; type < product::kModelKinds; ++type)
    for (int b = 0; b < kBandCount; ++b)
      ModelSplTable[type][b] = static_cast<float>(
          10.0 * std::log10(static_cast<double>(kPowerWatts[type])) + kSensitivity[type][b]);
}

void ComputeSplitGainsForProduct() {
  static const int kSubSourcesPerBox[] = {6};
  ComputeSharedLevelConstants(kSubSourcesPerBox, 1);
}
