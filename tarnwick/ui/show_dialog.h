// IP_ShowDialog: the host lets the user edit the current slot's design in the design dialog.
#pragma once
#include <cstdint>

#include "plugin_api.h"
#include "product_config.h"

// The slot's whole block as it was when the dialog opened; put back unless the dialog ends
// with OK. One copy for the module: one design dialog at a time.
extern int32_t SettingsUndoCopy[product::kBlockWords];

// The host's thread may arrive with a stack aligned to 4 bytes only.
#if defined(__i386__) && (defined(__GNUC__) || defined(__clang__))
#define DIALOG_ENTRY __attribute__((force_align_arg_pointer))
#else
#define DIALOG_ENTRY
#endif

// -2 for a parameter index other than 1, -1 without a current slot (or while the dialog is
// already open), else 0 however the dialog ended. On OK the design is written back and the directivity index recomputed (which leaves the
// array at the origin and the seat at the last probe point).
PLUGIN_EXPORT DIALOG_ENTRY int PLUGIN_CALL IP_ShowDialog(int i);
