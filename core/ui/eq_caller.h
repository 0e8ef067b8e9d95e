// The design dialogs' side of the equaliser: one box's EQ data and the design dialog's EQ
// clipboard go into a CEqDlg, and come back by its caller contract (see eq_dialog.h).
#pragma once
#include <cstdint>

#include "bands.h"
#include "settings_block.h"
#include "win_headers.h"

// Runs the equaliser of box (0-based) modally. gain and groups are the box's own and come back
// only on OK; clipboard and clipValid are the design dialog's and come back in every case, so a
// Copy made in a cancelled equaliser still reaches the next box.
void RunBoxEqualiser(int box, int16_t (&gain)[kBandCount], EqGroup (&groups)[kEqGroupsPerBox],
                     int16_t (&clipboard)[kBandCount], BOOL& clipValid);
