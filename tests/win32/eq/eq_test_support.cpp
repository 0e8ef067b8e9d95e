#include "eq_test_support.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>

EqOpening& EqOpening::Group(int slot, std::initializer_list<int> bands) {
  groups[slot].active = 1;
  for (int band : bands) groups[slot].member[band] = 1;
  return *this;
}

EqOutcome RunEqDialog(const EqOpening& opening, const EqScript& script) {
  EqOutcome outcome;
  std::memcpy(outcome.gain, opening.gain, sizeof(outcome.gain));
  std::memcpy(outcome.groups, opening.groups, sizeof(outcome.groups));

  CEqDlg dialog;
  dialog.box = opening.box;
  std::memcpy(dialog.gain, opening.gain, sizeof(dialog.gain));
  std::memcpy(dialog.clipGain, opening.clipGain, sizeof(dialog.clipGain));
  std::memcpy(dialog.groups, opening.groups, sizeof(dialog.groups));
  dialog.clipValid = opening.clipValid;

  char title[32];
  std::snprintf(title, sizeof(title), "EQ - Box %d", opening.box + 1);
  UiDriver::Run([&] { outcome.result = dialog.DoModal(); },
                [&](UiDriver& ui) {
                  HWND hwnd = ui.WaitForWindow(title);
                  if (!hwnd) return;
                  EqDialogView view(ui, hwnd);
                  script(ui, view, dialog);
                });

  if (outcome.result == IDOK) {
    std::memcpy(outcome.gain, dialog.gain, sizeof(outcome.gain));
    std::memcpy(outcome.groups, dialog.groups, sizeof(outcome.groups));
  }
  std::memcpy(outcome.clipGain, dialog.clipGain, sizeof(outcome.clipGain));
  outcome.clipValid = dialog.clipValid;
  return outcome;
}

FaderState ReadFader(UiDriver& ui, CEqDlg& dialog, int band) {
  FaderState state{};
  ui.OnUi([&] {
    const CFader& fader = dialog.faders[band];
    state = FaderState{fader.marked != 0, fader.group, fader.colourIndex};
  });
  return state;
}

EqGroup ReadGroup(UiDriver& ui, CEqDlg& dialog, int slot) {
  EqGroup group{};
  ui.OnUi([&] { group = dialog.groups[slot]; });
  return group;
}

std::vector<int> Members(const EqGroup& group) {
  std::vector<int> bands;
  for (int b = 0; b < eq::kBands; ++b) {
    if (group.member[b]) bands.push_back(b);
  }
  return bands;
}
