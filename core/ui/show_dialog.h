// IP_ShowDialog: the host lets the user edit the current component's design in the plug-in's
// design dialog. One call for the three plug-ins; what differs is in <product>/ui/dialog_call.h.
#pragma once
#include <cstdint>

#include "plugin_api.h"
#include "product_config.h"

// The slot's whole block as it was when the dialog opened, put back unless the dialog ends with
// OK (by the plug-ins that keep one). One copy for the module: one design dialog at a time.
extern int32_t SettingsUndoCopy[product::kBlockWords];

// -2 for a parameter index other than 1; -1 without a current slot, or while a design dialog
// is already open (the open one keeps its copy and its slot); else 0 however the dialog ended.
// OK stores the design into the slot that was current when the dialog opened and recomputes
// its directivity index (which leaves that array at the origin and its seat at the last probe
// point); any other end leaves the block as it was. A slot released while the dialog was open
// is not written.
PLUGIN_EXPORT int PLUGIN_CALL IP_ShowDialog(int i);
