// Wrappers of the standard and common controls: each is a CWnd with the control's messages as
// member functions. Attach them to dialog controls with DDX_Control (or SubclassDlgItem);
// derive from them to handle the control's messages in a map of your own.
#pragma once
#include <string>

#include "wnd.h"

class CStatic : public CWnd {};

class CButton : public CWnd {
 public:
  int GetCheck() const;
  void SetCheck(int check);
  void Click();
};

class CEdit : public CWnd {
 public:
  void SetSel(int start, int end, BOOL noScroll = FALSE);
  void GetSel(int& start, int& end) const;
  void ReplaceSel(const char* text, BOOL canUndo = FALSE);
  void LimitText(int maxChars);
  void ScrollCaret();
};

class CComboBox : public CWnd {
 public:
  int GetCount() const;
  int GetCurSel() const;
  int SetCurSel(int index);
  int AddString(const char* text);
  int InsertString(int index, const char* text);
  int DeleteString(int index);
  void ResetContent();
  // Whole-text match, not case-sensitive; start -1 searches the whole list. CB_ERR if none.
  int FindStringExact(int start, const char* text) const;
  std::string GetLBText(int index) const;
  BOOL GetDroppedState() const;
};

// Up-down control. Positions are 16-bit; the range is given as (lower, upper).
class CSpinButtonCtrl : public CWnd {
 public:
  void SetRange(short lower, short upper);
  void GetRange(int& lower, int& upper) const;
  int SetPos(int pos);
  int GetPos() const;  // the position; the high word is non-zero on error, as the control says
};

// Trackbar.
class CSliderCtrl : public CWnd {
 public:
  void SetRange(int minimum, int maximum, BOOL redraw = FALSE);
  int GetRangeMin() const;
  int GetRangeMax() const;
  void SetPos(int pos);
  int GetPos() const;
  void SetTicFreq(int frequency);
  void SetPageSize(int size);
  void SetLineSize(int size);
  void GetThumbRect(RECT* rect) const;
  void GetChannelRect(RECT* rect) const;
};
