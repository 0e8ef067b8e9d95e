// DLL* exports: identity and capabilities of the plug-in.
#include "directivity_index.h"
#include "finite_values.h"
#include "plugin_api.h"
#include "product_config.h"
#include "registry.h"

namespace {
const char kManufacturer[] = "Kestrane Professional";
// The degree sign is the single Windows-1252 byte 0xB0.
const char kDataResolution[] = "5\xB0 Magnitude Balloon";

// The host asks for capabilities by number (1..5) and reads one of three answers.
enum CapabilityAnswer : int { kCapabilityRefused = -1, kCapabilityUnknown = 0, kCapabilityOffered = 1 };
constexpr int kLastCapability = 5;
constexpr CapabilityAnswer kCapabilityAnswers[kLastCapability + 1] = {
    kCapabilityUnknown,  // 0 is no capability
    kCapabilityRefused, kCapabilityRefused, kCapabilityOffered, kCapabilityUnknown, kCapabilityOffered};
constexpr int kPluginClass = 2;
}  // namespace

PLUGIN_EXPORT int PLUGIN_CALL DLLVersion() { return product::kVersion; }

PLUGIN_EXPORT int PLUGIN_CALL DLLGetCaps(int cap) {
  if (cap < 1 || cap > kLastCapability) return kCapabilityUnknown;
  return kCapabilityAnswers[cap];
}

PLUGIN_EXPORT int PLUGIN_CALL DLLClass() { return kPluginClass; }

PLUGIN_EXPORT int PLUGIN_CALL DLLLock(int* out) {
  *out = 0;
  return 0;
}

PLUGIN_EXPORT int PLUGIN_CALL DLLGetComponents() {
  if (!CurrentSlot) return -1;
  // Six per box. A stored count outside 0..capacity is reported as far as the slot's tables
  // reach, so that a host which sizes its buffers from this count is never sent past them.
  return kComponentsPerBox * BoundedBoxCount(*CurrentSlot);
}

PLUGIN_EXPORT int PLUGIN_CALL DLLGetName(const char** out) {
  *out = product::kName;
  return 0;
}

PLUGIN_EXPORT int PLUGIN_CALL DLLGetManufacturer(const char** out) {
  *out = kManufacturer;
  return 0;
}

PLUGIN_EXPORT int PLUGIN_CALL DLLGetSymmetry(int* out) {
  *out = -1;
  return 0;
}

PLUGIN_EXPORT int PLUGIN_CALL DLLGetValidBands(int* out) {
  for (int b = 0; b < kBandCount; ++b) out[b] = -1;
  return 0;
}

PLUGIN_EXPORT int PLUGIN_CALL DLLGetDirectivity(float* out) {
  if (!product::kReportsDirectivityIndex) return -1;
  return HandOutFinite(DirectivityIndexTable, kBandCount, out) ? 0 : -1;
}

PLUGIN_EXPORT int PLUGIN_CALL DLLGetSensitivity(void*) { return -1; }
PLUGIN_EXPORT int PLUGIN_CALL DLLGetMaxPower(void*) { return -1; }

PLUGIN_EXPORT int PLUGIN_CALL DLLGetFlag(int id, int* out) {
  *out = 0;
  if (id == 1 && (DllFlagWord & 1)) *out = -1;
  return 0;
}

PLUGIN_EXPORT int PLUGIN_CALL DLLSetFlag(int id, const int* value) {
  if (id != 1) return 0;
  DllFlagWord &= ~1;
  if (*value != 0) DllFlagWord |= 1;
  return 0;
}

PLUGIN_EXPORT int PLUGIN_CALL DLLInitLibrary(void*) { return 0; }

PLUGIN_EXPORT int PLUGIN_CALL DLLGetDataResolution(const char** out) {
  *out = kDataResolution;
  return 0;
}
