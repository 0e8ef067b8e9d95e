// IP_* description and filter exports, RP_* description exports.
#include <cstring>

#include "finite_values.h"
#include "parameter_tables.h"
#include "plugin_api.h"
#include "product_config.h"
#include "registry.h"

const AirParameter kAirParameters[kAirParameterCount] = {
    {1, "Speed Of Sound", 343.0f, 1.0f, 1000000.0f},
    {2, "Humidity", 60.0f, 20.0f, 100.0f},
    {3, "Air Temperature", 18.0f, 0.0f, 40.0f},
    {4, "Air Pressure", 1013.0f, 900.0f, 1050.0f},
};

const AirParameter* FindAirParameter(int id) {
  if (id < 1 || id > kAirParameterCount) return nullptr;
  return &kAirParameters[id - 1];
}

namespace {
constexpr int kDesignParameterId = 4;
constexpr int kDesignParameterType = 21;
constexpr int kAirParameterType = 8;

int FillFilter(float* gain, float* phase, FilterLimit limit) {
  for (int b = 0; b < kBandCount; ++b) {
    gain[b] = limit.gain;
    phase[b] = limit.phase;
  }
  return 0;
}
}  // namespace

PLUGIN_EXPORT int PLUGIN_CALL IP_GetNumber() { return 1; }
PLUGIN_EXPORT int PLUGIN_CALL IP_GetID(int i) { return i == 1 ? kDesignParameterId : -1; }
PLUGIN_EXPORT int PLUGIN_CALL IP_GetType(int i) { return i == 1 ? kDesignParameterType : -1; }

PLUGIN_EXPORT int PLUGIN_CALL IP_GetLabel(int i, char* buffer) {
  if (i != 1) return -1;
  std::memcpy(buffer, product::kParameterLabel, sizeof product::kParameterLabel);
  return 0;
}

// The design is edited in the dialog, not as a number: nothing to report.
PLUGIN_EXPORT int PLUGIN_CALL IP_GetDefault(int i, void*) { return i == 1 ? 0 : -1; }
PLUGIN_EXPORT int PLUGIN_CALL IP_GetMinimum(int i, void*) { return i == 1 ? 0 : -1; }
PLUGIN_EXPORT int PLUGIN_CALL IP_GetMaximum(int i, void*) { return i == 1 ? 0 : -1; }

PLUGIN_EXPORT int PLUGIN_CALL IP_GetFilterDef(float* gain, float* phase) {
  return FillFilter(gain, phase, kFilterDefault);
}
PLUGIN_EXPORT int PLUGIN_CALL IP_GetFilterMin(float* gain, float* phase) {
  return FillFilter(gain, phase, kFilterMinimum);
}
PLUGIN_EXPORT int PLUGIN_CALL IP_GetFilterMax(float* gain, float* phase) {
  return FillFilter(gain, phase, kFilterMaximum);
}

PLUGIN_EXPORT int PLUGIN_CALL IP_SetFilter(float* gain, float* phase) {
  // A NaN or infinite gain or phase in any band refuses the whole filter, unclamped.
  if (!CurrentSlot || !AllFinite(gain, kBandCount) || !AllFinite(phase, kBandCount)) return -1;
  // Upper limits over all bands first, then lower limits; the host sees the clamped values.
  for (int b = 0; b < kBandCount; ++b) {
    if (gain[b] > kFilterMaximum.gain) gain[b] = kFilterMaximum.gain;
    if (phase[b] > kFilterMaximum.phase) phase[b] = kFilterMaximum.phase;
  }
  for (int b = 0; b < kBandCount; ++b) {
    if (gain[b] < kFilterMinimum.gain) gain[b] = kFilterMinimum.gain;
    if (phase[b] < kFilterMinimum.phase) phase[b] = kFilterMinimum.phase;
  }
  for (int b = 0; b < kBandCount; ++b) {
    CurrentSlot->filterGain[b] = gain[b];
    CurrentSlot->filterPhase[b] = phase[b];
  }
  return 0;
}

PLUGIN_EXPORT int PLUGIN_CALL RP_GetNumber() { return kAirParameterCount; }
PLUGIN_EXPORT int PLUGIN_CALL RP_GetID(int i) { return FindAirParameter(i) ? i : -1; }
PLUGIN_EXPORT int PLUGIN_CALL RP_GetType(int i) { return FindAirParameter(i) ? kAirParameterType : -1; }

PLUGIN_EXPORT int PLUGIN_CALL RP_GetLabel(int i, char* buffer) {
  const AirParameter* parameter = FindAirParameter(i);
  if (!parameter) return -1;
  std::strcpy(buffer, parameter->label);
  return 0;
}

PLUGIN_EXPORT int PLUGIN_CALL RP_GetDefault(int i, float* out) {
  const AirParameter* parameter = FindAirParameter(i);
  if (!parameter) return -1;
  *out = parameter->defaultValue;
  return 0;
}

PLUGIN_EXPORT int PLUGIN_CALL RP_GetMinimum(int i, float* out) {
  const AirParameter* parameter = FindAirParameter(i);
  if (!parameter) return -1;
  *out = parameter->minimum;
  return 0;
}

PLUGIN_EXPORT int PLUGIN_CALL RP_GetMaximum(int i, float* out) {
  const AirParameter* parameter = FindAirParameter(i);
  if (!parameter) return -1;
  *out = parameter->maximum;
  return 0;
}
