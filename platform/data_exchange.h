// Dialog data exchange: a dialog's DoDataExchange lists which member goes with which control,
// and UpdateData runs it in one direction - FALSE fills the controls from the members, TRUE
// reads the members back from the controls and validates them.
//
// A value that does not validate (a float edit whose text does not start with a number) shows
// the standard message box, gives the control the focus back (with its whole text selected for
// an edit) and ends the exchange at that control: members bound before it are updated, the rest
// keep their values, and UpdateData returns FALSE.
#pragma once
#include <string>

#include "win_headers.h"

class CWnd;

class CDataExchange {
 public:
  CDataExchange(CWnd* dialog, BOOL saveAndValidate) : m_pDlgWnd(dialog), m_bSaveAndValidate(saveAndValidate) {}

  CWnd* m_pDlgWnd;
  BOOL m_bSaveAndValidate;

  // The control with this id (remembered for Fail); null when the dialog has none.
  HWND PrepareCtrl(int id);
  HWND PrepareEditCtrl(int id);
  // Ends the exchange as failed (when validating: focus back to the last prepared control).
  [[noreturn]] void Fail();

 private:
  HWND lastControl_ = nullptr;
  bool lastWasEdit_ = false;
};

// Thrown by CDataExchange::Fail and caught by UpdateData; it never leaves the framework.
struct DataExchangeFailure {};

// The standard texts of a refused value.
extern const char kPromptNumber[];   // "Please enter a number."
extern const char kPromptInteger[];  // "Please enter an integer."

// Attaches the control object to the dialog's control id (once; later calls do nothing).
void DDX_Control(CDataExchange* dx, int id, CWnd& control);
// Float edits: shown with six significant digits ("%g" style); read from the start of the text
// (leading blanks and a sign allowed, trailing characters ignored, 400 characters at most).
void DDX_Text(CDataExchange* dx, int id, float& value);
// Integer edits: "%d"; read like the float (a whole number at the start of the text).
void DDX_Text(CDataExchange* dx, int id, int& value);
void DDX_Text(CDataExchange* dx, int id, std::string& value);
// Check box: 0 clear, 1 checked, 2 indeterminate.
void DDX_Check(CDataExchange* dx, int id, int& value);
// Radio group from its first button up to the next control with WS_GROUP: the index of the
// checked button, -1 when none is.
void DDX_Radio(CDataExchange* dx, int firstId, int& value);
// Combo box selection: the list index, -1 for none.
void DDX_CBIndex(CDataExchange* dx, int id, int& index);

// The conversions of the edits, for the dialogs' own checks.
std::string FormatFloatText(float value);
// True when the text starts (after blanks) with a decimal number; stores it.
bool ParseLeadingNumber(const char* text, double* value);
bool ParseLeadingInteger(const char* text, long* value);
