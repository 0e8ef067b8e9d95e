// CWnd: one window of ours. It holds the window handle, receives the window's messages through
// its message map (the window is subclassed while a CWnd is attached to it) and offers the
// common window operations as thin calls of the Windows API.
//
// Messages reach a CWnd in this order: WindowProc -> OnWndMsg, which
//   - hands control notifications (WM_COMMAND from a control, WM_NOTIFY, WM_CTLCOLOR*,
//     WM_VSCROLL/WM_HSCROLL from a control) first to the control's own object, if it is one of
//     ours, through OnChildNotify ("reflection"); a control that handles it there keeps it;
//   - then searches the message map of the class and its bases;
// and whatever no entry takes goes to the window's original procedure (Default()).
#pragma once
#include <string>

#include "gdi.h"
#include "message_map.h"
#include "win_headers.h"

class CWnd {
 public:
  CWnd();
  virtual ~CWnd();
  CWnd(const CWnd&) = delete;
  CWnd& operator=(const CWnd&) = delete;

  HWND m_hWnd = nullptr;
  HWND GetSafeHwnd() const { return m_hWnd; }
  operator HWND() const { return m_hWnd; }

  // The object attached to a window, or a lasting stand-in object for a window of somebody
  // else's (valid while the module is loaded; it only wraps the handle). Null for null.
  static CWnd* FromHandle(HWND hwnd);
  // Only an attached object of ours, else null.
  static CWnd* FromHandlePermanent(HWND hwnd);

  // Attaches this object to an existing window and routes its messages through our map.
  BOOL SubclassWindow(HWND hwnd);
  BOOL SubclassDlgItem(UINT id, CWnd* parent);
  // Gives the window its own procedure back and detaches; returns the handle.
  HWND UnsubclassWindow();

  // Window operations.
  CWnd* GetDlgItem(int id) const;
  int GetDlgCtrlID() const;
  CWnd* GetParent() const;
  void SetWindowText(const char* text);
  int GetWindowText(char* buffer, int maxCount) const;
  std::string GetWindowText() const;
  int GetWindowTextLength() const;
  void SetDlgItemText(int id, const char* text);
  std::string GetDlgItemText(int id) const;
  void CheckDlgButton(int id, UINT check);
  UINT IsDlgButtonChecked(int id) const;
  BOOL EnableWindow(BOOL enable = TRUE);
  BOOL IsWindowEnabled() const;
  BOOL ShowWindow(int command);
  BOOL IsWindowVisible() const;
  void Invalidate(BOOL erase = TRUE);
  void InvalidateRect(const RECT* rect, BOOL erase = TRUE);
  void UpdateWindow();
  CWnd* SetFocus();
  static CWnd* GetFocus();
  LRESULT SendMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const;
  BOOL PostMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const;
  LRESULT SendDlgItemMessage(int id, UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const;
  void GetClientRect(RECT* rect) const;
  void GetWindowRect(RECT* rect) const;
  void MoveWindow(int x, int y, int width, int height, BOOL repaint = TRUE);
  DWORD GetStyle() const;
  BOOL DestroyWindow();
  int MessageBox(const char* text, const char* caption = nullptr, UINT type = MB_OK);

  // Called by the modal loop for every message to this window or its children before it is
  // dispatched; true means the message has been handled and is not dispatched.
  virtual BOOL PreTranslateMessage(MSG* msg);
  // A notification that the parent reflected to this control (see above). The default looks
  // for Reflected entries in this class's map; true = handled, *result is the answer.
  virtual BOOL OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result);

 protected:
  virtual LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam);
  virtual BOOL OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result);
  // The window's original procedure for any message.
  virtual LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam);
  // The original procedure for the message being handled now.
  LRESULT Default();
  BOOL ReflectChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result);
  // After the window's last message (WM_NCDESTROY); the object is already detached.
  virtual void PostNcDestroy() {}

  static const msgmap::Map* GetThisMessageMap();
  virtual const msgmap::Map* GetMessageMap() const { return GetThisMessageMap(); }

  // Default handlers for the standard message macros: each gives the message to Default().
  void OnSetFocus(CWnd* oldWnd);
  void OnKillFocus(CWnd* newWnd);
  void OnKeyDown(UINT key, UINT repeat, UINT flags);
  void OnKeyUp(UINT key, UINT repeat, UINT flags);
  void OnChar(UINT ch, UINT repeat, UINT flags);
  void OnLButtonDown(UINT flags, POINT point);
  void OnLButtonUp(UINT flags, POINT point);
  void OnMouseMove(UINT flags, POINT point);
  void OnVScroll(UINT code, UINT pos, CWnd* scrollBar);
  void OnHScroll(UINT code, UINT pos, CWnd* scrollBar);
  void OnTimer(UINT_PTR id);
  void OnPaint();
  void OnClose();
  void OnDestroy();
  HBRUSH OnCtlColor(CDC* dc, CWnd* control, UINT ctlType);

 private:
  friend class CDialog;
  static LRESULT CALLBACK SubclassProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
  bool DispatchCommand(const msgmap::Args& args, LRESULT* result);
  bool DispatchNotify(const msgmap::Args& args, LRESULT* result);
  bool DispatchMessageEntry(const msgmap::Args& args, LRESULT* result);
  void DetachAfterDestroy();

  WNDPROC originalProc_ = nullptr;
  MSG currentMsg_{};
};

// While set, control notifications (WM_COMMAND from controls) to this window are ignored:
// the dialog data exchange sets it so that the texts it writes trigger no handlers.
void SetNotifyLockout(HWND hwnd);
HWND NotifyLockout();
