// Opening the equaliser dialog the way a design dialog's EQ button does, for the tests.
#pragma once
#include <cstdint>
#include <functional>
#include <string>

#include "eq_dialog.h"
#include "eq_dialog_view.h"
#include "ui_driver.h"

// The box's equaliser data and the design dialog's gains clipboard.
struct EqBoxData {
  int16_t gain[eq::kBands] = {};
  int16_t clipGain[eq::kBands] = {};
  EqGroup groups[kEqGroupsPerBox] = {};
  BOOL clipValid = FALSE;
};

// What the caller hands in.
struct EqOpening : EqBoxData {
  int box = 0;
  // A committed group in a slot.
  EqOpening& Group(int slot, std::initializer_list<int> bands);
};

// What the caller takes back: gains and groups only on IDOK (else as handed in), the
// clipboard always.
struct EqOutcome : EqBoxData {
  INT_PTR result = 0;
};

using EqScript = std::function<void(UiDriver&, EqDialogView&, CEqDlg&)>;

// Runs the dialog with the script; the script gets the open dialog (read it on the UI thread
// with ui.OnUi).
EqOutcome RunEqDialog(const EqOpening& opening, const EqScript& script);

// Snapshot of the fader's group state, read on the UI thread.
struct FaderState {
  bool marked;
  int group;
  int colourIndex;
};
FaderState ReadFader(UiDriver& ui, CEqDlg& dialog, int band);
EqGroup ReadGroup(UiDriver& ui, CEqDlg& dialog, int slot);
std::vector<int> Members(const EqGroup& group);
