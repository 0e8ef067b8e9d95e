#include "eq_dialog.h"

#include <algorithm>
#include <cstdio>
#include <cstring>

BEGIN_MESSAGE_MAP(CEqDlg, CDialog)
  ON_WM_VSCROLL()
  ON_BN_CLICKED(EQ_ID_COPY, &CEqDlg::OnCopy)
  ON_BN_CLICKED(EQ_ID_PASTE, &CEqDlg::OnPaste)
  ON_BN_CLICKED(EQ_ID_FLAT, &CEqDlg::OnFlat)
  ON_BN_CLICKED(EQ_ID_GROUP, &CEqDlg::OnGroup)
  ON_BN_CLICKED(EQ_ID_UNGROUP, &CEqDlg::OnUngroup)
  ON_MESSAGE(WM_EQ_GROUPSELECT, &CEqDlg::OnGroupSelect)
  ON_MESSAGE(WM_EQ_SETVALUE, &CEqDlg::OnSetBandValue)
END_MESSAGE_MAP()

namespace {

bool IsHandedInGain(int value) { return value >= EQ_GAIN_OFF && value <= eq::kGainMax; }

}  // namespace

CEqDlg::CEqDlg(CWnd* parent) : CDialog(IDD_EQ_DIALOG, parent), gain{}, clipGain{}, groups{} {
  for (int b = 0; b < eq::kBands; ++b) {
    edits[b].fader = &faders[b];
    faders[b].edit = &edits[b];
  }
}

CEqDlg::~CEqDlg() = default;

void CEqDlg::DoDataExchange(CDataExchange* dx) {
  CDialog::DoDataExchange(dx);
  for (int b = 0; b < eq::kBands; ++b) {
    DDX_Control(dx, eq::kFirstFaderId + b, faders[b]);
    DDX_Control(dx, eq::kFirstEditId + b, edits[b]);
  }
}

BOOL CEqDlg::OnInitDialog() {
  CDialog::OnInitDialog();
  for (int b = 0; b < eq::kBands; ++b) {
    faders[b].SetRange(0, eq::kFaderMax, FALSE);
    if (!IsHandedInGain(gain[b])) gain[b] = 0;  // e.g. from a stored design the host passed in
    faders[b].SetPos(eq::FaderPosition(gain[b]));
    SetBandText(edits[b], gain[b]);
    faders[b].SetBand(b);
    // No inner margins: the 18-unit edit is barely wide enough for "-18" and "OFF", and a
    // font's default margins would scroll them out of sight.
    edits[b].SendMessage(EM_SETMARGINS, EC_LEFTMARGIN | EC_RIGHTMARGIN, MAKELPARAM(0, 0));
  }
  ClearInactiveMembers();
  MarkCommittedGroups();
  grouping = FALSE;
  newGroup = -1;
  // Paste is offered only for a Copy made in an earlier EQ dialog of the same design dialog.
  if (CWnd* paste = GetDlgItem(EQ_ID_PASTE)) paste->EnableWindow(clipValid != 0);
  char title[32];
  std::snprintf(title, sizeof(title), "EQ - Box %d", static_cast<int>(box) + 1);
  SetWindowText(title);
  return TRUE;  // the dialog manager gives the first fader the focus
}

void CEqDlg::OnOK() { CDialog::OnOK(); }

void CEqDlg::OnCancel() { CDialog::OnCancel(); }

void CEqDlg::SetBandText(CEditCtrl& edit, int value) {
  if (value == EQ_GAIN_OFF) {
    edit.SetWindowText("OFF");
  } else {
    char text[16];
    std::snprintf(text, sizeof(text), "%d", value);
    edit.SetWindowText(text);
  }
  if (eq::kEditRestoresText) edit.lastValue = value;
}

// Every active group marks its members (a later slot wins when two list the same band).
void CEqDlg::MarkCommittedGroups() {
  for (int g = 0; g < kEqGroupsPerBox; ++g) {
    if (!groups[g].active) continue;
    for (int j = 0; j < eq::kBands; ++j) {
      if (!groups[g].member[j]) continue;
      faders[j].marked = TRUE;
      faders[j].group = g;
      faders[j].colourIndex = g;
    }
  }
}

// Member flags of an inactive slot mean nothing, but a new group would start from them in
// that slot: members nobody sees marked. Handed-in and pasted groups are cleaned of them.
void CEqDlg::ClearInactiveMembers() {
  for (EqGroup& g : groups) {
    if (!g.active) std::fill(std::begin(g.member), std::end(g.member), 0);
  }
}

void CEqDlg::RefreshControls() {
  for (int b = 0; b < eq::kBands; ++b) {
    faders[b].SetPos(eq::FaderPosition(gain[b]));
    SetBandText(edits[b], gain[b]);
    faders[b].marked = FALSE;
    faders[b].Invalidate(FALSE);
  }
  MarkCommittedGroups();
  // A group under construction stays visible, so that Group commits what the user sees.
  if (grouping && eq::IsGroupSlot(newGroup)) {
    for (int j = 0; j < eq::kBands; ++j) {
      if (groups[newGroup].member[j]) faders[j].marked = TRUE;
    }
  }
  UpdateData(FALSE);
}

bool CEqDlg::MoveGroup(int c, int delta) {
  CFader& moved = faders[c];
  // OFF rule: a grouped band cannot be switched off by a move.
  if (delta > 0 && moved.GetPos() == eq::kFaderMax) {
    moved.SetPos(eq::kFaderLowestOn);
    return false;
  }
  const EqGroup& members = groups[moved.group];
  for (int i = 0; i < eq::kBands; ++i) {
    if (!members.member[i]) continue;
    int value = (i == c) ? eq::GainOfPosition(moved.GetPos()) : gain[i] - delta;
    value = std::clamp(value, eq::kGainMin, eq::kGainMax);
    gain[i] = static_cast<int16_t>(value);
    SetBandText(edits[i], value);
    faders[i].SetPos(eq::FaderPosition(value));
  }
  moved.Invalidate(FALSE);
  return true;
}

void CEqDlg::OnVScroll(UINT code, UINT pos, CWnd* scrollBar) {
  if (code == SB_ENDSCROLL) return;
  UpdateData(TRUE);
  const int c = scrollBar ? scrollBar->GetDlgCtrlID() - eq::kFirstFaderId : -1;
  if (eq::IsBand(c)) {
    CFader& fader = faders[c];
    const int newGain = eq::GainOfPosition(fader.GetPos());
    if (fader.IsGrouped() && eq::IsGroupSlot(fader.group)) {
      if (!MoveGroup(c, gain[c] - newGain)) return;
    } else {
      gain[c] = static_cast<int16_t>(newGain);  // position 25 gives EQ_GAIN_OFF
      SetBandText(edits[c], newGain);
    }
  }
  UpdateData(FALSE);
  CDialog::OnVScroll(code, pos, scrollBar);
}

LRESULT CEqDlg::OnSetBandValue(WPARAM wParam, LPARAM lParam) {
  const int value = static_cast<int>(wParam);
  const int b = static_cast<int>(lParam);
  if (!eq::IsBand(b)) return 0;
  CFader& fader = faders[b];
  fader.SetPos(eq::FaderPosition(value));  // the trackbar keeps it within 0..25
  if (fader.IsGrouped() && eq::IsGroupSlot(fader.group)) {
    if (!MoveGroup(b, gain[b] - value)) return 0;
  } else {
    gain[b] = static_cast<int16_t>(eq::GainOfPosition(fader.GetPos()));
    SetBandText(edits[b], gain[b]);
  }
  UpdateData(FALSE);
  return 0;
}

void CEqDlg::AddToNewGroup(int band) {
  faders[band].marked = TRUE;
  faders[band].colourIndex = newGroup;
  groups[newGroup].member[band] = 1;
}

LRESULT CEqDlg::OnGroupSelect(WPARAM wParam, LPARAM lParam) {
  const int a = static_cast<int>(wParam);
  const int b = static_cast<int>(lParam);
  if (a == -1) {  // cancel the group under construction
    if (grouping && eq::IsGroupSlot(newGroup)) {
      for (int i = 0; i < eq::kBands; ++i) {
        if (!groups[newGroup].member[i]) continue;
        faders[i].marked = FALSE;
        faders[i].Invalidate(FALSE);
        groups[newGroup].member[i] = 0;
      }
    }
    grouping = FALSE;
    return 0;
  }
  if (!eq::IsBand(a)) return 0;
  if (!grouping) {
    newGroup = -1;
    for (int g = 0; g < kEqGroupsPerBox && newGroup == -1; ++g) {
      if (!groups[g].active) newGroup = g;
    }
    if (newGroup == -1) return 0;  // all eight slots in use
  }
  // A band of a committed group is never added, neither the clicked one nor the focus band.
  if (faders[a].group == -1) {
    grouping = TRUE;
    AddToNewGroup(a);
    if (eq::IsBand(b) && faders[b].group == -1) {
      AddToNewGroup(b);
      faders[b].Invalidate(FALSE);
    }
  }
  return 0;
}

void CEqDlg::OnGroup() {
  if (!grouping || !eq::IsGroupSlot(newGroup)) return;
  groups[newGroup].active = 1;
  for (int i = 0; i < eq::kBands; ++i) {
    if (!groups[newGroup].member[i]) continue;
    faders[i].group = newGroup;
    faders[i].Invalidate(FALSE);
  }
  grouping = FALSE;
}

void CEqDlg::OnUngroup() {
  grouping = FALSE;  // marks and members of a group under construction stay as they are
  if (!eq::IsBand(lastFocusedBand)) return;
  const int g = faders[lastFocusedBand].group;
  if (!eq::IsGroupSlot(g)) return;
  groups[g].active = 0;
  for (int i = 0; i < eq::kBands; ++i) {
    if (faders[i].group == g) {
      faders[i].marked = FALSE;
      faders[i].group = -1;
      faders[i].Invalidate(FALSE);
    }
    groups[g].member[i] = 0;
  }
}

void CEqDlg::OnCopy() {
  UpdateData(TRUE);
  std::memcpy(clipGain, gain, sizeof(clipGain));
  std::memcpy(eqGroupClipboard, groups, sizeof(eqGroupClipboard));
  clipValid = TRUE;
}

void CEqDlg::OnPaste() {
  for (int b = 0; b < eq::kBands; ++b) gain[b] = IsHandedInGain(clipGain[b]) ? clipGain[b] : 0;
  std::memcpy(groups, eqGroupClipboard, sizeof(groups));
  ClearInactiveMembers();
  // The pasted groups replace the slot a group under construction was being built in.
  grouping = FALSE;
  newGroup = -1;
  for (int b = 0; b < eq::kBands; ++b) faders[b].group = -1;
  RefreshControls();
}

void CEqDlg::OnFlat() {
  std::fill(std::begin(gain), std::end(gain), static_cast<int16_t>(0));
  RefreshControls();  // the groups stay
}
