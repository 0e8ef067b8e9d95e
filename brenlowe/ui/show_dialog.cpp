// IP_ShowDialog: the host's way into the design dialog of the current component.
#include <cstring>

#include "design_dialog.h"
#include "directivity_index_compute.h"
#include "plugin_api.h"
#include "registry.h"

PLUGIN_EXPORT int PLUGIN_CALL IP_ShowDialog(int i);

namespace {

// The block as it was when the dialog opened; put back unless the dialog ends with OK. One copy
// for the module: there is one design dialog at a time.
int32_t SettingsUndoCopy[product::kBlockWords];

}  // namespace

PLUGIN_EXPORT int PLUGIN_CALL IP_ShowDialog(int i) {
  if (i != 1) return -2;
  if (!CurrentSlot) return -1;
  int32_t* settings = CurrentSlot->settings;
  std::memcpy(SettingsUndoCopy, settings, sizeof SettingsUndoCopy);
  {
    CDialog1 dialog;
    brenlowe::LoadDesignForm(settings, dialog);
    if (dialog.DoModal() == IDOK) {
      brenlowe::StoreDesignForm(dialog, settings);
      ComputeDirectivityIndex();
    } else {
      std::memcpy(settings, SettingsUndoCopy, sizeof SettingsUndoCopy);
    }
  }
  return 0;
}
