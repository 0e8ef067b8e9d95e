#include "eq_shared.h"

EqGroup eqGroupClipboard[kEqGroupsPerBox] = {};
int32_t lastFocusedBand = 0;
