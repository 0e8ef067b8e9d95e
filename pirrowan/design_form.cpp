#include "design_form.h"

#include <algorithm>

#include "design_data.h"
#include "design_units.h"

namespace pirrowan {
using namespace design_units;

namespace {

constexpr int kEqRowWords = 6;
constexpr int kGroupRowWords = 8;

}  // namespace

void LoadDesignForm(const int32_t* block, DesignForm& form) {
  form.boxCount = std::clamp<int32_t>(block[design::kBoxCount], 1, kDesignRows);
  form.enclosureType = std::clamp<int32_t>(block[design::kEnclosureType], 0, kEnclosureTypes - 1);
  form.excessAir = block[design::kExcessAir];
  form.overallAtt = TenthsToUnits(block[design::kOverallAttenuation]);
  form.overallAiming = NegatedTenthsToUnits(block[design::kAiming]);
  for (int k = 0; k < kDesignRows; ++k) {
    form.attenuation[k] = TenthsToUnits(block[design::kAttenuation + k]);
    form.delay[k] = MicrosecondsToMs(block[design::kDelay + k]);
    form.hfLevel[k] = block[design::kHfLevelIndex + k];
    UnpackEqGains(block + design::kEqRows + kEqRowWords * k, form.eqGain[k]);
    UnpackEqGroups(block + design::kEqGroups + kGroupRowWords * k, form.eqGroups[k]);
  }
}

void StoreDesignForm(const DesignForm& form, int32_t* block) {
  block[design::kBoxCount] = form.boxCount;
  block[design::kEnclosureType] = form.enclosureType;
  block[design::kExcessAir] = form.excessAir;
  block[design::kOverallAttenuation] = UnitsToTenths(form.overallAtt);
  block[design::kAiming] = UnitsToTenths(-form.overallAiming);
  for (int k = 0; k < kDesignRows; ++k) block[design::kAttenuation + k] = UnitsToTenths(form.attenuation[k]);
  for (int k = 0; k < kDesignRows; ++k) block[design::kDelay + k] = MsToMicroseconds(form.delay[k]);
  for (int k = 0; k < kDesignRows; ++k) block[design::kHfLevelIndex + k] = form.hfLevel[k];
  // The spare bytes of the gain rows carry no meaning; they are written as zero.
  for (int k = 0; k < kDesignRows; ++k) PackEqGains(form.eqGain[k], block + design::kEqRows + kEqRowWords * k);
  for (int k = 0; k < kDesignRows; ++k) PackEqGroups(form.eqGroups[k], block + design::kEqGroups + kGroupRowWords * k);
}

void ClampOpenedForm(DesignForm& form) {
  for (int k = 0; k < kDesignRows; ++k) {
    if (form.hfLevel[k] < 0 || form.hfLevel[k] >= kHfLevels) form.hfLevel[k] = kHfLevelFlat;
    if (Outside(form.attenuation[k], 0.0f, 100.0f)) form.attenuation[k] = 0;
    if (Outside(form.delay[k], 0.0f, 10.0f)) form.delay[k] = 0;
  }
  if (Outside(form.overallAiming, -180.0f, 180.0f)) form.overallAiming = 0;
  if (Outside(form.overallAtt, 0.0f, 100.0f)) form.overallAtt = 0;
}

int BoxCountOfRow(int row) { return std::clamp(row + 1, 1, kDesignRows); }

}  // namespace pirrowan
