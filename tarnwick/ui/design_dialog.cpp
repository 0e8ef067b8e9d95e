#include "design_dialog.h"

#include "eq_caller.h"

using tarnwick::AdapterFrame;

namespace {

// Answered with 0 and nothing else.
constexpr UINT WM_DESIGN_HOST_QUERY = WM_APP + 0x100;
constexpr int kAngleTextLimit = 80;
// The angle and gain/delay spins stand at 0 between clicks; a click reports +1 or -1.
constexpr int kStepSpinRange = 100;
// The hidden aiming spin moves the top box's aiming angle by half a degree, without limits.
constexpr float kAimingStep = 0.5f;

}  // namespace

BEGIN_MESSAGE_MAP(CBtnAll, CButton)
  ON_WM_SETFOCUS()
END_MESSAGE_MAP()

void CBtnAll::OnSetFocus(CWnd* oldWnd) {
  Default();
  lastFocusId = oldWnd ? oldWnd->GetDlgCtrlID() : -1;
}

BEGIN_MESSAGE_MAP(CDialog1, CDialog)
  ON_WM_VSCROLL()
  ON_CONTROL_RANGE(CBN_SELCHANGE, IDC_MODEL_LIST_FIRST, IDC_MODEL_LIST_FIRST + 23, &CDialog1::OnModelSelected)
  ON_CONTROL_RANGE(CBN_DROPDOWN, IDC_MODEL_LIST_FIRST + 1, IDC_MODEL_LIST_FIRST + 23, &CDialog1::OnModelListOpened)
  ON_CONTROL_RANGE(BN_CLICKED, IDC_EQ_BUTTON_FIRST, IDC_EQ_BUTTON_FIRST + 23, &CDialog1::OnEqButton)
  ON_CONTROL_RANGE(EN_KILLFOCUS, IDC_ANGLE_EDIT_FIRST + 1, IDC_ANGLE_EDIT_FIRST + 23, &CDialog1::OnAngleEditLeft)
  ON_CONTROL_RANGE(CBN_SELCHANGE, IDC_ADAPTER_LIST_LOW, AdapterListId(kJunctions - 1), &CDialog1::OnAdapterSelected)
  ON_CBN_SELCHANGE(IDC_BOX_COUNT_LIST, &CDialog1::OnBoxCountSelected)
  ON_BN_CLICKED(IDC_GAIN_MODE, &CDialog1::OnGainMode)
  ON_BN_CLICKED(IDC_DELAY_MODE, &CDialog1::OnDelayMode)
  ON_BN_CLICKED(IDC_SET_ALL_BOXES, &CDialog1::OnSetAllBoxes)
  ON_BN_CLICKED(IDC_DESIGN_OK, &CDialog1::OnOkButton)
  ON_MESSAGE(WM_DESIGN_HOST_QUERY, &CDialog1::OnHostQuery)
END_MESSAGE_MAP()

CDialog1::CDialog1() : CDialog(IDD_DESIGN_DIALOG, nullptr) {}

CDialog1::~CDialog1() = default;

void CDialog1::DoDataExchange(CDataExchange* dx) {
  CDialog::DoDataExchange(dx);
  for (int i = 0; i < kBoxes; ++i) DDX_Control(dx, IDC_MODEL_LIST_FIRST + i, modelCombo[i]);
  for (int i = 0; i < kBoxes; ++i) DDX_Control(dx, IDC_ANGLE_SPIN_FIRST + i, angleSpin[i]);
  DDX_Control(dx, IDC_BOX_COUNT_LIST, boxCountCombo);
  for (int i = 0; i < kBoxes; ++i) DDX_Text(dx, IDC_ANGLE_EDIT_FIRST + i, angle[i]);
  for (int i = 0; i < kBoxes; ++i) DDX_Text(dx, IDC_COLUMN_EDIT_FIRST + i, columnValue[i]);
  for (int i = 0; i < kBoxes; ++i) DDX_Control(dx, IDC_COLUMN_SPIN_FIRST + i, columnSpin[i]);
  DDX_Check(dx, IDC_EXCESS_AIR, excessAir);
  for (int k = 0; k < kJunctions; ++k) DDX_Control(dx, AdapterListId(k), adapterCombo[k]);
  for (int k = 0; k < kJunctions; ++k) DDX_Control(dx, IDC_ADAPTER_LABEL_FIRST + k, adapterLabel[k]);
  DDX_Control(dx, IDC_BOX_COUNT_SPIN, boxCountSpin);
  DDX_Radio(dx, IDC_GAIN_MODE, columnMode);
  for (int i = 0; i < kBoxes; ++i) DDX_Control(dx, IDC_ANGLE_EDIT_FIRST + i, angleEdit[i]);
  DDX_Control(dx, IDC_SET_ALL_BOXES, setAllButton);
}

BOOL CDialog1::OnInitDialog() {
  // Out-of-range stored values are cleared before the controls first show them, so that the
  // refreshes of the opening find the cleared values there.
  PrepareForOpening();
  CDialog::OnInitDialog();
  for (int i = 0; i < kBoxes; ++i) {
    angleSpin[i].SetRange(-kStepSpinRange, kStepSpinRange);
    columnSpin[i].SetRange(-kStepSpinRange, kStepSpinRange);
  }
  boxCountSpin.SetRange(0, kBoxes - 1);
  OpenModels();
  boxCountCombo.SetCurSel(boxCount - 1);
  boxCountSpin.SetPos(boxCount - 1);
  EnableBoxRows();
  for (int i = 0; i < kBoxes; ++i) {
    angleSpin[i].SetPos(0);
    columnSpin[i].SetPos(0);
  }
  eqClipValid = FALSE;
  RecomputeJunctions();
  return TRUE;
}

BOOL CDialog1::PreTranslateMessage(MSG* msg) {
  // Enter in an angle edit moves on to the next one (or to the first gain/delay edit) and then
  // does what Enter does in any dialog. Leaving the edit checks its text: when the check gives
  // the focus back (the user answered Retry, or the text is no number), the Enter ends there,
  // or it would end the dialog with the text just refused.
  if (msg->message == WM_KEYDOWN && msg->wParam == VK_RETURN) {
    HWND focus = ::GetFocus();
    const int id = focus && ::IsChild(m_hWnd, focus) ? ::GetDlgCtrlID(focus) : 0;
    const int last = IDC_ANGLE_EDIT_FIRST + kBoxes - 1;
    if (id >= IDC_ANGLE_EDIT_FIRST && id <= last) {
      CWnd* next = id < last ? GetDlgItem(id + 1) : nullptr;
      if (!next || !next->IsWindowEnabled()) next = GetDlgItem(IDC_COLUMN_EDIT_FIRST);
      if (next) {
        next->SetFocus();
        if (::GetFocus() != next->m_hWnd) return TRUE;
      }
    }
  }
  return CDialog::PreTranslateMessage(msg);
}

void CDialog1::OnVScroll(UINT code, UINT pos, CWnd* scrollBar) {
  RefreshMembers();
  if (code == SB_ENDSCROLL) return;
  if (scrollBar) {
    const int position = static_cast<int>(pos);
    const int id = scrollBar->GetDlgCtrlID();
    if (id == IDC_ANGLE_SPIN_FIRST) {
      angle[0] += position > 0 ? kAimingStep : position < 0 ? -kAimingStep : 0.0f;
      angleSpin[0].SetPos(0);
    } else if (id > IDC_ANGLE_SPIN_FIRST && id < IDC_ANGLE_SPIN_FIRST + kBoxes) {
      StepSplayAngle(position, id - IDC_ANGLE_SPIN_FIRST);
      angleSpin[id - IDC_ANGLE_SPIN_FIRST].SetPos(0);
    } else if (id == IDC_BOX_COUNT_SPIN) {
      StepBoxCount(position);
    } else if (id >= IDC_COLUMN_SPIN_FIRST && id < IDC_COLUMN_SPIN_FIRST + kBoxes) {
      columnSpin[id - IDC_COLUMN_SPIN_FIRST].SetPos(0);
      StepGainDelay(position, id - IDC_COLUMN_SPIN_FIRST);
    }
    FillControls();
  }
  Default();
}

void CDialog1::OnModelSelected(UINT id) { OnModelChange(static_cast<int>(id) - IDC_MODEL_LIST_FIRST); }

void CDialog1::OnModelListOpened(UINT id) {
  OnModelDropDown(static_cast<int>(id) - IDC_MODEL_LIST_FIRST);
}

void CDialog1::OnEqButton(UINT id) {
  const int box = static_cast<int>(id) - IDC_EQ_BUTTON_FIRST;
  if (box < 0 || box >= kBoxes) return;
  RunBoxEqualiser(box, eqGain[box], eqGroups[box], eqClipboard, eqClipValid);
}

void CDialog1::OnAngleEditLeft(UINT id) {
  if (closing_) return;
  OnAngleKillFocus(static_cast<int>(id) - IDC_ANGLE_EDIT_FIRST);
}

void CDialog1::OnAdapterSelected(UINT id) {
  for (int k = 0; k < kJunctions; ++k) {
    if (AdapterListId(k) == static_cast<int>(id)) OnAdapterChange(k);
  }
}

void CDialog1::OnBoxCountSelected() { OnBoxCountChange(); }

void CDialog1::OnGainMode() { ShowColumn(tarnwick::kColumnGains); }

void CDialog1::OnDelayMode() { ShowColumn(tarnwick::kColumnDelays); }

void CDialog1::OnSetAllBoxes() {
  const int focused = setAllButton.lastFocusId;
  int source = -1;
  if (focused > IDC_MODEL_LIST_FIRST && focused < IDC_MODEL_LIST_FIRST + kBoxes - 1) {
    source = focused - IDC_MODEL_LIST_FIRST;
    setAllButton.lastFocusId = -1;
  }
  SetAllBoxes(source);
}

void CDialog1::OnOkButton() {
  if (!RefreshMembers()) return;  // the refused value has been reported
  TakeColumn();
  OnOK();
}

void CDialog1::OnOK() {
  if (!RefreshMembers()) return;
  const int countRow = boxCountCombo.GetCurSel();
  if (countRow >= 0) boxCount = countRow + 1;
  // Enter and the standard OK command keep the gain/delay column as the OK button does.
  TakeColumn();
  if (const int junction = FindNegativeSplayText()) {
    AfxMessageBox(tarnwick::kNegativeSplayMessage, MB_OK);
    angleEdit[junction].SetFocus();
    return;
  }
  // A typed angle that its check sent back to the user (Retry) is never kept: OK asks again.
  if (!RecheckRefusedAngle()) return;
  RecomputeCodesForOk();
  if (!UpdateData(TRUE)) return;
  closing_ = true;
  EndDialog(IDOK);
}

void CDialog1::OnCancel() {
  closing_ = true;
  CDialog::OnCancel();
}

LRESULT CDialog1::OnHostQuery(WPARAM, LPARAM) { return 0; }

bool CDialog1::RefreshMembers() { return UpdateData(TRUE) != FALSE; }

void CDialog1::FillControls() { UpdateData(FALSE); }

int CDialog1::SelectedModelRow(int box) const { return modelCombo[box].GetCurSel(); }

void CDialog1::SelectModelRow(int box, int row) { modelCombo[box].SetCurSel(row); }

bool CDialog1::ModelListEnabled(int box) const { return modelCombo[box].IsWindowEnabled() != FALSE; }

void CDialog1::EnableAngleControls(int junction, bool enable) {
  angleEdit[junction].EnableWindow(enable);
  angleSpin[junction].EnableWindow(enable);
}

void CDialog1::EnableRowControls(int box, bool enable) {
  if (CWnd* column = GetDlgItem(IDC_COLUMN_EDIT_FIRST + box)) column->EnableWindow(enable);
  columnSpin[box].EnableWindow(enable);
  modelCombo[box].EnableWindow(enable);
  if (CWnd* eq = GetDlgItem(IDC_EQ_BUTTON_FIRST + box)) eq->EnableWindow(enable);
}

void CDialog1::ShowAdapterLabel(int k, const char* frame) {
  adapterCombo[k].ResetContent();
  adapterLabel[k].SetWindowText(frame);
  adapterCombo[k].EnableWindow(FALSE);
  adapterCombo[k].ShowWindow(SW_HIDE);
  adapterLabel[k].EnableWindow(TRUE);
  adapterLabel[k].ShowWindow(SW_SHOW);
}

void CDialog1::ShowAdapterList(int k, AdapterFrame selected) {
  CComboBox& list = adapterCombo[k];
  list.ResetContent();
  list.AddString(tarnwick::kFrameQk);
  list.AddString(tarnwick::kFrameRk);
  const char* shown = selected == AdapterFrame::kRk ? tarnwick::kFrameRk : tarnwick::kFrameQk;
  list.SetCurSel(list.FindStringExact(-1, shown));
  list.EnableWindow(TRUE);
  list.ShowWindow(SW_SHOW);
  adapterLabel[k].EnableWindow(FALSE);
  adapterLabel[k].ShowWindow(SW_HIDE);
}

void CDialog1::HideAdapter(int k) {
  adapterCombo[k].ResetContent();
  adapterCombo[k].EnableWindow(FALSE);
  adapterCombo[k].ShowWindow(SW_HIDE);
  adapterLabel[k].EnableWindow(FALSE);
  adapterLabel[k].ShowWindow(SW_HIDE);
}

AdapterFrame CDialog1::AdapterSelection(int k) const {
  const int selected = adapterCombo[k].GetCurSel();
  if (selected < 0) return AdapterFrame::kNone;
  return tarnwick::AdapterFrameNamed(adapterCombo[k].GetLBText(selected).c_str());
}

bool CDialog1::AdapterListEnabled(int k) const { return adapterCombo[k].IsWindowEnabled() != FALSE; }

bool CDialog1::AdapterListVisible(int k) const { return (adapterCombo[k].GetStyle() & WS_VISIBLE) != 0; }

int CDialog1::SelectedBoxCountRow() const { return boxCountCombo.GetCurSel(); }

void CDialog1::SelectBoxCountRow(int row) { boxCountCombo.SetCurSel(row); }

void CDialog1::SetBoxCountSpinPos(int position) { boxCountSpin.SetPos(position); }

std::string CDialog1::AngleText(int junction) const {
  char text[kAngleTextLimit + 1] = "";
  angleEdit[junction].GetWindowText(text, sizeof text);
  return text;
}

void CDialog1::FocusAngleEdit(int junction) {
  angleEdit[junction].SetFocus();
  angleEdit[junction].SetSel(0, -1);  // and scrolls the caret into view
}

void CDialog1::ShowNotice(const char* text) { AfxMessageBox(text, MB_OK); }

bool CDialog1::AskRetry(const char* text) {
  return AfxMessageBox(text, MB_RETRYCANCEL | MB_ICONEXCLAMATION) == IDRETRY;
}
