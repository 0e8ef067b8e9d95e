// Brenlowe's array design as its design dialog holds it: every box row in the units the user
// sees (degrees, dB, milliseconds), loaded from the design data of a settings block and stored
// back into it. All 14 rows travel whatever the box count, so rows beyond it keep their values.
#pragma once
#include <cstdint>

#include "bands.h"
#include "product_config.h"
#include "settings_block.h"

namespace brenlowe {

constexpr int kDesignRows = product::kMaxBoxes;
constexpr int kModelCodes = 6;  // "BW-11H", "BW-12H", "BW-13H", "BW-11", "BW-12", "BW-13"

struct DesignForm {
  int32_t model[kDesignRows] = {};
  int16_t eqGain[kDesignRows][kBandCount] = {};
  EqGroup eqGroups[kDesignRows][kEqGroupsPerBox] = {};
  int32_t boxCount = 1;
  float angle[kDesignRows] = {};  // [0] aiming of box 1, [k] hinge between boxes k and k + 1
  float attenuation[kDesignRows] = {};
  float delay[kDesignRows] = {};  // milliseconds
  int32_t excessAir = 0;
  int32_t horizSymmetric = 0;
  float overallAtt = 0;  // no control shows it; it only passes through
};

// The design words of the block into the form; the box count is limited to 1..14.
void LoadDesignForm(const int32_t* block, DesignForm& form);
// The form into the design words. The length word, the tag, the reserved words and the
// checksum are left alone; the checksum is refreshed when the block is handed out.
void StoreDesignForm(const DesignForm& form, int32_t* block);
// What the dialog corrects when it opens: a model code outside the list becomes 0, an angle
// beyond +-180 degrees, an attenuation outside 0..100 dB and a delay outside 0..10 ms become 0.
void ClampOpenedForm(DesignForm& form);

// The box count for a row of the box-count list (a list without a selection counts as row 0).
int BoxCountOfRow(int row);

}  // namespace brenlowe
