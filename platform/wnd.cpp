#include "wnd.h"

#include <memory>
#include <unordered_map>
#include <vector>

namespace {

// Window handle -> our object. One module, one UI thread: no locking.
std::unordered_map<HWND, CWnd*>& PermanentMap() {
  static std::unordered_map<HWND, CWnd*> map;
  return map;
}

// Stand-in objects for windows that are not ours (controls nobody subclassed, a window that
// took the focus). They only wrap the handle, so one per handle value can live until unload.
std::unordered_map<HWND, std::unique_ptr<CWnd>>& StandInMap() {
  static std::unordered_map<HWND, std::unique_ptr<CWnd>> map;
  return map;
}

HWND notifyLockout = nullptr;

bool InRange(UINT id, const msgmap::Entry& e) { return id >= e.firstId && id <= e.lastId; }

bool EntryTakes(const msgmap::Entry& e, UINT message) {
  return e.message == message || (e.message == msgmap::kAnyCtlColor && msgmap::IsCtlColor(message));
}

// The control a parent may reflect a message to, or null.
HWND ReflectionTarget(UINT message, WPARAM, LPARAM lParam) {
  switch (message) {
    case WM_COMMAND:
    case WM_VSCROLL:
    case WM_HSCROLL:
      return reinterpret_cast<HWND>(lParam);
    case WM_NOTIFY:
      return lParam ? reinterpret_cast<NMHDR*>(lParam)->hwndFrom : nullptr;
    default:
      return msgmap::IsCtlColor(message) ? reinterpret_cast<HWND>(lParam) : nullptr;
  }
}

}  // namespace

void SetNotifyLockout(HWND hwnd) { notifyLockout = hwnd; }
HWND NotifyLockout() { return notifyLockout; }

CWnd* msgmap::WndFromHandle(HWND hwnd) { return CWnd::FromHandle(hwnd); }

HBRUSH msgmap::CallCtlColor(CWnd* self, const Args& args, HBRUSH (*call)(CWnd*, CDC*, CWnd*, UINT)) {
  CDC dc(reinterpret_cast<HDC>(args.wParam));
  return call(self, &dc, CWnd::FromHandle(reinterpret_cast<HWND>(args.lParam)),
              CtlColorType(args.message));
}

HBRUSH msgmap::CallCtlColorReflect(CWnd* self, const Args& args, HBRUSH (*call)(CWnd*, CDC*, UINT)) {
  CDC dc(reinterpret_cast<HDC>(args.wParam));
  return call(self, &dc, CtlColorType(args.message));
}

CWnd::CWnd() = default;

CWnd::~CWnd() {
  if (m_hWnd && PermanentMap().count(m_hWnd)) UnsubclassWindow();
}

CWnd* CWnd::FromHandlePermanent(HWND hwnd) {
  if (!hwnd) return nullptr;
  auto found = PermanentMap().find(hwnd);
  return found == PermanentMap().end() ? nullptr : found->second;
}

CWnd* CWnd::FromHandle(HWND hwnd) {
  if (!hwnd) return nullptr;
  if (CWnd* own = FromHandlePermanent(hwnd)) return own;
  std::unique_ptr<CWnd>& standIn = StandInMap()[hwnd];
  if (!standIn) {
    standIn = std::make_unique<CWnd>();
    standIn->m_hWnd = hwnd;
  }
  return standIn.get();
}

BOOL CWnd::SubclassWindow(HWND hwnd) {
  if (m_hWnd || !hwnd || !::IsWindow(hwnd) || FromHandlePermanent(hwnd)) return FALSE;
  m_hWnd = hwnd;
  PermanentMap()[hwnd] = this;
  originalProc_ = reinterpret_cast<WNDPROC>(
      ::SetWindowLongPtrA(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&CWnd::SubclassProc)));
  return TRUE;
}

BOOL CWnd::SubclassDlgItem(UINT id, CWnd* parent) {
  if (!parent) return FALSE;
  return SubclassWindow(::GetDlgItem(parent->m_hWnd, static_cast<int>(id)));
}

HWND CWnd::UnsubclassWindow() {
  HWND hwnd = m_hWnd;
  if (!hwnd) return nullptr;
  if (originalProc_ && ::IsWindow(hwnd) &&
      ::GetWindowLongPtrA(hwnd, GWLP_WNDPROC) == reinterpret_cast<LONG_PTR>(&CWnd::SubclassProc)) {
    ::SetWindowLongPtrA(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(originalProc_));
  }
  PermanentMap().erase(hwnd);
  originalProc_ = nullptr;
  m_hWnd = nullptr;
  return hwnd;
}

void CWnd::DetachAfterDestroy() {
  PermanentMap().erase(m_hWnd);
  m_hWnd = nullptr;
  originalProc_ = nullptr;
  PostNcDestroy();
}

LRESULT CALLBACK CWnd::SubclassProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  CWnd* wnd = FromHandlePermanent(hwnd);
  if (!wnd) return ::DefWindowProcA(hwnd, message, wParam, lParam);
  MSG outer = wnd->currentMsg_;
  wnd->currentMsg_ = MSG{hwnd, message, wParam, lParam, 0, {0, 0}};
  LRESULT result = wnd->WindowProc(message, wParam, lParam);
  if (message == WM_NCDESTROY) {
    wnd->DetachAfterDestroy();
  } else {
    wnd->currentMsg_ = outer;
  }
  return result;
}

LRESULT CWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  LRESULT result = 0;
  if (!OnWndMsg(message, wParam, lParam, &result)) result = DefWindowProc(message, wParam, lParam);
  return result;
}

BOOL CWnd::OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) {
  const msgmap::Args args{message, wParam, lParam};
  HWND control = ReflectionTarget(message, wParam, lParam);
  if (control && control != m_hWnd) {
    if (message == WM_COMMAND && notifyLockout == m_hWnd) {
      *result = 0;
      return TRUE;
    }
    CWnd* child = FromHandlePermanent(control);
    if (child && child->OnChildNotify(message, wParam, lParam, result)) return TRUE;
  }
  if (message == WM_COMMAND) return DispatchCommand(args, result);
  if (message == WM_NOTIFY) return DispatchNotify(args, result);
  return DispatchMessageEntry(args, result);
}

bool CWnd::DispatchCommand(const msgmap::Args& args, LRESULT* result) {
  UINT id = LOWORD(args.wParam);
  UINT code = HIWORD(args.wParam);
  // Menu and accelerator commands (no control) carry code 0 or 1 and match ON_COMMAND.
  if (args.lParam == 0) code = 0;
  for (const msgmap::Map* map = GetMessageMap(); map; map = map->base ? map->base() : nullptr) {
    for (const msgmap::Entry* e = map->entries; e->route != msgmap::Route::End; ++e) {
      if (e->route == msgmap::Route::Command && e->code == code && InRange(id, *e)) {
        return e->thunk(this, args, result);
      }
    }
  }
  return false;
}

bool CWnd::DispatchNotify(const msgmap::Args& args, LRESULT* result) {
  const NMHDR* nm = reinterpret_cast<const NMHDR*>(args.lParam);
  if (!nm) return false;
  for (const msgmap::Map* map = GetMessageMap(); map; map = map->base ? map->base() : nullptr) {
    for (const msgmap::Entry* e = map->entries; e->route != msgmap::Route::End; ++e) {
      if (e->route == msgmap::Route::Notify && e->code == nm->code &&
          InRange(static_cast<UINT>(nm->idFrom), *e)) {
        return e->thunk(this, args, result);
      }
    }
  }
  return false;
}

bool CWnd::DispatchMessageEntry(const msgmap::Args& args, LRESULT* result) {
  for (const msgmap::Map* map = GetMessageMap(); map; map = map->base ? map->base() : nullptr) {
    for (const msgmap::Entry* e = map->entries; e->route != msgmap::Route::End; ++e) {
      if (e->route == msgmap::Route::Message && EntryTakes(*e, args.message)) {
        return e->thunk(this, args, result);
      }
    }
  }
  return false;
}

BOOL CWnd::OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) {
  return ReflectChildNotify(message, wParam, lParam, result);
}

BOOL CWnd::ReflectChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) {
  const msgmap::Args args{message, wParam, lParam};
  for (const msgmap::Map* map = GetMessageMap(); map; map = map->base ? map->base() : nullptr) {
    for (const msgmap::Entry* e = map->entries; e->route != msgmap::Route::End; ++e) {
      if (e->route != msgmap::Route::Reflected || !EntryTakes(*e, message)) continue;
      if (message == WM_COMMAND && e->code != HIWORD(wParam)) continue;
      if (message == WM_NOTIFY && e->code != reinterpret_cast<const NMHDR*>(lParam)->code) continue;
      LRESULT answer = 0;
      if (!e->thunk(this, args, &answer)) return FALSE;
      *result = answer;
      return TRUE;
    }
  }
  return FALSE;
}

LRESULT CWnd::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  if (originalProc_) return ::CallWindowProcA(originalProc_, m_hWnd, message, wParam, lParam);
  return ::DefWindowProcA(m_hWnd, message, wParam, lParam);
}

LRESULT CWnd::Default() {
  return DefWindowProc(currentMsg_.message, currentMsg_.wParam, currentMsg_.lParam);
}

const msgmap::Map* CWnd::GetThisMessageMap() {
  static const msgmap::Entry entries[] = {{msgmap::Route::End, 0, 0, 0, 0, nullptr}};
  static const msgmap::Map map = {nullptr, entries};
  return &map;
}

BOOL CWnd::PreTranslateMessage(MSG*) { return FALSE; }

void CWnd::OnSetFocus(CWnd*) { Default(); }
void CWnd::OnKillFocus(CWnd*) { Default(); }
void CWnd::OnKeyDown(UINT, UINT, UINT) { Default(); }
void CWnd::OnKeyUp(UINT, UINT, UINT) { Default(); }
void CWnd::OnChar(UINT, UINT, UINT) { Default(); }
void CWnd::OnLButtonDown(UINT, POINT) { Default(); }
void CWnd::OnLButtonUp(UINT, POINT) { Default(); }
void CWnd::OnMouseMove(UINT, POINT) { Default(); }
void CWnd::OnVScroll(UINT, UINT, CWnd*) { Default(); }
void CWnd::OnHScroll(UINT, UINT, CWnd*) { Default(); }
void CWnd::OnTimer(UINT_PTR) { Default(); }
void CWnd::OnPaint() { Default(); }
void CWnd::OnClose() { Default(); }
void CWnd::OnDestroy() { Default(); }
HBRUSH CWnd::OnCtlColor(CDC*, CWnd*, UINT) { return reinterpret_cast<HBRUSH>(Default()); }

CWnd* CWnd::GetDlgItem(int id) const { return FromHandle(::GetDlgItem(m_hWnd, id)); }

int CWnd::GetDlgCtrlID() const { return ::GetDlgCtrlID(m_hWnd); }

CWnd* CWnd::GetParent() const { return FromHandle(::GetParent(m_hWnd)); }

void CWnd::SetWindowText(const char* text) { ::SetWindowTextA(m_hWnd, text); }

int CWnd::GetWindowText(char* buffer, int maxCount) const {
  return ::GetWindowTextA(m_hWnd, buffer, maxCount);
}

std::string CWnd::GetWindowText() const {
  int length = ::GetWindowTextLengthA(m_hWnd);
  std::vector<char> buffer(static_cast<size_t>(length > 0 ? length : 0) + 1, '\0');
  int copied = ::GetWindowTextA(m_hWnd, buffer.data(), static_cast<int>(buffer.size()));
  return std::string(buffer.data(), static_cast<size_t>(copied > 0 ? copied : 0));
}

int CWnd::GetWindowTextLength() const { return ::GetWindowTextLengthA(m_hWnd); }

void CWnd::SetDlgItemText(int id, const char* text) { ::SetDlgItemTextA(m_hWnd, id, text); }

std::string CWnd::GetDlgItemText(int id) const {
  CWnd* item = GetDlgItem(id);
  return item ? item->GetWindowText() : std::string();
}

void CWnd::CheckDlgButton(int id, UINT check) { ::CheckDlgButton(m_hWnd, id, check); }

UINT CWnd::IsDlgButtonChecked(int id) const { return ::IsDlgButtonChecked(m_hWnd, id); }

BOOL CWnd::EnableWindow(BOOL enable) { return ::EnableWindow(m_hWnd, enable); }

BOOL CWnd::IsWindowEnabled() const { return ::IsWindowEnabled(m_hWnd); }

BOOL CWnd::ShowWindow(int command) { return ::ShowWindow(m_hWnd, command); }

BOOL CWnd::IsWindowVisible() const { return ::IsWindowVisible(m_hWnd); }

void CWnd::Invalidate(BOOL erase) { ::InvalidateRect(m_hWnd, nullptr, erase); }

void CWnd::InvalidateRect(const RECT* rect, BOOL erase) { ::InvalidateRect(m_hWnd, rect, erase); }

void CWnd::UpdateWindow() { ::UpdateWindow(m_hWnd); }

CWnd* CWnd::SetFocus() { return FromHandle(::SetFocus(m_hWnd)); }

CWnd* CWnd::GetFocus() { return FromHandle(::GetFocus()); }

LRESULT CWnd::SendMessage(UINT message, WPARAM wParam, LPARAM lParam) const {
  return ::SendMessageA(m_hWnd, message, wParam, lParam);
}

BOOL CWnd::PostMessage(UINT message, WPARAM wParam, LPARAM lParam) const {
  return ::PostMessageA(m_hWnd, message, wParam, lParam);
}

LRESULT CWnd::SendDlgItemMessage(int id, UINT message, WPARAM wParam, LPARAM lParam) const {
  return ::SendDlgItemMessageA(m_hWnd, id, message, wParam, lParam);
}

void CWnd::GetClientRect(RECT* rect) const { ::GetClientRect(m_hWnd, rect); }

void CWnd::GetWindowRect(RECT* rect) const { ::GetWindowRect(m_hWnd, rect); }

void CWnd::MoveWindow(int x, int y, int width, int height, BOOL repaint) {
  ::MoveWindow(m_hWnd, x, y, width, height, repaint);
}

DWORD CWnd::GetStyle() const { return static_cast<DWORD>(::GetWindowLongA(m_hWnd, GWL_STYLE)); }

BOOL CWnd::DestroyWindow() { return m_hWnd ? ::DestroyWindow(m_hWnd) : FALSE; }

int CWnd::MessageBox(const char* text, const char* caption, UINT type) {
  return ::MessageBoxA(m_hWnd, text, caption, type);
}
