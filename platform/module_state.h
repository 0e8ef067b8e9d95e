// Where the window code finds its resources, and the one-time set-up of the common controls.
//
// Every module that links this framework (each plug-in DLL, a test program) has its own copy
// of it, and so its own module state: the module's handle, found from the address of the
// framework's own code. Dialog templates, strings and bitmaps are looked up in the current
// module state's resource module; that is the module's own until somebody changes it.
// An export that opens a dialog may hold an AFX_MAINTAIN_STATE2 for the whole call to make
// sure its dialogs come from the library's own resources whatever was set before.
#pragma once
#include "win_headers.h"

struct AFX_MODULE_STATE {
  HINSTANCE instance;        // the module that holds this copy of the framework
  HINSTANCE resourceHandle;  // where templates and strings are looked up
};

// The module state of this module (the library itself).
AFX_MODULE_STATE* AfxGetStaticModuleState();
// The state in effect now.
AFX_MODULE_STATE* AfxGetModuleState();

HINSTANCE AfxGetInstanceHandle();
HINSTANCE AfxGetResourceHandle();
void AfxSetResourceHandle(HINSTANCE resources);

// Makes a module state current for its lifetime and puts the previous one back after.
class AFX_MAINTAIN_STATE2 {
 public:
  explicit AFX_MAINTAIN_STATE2(AFX_MODULE_STATE* state);
  ~AFX_MAINTAIN_STATE2();
  AFX_MAINTAIN_STATE2(const AFX_MAINTAIN_STATE2&) = delete;
  AFX_MAINTAIN_STATE2& operator=(const AFX_MAINTAIN_STATE2&) = delete;

 private:
  AFX_MODULE_STATE* previous_;
};

// Registers the common control classes (trackbar, up-down, ...) once per module; every
// dialog calls it before it creates its window.
void AfxInitCommonControls();
