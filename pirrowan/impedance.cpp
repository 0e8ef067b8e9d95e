// DLLGetImpedance: the nominal impedance per band of the array's enclosure type.
#include "design_data.h"
#include "plugin_api.h"
#include "registry.h"

namespace {
const float kImpedanceOhms[2][kBandCount] = {
    {8, 8, 8, 8, 8, 8, 8, 8, 8, 8, 8, 8, 8, 8, 8, 8, 8, 8, 8, 8, 8},
    {8, 8, 8, 8, 8, 8, 8, 8, 8, 8, 8, 8, 8, 8, 8, 8, 8, 8, 8, 8, 8},
};
}  // namespace

PLUGIN_EXPORT int PLUGIN_CALL DLLGetImpedance(float* out) {
  if (!CurrentSlot) return -1;
  const int32_t type = CurrentSlot->settings[design::kEnclosureType];
  if (type == 0 || type == 1)
    for (int b = 0; b < kBandCount; ++b) out[b] = kImpedanceOhms[type][b];
  return 0;
}
