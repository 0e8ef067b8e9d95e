// CDialog1: Tarnwick's modal array-design dialog (template 101). IP_ShowDialog builds it on the
// stack without a parent, loads the design into its members (the DesignForm part), runs it and,
// on IDOK, takes the members back. The rules it applies live in tarnwick::DesignEditor; this
// class binds them to the controls.
#pragma once
#include <cstdint>
#include <string>

#include "design_editor.h"
#include "design_resource.h"
#include "framework.h"

// "Set All Boxes": remembers which control had the focus before the button took it.
class CBtnAll : public CButton {
 public:
  int32_t lastFocusId = -1;  // control id, -1 when no window had the focus

 protected:
  void OnSetFocus(CWnd* oldWnd);
  DECLARE_MESSAGE_MAP()
};

class CDialog1 : public CDialog, public tarnwick::DesignEditor {
 public:
  CDialog1();
  ~CDialog1() override;

  static constexpr int kBoxes = tarnwick::kDesignBoxes;
  static constexpr int kJunctions = tarnwick::kJunctions;

  int16_t eqClipboard[tarnwick::kEqBands] = {};  // gains copied in an EQ dialog of this run
  BOOL eqClipValid = FALSE;

  CComboBox modelCombo[kBoxes];
  CSpinButtonCtrl angleSpin[kBoxes];
  CComboBox boxCountCombo;
  CSpinButtonCtrl columnSpin[kBoxes];
  CSpinButtonCtrl boxCountSpin;
  CComboBox adapterCombo[kJunctions];
  CStatic adapterLabel[kJunctions];
  CEdit angleEdit[kBoxes];
  CBtnAll setAllButton;

  BOOL OnInitDialog() override;
  BOOL PreTranslateMessage(MSG* msg) override;

 protected:
  void DoDataExchange(CDataExchange* dx) override;
  void OnOK() override;
  void OnCancel() override;

  void OnVScroll(UINT code, UINT pos, CWnd* scrollBar);
  void OnModelSelected(UINT id);
  void OnModelListOpened(UINT id);
  void OnEqButton(UINT id);
  void OnAngleEditLeft(UINT id);
  void OnAdapterSelected(UINT id);
  void OnBoxCountSelected();
  void OnGainMode();
  void OnDelayMode();
  void OnSetAllBoxes();
  void OnOkButton();
  LRESULT OnHostQuery(WPARAM, LPARAM);

  DECLARE_MESSAGE_MAP()

  // The editor's view of the controls.
  bool RefreshMembers() override;
  void FillControls() override;
  int SelectedModelRow(int box) const override;
  void SelectModelRow(int box, int row) override;
  bool ModelListEnabled(int box) const override;
  void EnableAngleControls(int junction, bool enable) override;
  void EnableRowControls(int box, bool enable) override;
  void ShowAdapterLabel(int k, const char* frame) override;
  void ShowAdapterList(int k, tarnwick::AdapterFrame selected) override;
  void HideAdapter(int k) override;
  tarnwick::AdapterFrame AdapterSelection(int k) const override;
  bool AdapterListEnabled(int k) const override;
  bool AdapterListVisible(int k) const override;
  int SelectedBoxCountRow() const override;
  void SelectBoxCountRow(int row) override;
  void SetBoxCountSpinPos(int position) override;
  std::string AngleText(int junction) const override;
  void FocusAngleEdit(int junction) override;
  void ShowNotice(const char* text) override;
  bool AskRetry(const char* text) override;

 private:
  // Set once the dialog is ending: the focus changes of its closing check no typed angles.
  bool closing_ = false;
};

// The id of the adapter list of junction k + 1.
constexpr int AdapterListId(int k) {
  return k < IDC_ADAPTER_LOW_COUNT ? IDC_ADAPTER_LIST_LOW + k
                                   : IDC_ADAPTER_LIST_HIGH + (k - IDC_ADAPTER_LOW_COUNT);
}
