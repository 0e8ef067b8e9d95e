// CDialog1: Pirrowan's modal array-design dialog (template 101): the enclosure type of the
// whole array, the box count, "Include Excess Air Absorption" and the overall aiming, then one
// row per box with attenuation, delay and high-frequency level, each with an up-down, and an
// "EQ" button. The values live in the DesignForm members until OK; the caller loads them
// before DoModal and stores them after IDOK.
#pragma once
#include <cstdint>

#include "design_form.h"
#include "framework.h"

class CDialog1 : public CDialog, public pirrowan::DesignForm {
 public:
  CDialog1();
  ~CDialog1() override;

  BOOL OnInitDialog() override;

  int16_t eqClipboard[kBandCount] = {};  // the equaliser's gains clipboard, shared by all boxes
  CSpinButtonCtrl hfLevelSpin[pirrowan::kDesignRows];
  CSpinButtonCtrl overallAttSpin;  // hidden
  CSpinButtonCtrl overallAimingSpin;
  CComboBox boxCountCombo;
  CSpinButtonCtrl attenuationSpin[pirrowan::kDesignRows];
  CSpinButtonCtrl delaySpin[pirrowan::kDesignRows];
  BOOL eqClipValid = FALSE;  // eqClipboard holds a Copy

 protected:
  void DoDataExchange(CDataExchange* dx) override;
  void OnOK() override;
  void OnCancel() override;
  void OnVScroll(UINT code, UINT pos, CWnd* scrollBar);
  void OnBoxCountChange();
  void OnBoxCountEdit();
  void OnEqButton(UINT controlId);

  DECLARE_MESSAGE_MAP()

 private:
  // Rows 2..6 are enabled up to the box count; then the controls show the members.
  void EnableBoxRows();
  void SelectBoxCount(int count);
};
