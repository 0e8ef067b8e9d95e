// The component registry: the static slot table, the current slot and the module flag word.
#pragma once
#include <cstdint>

#include "component_slot.h"

constexpr int kSlotCount = 128;  // ids 1..127; record 0 is never handed out
extern ComponentSlot SlotTable[kSlotCount];
extern ComponentSlot* CurrentSlot;
extern int32_t DllFlagWord;

// The host sees six components per box: the nine-point sources 1..6 of each box in turn.
constexpr int kComponentsPerBox = 6;

// Frees a record (its instance ends) and clears its placement and design.
int ResetComponent(ComponentSlot* record);

// Tells whether a record still holds the same instance: code that keeps a slot pointer across
// host calls (the design dialog's modal loop) takes a token first and checks it before writing.
struct SlotInstanceToken {
  const ComponentSlot* record = nullptr;
  uint32_t endings = 0;
};
SlotInstanceToken TakeSlotInstanceToken(const ComponentSlot* record);
bool SameSlotInstance(const SlotInstanceToken& token);
float GetPointDistance(const float* a, const float* b);

// boxCount as stored (design data word 2); may hold anything a settings block carried.
inline int32_t StoredBoxCount(const ComponentSlot& slot) { return slot.settings[2]; }

// boxCount limited to what the slot's tables hold: every reader that indexes per-box data uses
// this, so a hostile stored count can never lead outside the tables.
inline int BoundedBoxCount(const ComponentSlot& slot) {
  const int32_t n = StoredBoxCount(slot);
  if (n < 0) return 0;
  return n > product::kMaxBoxes ? product::kMaxBoxes : static_cast<int>(n);
}

// Flat source entry of host component c (1-based), or null when c is outside 1..6 x boxCount.
float* ComponentPoint(ComponentSlot& slot, int c);
float* ComponentAim(ComponentSlot& slot, int c);
