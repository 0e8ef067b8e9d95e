#include "design_dialog.h"

#include "design_control_ids.h"
#include "design_rules.h"
#include "eq_caller.h"

using brenlowe::kDesignRows;

BEGIN_MESSAGE_MAP(CDialog1, CDialog)
  ON_WM_VSCROLL()
  ON_CBN_SELCHANGE(IDC_BOX_COUNT, &CDialog1::OnBoxCountChange)
  ON_CONTROL_RANGE(CBN_SELCHANGE, IDC_MODEL_COMBO0 + 1, IDC_MODEL_COMBO0 + kDesignRows, &CDialog1::OnModelChange)
  ON_CONTROL_RANGE(BN_CLICKED, IDC_EQ_BUTTON0 + 1, IDC_EQ_BUTTON0 + kDesignRows, &CDialog1::OnEqButton)
END_MESSAGE_MAP()

CDialog1::CDialog1() : CDialog(IDD_DESIGN_DIALOG) {}

CDialog1::~CDialog1() = default;

void CDialog1::DoDataExchange(CDataExchange* dx) {
  CDialog::DoDataExchange(dx);
  DDX_Control(dx, IDC_OVERALL_ATT_SPIN, overallAttSpin);
  for (int k = 0; k < kDesignRows; ++k) DDX_Control(dx, IDC_MODEL_COMBO0 + 1 + k, modelCombo[k]);
  for (int k = 0; k < kDesignRows; ++k) DDX_Control(dx, IDC_ANGLE_SPIN0 + 1 + k, angleSpin[k]);
  DDX_Control(dx, IDC_BOX_COUNT, boxCountCombo);
  for (int k = 0; k < kDesignRows; ++k) DDX_Text(dx, IDC_ANGLE_EDIT0 + 1 + k, angle[k]);
  for (int k = 0; k < kDesignRows; ++k) DDX_Text(dx, IDC_ATTENUATION_EDIT0 + 1 + k, attenuation[k]);
  for (int k = 0; k < kDesignRows; ++k) DDX_Control(dx, IDC_ATTENUATION_SPIN0 + 1 + k, attenuationSpin[k]);
  for (int k = 0; k < kDesignRows; ++k) DDX_Text(dx, IDC_DELAY_EDIT0 + 1 + k, delay[k]);
  for (int k = 0; k < kDesignRows; ++k) DDX_Control(dx, IDC_DELAY_SPIN0 + 1 + k, delaySpin[k]);
  DDX_Check(dx, IDC_EXCESS_AIR, excessAir);
  DDX_Check(dx, IDC_HORIZ_SYMMETRIC, horizSymmetric);
  DDX_Text(dx, IDC_OVERALL_ATT_EDIT, overallAtt);
}

BOOL CDialog1::OnInitDialog() {
  CDialog::OnInitDialog();
  brenlowe::ClampOpenedForm(*this);
  for (int k = 0; k < kDesignRows; ++k) modelCombo[k].SetCurSel(model[k]);
  boxCountCombo.SetCurSel(boxCount - 1);
  EnableBoxRows();
  for (int slot = 0; slot < brenlowe::kSpinCount; ++slot) {
    SpinAt(slot).SetRange(brenlowe::kSpinLowest, brenlowe::kSpinHighest);
  }
  for (int slot = 0; slot < brenlowe::kSpinCount; ++slot) {
    const brenlowe::SpinTarget target = brenlowe::SpinOfControl(SpinAt(slot).GetDlgCtrlID());
    lastSpinPos[slot] = brenlowe::StartPosition(target.column, brenlowe::SpinValue(*this, target));
    SpinAt(slot).SetPos(lastSpinPos[slot]);
  }
  eqClipValid = FALSE;
  return TRUE;
}

CSpinButtonCtrl& CDialog1::SpinAt(int slot) {
  if (slot < kDesignRows) return angleSpin[slot];
  if (slot < 2 * kDesignRows) return attenuationSpin[slot - kDesignRows];
  return delaySpin[slot - 2 * kDesignRows];
}

void CDialog1::EnableBoxRows() {
  for (int r = 2; r <= kDesignRows; ++r) {
    const BOOL enable = r - 1 < boxCount;
    for (int id : {IDC_ANGLE_EDIT0 + r, IDC_ATTENUATION_EDIT0 + r, IDC_DELAY_EDIT0 + r, IDC_ANGLE_SPIN0 + r,
                   IDC_ATTENUATION_SPIN0 + r, IDC_DELAY_SPIN0 + r, IDC_MODEL_COMBO0 + r, IDC_EQ_BUTTON0 + r}) {
      if (CWnd* control = GetDlgItem(id)) control->EnableWindow(enable);
    }
  }
  UpdateData(FALSE);
}

void CDialog1::OnBoxCountChange() {
  UpdateData(TRUE);
  boxCount = brenlowe::BoxCountOfRow(boxCountCombo.GetCurSel());
  if (boxCountCombo.GetCurSel() != boxCount - 1) boxCountCombo.SetCurSel(boxCount - 1);
  EnableBoxRows();
}

void CDialog1::OnModelChange(UINT controlId) {
  UpdateData(TRUE);
  const int k = static_cast<int>(controlId) - (IDC_MODEL_COMBO0 + 1);
  const int row = modelCombo[k].GetCurSel();
  if (row >= 0 && row < brenlowe::kModelCodes) model[k] = row;
}

// Each click gives the up-down's new position; the dialog compares it with the last one it saw
// and steps the value beside it (the code SB_ENDSCROLL that ends the click only refreshes).
void CDialog1::OnVScroll(UINT code, UINT pos, CWnd* scrollBar) {
  UpdateData(TRUE);
  if (code == SB_ENDSCROLL) return;
  if (!scrollBar) {
    CDialog::OnVScroll(code, pos, scrollBar);
    return;
  }
  UpdateData(TRUE);
  const brenlowe::SpinTarget target = brenlowe::SpinOfControl(scrollBar->GetDlgCtrlID());
  if (target.column != brenlowe::SpinColumn::None) {
    int32_t& last = lastSpinPos[target.slot];
    float& value = brenlowe::SpinValue(*this, target);
    if (!brenlowe::ApplySpinPosition(target.column, static_cast<int>(pos), value, last)) {
      SpinAt(target.slot).SetPos(last);  // the step down was refused
    }
  }
  UpdateData(FALSE);
  CDialog::OnVScroll(code, pos, scrollBar);
}

void CDialog1::OnEqButton(UINT controlId) {
  const int k = static_cast<int>(controlId) - (IDC_EQ_BUTTON0 + 1);
  RunBoxEqualiser(k, eqGain[k], eqGroups[k], eqClipboard, eqClipValid);
}

void CDialog1::OnOK() {
  UpdateData(TRUE);
  boxCount = brenlowe::BoxCountOfRow(boxCountCombo.GetCurSel());
  const brenlowe::OkRefusal refusal = brenlowe::FindOkRefusal([this](int id) { return GetDlgItemText(id); });
  if (refusal.editId) {
    AfxMessageBox(refusal.message, MB_OK);
    if (CWnd* edit = GetDlgItem(refusal.editId)) edit->SetFocus();
    return;
  }
  CDialog::OnOK();
}

void CDialog1::OnCancel() { CDialog::OnCancel(); }
