// Message boxes of the window code: owned by the active window of the calling thread (so the
// box is modal to the dialog the user is working in), captioned with the application name.
#pragma once
#include "win_headers.h"

// Shows text with the given MB_* type; returns the button pressed (IDOK, IDRETRY, ...).
// helpId is accepted for the usual call shape and not used.
int AfxMessageBox(const char* text, UINT type = MB_OK, UINT helpId = 0);
// The text of a string resource of the current resource module; an empty text if none.
int AfxMessageBox(UINT stringId, UINT type = MB_OK, UINT helpId = 0);
