// Tarnwick's per-kind sensitivity and power ratings, and the load-time tables built from them.
#include <cmath>

#include "level_tables.h"
#include "product_hooks.h"

namespace {
// Sensitivity in dB per band (100 Hz first) of the nine cabinet kinds.
const float kSensitivity[product::kModelKinds][kBandCount] = {
    {92.4f, 92.9f, 92.5f, 92.5f, 94.2f, 104.6f, 105.2f, 103.9f, 102.0f, 101.8f, 99.6f,
     106.1f, 110.0f, 107.7f, 110.4f, 109.7f, 110.1f, 106.4f, 103.4f, 101.2f, 97.3f},
    {94.2f, 95.8f, 96.4f, 96.3f, 99.7f, 102.6f, 103.1f, 102.8f, 101.4f, 100.8f, 101.4f,
     111.6f, 113.6f, 114.7f, 114.9f, 114.2f, 114.7f, 115.7f, 115.9f, 114.8f, 112.6f},
    {91.3f, 92.4f, 93.6f, 94.3f, 94.3f, 97.1f, 104.4f, 104.4f, 103.5f, 102.8f, 103.4f,
     103.7f, 111.6f, 113.2f, 114.7f, 114.9f, 114.5f, 113.7f, 113.5f, 112.4f, 110.5f},
    {89.1f, 90.2f, 90.7f, 91.0f, 91.6f, 91.1f, 98.4f, 99.1f, 98.5f, 98.8f, 98.7f,
     99.6f, 101.6f, 104.0f, 109.7f, 111.5f, 111.3f, 109.9f, 108.8f, 107.3f, 106.1f},
    {90.0f, 90.5f, 91.0f, 91.0f, 92.0f, 92.9f, 94.5f, 96.5f, 97.0f, 97.0f, 97.0f,
     98.5f, 100.0f, 102.0f, 107.0f, 107.0f, 108.0f, 109.5f, 110.5f, 111.0f, 112.0f},
    {98.1f, 98.2f, 98.7f, 95.0f, 87.0f, 79.0f, 71.0f, 63.0f, 55.0f, 47.0f, 39.0f,
     31.0f, 23.0f, 15.0f, 7.0f, -1.0f, -9.0f, -17.0f, -25.0f, -33.0f, -41.0f},
    {100.0f, 100.0f, 100.0f, 97.0f, 89.0f, 81.0f, 73.0f, 65.0f, 57.0f, 49.0f, 41.0f,
     33.0f, 25.0f, 17.0f, 9.0f, 1.0f, -7.0f, -15.0f, -23.0f, -31.0f, -39.0f},
    {91.1f, 91.2f, 91.7f, 89.0f, 81.0f, 73.0f, 65.0f, 57.0f, 49.0f, 41.0f, 33.0f,
     25.0f, 17.0f, 9.0f, 1.0f, -7.0f, -15.0f, -23.0f, -31.0f, -39.0f, -47.0f},
    {90.0f, 92.0f, 94.0f, 97.0f, 81.0f, 73.0f, 65.0f, 57.0f, 49.0f, 41.0f, 33.0f,
     25.0f, 17.0f, 9.0f, 1.0f, -7.0f, -15.0f, -23.0f, -31.0f, -39.0f, -47.0f},
};

// Power rating in watts: {first band of a run, watts}, each run lasting to the next one.
struct PowerRun {
  int firstBand;
  float watts;
};
const PowerRun kPowerKind0[] = {{0, 4000}, {5, 1400}, {11, 600}, {21, 0}};
const PowerRun kPowerKind1[] = {{0, 2000}, {4, 1400}, {11, 225}, {21, 0}};
const PowerRun kPowerKind2[] = {{0, 2000}, {6, 600}, {12, 150}, {21, 0}};
const PowerRun kPowerKind3[] = {{0, 1000}, {6, 225}, {21, 0}};
const PowerRun kPowerKind4[] = {{0, 500}, {5, 400}, {6, 300}, {7, 200}, {13, 150}, {14, 50}, {21, 0}};
const PowerRun kPowerKind5[] = {{0, 2000}, {21, 0}};
const PowerRun kPowerKind6[] = {{0, 1200}, {21, 0}};
const PowerRun kPowerKind7[] = {{0, 2000}, {21, 0}};
const PowerRun kPowerKind8[] = {{0, 1600}, {21, 0}};
const PowerRun* const kPower[product::kModelKinds] = {kPowerKind0, kPowerKind1, kPowerKind2,
                                                       kPowerKind3, kPowerKind4, kPowerKind5,
                                                       kPowerKind6, kPowerKind7, kPowerKind8};

float PowerOf(int kind, int band) {
  const PowerRun* run = kPower[kind];
  while (run[1].firstBand <= band) ++run;
  return run->watts;
}
}  // namespace


void ComputeModelSplTables() {
  for (int b = 0; b < kBandCount; ++b) {
    for (int kind = 0; kind < product::kModelKinds; ++kind) {
      // Rounded to single precision after the logarithm and again after the factor 10.
      const float lg = static_cast<float>(std::log10(static_cast<double>(PowerOf(kind, b))));
      const float tenLg = 10.0f * lg;
      ModelSplTable[kind][b] = tenLg + kSensitivity[kind][b];
    }
  }
}

void ComputeSplitGainsForProduct() {
  static const int kSubSourcesPerGroup[] = {3, 9, 18};
  ComputeSharedLevelConstants(kSubSourcesPerGroup, 3);
}
