// How this plug-in's IP_ShowDialog differs from the others' (the call itself is shared).
// Tarnwick copies the whole block aside at the opening and puts it back unless the dialog ends
// with OK; it switches to the library's own module state for the call, so that the dialog finds
// the library's template, bitmap and strings whatever module the host had current.
#pragma once
#include <cstdint>

#include "design_dialog.h"
#include "directivity_index_compute.h"

namespace dialog_call {

constexpr bool kKeepsUndoCopy = true;
constexpr bool kSwitchesModuleState = true;

inline void LoadDesign(const int32_t* block, CDialog1& dialog) { tarnwick::LoadDesignForm(block, dialog); }
inline void StoreDesign(const CDialog1& dialog, int32_t* block) { tarnwick::StoreDesignForm(dialog, block); }
// What an accepted design makes the plug-in recompute, on the current slot.
inline void RecomputeAfterStore() { ComputeDirectivityIndex(); }

}  // namespace dialog_call
