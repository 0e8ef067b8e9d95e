// Pirrowan's array design as its design dialog holds it: the enclosure type of the whole array,
// the overall aiming and every box row in the units the user sees (degrees, dB, milliseconds),
// loaded from the design data of a settings block and stored back into it. All six rows travel
// whatever the box count, so rows beyond it keep their values.
#pragma once
#include <cstdint>

#include "bands.h"
#include "product_config.h"
#include "settings_block.h"

namespace pirrowan {

constexpr int kDesignRows = product::kMaxBoxes;
constexpr int kGroupRowCapacity = 14;  // the dialog has room for 14 boxes of groups, uses 6
constexpr int kEnclosureTypes = 2;     // "PW-21S", "PW-22S"
constexpr int kHfLevels = 3;           // "+3", "0", "-3"
constexpr int kHfLevelFlat = 1;

struct DesignForm {
  int16_t eqGain[kDesignRows][kBandCount] = {};
  EqGroup eqGroups[kGroupRowCapacity][kEqGroupsPerBox] = {};
  int32_t boxCount = 1;
  float overallAiming = 0;  // degrees
  float attenuation[kDesignRows] = {};
  float delay[kDesignRows] = {};  // milliseconds
  int32_t excessAir = 0;
  float overallAtt = 0;  // no control shows it; it only passes through
  int32_t enclosureType = 0;
  int32_t hfLevel[kDesignRows] = {kHfLevelFlat, kHfLevelFlat, kHfLevelFlat,
                                  kHfLevelFlat, kHfLevelFlat, kHfLevelFlat};
};

// The design words of the block into the form; the box count is limited to 1..6 and the
// enclosure type to 0..1.
void LoadDesignForm(const int32_t* block, DesignForm& form);
// The form into the design words (words 2, 3, 4, 6..25, the gain and group rows). The length
// word, the tag, word 5, the reserved words and the checksum are left alone.
void StoreDesignForm(const DesignForm& form, int32_t* block);
// What the dialog corrects when it opens: a high-frequency level outside the list becomes "0",
// an aiming beyond +-180 degrees, an attenuation outside 0..100 dB and a delay outside
// 0..10 ms become 0.
void ClampOpenedForm(DesignForm& form);

// The box count for a row of the box-count list (a list without a selection counts as row 0).
int BoxCountOfRow(int row);

}  // namespace pirrowan
