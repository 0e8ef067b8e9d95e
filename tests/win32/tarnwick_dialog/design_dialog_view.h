// What the user sees of an open Tarnwick design dialog and what the user does on it, from the
// script thread of a UiDriver run. Boxes count from 0 (row 1 on screen), junctions from 1.
#pragma once
#include <string>

#include "design_resource.h"
#include "ui_driver.h"

class DesignDialogView {
 public:
  DesignDialogView(UiDriver& driver, HWND dialog) : driver_(driver), dialog_(dialog) {}

  HWND Dialog() const { return dialog_; }
  HWND Item(int id) const { return ::GetDlgItem(dialog_, id); }
  HWND ModelList(int box) const { return Item(IDC_MODEL_LIST_FIRST + box); }
  HWND AngleEdit(int junction) const { return Item(IDC_ANGLE_EDIT_FIRST + junction); }
  HWND AngleSpin(int junction) const { return Item(IDC_ANGLE_SPIN_FIRST + junction); }
  HWND ColumnEdit(int box) const { return Item(IDC_COLUMN_EDIT_FIRST + box); }
  HWND ColumnSpin(int box) const { return Item(IDC_COLUMN_SPIN_FIRST + box); }
  HWND EqButton(int box) const { return Item(IDC_EQ_BUTTON_FIRST + box); }
  HWND AdapterList(int junction) const;
  HWND AdapterLabel(int junction) const { return Item(IDC_ADAPTER_LABEL_FIRST + junction - 1); }

  std::string Text(HWND control) const { return driver_.Text(control); }
  bool Enabled(HWND control) const { return ::IsWindowEnabled(control) != FALSE; }
  bool Shown(HWND control) const { return (::GetWindowLongA(control, GWL_STYLE) & WS_VISIBLE) != 0; }
  // The selected item's text of a list, "" when none is selected.
  std::string Selected(HWND list) const;
  int ItemCount(HWND list) const;
  std::string ItemText(HWND list, int index) const;

  // User actions, through real mouse and keyboard input.
  // Opens a list with the mouse and clicks one of its items.
  void OpenList(HWND list);
  void ClickListItem(HWND list, int index);
  void Choose(HWND list, int index) {
    OpenList(list);
    ClickListItem(list, index);
  }
  void SpinUp(HWND spin, int clicks = 1);
  void SpinDown(HWND spin, int clicks = 1);
  // What a spin reports to the dialog for one click (position +1 up, -1 down, then the end of
  // the scroll), for the hidden aiming spin that no mouse can reach.
  void ReportSpinClick(HWND spin, int position);
  // Clicks into the edit, types over its text, leaves it with Tab.
  void TypeAndLeave(HWND edit, const std::string& text);
  void Click(HWND control) { driver_.ClickCentre(control); }
  // Clicks OK or Cancel and waits until the dialog has gone (fails the test when it stays).
  void Close(int buttonId);
  // Waits until the dialog is the active window again (after a nested dialog closed).
  void WaitUntilActive();

 private:
  void ClickSpinHalf(HWND spin, bool upper, int clicks);

  UiDriver& driver_;
  HWND dialog_;
};
