// Messages outside the dialogs: a plain message box with the application's name as its
// caption, owned by whatever window of the host is active.
#include <windows.h>

#include "user_message.h"
#include "winapp.h"

void ShowUserMessage(const char* text) {
  const CWinApp* app = AfxGetApp();
  const char* caption = app ? app->AppName() : nullptr;
  MessageBoxA(GetActiveWindow(), text, caption, MB_OK | MB_ICONEXCLAMATION);
}
