// A current design with chosen box count, per-box words and equaliser rows, for the box-level
// tests of every deliverable.
#pragma once
#include <cstdint>
#include <vector>

#include "bands.h"
#include "box_levels.h"
#include "design_data.h"
#include "engine_fixture.h"

class BoxLevelTest : public EngineTest {
 protected:
  void SetUp() override {
    EngineTest::SetUp();
    ClaimCurrent();
    block_ = ReadBlock();
    block_[2] = 4;
  }

  // Box b (1-based) gets gains[band] in its stored equaliser row.
  void SetEqGains(int box, const int16_t* gains) {
    PackEqGains(gains, &block_[design::kEqRows + kEqRowWords * (box - 1)]);
  }
  void SetWord(int word, int32_t value) { block_[word] = value; }
  void Store() { StoreValidBlock(block_); }

  void SetFilterGains(float gainInAllBands, int band, float gainInBand) {
    float gain[kBandCount], phase[kBandCount] = {};
    for (float& g : gain) g = gainInAllBands;
    gain[band] = gainInBand;
    ASSERT_EQ(0, IP_SetFilter(gain, phase));
  }

  std::vector<int32_t> block_;
};

// Equaliser gains -3..+3 over the bands, with one band switched off.
inline std::vector<int16_t> EqGainsWithBandOff(int offBand) {
  std::vector<int16_t> gains(kBandCount);
  for (int b = 0; b < kBandCount; ++b) gains[b] = static_cast<int16_t>(b % 7 - 3);
  gains[offBand] = EQ_GAIN_OFF;
  return gains;
}

// Distinct band levels and reference levels.
inline std::vector<float> LevelsFrom(float first) {
  std::vector<float> levels(kBandCount);
  for (int b = 0; b < kBandCount; ++b) levels[b] = first + 1.25f * b;
  return levels;
}
