#include "data_exchange.h"

#include <cerrno>
#include <cfloat>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "message_box.h"
#include "wnd.h"

const char kPromptNumber[] = "Please enter a number.";
const char kPromptInteger[] = "Please enter an integer.";

namespace {

// Texts longer than this are read only up to it.
constexpr int kMaxReadChars = 400;

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f' || c == '\v'; }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// The length of the number at the start of text (blanks, sign, digits, fraction, exponent);
// 0 when the text does not start with one. Whole numbers only when integer is set.
size_t LeadingNumberLength(const char* text, bool integer) {
  size_t i = 0;
  while (IsBlank(text[i])) ++i;
  if (text[i] == '+' || text[i] == '-') ++i;
  size_t digits = 0;
  while (IsDigit(text[i])) ++i, ++digits;
  if (!integer && text[i] == '.') {
    ++i;
    while (IsDigit(text[i])) ++i, ++digits;
  }
  if (digits == 0) return 0;
  if (!integer && (text[i] == 'e' || text[i] == 'E')) {
    size_t j = i + 1;
    if (text[j] == '+' || text[j] == '-') ++j;
    if (IsDigit(text[j])) {
      while (IsDigit(text[j])) ++j;
      i = j;
    }
  }
  return i;
}

std::string ReadControlText(HWND control) {
  char buffer[kMaxReadChars + 1] = "";
  ::GetWindowTextA(control, buffer, static_cast<int>(sizeof(buffer)));
  return buffer;
}

// Writes the text only when it differs, so that an unchanged edit keeps caret and selection.
void WriteControlText(HWND control, const std::string& text) {
  int length = ::GetWindowTextLengthA(control);
  if (length == static_cast<int>(text.size())) {
    std::string current(static_cast<size_t>(length) + 1, '\0');
    ::GetWindowTextA(control, &current[0], length + 1);
    current.resize(static_cast<size_t>(length));
    if (current == text) return;
  }
  ::SetWindowTextA(control, text.c_str());
}

[[noreturn]] void Refuse(CDataExchange* dx, const char* prompt) {
  AfxMessageBox(prompt, MB_OK | MB_ICONEXCLAMATION);
  dx->Fail();
}

}  // namespace

HWND CDataExchange::PrepareCtrl(int id) {
  HWND control = ::GetDlgItem(m_pDlgWnd->m_hWnd, id);
  if (!control) {
    char note[96];
    std::snprintf(note, sizeof(note), "data exchange: the dialog has no control %d\n", id);
    ::OutputDebugStringA(note);
    return nullptr;
  }
  lastControl_ = control;
  lastWasEdit_ = false;
  return control;
}

HWND CDataExchange::PrepareEditCtrl(int id) {
  HWND control = PrepareCtrl(id);
  if (control) lastWasEdit_ = true;
  return control;
}

void CDataExchange::Fail() {
  if (m_bSaveAndValidate && lastControl_) {
    ::SetFocus(lastControl_);
    if (lastWasEdit_) ::SendMessageA(lastControl_, EM_SETSEL, 0, -1);
  }
  throw DataExchangeFailure{};
}

std::string FormatFloatText(float value) {
  char text[64];
  std::snprintf(text, sizeof(text), "%.*g", FLT_DIG, static_cast<double>(value));
  return text;
}

bool ParseLeadingNumber(const char* text, double* value) {
  size_t length = LeadingNumberLength(text, false);
  if (length == 0) return false;
  std::string number(text, length);
  *value = std::strtod(number.c_str(), nullptr);
  return true;
}

bool ParseLeadingInteger(const char* text, long* value) {
  size_t length = LeadingNumberLength(text, true);
  if (length == 0) return false;
  std::string number(text, length);
  errno = 0;
  *value = std::strtol(number.c_str(), nullptr, 10);
  return errno != ERANGE;
}

void DDX_Control(CDataExchange* dx, int id, CWnd& control) {
  if (control.m_hWnd) return;
  HWND hwnd = dx->PrepareCtrl(id);
  if (hwnd) control.SubclassWindow(hwnd);
}

void DDX_Text(CDataExchange* dx, int id, float& value) {
  HWND control = dx->PrepareEditCtrl(id);
  if (!control) return;
  if (!dx->m_bSaveAndValidate) {
    WriteControlText(control, FormatFloatText(value));
    return;
  }
  double number = 0;
  // A number beyond the float range would turn into infinity: refused like any non-number.
  if (!ParseLeadingNumber(ReadControlText(control).c_str(), &number) || !(std::fabs(number) <= FLT_MAX)) {
    Refuse(dx, kPromptNumber);
  }
  value = static_cast<float>(number);
}

void DDX_Text(CDataExchange* dx, int id, int& value) {
  HWND control = dx->PrepareEditCtrl(id);
  if (!control) return;
  if (!dx->m_bSaveAndValidate) {
    WriteControlText(control, std::to_string(value));
    return;
  }
  long number = 0;
  if (!ParseLeadingInteger(ReadControlText(control).c_str(), &number)) Refuse(dx, kPromptInteger);
  value = static_cast<int>(number);
}

void DDX_Text(CDataExchange* dx, int id, std::string& value) {
  HWND control = dx->PrepareEditCtrl(id);
  if (!control) return;
  if (!dx->m_bSaveAndValidate) {
    WriteControlText(control, value);
    return;
  }
  CWnd* wnd = CWnd::FromHandle(control);
  value = wnd->GetWindowText();
}

void DDX_Check(CDataExchange* dx, int id, int& value) {
  HWND control = dx->PrepareCtrl(id);
  if (!control) return;
  if (dx->m_bSaveAndValidate) {
    value = static_cast<int>(::SendMessageA(control, BM_GETCHECK, 0, 0));
  } else {
    ::SendMessageA(control, BM_SETCHECK, static_cast<WPARAM>(value), 0);
  }
}

void DDX_Radio(CDataExchange* dx, int firstId, int& value) {
  HWND first = dx->PrepareCtrl(firstId);
  if (!first) return;
  if (dx->m_bSaveAndValidate) value = -1;
  int index = 0;
  for (HWND button = first; button; button = ::GetWindow(button, GW_HWNDNEXT)) {
    if (button != first && (::GetWindowLongA(button, GWL_STYLE) & WS_GROUP)) break;
    if (!(::SendMessageA(button, WM_GETDLGCODE, 0, 0) & DLGC_RADIOBUTTON)) continue;
    if (dx->m_bSaveAndValidate) {
      if (::SendMessageA(button, BM_GETCHECK, 0, 0) == BST_CHECKED) value = index;
    } else {
      ::SendMessageA(button, BM_SETCHECK, index == value ? BST_CHECKED : BST_UNCHECKED, 0);
    }
    ++index;
  }
}

void DDX_CBIndex(CDataExchange* dx, int id, int& index) {
  HWND control = dx->PrepareCtrl(id);
  if (!control) return;
  if (dx->m_bSaveAndValidate) {
    index = static_cast<int>(::SendMessageA(control, CB_GETCURSEL, 0, 0));
  } else {
    ::SendMessageA(control, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
  }
}
