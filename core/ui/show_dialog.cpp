#include "show_dialog.h"

#include <cstring>
#include <optional>

#include "dialog_call.h"
#include "registry.h"

int32_t SettingsUndoCopy[product::kBlockWords];

namespace {

// Set while a design dialog runs. The dialog's modal loop dispatches the host's messages too, so
// the host can call in again from inside it: a second dialog would overwrite the undo copy the
// first one puts back, and the two would write each other's slots.
bool designDialogOpen = false;

class OpenDialogScope {
 public:
  OpenDialogScope() { designDialogOpen = true; }
  ~OpenDialogScope() { designDialogOpen = false; }
  OpenDialogScope(const OpenDialogScope&) = delete;
  OpenDialogScope& operator=(const OpenDialogScope&) = delete;
};

// Makes a slot current for a while and then gives the host back the slot it had chosen, which
// may have changed while the dialog was open.
class CurrentSlotScope {
 public:
  explicit CurrentSlotScope(ComponentSlot* slot) : previous_(CurrentSlot) { CurrentSlot = slot; }
  ~CurrentSlotScope() { CurrentSlot = previous_; }
  CurrentSlotScope(const CurrentSlotScope&) = delete;
  CurrentSlotScope& operator=(const CurrentSlotScope&) = delete;

 private:
  ComponentSlot* previous_;
};

}  // namespace

PLUGIN_EXPORT int PLUGIN_CALL IP_ShowDialog(int i) {
  if (i != 1) return -2;
  if (!CurrentSlot || designDialogOpen) return -1;
  OpenDialogScope open;
  std::optional<AFX_MAINTAIN_STATE2> libraryState;
  if (dialog_call::kSwitchesModuleState) libraryState.emplace(AfxGetStaticModuleState());

  // Everything below acts on the slot the dialog was opened for, whichever slot the host makes
  // current meanwhile.
  ComponentSlot* const slot = CurrentSlot;
  const SlotInstanceToken instance = TakeSlotInstanceToken(slot);
  if (dialog_call::kKeepsUndoCopy) std::memcpy(SettingsUndoCopy, slot->settings, sizeof SettingsUndoCopy);

  CDialog1 dialog;
  dialog_call::LoadDesign(slot->settings, dialog);
  const INT_PTR result = dialog.DoModal();
  // A slot released during the dialog now belongs to no instance (or to a new one): neither the
  // edited design nor the copy belongs there.
  if (!SameSlotInstance(instance)) return 0;
  if (result == IDOK) {
    dialog_call::StoreDesign(dialog, slot->settings);
    CurrentSlotScope recomputeOn(slot);
    dialog_call::RecomputeAfterStore();
  } else if (dialog_call::kKeepsUndoCopy) {
    std::memcpy(slot->settings, SettingsUndoCopy, sizeof SettingsUndoCopy);
  }
  return 0;
}
