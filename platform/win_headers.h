// The Windows API headers as the window code uses them: ANSI entry points, no min/max macros,
// common controls included. Window code only; the engine never includes this.
#pragma once

#ifndef NOMINMAX
#define NOMINMAX
#endif
#ifndef STRICT
#define STRICT
#endif
#include <windows.h>
#include <commctrl.h>
