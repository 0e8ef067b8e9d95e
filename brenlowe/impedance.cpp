// This family reports no impedance.
#include "plugin_api.h"

PLUGIN_EXPORT int PLUGIN_CALL DLLGetImpedance(float*) { return -1; }
