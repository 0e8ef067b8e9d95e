// Tarnwick's design as the design dialog shows it (degrees, dB, milliseconds), and its
// conversion from and to the design data words of a settings block.
#pragma once
#include <cstdint>

#include "design_rules.h"
#include "settings_block.h"

namespace tarnwick {

constexpr int kEqBands = 21;

struct DesignForm {
  int32_t model[kDesignBoxes] = {};               // ModelCode per box, -1 = no selection
  float gain[kDesignBoxes] = {};                  // dB
  float delay[kDesignBoxes] = {};                 // ms
  int16_t eqGain[kDesignBoxes][kEqBands] = {};    // EqGain per box and band
  EqGroup eqGroups[kDesignBoxes][kEqGroupsPerBox] = {};
  int32_t boxCount = 1;                           // 1..24
  float angle[kDesignBoxes] = {};  // [0] aiming of the top box, [j] splay at junction j; degrees
  int32_t excessAir = 0;
  int32_t junctionCode[kDesignBoxes] = {};        // per lower box; entry 0 carries none
  // The spare bytes that end the last box's equaliser row: every row is written back with them.
  uint8_t eqRowPad[3] = {};
};

// Every per-box row is read for all 24 boxes whatever the box count; the count is limited to
// 1..24.
void LoadDesignForm(const int32_t* block, DesignForm& form);
// Writes the design back by the stored scalings (angles and gains truncated toward zero, delays
// to the nearest microsecond, splays in whole degrees, the aiming angle negated), words 4 and 5
// as 0. Values beyond a 32-bit word are held at its limits. The checksum is left as it is.
void StoreDesignForm(const DesignForm& form, int32_t* block);

// A float truncated toward zero into a 32-bit word (held at the word's limits, 0 for NaN).
int32_t TruncatedWord(float value);

}  // namespace tarnwick
