// CEqDlg: the modal 21-band graphic equaliser of one box, shared by every deliverable's design
// dialog. Each band is a fader and a value edit; bands can be tied into up to eight coloured
// groups that move together; a box's equaliser can be copied and pasted.
//
// The caller (a design dialog's EQ button) constructs it without a parent, sets box (0-based),
// gain, clipGain (its gains clipboard), groups and clipValid, runs DoModal, and takes gain and
// groups back on IDOK only, but clipGain and clipValid back in every case (a Copy made in a
// cancelled dialog still counts). The group clipboard is module-wide (eqGroupClipboard).
#pragma once
#include <cstdint>

#include "eq_edit.h"
#include "eq_fader.h"
#include "eq_shared.h"
#include "framework.h"

class CEqDlg : public CDialog {
 public:
  explicit CEqDlg(CWnd* parent = nullptr);
  ~CEqDlg() override;

  BOOL OnInitDialog() override;

  int32_t box = 0;                     // 0-based; the title shows box + 1
  int16_t gain[eq::kBands];            // EqGain per band, in and out
  int16_t clipGain[eq::kBands];        // the caller's gains clipboard, in and out
  EqGroup groups[kEqGroupsPerBox];     // the box's fader groups, in and out
  BOOL clipValid = FALSE;              // clipGain holds a Copy (enables Paste), in and out
  CEditCtrl edits[eq::kBands];
  CFader faders[eq::kBands];
  BOOL grouping = FALSE;               // a group is under construction
  int32_t newGroup = -1;               // its slot, -1 when none

  // "OFF" for EQ_GAIN_OFF, else the number; remembered by the edit for restoring.
  void SetBandText(CEditCtrl& edit, int value);
  // Faders, texts and group marks from gain and groups.
  void RefreshControls();

 protected:
  void DoDataExchange(CDataExchange* dx) override;
  void OnOK() override;
  void OnCancel() override;
  void OnVScroll(UINT code, UINT pos, CWnd* scrollBar);
  void OnCopy();
  void OnPaste();
  void OnFlat();
  void OnGroup();
  void OnUngroup();
  LRESULT OnGroupSelect(WPARAM band, LPARAM focusBand);
  LRESULT OnSetBandValue(WPARAM value, LPARAM band);

  DECLARE_MESSAGE_MAP()

 private:
  // Moves the committed group of band c by delta dB (positive lowers it); false when the move
  // was refused because it would switch band c off.
  bool MoveGroup(int c, int delta);
  void MarkCommittedGroups();
  void AddToNewGroup(int band);
  void ClearInactiveMembers();
};
