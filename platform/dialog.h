// CDialog: a dialog from a template resource, run modally by DoModal.
//
// DoModal finds the template in the current resource module, disables the owner (the parent
// given to the constructor, else the calling thread's active window), creates the dialog and
// runs its own message loop until EndDialog; every message for the dialog or one of its
// controls first passes PreTranslateMessage of the objects from that control up to the dialog
// (the dialog's default does the keyboard handling of dialogs: Tab, Enter, Escape, arrows).
// Opening: the dialog's combo-box lists from its RT_DLGINIT resource, then OnInitDialog, whose
// default is UpdateData(FALSE). IDOK and IDCANCEL commands call OnOK and OnCancel; closing the
// window counts as IDCANCEL.
//
// RT_DLGINIT resource (same id as the template), in a resource script:
//   101 240 BEGIN  1334, 0x403, 2L, "1\0",  1334, 0x403, 2L, "2\0",  0  END
// records of: control id (WORD), 0x403 = add to a combo box / 0x401 = to a list box (WORD),
// byte count of the text with its terminating zero (DWORD), the text; a control id 0 ends it.
#pragma once
#include "data_exchange.h"
#include "wnd.h"

class CDialog : public CWnd {
 public:
  explicit CDialog(UINT templateId, CWnd* parent = nullptr);
  ~CDialog() override;

  // IDOK, IDCANCEL or whatever EndDialog was given; -1 when the dialog could not be created.
  virtual INT_PTR DoModal();
  // Ends the modal loop with this result (the window is destroyed when DoModal returns).
  void EndDialog(int result);
  // FALSE: controls from members; TRUE: members from controls, FALSE returned when a value
  // was refused (see data_exchange.h).
  BOOL UpdateData(BOOL saveAndValidate = TRUE);

  virtual BOOL OnInitDialog();
  BOOL PreTranslateMessage(MSG* msg) override;

  // Moves the focus the way the dialog manager does (keeps the default button right).
  void GotoDlgCtrl(CWnd* control);
  void NextDlgCtrl() const;
  void PrevDlgCtrl() const;
  void SetDefID(UINT id);
  UINT TemplateId() const { return templateId_; }

 protected:
  virtual void DoDataExchange(CDataExchange* dx);
  virtual void OnOK();
  virtual void OnCancel();
  // Adds the template's RT_DLGINIT strings to their list controls.
  BOOL ExecuteDlgInit();

  DECLARE_MESSAGE_MAP()

 private:
  static INT_PTR CALLBACK DialogProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
  BOOL WalkPreTranslate(MSG* msg);
  void RunModalLoop();

  UINT templateId_;
  CWnd* parent_;
  bool continueModal_ = false;
  int modalResult_ = -1;
};
