// Our dialog framework in one include: windows, dialogs, message maps, controls, data
// exchange, GDI wrappers, message boxes and the module state. Window code only.
#pragma once
#include "controls.h"
#include "data_exchange.h"
#include "dialog.h"
#include "gdi.h"
#include "message_box.h"
#include "message_map.h"
#include "module_state.h"
#include "win_headers.h"
#include "winapp.h"
#include "wnd.h"
