// How this plug-in's IP_ShowDialog differs from the others' (the call itself is shared).
// Pirrowan writes the slot only on OK, so it keeps no copy to put back; it runs the dialog in
// the module state the host left current.
#pragma once
#include <cstdint>

#include "design_dialog.h"
#include "directivity_index_compute.h"

namespace dialog_call {

constexpr bool kKeepsUndoCopy = false;
constexpr bool kSwitchesModuleState = false;

inline void LoadDesign(const int32_t* block, CDialog1& dialog) { pirrowan::LoadDesignForm(block, dialog); }
inline void StoreDesign(const CDialog1& dialog, int32_t* block) { pirrowan::StoreDesignForm(dialog, block); }
// What an accepted design makes the plug-in recompute, on the current slot.
inline void RecomputeAfterStore() { ComputeDirectivityIndex(); }

}  // namespace dialog_call
