/* Resource ids of the equaliser dialog, for resource scripts and C++ alike. The control ids
   come from the deliverable's eq_config.h, found through its ui/ folder on the include path. */
#pragma once

#define IDD_EQ_DIALOG 109

#include "eq_config.h"
