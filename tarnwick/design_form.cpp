#include "design_form.h"

#include <cmath>
#include <cstring>
#include <limits>

#include "design_data.h"

namespace tarnwick {

namespace {

constexpr int kEqRowBytes = 24;
constexpr int kEqPadOffset = kEqBands;  // the row's bytes 21..23

int32_t* EqRow(int32_t* block, int box) { return block + design::kEqRows + 6 * box; }
const int32_t* EqRow(const int32_t* block, int box) { return block + design::kEqRows + 6 * box; }
int32_t* GroupRow(int32_t* block, int box) { return block + design::kEqGroups + 8 * box; }
const int32_t* GroupRow(const int32_t* block, int box) {
  return block + design::kEqGroups + 8 * box;
}

void WriteEqRow(const int16_t* gains, const uint8_t* pad, int32_t* row) {
  uint8_t bytes[kEqRowBytes];
  for (int b = 0; b < kEqBands; ++b) bytes[b] = static_cast<uint8_t>(gains[b] & 0xFF);
  std::memcpy(bytes + kEqPadOffset, pad, 3);
  std::memcpy(row, bytes, sizeof bytes);
}

}  // namespace

int32_t TruncatedWord(float value) {
  if (std::isnan(value)) return 0;
  // 2^31 is the first float beyond the word; the largest float below it fits.
  if (value >= 2147483648.0f) return std::numeric_limits<int32_t>::max();
  if (value <= -2147483648.0f) return std::numeric_limits<int32_t>::min();
  return static_cast<int32_t>(value);
}

void LoadDesignForm(const int32_t* block, DesignForm& form) {
  const int32_t count = block[design::kBoxCount];
  form.boxCount = count < 1 ? 1 : count > kDesignBoxes ? kDesignBoxes : count;
  form.excessAir = block[design::kExcessAir];
  form.angle[0] = -static_cast<float>(block[design::kAiming]) / 10.0f;
  for (int j = 1; j <= kJunctions; ++j)
    form.angle[j] = static_cast<float>(block[design::kSplayBase + j]);
  for (int b = 0; b < kDesignBoxes; ++b) {
    form.gain[b] = static_cast<float>(block[design::kGain + b]) / 10.0f;
    form.delay[b] = static_cast<float>(block[design::kDelay + b]) / 1000.0f;
    form.model[b] = block[design::kModelCode + b];
    form.junctionCode[b] = block[design::kJunctionCode + b];
    UnpackEqGains(EqRow(block, b), form.eqGain[b]);
    UnpackEqGroups(GroupRow(block, b), form.eqGroups[b]);
  }
  std::memcpy(form.eqRowPad, reinterpret_cast<const uint8_t*>(EqRow(block, kDesignBoxes - 1)) +
                                 kEqPadOffset, sizeof form.eqRowPad);
}

void StoreDesignForm(const DesignForm& form, int32_t* block) {
  block[design::kBoxCount] = form.boxCount;
  block[design::kExcessAir] = form.excessAir;
  block[design::kReserved4] = 0;
  block[design::kReserved5] = 0;
  block[design::kAiming] = TruncatedWord(-form.angle[0] * 10.0f);
  for (int j = 1; j <= kJunctions; ++j)
    block[design::kSplayBase + j] = TruncatedWord(form.angle[j]);  // whole degrees
  for (int b = 0; b < kDesignBoxes; ++b) {
    block[design::kGain + b] = TruncatedWord(form.gain[b] * 10.0f);
    block[design::kDelay + b] = TruncatedWord(form.delay[b] * 1000.0f + 0.5f);
    block[design::kModelCode + b] = form.model[b];
    block[design::kJunctionCode + b] = form.junctionCode[b];
    WriteEqRow(form.eqGain[b], form.eqRowPad, EqRow(block, b));
    PackEqGroups(form.eqGroups[b], GroupRow(block, b));
  }
}

}  // namespace tarnwick
