// What the equaliser dialog and its fader and value-edit controls share: the private messages,
// the module-wide group clipboard and focus band, the fader scale and this deliverable's
// variant (from its eq_config.h).
#pragma once
#include <cstdint>

#include "bands.h"
#include "eq_resource.h"
#include "settings_block.h"
#include "win_headers.h"

// Sent by a value edit: wParam = the band's new EqGain (EQ_GAIN_OFF for off), lParam = band.
constexpr UINT WM_EQ_SETVALUE = WM_APP + 0x101;
// Sent by a fader or an edit: wParam = the band to add to the group under construction, with
// lParam = lastFocusedBand; or wParam = -1 (lParam 0) to cancel that group.
constexpr UINT WM_EQ_GROUPSELECT = WM_APP + 0x102;

// Module-wide: Copy writes it, Paste reads it; it outlives every dialog.
extern EqGroup eqGroupClipboard[kEqGroupsPerBox];
// The band whose fader or value edit last received the keyboard focus.
extern int32_t lastFocusedBand;

namespace eq {

constexpr int kBands = kBandCount;
constexpr int kGainMax = 6;
constexpr int kGainMin = -18;  // the lowest gain that is not off
constexpr int kFaderMax = 25;  // position of OFF; position p = 6 - gain
constexpr int kFaderLowestOn = kFaderMax - 1;

constexpr int FaderPosition(int gain) { return kGainMax - gain; }
constexpr int GainOfPosition(int position) { return kGainMax - position; }
constexpr bool IsBand(int band) { return band >= 0 && band < kBands; }
constexpr bool IsGroupSlot(int slot) { return slot >= 0 && slot < kEqGroupsPerBox; }

constexpr int kFirstFaderId = EQ_ID_FIRST_FADER;
constexpr int kFirstEditId = EQ_ID_FIRST_EDIT;
constexpr bool kEditRestoresText = EQ_EDIT_RESTORES_TEXT != 0;
constexpr bool kTicksFollowThumb = EQ_TICKS_FOLLOW_THUMB != 0;

// Group colours by slot, as COLORREF (0x00BBGGRR).
constexpr COLORREF kGroupColours[kEqGroupsPerBox] = {0xFF0000, 0x0000FF, 0x00FF00, 0x00FFFF,
                                                     0xFF00FF, 0xFFFF00, 0x0080FF, 0x008000};

}  // namespace eq
