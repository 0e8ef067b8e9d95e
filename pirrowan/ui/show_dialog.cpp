// IP_ShowDialog: the host's way into the design dialog of the current component. The slot's
// block is written only when the dialog ends with OK, so nothing needs undoing otherwise.
#include "design_dialog.h"
#include "directivity_index_compute.h"
#include "plugin_api.h"
#include "registry.h"

PLUGIN_EXPORT int PLUGIN_CALL IP_ShowDialog(int i);

namespace {

// Writes every member into the design data of the current component.
void SaveToPluginState(const CDialog1& dialog) { pirrowan::StoreDesignForm(dialog, CurrentSlot->settings); }

}  // namespace

PLUGIN_EXPORT int PLUGIN_CALL IP_ShowDialog(int i) {
  if (i != 1) return -2;
  if (!CurrentSlot) return -1;
  CDialog1 dialog;
  pirrowan::LoadDesignForm(CurrentSlot->settings, dialog);
  if (dialog.DoModal() == IDOK) {
    SaveToPluginState(dialog);
    ComputeDirectivityIndex();
  }
  return 0;
}
