#include "registry.h"

#include <cmath>
#include <cstring>

#include "finite_values.h"
#include "plugin_api.h"
#include "product_hooks.h"

ComponentSlot SlotTable[kSlotCount];
ComponentSlot* CurrentSlot = nullptr;
int32_t DllFlagWord = 0;

namespace {
// How often each record's instance has ended; a record released and handed out again during a
// dialog is thereby told apart from the instance the dialog opened on.
uint32_t InstanceEndings[kSlotCount];

constexpr float kDegreesPerRadian = 57.2957763671875f;

void Copy3(float* to, const float* from) {
  to[0] = from[0];
  to[1] = from[1];
  to[2] = from[2];
}

// Index of component c in the flat source list, or -1. The host is told 6 x boxCount components;
// numbers outside that range (or past the table) are refused rather than read.
int ComponentEntry(const ComponentSlot& slot, int c) {
  const int count = kComponentsPerBox * BoundedBoxCount(slot);
  if (c < 1 || c > count || c > kComponentEntries) return -1;
  return c - 1;
}
}  // namespace

float* ComponentPoint(ComponentSlot& slot, int c) {
  const int e = ComponentEntry(slot, c);
  return e < 0 ? nullptr : ComponentPositions(slot)[e];
}

float* ComponentAim(ComponentSlot& slot, int c) {
  const int e = ComponentEntry(slot, c);
  return e < 0 ? nullptr : ComponentAngles(slot)[e];
}

int ResetComponent(ComponentSlot* record) {
  if (!record) return -1;
  if (record >= SlotTable && record < SlotTable + kSlotCount) ++InstanceEndings[record - SlotTable];
  record->inUse = 0;
  std::memset(record->arrayPosition, 0, sizeof record->arrayPosition);
  std::memset(record->arrayAngles, 0, sizeof record->arrayAngles);
  std::memset(record->seatPosition, 0, sizeof record->seatPosition);
  std::memset(record->seatAngles, 0, sizeof record->seatAngles);
  // boxCount, the rest of the design data and the checksum; length and tag words stay.
  for (int w = 2; w < product::kBlockWords; ++w) record->settings[w] = 0;
  return 0;
}

SlotInstanceToken TakeSlotInstanceToken(const ComponentSlot* record) {
  SlotInstanceToken token;
  if (record >= SlotTable && record < SlotTable + kSlotCount) {
    token.record = record;
    token.endings = InstanceEndings[record - SlotTable];
  }
  return token;
}

bool SameSlotInstance(const SlotInstanceToken& token) {
  return token.record && token.record->inUse != 0 &&
         InstanceEndings[token.record - SlotTable] == token.endings;
}

float GetPointDistance(const float* a, const float* b) {
  const double dx = static_cast<double>(a[0]) - b[0];
  const double dy = static_cast<double>(a[1]) - b[1];
  const double dz = static_cast<double>(a[2]) - b[2];
  const float sum = static_cast<float>(dx * dx + dy * dy + dz * dz);
  return std::sqrt(sum);
}

PLUGIN_EXPORT int PLUGIN_CALL CI_GetComponents() { return CurrentSlot ? 1 : -1; }

PLUGIN_EXPORT int PLUGIN_CALL CI_GetFreeID() {
  for (int id = 1; id < kSlotCount; ++id) {
    if (SlotTable[id].inUse == 0) {
      SlotTable[id].inUse = 1;
      return id;
    }
  }
  return -1;
}

PLUGIN_EXPORT int PLUGIN_CALL CI_MakeCurrent(int id) {
  if (id < 1 || id >= kSlotCount) return -1;
  if (SlotTable[id].inUse == 0) return -1;
  CurrentSlot = &SlotTable[id];
  return 0;
}

PLUGIN_EXPORT int PLUGIN_CALL CI_Release() {
  if (!CurrentSlot) return -1;
  ResetComponent(CurrentSlot);
  CurrentSlot = nullptr;
  return 0;
}

// The placements refuse a NaN or infinite coordinate or angle, and keep what they had: every
// later level and distance would be NaN.
PLUGIN_EXPORT int PLUGIN_CALL CI_SetLspkPosition3fv(const float* p) {
  if (!CurrentSlot || !AllFinite(p, 3)) return -1;
  Copy3(CurrentSlot->arrayPosition, p);
  BuildArrayGeometry();
  return 0;
}

PLUGIN_EXPORT int PLUGIN_CALL CI_SetLspkAngles3fv(const float* a) {
  if (!CurrentSlot || !AllFinite(a, 3)) return -1;
  Copy3(CurrentSlot->arrayAngles, a);
  BuildArrayGeometry();
  return 0;
}

PLUGIN_EXPORT int PLUGIN_CALL CI_SetSeatPosition3fv(const float* p) {
  if (!CurrentSlot || !AllFinite(p, 3)) return -1;
  Copy3(CurrentSlot->seatPosition[0], p);
  return 0;
}

PLUGIN_EXPORT int PLUGIN_CALL CI_SetSeatAngles3fv(const float* a) {
  if (!CurrentSlot || !AllFinite(a, 3)) return -1;
  Copy3(CurrentSlot->seatAngles[0], a);
  return 0;
}

// A distance that overflows single precision (points more than 1.8e19 m apart) is refused.
PLUGIN_EXPORT float PLUGIN_CALL CI_GetDistance() {
  if (!CurrentSlot) return -1.0f;
  return FiniteOrRefused(GetPointDistance(CurrentSlot->arrayPosition, CurrentSlot->seatPosition[0]));
}

PLUGIN_EXPORT float PLUGIN_CALL CI_GetCompDistance(int c) {
  if (!CurrentSlot) return -1.0f;
  const float* point = ComponentPoint(*CurrentSlot, c);
  if (!point) return -1.0f;
  return FiniteOrRefused(GetPointDistance(point, CurrentSlot->seatPosition[0]));
}

PLUGIN_EXPORT int PLUGIN_CALL CI_GetCompPosition3fv(int c, float* out) {
  if (!CurrentSlot) return -1;
  const float* point = ComponentPoint(*CurrentSlot, c);
  if (!point) return -1;
  // An array placed near the largest float can put a box past it.
  return HandOutFinite(point, 3, out) ? 0 : -1;
}

PLUGIN_EXPORT int PLUGIN_CALL CI_GetCompAngles3fv(int c, float* out) {
  if (!CurrentSlot) return -1;
  const float* aim = ComponentAim(*CurrentSlot, c);
  if (!aim) return -1;
  float degrees[3];
  for (int i = 0; i < 3; ++i) degrees[i] = aim[i] * kDegreesPerRadian;
  return HandOutFinite(degrees, 3, out) ? 0 : -1;
}
