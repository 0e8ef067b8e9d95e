// CEditCtrl: the small value edit of one equaliser band. It takes a whole number of dB
// (-18..+6) or "OFF", checks it on Enter, Up, Down and focus loss, and reports it to the dialog
// with WM_EQ_SETVALUE; the dialog writes the band's value back into it. The edit of the band
// that has the keyboard focus (in the edit or in its fader) shows the window colour, the others
// the button-face colour.
#pragma once
#include <cstdint>
#include <string>

#include "framework.h"

class CFader;

class CEditCtrl : public CEdit {
 public:
  CEditCtrl();
  ~CEditCtrl() override;

  // Puts the value last written by the dialog back (used after a refused text).
  void RestoreText();
  BOOL OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) override;

  CFader* fader = nullptr;  // the fader of the same band
  BOOL focused = FALSE;     // this edit or its fader has the keyboard focus
  int32_t lastValue = 0;    // the value the dialog last wrote (used where refused texts are restored)
  HBRUSH faceBrush;
  HBRUSH windowBrush;
  BOOL showLimitMessage = TRUE;  // cleared while the Enter path's own message is up

 protected:
  void OnKeyDown(UINT key, UINT repeat, UINT flags);
  void OnSetFocus(CWnd* oldWnd);
  void OnKillFocus(CWnd* newWnd);
  void OnChar(UINT ch, UINT repeat, UINT flags);

  DECLARE_MESSAGE_MAP()

 private:
  int Band() const;
  bool BandIsGrouped() const;
  void SendValue(int value);
  void Refocus();
  // A refused text: the message, and where this deliverable does so, restore and refocus.
  void Refuse(const char* message, bool restore);

  bool messageShowing_ = false;  // this edit's own message box is up
};

// "OFF" or "off", the whole text, case as written.
bool IsOffText(const std::string& text);
