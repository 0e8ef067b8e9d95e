// A current design, placed array and seat for the response tests of every deliverable, with the
// engine's and the reference evaluations of the response side by side.
#pragma once
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <functional>
#include <vector>

#include "bands.h"
#include "design_data.h"
#include "engine_fixture.h"
#include "frequency_response.h"
#include "reference_response.h"
#include "settings_block.h"
#include "simd_paths_under_test.h"

// What differs per deliverable in a design, defined in each deliverable's test folder.
// Attenuation of box b (0-based) in tenths of a dB (Tarnwick stores it as a negative gain).
void SetBoxAttenuation(std::vector<int32_t>& block, int box, int32_t tenthsOfDb);
// A curved array of n boxes as a user would design it (angles growing down the array).
void SetCurvedDesign(std::vector<int32_t>& block, int boxCount);
// The component whose distance over c plus a box delay is the reported arrival time.
int TimeReferenceComponent(int boxCount);

struct Response {
  int result = 0;
  float level[kBandCount];
  float phase[kBandCount];
  float time = 0.0f;
};

class ResponseTest : public EngineTest {
 protected:
  void SetUp() override {
    EngineTest::SetUp();
    ClaimCurrent();
    // A claimed slot keeps the host filter of its previous user.
    float gain[kBandCount] = {}, phase[kBandCount] = {};
    ASSERT_EQ(0, IP_SetFilter(gain, phase));
  }

  // A design of n boxes with all other words 0, edited, stored with a valid checksum; the array
  // is then placed at the origin with zero angles (the geometry follows the placement).
  void StoreDesign(int boxCount, const std::function<void(std::vector<int32_t>&)>& edit = {}) {
    std::vector<int32_t> block(product::kBlockWords, 0);
    block[design::kBoxCount] = boxCount;
    if (edit) edit(block);
    StoreValidBlock(block);
    PlaceArray(0, 0, 0);
  }

  void PlaceArray(float x, float y, float z, float turn = 0, float tilt = 0, float roll = 0) {
    const float p[3] = {x, y, z};
    const float a[3] = {turn, tilt, roll};
    ASSERT_EQ(0, CI_SetLspkPosition3fv(p));
    ASSERT_EQ(0, CI_SetLspkAngles3fv(a));
  }

  void SetSeat(float x, float y, float z) {
    const float p[3] = {x, y, z};
    ASSERT_EQ(0, CI_SetSeatPosition3fv(p));
  }

  static Response Filled(float value) {
    Response r;
    std::fill(std::begin(r.level), std::end(r.level), value);
    std::fill(std::begin(r.phase), std::end(r.phase), value);
    r.time = value;
    return r;
  }

  // Through the export the host calls.
  Response Export(int first = 1) {
    Response r = Filled(-7.0f);
    r.result = CI_GetCompFR(first, r.level, r.phase, &r.time);
    return r;
  }

  // With another evaluation of the same band groups (reference_response.h).
  Response Evaluate(GroupEvaluation evaluate) {
    Response r = Filled(-7.0f);
    r.result = ComputeResponse(evaluate, r.level, r.phase, &r.time);
    return r;
  }

  static float LargestDifference(const Response& a, const Response& b) {
    float largest = 0.0f;
    for (int k = 0; k < kBandCount; ++k)
      largest = std::max(largest, std::fabs(a.level[k] - b.level[k]));
    return largest;
  }
};

// Every band of a equals the same band of b shifted by offset, within tolerance.
inline void ExpectShiftedBy(const Response& a, const Response& b, float offset, float tolerance) {
  for (int k = 0; k < kBandCount; ++k)
    EXPECT_NEAR(a.level[k], b.level[k] + offset, tolerance) << "band " << k;
}

// Row of box b's stored equaliser gains with band `band` switched off.
inline void SwitchBandOff(std::vector<int32_t>& block, int box, int band) {
  int16_t gains[kBandCount] = {};
  gains[band] = EQ_GAIN_OFF;
  PackEqGains(gains, &block[design::kEqRows + 6 * box]);
}
