// CDialog1: Brenlowe's modal array-design dialog (template 101). One row per box with the
// aiming (box 1) or hinge angle, attenuation and delay, each with an up-down, the model list
// and an "EQ" button; above them the box count, "Include Excess Air Absorption" and
// "Horizontally symmetrical". The values live in the DesignForm members until OK; the caller
// loads them before DoModal and stores them after IDOK.
#pragma once
#include <cstdint>

#include "design_form.h"
#include "framework.h"

class CDialog1 : public CDialog, public brenlowe::DesignForm {
 public:
  CDialog1();
  ~CDialog1() override;

  BOOL OnInitDialog() override;

  int16_t eqClipboard[kBandCount] = {};  // the equaliser's gains clipboard, shared by all boxes
  CSpinButtonCtrl overallAttSpin;          // hidden
  CComboBox modelCombo[brenlowe::kDesignRows];
  CSpinButtonCtrl angleSpin[brenlowe::kDesignRows];
  CComboBox boxCountCombo;
  CSpinButtonCtrl attenuationSpin[brenlowe::kDesignRows];
  CSpinButtonCtrl delaySpin[brenlowe::kDesignRows];
  int32_t lastSpinPos[3 * brenlowe::kDesignRows] = {};  // last position seen of each up-down
  BOOL eqClipValid = FALSE;                              // eqClipboard holds a Copy

 protected:
  void DoDataExchange(CDataExchange* dx) override;
  void OnOK() override;
  void OnCancel() override;
  void OnVScroll(UINT code, UINT pos, CWnd* scrollBar);
  void OnBoxCountChange();
  void OnModelChange(UINT controlId);
  void OnEqButton(UINT controlId);

  DECLARE_MESSAGE_MAP()

 private:
  // Rows 2..14 are enabled up to the box count; then the controls show the members.
  void EnableBoxRows();
  CSpinButtonCtrl& SpinAt(int slot);
};
