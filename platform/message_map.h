// Message maps: every window class lists the messages it handles in a static table. Dispatch
// searches the class's own table first, then its base class's, so a derived class's entry
// replaces a base entry for the same message.
//
//   class CMyDlg : public CDialog { ... DECLARE_MESSAGE_MAP() };
//   BEGIN_MESSAGE_MAP(CMyDlg, CDialog)
//     ON_BN_CLICKED(1001, &CMyDlg::OnApply)
//     ON_WM_VSCROLL()
//   END_MESSAGE_MAP()
//
// Handlers are member functions with the signature their macro names below. Each entry holds
// a small adapter (a "thunk") that unpacks wParam and lParam and calls the handler.
#pragma once
#include "win_headers.h"

class CWnd;
class CDC;

namespace msgmap {

// What an entry matches.
enum class Route : unsigned char {
  End,        // terminates a table
  Message,    // a window message by number
  Command,    // WM_COMMAND by notification code and a range of control ids
  Notify,     // WM_NOTIFY by notification code and a range of control ids
  Reflected,  // a message that the parent handed back to the control it came from
};

struct Args {
  UINT message;
  WPARAM wParam;
  LPARAM lParam;
};

// Calls the handler; returns false when the handler declined the message (only the colour
// reflection does: a null brush means "not handled").
using Thunk = bool (*)(CWnd* self, const Args& args, LRESULT* result);

struct Entry {
  Route route;
  UINT message;  // the window message (WM_COMMAND and WM_NOTIFY for those routes)
  UINT code;     // notification code of WM_COMMAND and WM_NOTIFY entries
  UINT firstId;  // control id range of Command and Notify entries
  UINT lastId;
  Thunk thunk;
};

struct Map {
  const Map* (*base)();  // the base class's table, null for the root
  const Entry* entries;  // ends with a Route::End entry
};

// Window wrappers for handles that arrive in messages (defined with CWnd).
CWnd* WndFromHandle(HWND hwnd);

// A DC wrapper around the HDC of a colour message for the duration of one handler call.
HBRUSH CallCtlColor(CWnd* self, const Args& args, HBRUSH (*call)(CWnd*, CDC*, CWnd*, UINT));
HBRUSH CallCtlColorReflect(CWnd* self, const Args& args, HBRUSH (*call)(CWnd*, CDC*, UINT));

// Entries for the whole WM_CTLCOLOR* family carry this in place of a message number.
constexpr UINT kAnyCtlColor = 0xFFFF0132u;
inline bool IsCtlColor(UINT message) {
  return message >= WM_CTLCOLORMSGBOX && message <= WM_CTLCOLORSTATIC;
}
inline UINT CtlColorType(UINT message) { return message - WM_CTLCOLORMSGBOX; }

template <class T>
T* Self(CWnd* w) {
  return static_cast<T*>(w);
}

template <class T, auto F>
bool Void(CWnd* w, const Args&, LRESULT* r) {
  *r = 0;
  (Self<T>(w)->*F)();
  return true;
}
template <class T, auto F>
bool ById(CWnd* w, const Args& a, LRESULT* r) {
  *r = 0;
  (Self<T>(w)->*F)(static_cast<UINT>(LOWORD(a.wParam)));
  return true;
}
template <class T, auto F>
bool Notify(CWnd* w, const Args& a, LRESULT* r) {
  *r = 0;
  (Self<T>(w)->*F)(reinterpret_cast<NMHDR*>(a.lParam), r);
  return true;
}
template <class T, auto F>
bool NotifyById(CWnd* w, const Args& a, LRESULT* r) {
  *r = 0;
  NMHDR* nm = reinterpret_cast<NMHDR*>(a.lParam);
  (Self<T>(w)->*F)(static_cast<UINT>(nm->idFrom), nm, r);
  return true;
}
template <class T, auto F>
bool Message(CWnd* w, const Args& a, LRESULT* r) {
  *r = (Self<T>(w)->*F)(a.wParam, a.lParam);
  return true;
}
// Scroll position: the signed 16-bit value of the message, widened with its sign.
template <class T, auto F>
bool Scroll(CWnd* w, const Args& a, LRESULT* r) {
  *r = 0;
  UINT pos = static_cast<UINT>(static_cast<int>(static_cast<short>(HIWORD(a.wParam))));
  (Self<T>(w)->*F)(LOWORD(a.wParam), pos, WndFromHandle(reinterpret_cast<HWND>(a.lParam)));
  return true;
}
template <class T, auto F>
bool Focus(CWnd* w, const Args& a, LRESULT* r) {
  *r = 0;
  (Self<T>(w)->*F)(WndFromHandle(reinterpret_cast<HWND>(a.wParam)));
  return true;
}
template <class T, auto F>
bool Key(CWnd* w, const Args& a, LRESULT* r) {
  *r = 0;
  (Self<T>(w)->*F)(static_cast<UINT>(a.wParam), LOWORD(a.lParam), HIWORD(a.lParam));
  return true;
}
template <class T, auto F>
bool Mouse(CWnd* w, const Args& a, LRESULT* r) {
  *r = 0;
  POINT point{static_cast<short>(LOWORD(a.lParam)), static_cast<short>(HIWORD(a.lParam))};
  (Self<T>(w)->*F)(static_cast<UINT>(a.wParam), point);
  return true;
}
template <class T, auto F>
bool Timer(CWnd* w, const Args& a, LRESULT* r) {
  *r = 0;
  (Self<T>(w)->*F)(static_cast<UINT_PTR>(a.wParam));
  return true;
}
template <class T, auto F>
bool CtlColor(CWnd* w, const Args& a, LRESULT* r) {
  HBRUSH brush = CallCtlColor(w, a, [](CWnd* s, CDC* dc, CWnd* ctl, UINT type) {
    return (Self<T>(s)->*F)(dc, ctl, type);
  });
  *r = reinterpret_cast<LRESULT>(brush);
  return true;
}
template <class T, auto F>
bool CtlColorReflect(CWnd* w, const Args& a, LRESULT* r) {
  HBRUSH brush = CallCtlColorReflect(
      w, a, [](CWnd* s, CDC* dc, UINT type) { return (Self<T>(s)->*F)(dc, type); });
  *r = reinterpret_cast<LRESULT>(brush);
  return brush != nullptr;
}

}  // namespace msgmap

// In the class body (leaves the following members protected).
#define DECLARE_MESSAGE_MAP()                      \
 protected:                                        \
  static const ::msgmap::Map* GetThisMessageMap(); \
  const ::msgmap::Map* GetMessageMap() const override { return GetThisMessageMap(); }

#define BEGIN_MESSAGE_MAP(theClass, baseClass)          \
  const ::msgmap::Map* theClass::GetThisMessageMap() {   \
    using ThisClass [[maybe_unused]] = theClass;         \
    using TheBaseClass = baseClass;                      \
    static const ::msgmap::Entry entries[] = {
#define END_MESSAGE_MAP()                                                          \
  {::msgmap::Route::End, 0, 0, 0, 0, nullptr}};                                    \
  static const ::msgmap::Map map = {&TheBaseClass::GetThisMessageMap, entries};    \
  return &map;                                                                     \
  }

#define MSGMAP_ENTRY_(route, message, code, first, last, thunk) \
  {::msgmap::Route::route, (UINT)(message), (UINT)(code), (UINT)(first), (UINT)(last), thunk},

// Commands and control notifications (WM_COMMAND). Handlers: void f(); ranges: void f(UINT id).
#define ON_COMMAND(id, fn) MSGMAP_ENTRY_(Command, WM_COMMAND, 0, id, id, (&::msgmap::Void<ThisClass, fn>))
#define ON_COMMAND_RANGE(first, last, fn) \
  MSGMAP_ENTRY_(Command, WM_COMMAND, 0, first, last, (&::msgmap::ById<ThisClass, fn>))
#define ON_CONTROL(code, id, fn) \
  MSGMAP_ENTRY_(Command, WM_COMMAND, code, id, id, (&::msgmap::Void<ThisClass, fn>))
#define ON_CONTROL_RANGE(code, first, last, fn) \
  MSGMAP_ENTRY_(Command, WM_COMMAND, code, first, last, (&::msgmap::ById<ThisClass, fn>))
#define ON_BN_CLICKED(id, fn) ON_CONTROL(BN_CLICKED, id, fn)
#define ON_BN_SETFOCUS(id, fn) ON_CONTROL(BN_SETFOCUS, id, fn)
#define ON_BN_KILLFOCUS(id, fn) ON_CONTROL(BN_KILLFOCUS, id, fn)
#define ON_EN_CHANGE(id, fn) ON_CONTROL(EN_CHANGE, id, fn)
#define ON_EN_SETFOCUS(id, fn) ON_CONTROL(EN_SETFOCUS, id, fn)
#define ON_EN_KILLFOCUS(id, fn) ON_CONTROL(EN_KILLFOCUS, id, fn)
#define ON_CBN_SELCHANGE(id, fn) ON_CONTROL(CBN_SELCHANGE, id, fn)
#define ON_CBN_DROPDOWN(id, fn) ON_CONTROL(CBN_DROPDOWN, id, fn)
#define ON_CBN_CLOSEUP(id, fn) ON_CONTROL(CBN_CLOSEUP, id, fn)
#define ON_CBN_EDITCHANGE(id, fn) ON_CONTROL(CBN_EDITCHANGE, id, fn)
#define ON_CBN_KILLFOCUS(id, fn) ON_CONTROL(CBN_KILLFOCUS, id, fn)

// WM_NOTIFY. Handlers: void f(NMHDR*, LRESULT*); ranges: void f(UINT id, NMHDR*, LRESULT*).
#define ON_NOTIFY(code, id, fn) \
  MSGMAP_ENTRY_(Notify, WM_NOTIFY, code, id, id, (&::msgmap::Notify<ThisClass, fn>))
#define ON_NOTIFY_RANGE(code, first, last, fn) \
  MSGMAP_ENTRY_(Notify, WM_NOTIFY, code, first, last, (&::msgmap::NotifyById<ThisClass, fn>))

// Notifications a control handles itself when its parent reflects them.
// ON_NOTIFY_REFLECT: void f(NMHDR*, LRESULT*); ON_CONTROL_REFLECT: void f();
// ON_WM_CTLCOLOR_REFLECT: HBRUSH CtlColor(CDC*, UINT ctlType), null = not handled.
#define ON_NOTIFY_REFLECT(code, fn) \
  MSGMAP_ENTRY_(Reflected, WM_NOTIFY, code, 0, 0, (&::msgmap::Notify<ThisClass, fn>))
#define ON_CONTROL_REFLECT(code, fn) \
  MSGMAP_ENTRY_(Reflected, WM_COMMAND, code, 0, 0, (&::msgmap::Void<ThisClass, fn>))
#define ON_WM_CTLCOLOR_REFLECT() \
  MSGMAP_ENTRY_(Reflected, ::msgmap::kAnyCtlColor, 0, 0, 0, (&::msgmap::CtlColorReflect<ThisClass, &ThisClass::CtlColor>))

// Any message, for example private WM_APP messages: LRESULT f(WPARAM, LPARAM).
#define ON_MESSAGE(message, fn) MSGMAP_ENTRY_(Message, message, 0, 0, 0, (&::msgmap::Message<ThisClass, fn>))

// Standard window messages with their usual handler names.
#define ON_WM_VSCROLL() \
  MSGMAP_ENTRY_(Message, WM_VSCROLL, 0, 0, 0, (&::msgmap::Scroll<ThisClass, &ThisClass::OnVScroll>))
#define ON_WM_HSCROLL() \
  MSGMAP_ENTRY_(Message, WM_HSCROLL, 0, 0, 0, (&::msgmap::Scroll<ThisClass, &ThisClass::OnHScroll>))
#define ON_WM_SETFOCUS() \
  MSGMAP_ENTRY_(Message, WM_SETFOCUS, 0, 0, 0, (&::msgmap::Focus<ThisClass, &ThisClass::OnSetFocus>))
#define ON_WM_KILLFOCUS() \
  MSGMAP_ENTRY_(Message, WM_KILLFOCUS, 0, 0, 0, (&::msgmap::Focus<ThisClass, &ThisClass::OnKillFocus>))
#define ON_WM_KEYDOWN() \
  MSGMAP_ENTRY_(Message, WM_KEYDOWN, 0, 0, 0, (&::msgmap::Key<ThisClass, &ThisClass::OnKeyDown>))
#define ON_WM_KEYUP() MSGMAP_ENTRY_(Message, WM_KEYUP, 0, 0, 0, (&::msgmap::Key<ThisClass, &ThisClass::OnKeyUp>))
#define ON_WM_CHAR() MSGMAP_ENTRY_(Message, WM_CHAR, 0, 0, 0, (&::msgmap::Key<ThisClass, &ThisClass::OnChar>))
#define ON_WM_LBUTTONDOWN() \
  MSGMAP_ENTRY_(Message, WM_LBUTTONDOWN, 0, 0, 0, (&::msgmap::Mouse<ThisClass, &ThisClass::OnLButtonDown>))
#define ON_WM_LBUTTONUP() \
  MSGMAP_ENTRY_(Message, WM_LBUTTONUP, 0, 0, 0, (&::msgmap::Mouse<ThisClass, &ThisClass::OnLButtonUp>))
#define ON_WM_MOUSEMOVE() \
  MSGMAP_ENTRY_(Message, WM_MOUSEMOVE, 0, 0, 0, (&::msgmap::Mouse<ThisClass, &ThisClass::OnMouseMove>))
#define ON_WM_TIMER() MSGMAP_ENTRY_(Message, WM_TIMER, 0, 0, 0, (&::msgmap::Timer<ThisClass, &ThisClass::OnTimer>))
#define ON_WM_PAINT() MSGMAP_ENTRY_(Message, WM_PAINT, 0, 0, 0, (&::msgmap::Void<ThisClass, &ThisClass::OnPaint>))
#define ON_WM_CLOSE() MSGMAP_ENTRY_(Message, WM_CLOSE, 0, 0, 0, (&::msgmap::Void<ThisClass, &ThisClass::OnClose>))
#define ON_WM_DESTROY() \
  MSGMAP_ENTRY_(Message, WM_DESTROY, 0, 0, 0, (&::msgmap::Void<ThisClass, &ThisClass::OnDestroy>))
// WM_CTLCOLOR* in the parent: HBRUSH OnCtlColor(CDC*, CWnd* control, UINT ctlType).
#define ON_WM_CTLCOLOR() \
  MSGMAP_ENTRY_(Message, ::msgmap::kAnyCtlColor, 0, 0, 0, (&::msgmap::CtlColor<ThisClass, &ThisClass::OnCtlColor>))
