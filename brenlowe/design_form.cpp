#include "design_form.h"

#include <algorithm>
#include <cstring>

#include "design_data.h"
#include "design_units.h"

namespace brenlowe {
using namespace design_units;

namespace {

constexpr int kEqRowWords = 6;
constexpr int kGroupRowWords = 8;
constexpr int kEqSpareByte = kBandCount;  // bytes 21..23 of a gain row carry no gain
constexpr int kEqSpareBytes = 3;

}  // namespace

void LoadDesignForm(const int32_t* block, DesignForm& form) {
  form.boxCount = std::clamp<int32_t>(block[design::kBoxCount], 1, kDesignRows);
  form.excessAir = block[design::kExcessAir];
  form.horizSymmetric = block[design::kHorizSymmetric];
  form.overallAtt = TenthsToUnits(block[design::kOverallAttenuation]);
  form.angle[0] = NegatedTenthsToUnits(block[design::kAiming]);
  for (int k = 1; k < kDesignRows; ++k) form.angle[k] = TenthsToUnits(block[design::kHingeBase + k]);
  for (int k = 0; k < kDesignRows; ++k) {
    form.attenuation[k] = TenthsToUnits(block[design::kAttenuation + k]);
    form.delay[k] = MicrosecondsToMs(block[design::kDelay + k]);
    form.model[k] = block[design::kModelCode + k];
  }
  for (int k = 0; k < kDesignRows; ++k) {
    UnpackEqGains(block + design::kEqRows + kEqRowWords * k, form.eqGain[k]);
    UnpackEqGroups(block + design::kEqGroups + kGroupRowWords * k, form.eqGroups[k]);
  }
}

void StoreDesignForm(const DesignForm& form, int32_t* block) {
  block[design::kBoxCount] = form.boxCount;
  block[design::kExcessAir] = form.excessAir;
  block[design::kHorizSymmetric] = form.horizSymmetric;
  block[design::kOverallAttenuation] = UnitsToTenths(form.overallAtt);
  block[design::kAiming] = UnitsToTenths(-form.angle[0]);
  for (int k = 1; k < kDesignRows; ++k) block[design::kHingeBase + k] = UnitsToTenths(form.angle[k]);
  for (int k = 0; k < kDesignRows; ++k) block[design::kAttenuation + k] = UnitsToTenths(form.attenuation[k]);
  for (int k = 0; k < kDesignRows; ++k) block[design::kDelay + k] = MsToMicroseconds(form.delay[k]);
  for (int k = 0; k < kDesignRows; ++k) block[design::kModelCode + k] = form.model[k];

  // Every gain row gets the spare bytes that the last box's row held before this store.
  unsigned char spare[kEqSpareBytes];
  const int32_t* lastRow = block + design::kEqRows + kEqRowWords * (kDesignRows - 1);
  std::memcpy(spare, reinterpret_cast<const unsigned char*>(lastRow) + kEqSpareByte, kEqSpareBytes);
  for (int k = 0; k < kDesignRows; ++k) {
    int32_t* row = block + design::kEqRows + kEqRowWords * k;
    PackEqGains(form.eqGain[k], row);
    std::memcpy(reinterpret_cast<unsigned char*>(row) + kEqSpareByte, spare, kEqSpareBytes);
    PackEqGroups(form.eqGroups[k], block + design::kEqGroups + kGroupRowWords * k);
  }
}

void ClampOpenedForm(DesignForm& form) {
  for (int k = 0; k < kDesignRows; ++k) {
    if (form.model[k] < 0 || form.model[k] >= kModelCodes) form.model[k] = 0;
    if (Outside(form.angle[k], -180.0f, 180.0f)) form.angle[k] = 0;
    if (Outside(form.attenuation[k], 0.0f, 100.0f)) form.attenuation[k] = 0;
    if (Outside(form.delay[k], 0.0f, 10.0f)) form.delay[k] = 0;
  }
  if (Outside(form.overallAtt, 0.0f, 100.0f)) form.overallAtt = 0;
}

int BoxCountOfRow(int row) { return std::clamp(row + 1, 1, kDesignRows); }

}  // namespace brenlowe
