// What the user sees of an open equaliser dialog, read through its windows from the script
// thread, and the user's actions on it.
#pragma once
#include <string>

#include "eq_shared.h"
#include "ui_driver.h"

class EqDialogView {
 public:
  EqDialogView(UiDriver& driver, HWND dialog) : driver_(driver), dialog_(dialog) {}

  HWND Dialog() const { return dialog_; }
  HWND Fader(int band) const { return ::GetDlgItem(dialog_, eq::kFirstFaderId + band); }
  HWND Edit(int band) const { return ::GetDlgItem(dialog_, eq::kFirstEditId + band); }
  HWND Button(int id) const { return ::GetDlgItem(dialog_, id); }

  int FaderPos(int band) const;
  std::string EditText(int band) const;
  // The band whose fader or edit has the focus, -1 for another control.
  int FocusedFaderBand() const;
  int FocusedEditBand() const;
  RECT ThumbRect(int band) const;
  RECT ChannelRect(int band) const;
  POINT ThumbCentre(int band) const;

  // User actions.
  void ClickFader(int band, bool ctrl = false);  // on the thumb, so the value stays
  void DragFaderToBottom(int band);
  void DragFaderTo(int band, int position);
  void ClickEdit(int band);
  void EnterValue(int band, const std::string& text);  // click, type over, Enter
  void PressButton(int id);

 private:
  UiDriver& driver_;
  HWND dialog_;
};
