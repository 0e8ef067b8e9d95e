#include "dialog.h"

#include <cstring>
#include <string>

#include "module_state.h"

namespace {

const char* const kDialogType = MAKEINTRESOURCEA(5);    // RT_DIALOG
const char* const kDlgInitType = MAKEINTRESOURCEA(240);  // RT_DLGINIT

// List messages of the RT_DLGINIT records (their historic numbers).
constexpr WORD kInitListBoxAdd = 0x0401;
constexpr WORD kInitComboBoxAdd = 0x0403;

HWND DefaultOwner() {
  HWND active = ::GetActiveWindow();
  return active ? ::GetAncestor(active, GA_ROOT) : nullptr;
}

}  // namespace

BEGIN_MESSAGE_MAP(CDialog, CWnd)
  ON_COMMAND(IDOK, &CDialog::OnOK)
  ON_COMMAND(IDCANCEL, &CDialog::OnCancel)
END_MESSAGE_MAP()

CDialog::CDialog(UINT templateId, CWnd* parent) : templateId_(templateId), parent_(parent) {}

CDialog::~CDialog() {
  if (m_hWnd) ::DestroyWindow(UnsubclassWindow());
}

INT_PTR CDialog::DoModal() {
  AfxInitCommonControls();
  HINSTANCE resources = AfxGetResourceHandle();
  HRSRC found = ::FindResourceA(resources, MAKEINTRESOURCEA(templateId_), kDialogType);
  HGLOBAL loaded = found ? ::LoadResource(resources, found) : nullptr;
  auto* dialogTemplate = loaded ? static_cast<const DLGTEMPLATE*>(::LockResource(loaded)) : nullptr;
  if (!dialogTemplate) return -1;

  HWND owner = parent_ ? parent_->m_hWnd : DefaultOwner();
  bool enableOwnerAfter = owner && ::IsWindowEnabled(owner);
  if (enableOwnerAfter) ::EnableWindow(owner, FALSE);

  continueModal_ = true;
  modalResult_ = -1;
  HWND hwnd = ::CreateDialogIndirectParamA(resources, dialogTemplate, owner, &CDialog::DialogProc,
                                           reinterpret_cast<LPARAM>(this));
  if (hwnd && continueModal_ && ::IsWindow(hwnd)) {
    ::ShowWindow(hwnd, SW_SHOWNORMAL);
    RunModalLoop();
  }

  // The owner is active again before the dialog goes, so the focus returns to it.
  if (enableOwnerAfter) ::EnableWindow(owner, TRUE);
  if (hwnd && ::IsWindow(hwnd)) {
    if (owner && ::GetActiveWindow() == hwnd) ::SetActiveWindow(owner);
    ::SetWindowPos(hwnd, nullptr, 0, 0, 0, 0,
                   SWP_HIDEWINDOW | SWP_NOSIZE | SWP_NOMOVE | SWP_NOACTIVATE | SWP_NOZORDER);
    ::DestroyWindow(hwnd);
  }
  return hwnd ? modalResult_ : -1;
}

INT_PTR CALLBACK CDialog::DialogProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message != WM_INITDIALOG) return FALSE;
  auto* dialog = reinterpret_cast<CDialog*>(lParam);
  if (!dialog || !dialog->SubclassWindow(hwnd)) return TRUE;
  dialog->currentMsg_ = MSG{hwnd, message, wParam, lParam, 0, {0, 0}};
  dialog->ExecuteDlgInit();
  return dialog->OnInitDialog();
}

void CDialog::RunModalLoop() {
  while (continueModal_ && m_hWnd && ::IsWindow(m_hWnd)) {
    MSG msg;
    BOOL got = ::GetMessageA(&msg, nullptr, 0, 0);
    if (got == 0) {  // WM_QUIT: end the dialog and leave the quit for the outer loop
      ::PostQuitMessage(static_cast<int>(msg.wParam));
      break;
    }
    if (got == -1) break;
    if (!WalkPreTranslate(&msg)) {
      ::TranslateMessage(&msg);
      ::DispatchMessageA(&msg);
    }
  }
}

BOOL CDialog::WalkPreTranslate(MSG* msg) {
  HWND target = msg->hwnd;
  if (!target || !m_hWnd || (target != m_hWnd && !::IsChild(m_hWnd, target))) return FALSE;
  for (HWND hwnd = target; hwnd; hwnd = ::GetParent(hwnd)) {
    CWnd* wnd = FromHandlePermanent(hwnd);
    if (wnd && wnd->PreTranslateMessage(msg)) return TRUE;
    if (hwnd == m_hWnd) break;
  }
  return FALSE;
}

BOOL CDialog::PreTranslateMessage(MSG* msg) {
  if (msg->message < WM_KEYFIRST || msg->message > WM_KEYLAST || !m_hWnd) return FALSE;
  if (msg->hwnd != m_hWnd && !::IsChild(m_hWnd, msg->hwnd)) return FALSE;
  return ::IsDialogMessageA(m_hWnd, msg);
}

void CDialog::EndDialog(int result) {
  modalResult_ = result;
  continueModal_ = false;
  if (m_hWnd) ::PostMessageA(m_hWnd, WM_NULL, 0, 0);  // wakes the modal loop
}

BOOL CDialog::UpdateData(BOOL saveAndValidate) {
  HWND outerLockout = NotifyLockout();
  SetNotifyLockout(m_hWnd);
  CDataExchange dx(this, saveAndValidate);
  BOOL done = TRUE;
  try {
    DoDataExchange(&dx);
  } catch (const DataExchangeFailure&) {
    done = FALSE;
  }
  SetNotifyLockout(outerLockout);
  return done;
}

void CDialog::DoDataExchange(CDataExchange*) {}

BOOL CDialog::OnInitDialog() {
  UpdateData(FALSE);
  return TRUE;
}

void CDialog::OnOK() {
  if (!UpdateData(TRUE)) return;
  EndDialog(IDOK);
}

void CDialog::OnCancel() { EndDialog(IDCANCEL); }

BOOL CDialog::ExecuteDlgInit() {
  HINSTANCE resources = AfxGetResourceHandle();
  HRSRC found = ::FindResourceA(resources, MAKEINTRESOURCEA(templateId_), kDlgInitType);
  if (!found) return TRUE;
  HGLOBAL loaded = ::LoadResource(resources, found);
  const auto* data = loaded ? static_cast<const unsigned char*>(::LockResource(loaded)) : nullptr;
  if (!data) return FALSE;
  const size_t size = ::SizeofResource(resources, found);
  size_t at = 0;
  while (at + 2 <= size) {
    WORD id = 0, message = 0;
    DWORD length = 0;
    std::memcpy(&id, data + at, 2);
    if (id == 0) return TRUE;
    if (at + 8 > size) return FALSE;
    std::memcpy(&message, data + at + 2, 2);
    std::memcpy(&length, data + at + 4, 4);
    at += 8;
    if (length > size - at) return FALSE;
    std::string text(reinterpret_cast<const char*>(data + at), length);
    at += length;
    UINT add = message == kInitComboBoxAdd ? CB_ADDSTRING : message == kInitListBoxAdd ? LB_ADDSTRING : 0;
    if (add) ::SendDlgItemMessageA(m_hWnd, id, add, 0, reinterpret_cast<LPARAM>(text.c_str()));
  }
  return TRUE;
}

void CDialog::GotoDlgCtrl(CWnd* control) {
  if (control) SendMessage(WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(control->m_hWnd), TRUE);
}

void CDialog::NextDlgCtrl() const { SendMessage(WM_NEXTDLGCTL, 0, 0); }

void CDialog::PrevDlgCtrl() const { SendMessage(WM_NEXTDLGCTL, 1, 0); }

void CDialog::SetDefID(UINT id) { SendMessage(DM_SETDEFID, id); }
