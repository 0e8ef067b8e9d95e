#include "message_box.h"

#include "module_state.h"
#include "winapp.h"

int AfxMessageBox(const char* text, UINT type, UINT) {
  const CWinApp* app = AfxGetApp();
  const char* caption = app ? app->AppName() : "";
  return ::MessageBoxA(::GetActiveWindow(), text, caption, type);
}

int AfxMessageBox(UINT stringId, UINT type, UINT helpId) {
  char text[512] = "";
  ::LoadStringA(AfxGetResourceHandle(), stringId, text, static_cast<int>(sizeof(text)));
  return AfxMessageBox(text, type, helpId);
}
