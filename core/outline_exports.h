// Declarations of the CS_* exports (the cabinet outline of the current array).
#pragma once
#include "plugin_api.h"

PLUGIN_EXPORT int PLUGIN_CALL CS_GetSymmetry(int* kind, float* value);
PLUGIN_EXPORT int PLUGIN_CALL CS_GetVertexNumber(int* count);
PLUGIN_EXPORT int PLUGIN_CALL CS_GetVertexArray(CsVertex* array);
PLUGIN_EXPORT int PLUGIN_CALL CS_GetEdgeNumber(int* count);
PLUGIN_EXPORT int PLUGIN_CALL CS_GetEdgeArray(CsEdge* array);
