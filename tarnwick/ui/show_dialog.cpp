#include "show_dialog.h"

#include <cstring>

#include "design_dialog.h"
#include "directivity_index_compute.h"
#include "registry.h"

int32_t SettingsUndoCopy[product::kBlockWords];

namespace {

// Set while the dialog runs: a second call from inside its message loop would overwrite the
// copy that the first one puts back.
bool dialogOpen = false;

class OpenDialogScope {
 public:
  OpenDialogScope() { dialogOpen = true; }
  ~OpenDialogScope() { dialogOpen = false; }
  OpenDialogScope(const OpenDialogScope&) = delete;
  OpenDialogScope& operator=(const OpenDialogScope&) = delete;
};

}  // namespace

PLUGIN_EXPORT DIALOG_ENTRY int PLUGIN_CALL IP_ShowDialog(int i) {
  if (i != 1) return -2;
  if (!CurrentSlot || dialogOpen) return -1;
  OpenDialogScope open;
  // The dialog's template, bitmap and strings are the library's own, whatever the host set.
  AFX_MAINTAIN_STATE2 libraryState(AfxGetStaticModuleState());
  int32_t* settings = CurrentSlot->settings;
  std::memcpy(SettingsUndoCopy, settings, sizeof SettingsUndoCopy);
  CDialog1 dialog;
  tarnwick::LoadDesignForm(settings, dialog);
  if (dialog.DoModal() == IDOK) {
    tarnwick::StoreDesignForm(dialog, settings);
    ComputeDirectivityIndex();
  } else {
    std::memcpy(settings, SettingsUndoCopy, sizeof SettingsUndoCopy);
  }
  return 0;
}
