// What a user sees of an open design dialog and what a user does to it, read and done from the
// script thread of a UiDriver run. Controls are named by their ids.
#pragma once
#include <string>

#include "ui_driver.h"

class DesignDialogView {
 public:
  DesignDialogView(UiDriver& driver, HWND dialog) : driver_(driver), dialog_(dialog) {}

  HWND Dialog() const { return dialog_; }
  HWND Item(int id) const { return ::GetDlgItem(dialog_, id); }
  std::string Text(int id) const { return driver_.Text(Item(id)); }
  bool Enabled(int id) const { return ::IsWindowEnabled(Item(id)) != 0; }
  bool Visible(int id) const { return ::IsWindowVisible(Item(id)) != 0; }
  bool Checked(int id) const;
  int Selection(int comboId) const;
  int RowCount(int comboId) const;
  std::string RowText(int comboId, int row) const;
  int FocusId() const;
  // The position an up-down reports (UDM_GETPOS, signed).
  int SpinPosition(int spinId) const;

  // Clicks into the edit (or an editable list's edit), selects its text and types over it.
  void TypeInto(int id, const std::string& text);
  void Click(int id);
  // A click on the upper or lower arrow of an up-down.
  void Spin(int id, bool up);
  void SpinUp(int id) { Spin(id, true); }
  void SpinDown(int id) { Spin(id, false); }
  // Opens a drop-down list with a click on its arrow and walks to the row with the arrow keys
  // and Enter.
  void ChooseRow(int comboId, int row);
  // Presses OK or Cancel and waits until the dialog has gone.
  void Close(int buttonId);

 private:
  UiDriver& driver_;
  HWND dialog_;
};
