#include "module_state.h"

namespace {

HINSTANCE ModuleOfThisCode() {
  static const char anchor = 0;
  HMODULE module = nullptr;
  ::GetModuleHandleExA(
      GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
      &anchor, &module);
  return module;
}

AFX_MODULE_STATE* currentState = nullptr;

}  // namespace

AFX_MODULE_STATE* AfxGetStaticModuleState() {
  static AFX_MODULE_STATE state = [] {
    HINSTANCE self = ModuleOfThisCode();
    return AFX_MODULE_STATE{self, self};
  }();
  return &state;
}

AFX_MODULE_STATE* AfxGetModuleState() {
  return currentState ? currentState : AfxGetStaticModuleState();
}

HINSTANCE AfxGetInstanceHandle() { return AfxGetModuleState()->instance; }

HINSTANCE AfxGetResourceHandle() { return AfxGetModuleState()->resourceHandle; }

void AfxSetResourceHandle(HINSTANCE resources) { AfxGetModuleState()->resourceHandle = resources; }

AFX_MAINTAIN_STATE2::AFX_MAINTAIN_STATE2(AFX_MODULE_STATE* state) : previous_(currentState) {
  currentState = state;
}

AFX_MAINTAIN_STATE2::~AFX_MAINTAIN_STATE2() { currentState = previous_; }

void AfxInitCommonControls() {
  static bool done = false;
  if (done) return;
  INITCOMMONCONTROLSEX classes{sizeof(INITCOMMONCONTROLSEX), ICC_WIN95_CLASSES};
  if (!::InitCommonControlsEx(&classes)) ::InitCommonControls();
  done = true;
}
