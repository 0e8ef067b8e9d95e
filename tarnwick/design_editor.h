// What the Tarnwick design dialog does with the design while the user edits it: the opening,
// model changes with the adapter frames and junction codes they bring, the splay spins and the
// check of typed splay angles, the box count, "Set All Boxes", the gain/delay column and the
// codes that OK keeps. The window side (the dialog) supplies the controls through the view
// operations below; everything here is plain C++ over the design's members.
#pragma once
#include <string>

#include "design_form.h"

namespace tarnwick {

// What the gain/delay column shows; the values are the order of its two radio buttons.
enum ColumnMode : int32_t { kColumnGains = 0, kColumnDelays = 1 };

class DesignEditor : public DesignForm {
 public:
  virtual ~DesignEditor() = default;

  int32_t sizeClass[kDesignBoxes] = {};   // SizeClass per box
  float columnValue[kDesignBoxes] = {};   // what each gain/delay edit shows
  int32_t columnMode = kColumnGains;      // a ColumnMode (an int for the radio group)
  int32_t angleCheckBusy = 0;             // a typed-angle check is showing a message

  // Opening: first the members are brought into range (before the controls show them), then
  // every box's list is selected and set up, then the rows follow the box count.
  void PrepareForOpening();
  void OpenModels();
  void EnableBoxRows();

  // A row chosen in box i's model list (also run by the opening, spins and "Set All Boxes").
  void OnModelChange(int box);
  void SetupAdapters(int row, int box);
  void RecomputeJunctions();
  // A frame chosen in the adapter list of junction k + 1.
  void OnAdapterChange(int k);
  void StepSplayAngle(int direction, int junction);
  // The typed splay angle of junction j when its edit lost the focus.
  void OnAngleKillFocus(int junction);
  bool ValidateAngle(int junction, TypedAngleKind kind);
  // The junction whose typed text the check refused and gave back to the user (Retry), 0 when
  // none: that text stays in its edit until it is checked again, and must not be kept.
  int RefusedJunction() const { return refusedJunction_; }
  // OK with a refused text still standing checks it again: true when it now passes or the user
  // keeps it (Cancel), false when it goes back to its edit. Members refreshed by the caller.
  bool RecheckRefusedAngle();

  void OnBoxCountChange();
  // The box-count spin now stands at position (new count - 1).
  void StepBoxCount(int position);
  // The model list of box i (1..23) opens: it starts from the model of the box above.
  void OnModelDropDown(int box);
  // "Set All Boxes": sourceBox is the box whose list had the focus before the button, or -1.
  void SetAllBoxes(int sourceBox);

  void StepGainDelay(int direction, int box);
  // The column switches to another mode; the shown values go to the mode shown.
  void ShowColumn(ColumnMode mode);
  // The shown column into gain or delay, as OK takes it.
  void TakeColumn();

  // OK: the first junction whose angle text is negative (refused), or 0.
  int FindNegativeSplayText() const;
  void RecomputeCodesForOk();

 protected:
  // View operations, supplied by the dialog. Rows are list rows (-1 none); k counts the
  // adapter controls of junction k + 1.
  virtual bool RefreshMembers() = 0;  // members from the controls; false when a value was refused
  virtual void FillControls() = 0;    // controls from the members
  virtual int SelectedModelRow(int box) const = 0;
  virtual void SelectModelRow(int box, int row) = 0;
  virtual bool ModelListEnabled(int box) const = 0;
  virtual void EnableAngleControls(int junction, bool enable) = 0;
  // The row's gain/delay edit and spin, model list and EQ button.
  virtual void EnableRowControls(int box, bool enable) = 0;
  virtual void ShowAdapterLabel(int k, const char* frame) = 0;
  virtual void ShowAdapterList(int k, AdapterFrame selected) = 0;
  virtual void HideAdapter(int k) = 0;
  virtual AdapterFrame AdapterSelection(int k) const = 0;
  virtual bool AdapterListEnabled(int k) const = 0;
  virtual bool AdapterListVisible(int k) const = 0;
  virtual int SelectedBoxCountRow() const = 0;
  virtual void SelectBoxCountRow(int row) = 0;
  virtual void SetBoxCountSpinPos(int position) = 0;
  virtual std::string AngleText(int junction) const = 0;
  // Focus to the angle edit with its whole text selected and the caret in view.
  virtual void FocusAngleEdit(int junction) = 0;
  virtual void ShowNotice(const char* text) = 0;
  // A message with Retry and Cancel; true for Retry.
  virtual bool AskRetry(const char* text) = 0;

 private:
  int ModelCodeOf(int box) const;
  // The frame the adapter list of junction k + 1 offers and shows, kNone when it offers none.
  AdapterFrame FrameShown(int k) const;
  TypedAngleKind KindAt(int junction) const;
  void ShowAdapter(int k, AdapterShown shown);
  int ProposedCodeAbove(int box);
  int ProposedCodeBelow(int box) const;
  void AdjustAnglesAfterModelChange(int box);
  void LimitAngleByAdapter(int junction);
  bool HasBoxBelow(int box) const { return box < boxCount - 1; }

  bool opening_ = false;
  int refusedJunction_ = 0;
  // The junction codes as stored, for the frames the opening shows.
  int32_t storedJunctionCode_[kDesignBoxes] = {};
};

}  // namespace tarnwick
