#include "design_dialog.h"

#include "design_control_ids.h"
#include "design_rules.h"
#include "eq_caller.h"

using pirrowan::kDesignRows;

BEGIN_MESSAGE_MAP(CDialog1, CDialog)
  ON_CBN_SELCHANGE(IDC_BOX_COUNT, &CDialog1::OnBoxCountChange)
  ON_CBN_EDITCHANGE(IDC_BOX_COUNT, &CDialog1::OnBoxCountEdit)
  ON_WM_VSCROLL()
  ON_CONTROL_RANGE(BN_CLICKED, IDC_EQ_BUTTON, IDC_EQ_BUTTON + kDesignRows - 1, &CDialog1::OnEqButton)
END_MESSAGE_MAP()

CDialog1::CDialog1() : CDialog(IDD_DESIGN_DIALOG) {}

CDialog1::~CDialog1() = default;

void CDialog1::DoDataExchange(CDataExchange* dx) {
  CDialog::DoDataExchange(dx);
  DDX_Control(dx, IDC_OVERALL_AIMING_SPIN, overallAimingSpin);
  DDX_Control(dx, IDC_OVERALL_ATT_SPIN, overallAttSpin);
  for (int k = 0; k < kDesignRows; ++k) DDX_Control(dx, IDC_ATTENUATION_SPIN + k, attenuationSpin[k]);
  for (int k = 0; k < kDesignRows; ++k) DDX_Control(dx, IDC_DELAY_SPIN + k, delaySpin[k]);
  for (int k = 0; k < kDesignRows; ++k) DDX_Control(dx, IDC_HF_LEVEL_SPIN + k, hfLevelSpin[k]);
  DDX_Control(dx, IDC_BOX_COUNT, boxCountCombo);
  DDX_Text(dx, IDC_OVERALL_AIMING_EDIT, overallAiming);
  DDX_Text(dx, IDC_OVERALL_ATT_EDIT, overallAtt);
  for (int k = 0; k < kDesignRows; ++k) DDX_Text(dx, IDC_ATTENUATION_EDIT + k, attenuation[k]);
  for (int k = 0; k < kDesignRows; ++k) DDX_Text(dx, IDC_DELAY_EDIT + k, delay[k]);
  DDX_Check(dx, IDC_EXCESS_AIR, excessAir);
  DDX_Radio(dx, IDC_ENCLOSURE_21S, enclosureType);
  for (int k = 0; k < kDesignRows; ++k) DDX_CBIndex(dx, IDC_HF_LEVEL_COMBO + k, hfLevel[k]);
}

BOOL CDialog1::OnInitDialog() {
  CDialog::OnInitDialog();
  boxCountCombo.SetCurSel(boxCount - 1);
  pirrowan::ClampOpenedForm(*this);
  EnableBoxRows();
  overallAimingSpin.SetRange(pirrowan::kSpinLowest, pirrowan::kSpinHighest);
  overallAttSpin.SetRange(pirrowan::kSpinLowest, pirrowan::kSpinHighest);
  for (int k = 0; k < kDesignRows; ++k) {
    attenuationSpin[k].SetRange(pirrowan::kSpinLowest, pirrowan::kSpinHighest);
    delaySpin[k].SetRange(pirrowan::kSpinLowest, pirrowan::kSpinHighest);
  }
  for (int k = 0; k < kDesignRows; ++k) {
    hfLevelSpin[k].SetRange(pirrowan::kHfLevels - 1, 0);  // up moves toward "+3", row 0
    hfLevelSpin[k].SetPos(hfLevel[k]);
  }
  eqClipValid = FALSE;
  return TRUE;
}

void CDialog1::EnableBoxRows() {
  for (int r = 1; r < kDesignRows; ++r) {
    const BOOL enable = r < boxCount;
    for (int id : {IDC_ATTENUATION_EDIT + r, IDC_ATTENUATION_SPIN + r, IDC_DELAY_EDIT + r, IDC_DELAY_SPIN + r,
                   IDC_HF_LEVEL_COMBO + r, IDC_HF_LEVEL_SPIN + r, IDC_EQ_BUTTON + r}) {
      if (CWnd* control = GetDlgItem(id)) control->EnableWindow(enable);
    }
  }
  UpdateData(FALSE);
}

void CDialog1::SelectBoxCount(int count) {
  boxCount = count;
  if (boxCountCombo.GetCurSel() != boxCount - 1) boxCountCombo.SetCurSel(boxCount - 1);
  EnableBoxRows();
}

void CDialog1::OnBoxCountChange() {
  UpdateData(TRUE);
  SelectBoxCount(pirrowan::BoxCountOfRow(boxCountCombo.GetCurSel()));
}

// A count typed into the list's edit counts once it is one of the list's rows.
void CDialog1::OnBoxCountEdit() {
  UpdateData(TRUE);
  const int row = boxCountCombo.FindStringExact(-1, boxCountCombo.GetWindowText().c_str());
  if (row == CB_ERR) return;
  SelectBoxCount(pirrowan::BoxCountOfRow(row));
}

// The value up-downs are put back to 0 after each step, so the sign of the new position is the
// direction of the click; a level up-down's position is the level's list row.
void CDialog1::OnVScroll(UINT code, UINT pos, CWnd* scrollBar) {
  UpdateData(TRUE);
  if (code == SB_ENDSCROLL) return;
  if (scrollBar) {
    const pirrowan::SpinTarget target = pirrowan::SpinOfControl(scrollBar->GetDlgCtrlID());
    const int position = static_cast<int>(pos);
    if (target.kind == pirrowan::SpinKind::HfLevel) {
      hfLevel[target.row] = pirrowan::HfLevelOfPosition(position);
    } else if (target.kind != pirrowan::SpinKind::None) {
      pirrowan::StepBySign(target.kind, position, pirrowan::SpinValue(*this, target));
      scrollBar->SendMessage(UDM_SETPOS, 0, MAKELPARAM(0, 0));
    }
    UpdateData(FALSE);
  }
  CDialog::OnVScroll(code, pos, scrollBar);
}

void CDialog1::OnEqButton(UINT controlId) {
  const int k = static_cast<int>(controlId) - IDC_EQ_BUTTON;
  RunBoxEqualiser(k, eqGain[k], eqGroups[k], eqClipboard, eqClipValid);
}

void CDialog1::OnOK() {
  if (!UpdateData(TRUE)) return;  // the framework has named the edit that is not a number
  const pirrowan::OkRefusal refusal = pirrowan::FindOkRefusal([this](int id) { return GetDlgItemText(id); });
  if (refusal.editId) {
    AfxMessageBox(refusal.message, MB_OK);
    if (CWnd* edit = GetDlgItem(refusal.editId)) edit->SetFocus();
    return;
  }
  for (int id : {IDOK, IDCANCEL}) {
    if (CWnd* button = GetDlgItem(id)) button->EnableWindow(FALSE);
  }
  CDialog::OnOK();
}

void CDialog1::OnCancel() { CDialog::OnCancel(); }
