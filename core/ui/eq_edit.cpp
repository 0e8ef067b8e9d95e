#include "eq_edit.h"

#include <cstdlib>

#include "eq_fader.h"
#include "eq_shared.h"

namespace {

const char kGroupRangeMessage[] = "For group are allowed values from +6 dB to -18 dB";
const char kEnteredOutOfLimits[] = "The entered value is out off limits";
const char kEntedOutOfLimits[] = "The ented value is out off limits";

bool InGainRange(int value) { return value >= eq::kGainMin && value <= eq::kGainMax; }

}  // namespace

bool IsOffText(const std::string& text) { return text == "OFF" || text == "off"; }

BEGIN_MESSAGE_MAP(CEditCtrl, CEdit)
  ON_WM_KEYDOWN()
  ON_WM_SETFOCUS()
  ON_WM_KILLFOCUS()
  ON_WM_CHAR()
END_MESSAGE_MAP()

CEditCtrl::CEditCtrl()
    : faceBrush(::GetSysColorBrush(COLOR_BTNFACE)), windowBrush(::GetSysColorBrush(COLOR_WINDOW)) {}

// The brushes are the system's own and are not deleted.
CEditCtrl::~CEditCtrl() = default;

int CEditCtrl::Band() const { return GetDlgCtrlID() - eq::kFirstEditId; }

bool CEditCtrl::BandIsGrouped() const { return fader && fader->IsGrouped(); }

void CEditCtrl::SendValue(int value) {
  ::SendMessageA(::GetParent(m_hWnd), WM_EQ_SETVALUE, static_cast<WPARAM>(value), static_cast<LPARAM>(Band()));
}

void CEditCtrl::Refocus() {
  SetFocus();
  SendMessage(EM_SETSEL, 0, -1);
  SendMessage(EM_SCROLLCARET);
}

void CEditCtrl::Refuse(const char* message, bool restore) {
  if (message) {
    // The message box takes the focus from this edit; that focus loss is no new input to check.
    messageShowing_ = true;
    AfxMessageBox(message, MB_OK);
    messageShowing_ = false;
  }
  if (!eq::kEditRestoresText) return;
  if (restore) RestoreText();
  Refocus();
}

void CEditCtrl::RestoreText() {
  if (lastValue == EQ_GAIN_OFF) {
    SetWindowText("OFF");
  } else {
    SetWindowText(std::to_string(lastValue).c_str());
  }
}

BOOL CEditCtrl::OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) {
  if (message != WM_CTLCOLOREDIT) return CEdit::OnChildNotify(message, wParam, lParam, result);
  HDC dc = reinterpret_cast<HDC>(wParam);
  ::SetTextColor(dc, ::GetSysColor(COLOR_WINDOWTEXT));
  ::SetBkColor(dc, ::GetSysColor(focused ? COLOR_WINDOW : COLOR_BTNFACE));
  *result = reinterpret_cast<LRESULT>(focused ? windowBrush : faceBrush);
  return TRUE;
}

void CEditCtrl::OnSetFocus(CWnd* oldWnd) {
  CEdit::OnSetFocus(oldWnd);
  focused = TRUE;
  if (fader) lastFocusedBand = fader->band;
  Invalidate(TRUE);
  ::SendMessageA(::GetParent(m_hWnd), WM_EQ_GROUPSELECT, static_cast<WPARAM>(-1), 0);
}

void CEditCtrl::OnChar(UINT ch, UINT repeat, UINT flags) {
  if (ch == '\r') return;  // Enter is handled on key-down; the edit must not take a line break
  CEdit::OnChar(ch, repeat, flags);
}

void CEditCtrl::OnKeyDown(UINT key, UINT repeat, UINT flags) {
  showLimitMessage = TRUE;
  const std::string text = GetWindowText();
  switch (key) {
    case VK_RETURN: {
      if (BandIsGrouped() && IsOffText(text)) return Refuse(kGroupRangeMessage, false);
      if (IsOffText(text)) return SendValue(EQ_GAIN_OFF);
      const int value = std::atoi(text.c_str());
      if (!InGainRange(value)) {
        // This message box takes the focus from the edit: the focus-loss check must not say it again.
        showLimitMessage = FALSE;
        return Refuse(kEnteredOutOfLimits, true);
      }
      return SendValue(value);
    }
    case VK_UP: {
      if (text == "OFF") return SendValue(eq::kGainMin);  // one step above off
      const int value = std::atoi(text.c_str());
      if (!InGainRange(value)) return Refuse(eq::kEditRestoresText ? kEnteredOutOfLimits : kEntedOutOfLimits, true);
      if (value == eq::kGainMax) return;
      return SendValue(value + 1);
    }
    case VK_DOWN: {
      if (text == "OFF") return;
      const int value = std::atoi(text.c_str());
      if (!InGainRange(value)) return Refuse(kEntedOutOfLimits, true);
      return SendValue(value - 1);  // from -18 this is off, which the dialog refuses for a group
    }
    default:
      CEdit::OnKeyDown(key, repeat, flags);
  }
}

void CEditCtrl::OnKillFocus(CWnd* newWnd) {
  CEdit::OnKillFocus(newWnd);
  focused = FALSE;
  Invalidate(TRUE);
  if (messageShowing_) return;
  const std::string text = GetWindowText();
  if (BandIsGrouped() && IsOffText(text)) return Refuse(kGroupRangeMessage, false);
  if (IsOffText(text)) return SendValue(EQ_GAIN_OFF);
  const int value = std::atoi(text.c_str());
  if (!InGainRange(value)) {
    const bool say = !eq::kEditRestoresText || showLimitMessage;
    return Refuse(say ? kEnteredOutOfLimits : nullptr, true);
  }
  SendValue(value);  // also when unchanged
}
