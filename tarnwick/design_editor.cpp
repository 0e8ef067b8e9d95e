#include "design_editor.h"

namespace tarnwick {

namespace {

int RowOfModel(int code) { return code >= 0 && code < kModelRows ? code : kNoModel; }

// What the opening takes for out of range: stored angles beyond these open as 0.
constexpr float kAimingOpeningLimit = 180.0f;
constexpr float kSplayOpeningLimit = 15.0f;

// Held while a check of a typed angle shows a message: the message box takes the focus from
// the edits, and their own checks must not run in the middle of it.
class BusyScope {
 public:
  explicit BusyScope(int32_t& flag) : flag_(flag) { flag_ = 1; }
  ~BusyScope() { flag_ = 0; }
  BusyScope(const BusyScope&) = delete;
  BusyScope& operator=(const BusyScope&) = delete;

 private:
  int32_t& flag_;
};

}  // namespace

int DesignEditor::ModelCodeOf(int box) const { return RowOfModel(SelectedModelRow(box)); }

void DesignEditor::PrepareForOpening() {
  for (int i = 0; i < kDesignBoxes; ++i) {
    if (model[i] < 0 || model[i] > kHighestStoredModel) model[i] = kModelOrlexR7;
    const float lowest = i == 0 ? -kAimingOpeningLimit : 0.0f;
    const float highest = i == 0 ? kAimingOpeningLimit : kSplayOpeningLimit;
    if (angle[i] < lowest || angle[i] > highest) angle[i] = 0.0f;
    sizeClass[i] = SizeClassOf(model[i]);
    if (gain[i] > kGainCeiling) gain[i] = kGainCeiling;
    if (delay[i] < 0.0f) delay[i] = 0.0f;
    columnValue[i] = gain[i];
    storedJunctionCode_[i] = junctionCode[i];
  }
  columnMode = kColumnGains;
  angleCheckBusy = 0;
  refusedJunction_ = 0;
}

void DesignEditor::OpenModels() {
  // While the boxes are set up one after the other, the frames shown are the stored ones: the
  // codes of junctions further down are recomputed before their boxes have been selected.
  opening_ = true;
  for (int i = 0; i < kDesignBoxes; ++i) {
    const int remembered = SelectedModelRow(i);
    SelectModelRow(i, RowOfModel(model[i]));
    if (remembered != model[i]) OnModelChange(i);
    sizeClass[i] = SizeClassOf(model[i]);
  }
  opening_ = false;
}

void DesignEditor::EnableBoxRows() {
  for (int k = 1; k < kDesignBoxes; ++k) {
    if (k < boxCount) {
      if (junctionCode[k] != kJunctionQk) EnableAngleControls(k, true);
      EnableRowControls(k, true);
    } else {
      EnableAngleControls(k, false);
      EnableRowControls(k, false);
      HideAdapter(k - 1);
    }
  }
  FillControls();
}

void DesignEditor::ShowAdapter(int k, AdapterShown shown) {
  switch (shown) {
    case AdapterShown::kUnchanged:
      break;
    case AdapterShown::kHidden:
      HideAdapter(k);
      break;
    case AdapterShown::kLabelRk:
      ShowAdapterLabel(k, kFrameRk);
      break;
    case AdapterShown::kLabelPk:
      ShowAdapterLabel(k, kFramePk);
      break;
    case AdapterShown::kChoice: {
      const int32_t code = opening_ ? storedJunctionCode_[k + 1] : junctionCode[k + 1];
      ShowAdapterList(k, code == kJunctionRk ? AdapterFrame::kRk : AdapterFrame::kQk);
      break;
    }
  }
}

void DesignEditor::SetupAdapters(int row, int box) {
  const int own = AdapterClassOf(row);
  if (HasBoxBelow(box)) ShowAdapter(box, AdapterBelowBox(own, AdapterClassOf(model[box + 1])));
  if (box >= 1) ShowAdapter(box - 1, AdapterAboveBox(AdapterClassOf(model[box - 1]), own));
}

AdapterFrame DesignEditor::FrameShown(int k) const {
  return AdapterListEnabled(k) ? AdapterSelection(k) : AdapterFrame::kNone;
}

void DesignEditor::RecomputeJunctions() {
  for (int i = 0; i < boxCount; ++i) {
    junctionCode[i] = kJunctionPlain;
    sizeClass[i] = SizeClassOf(SelectedModelRow(i));
  }
  for (int i = 1; i < boxCount; ++i) {
    const int upper = sizeClass[i - 1];
    const int lower = sizeClass[i];
    if (upper < lower) {
      junctionCode[i] = SmallerBelowCode(upper, lower, model[i], FrameShown(i - 1));
      EnableAngleControls(i, true);
      if (junctionCode[i] == kJunctionQk) {
        angle[i] = kFixedFrameSplay;
        EnableAngleControls(i, false);
      }
    } else {
      junctionCode[i] = NotSmallerBelowCodeRecomputed(upper, lower);
    }
  }
  FillControls();
}

int DesignEditor::ProposedCodeAbove(int box) {
  const int upper = sizeClass[box - 1];
  const int lower = sizeClass[box];
  if (upper >= lower) return NotSmallerBelowCode(upper, lower);
  // A model change proposes the fixed frame; the opening keeps the frame that was stored.
  AdapterFrame proposed = AdapterFrame::kQk;
  if (opening_ && AdapterListEnabled(box - 1) && AdapterSelection(box - 1) == AdapterFrame::kRk)
    proposed = AdapterFrame::kRk;
  const int code = SmallerBelowCode(upper, lower, model[box], proposed);
  if (code == kJunctionQk) {
    angle[box] = kFixedFrameSplay;
    EnableAngleControls(box, false);
    // The list shows the frame that the code and the locked angle stand for.
    if (AdapterListEnabled(box - 1)) ShowAdapterList(box - 1, AdapterFrame::kQk);
  }
  return code;
}

int DesignEditor::ProposedCodeBelow(int box) const {
  const int upper = sizeClass[box];
  const int lower = sizeClass[box + 1];
  if (upper >= lower) return NotSmallerBelowCode(upper, lower);
  // A new model above keeps the frame that the list below shows (the one OK will store), and
  // with it that frame's angle rule: a chosen "TK-900-RK" keeps its limit. The list and the
  // locked angle of a "TK-900-QK" were set up with the adapters just before.
  return SmallerBelowCode(upper, lower, model[box + 1], FrameShown(box));
}

void DesignEditor::LimitAngleByAdapter(int junction) {
  const float limit = AdapterAngleLimit(junctionCode[junction], sizeClass[junction]);
  if (angle[junction] > limit) angle[junction] = limit;
}

void DesignEditor::AdjustAnglesAfterModelChange(int box) {
  const bool below = HasBoxBelow(box);
  if (model[box] == kModelTk340) {
    if (box >= 1) {
      angle[box] = AngleNextToTk340(angle[box]);
      EnableAngleControls(box, true);
    }
    if (below) angle[box + 1] = AngleNextToTk340(angle[box + 1]);
    return;
  }
  // The fixed frame keeps its angle locked, above and below the box.
  if (box >= 1 && junctionCode[box] != kJunctionQk) EnableAngleControls(box, true);
  if (below && ModelListEnabled(box + 1) && junctionCode[box + 1] != kJunctionQk)
    EnableAngleControls(box + 1, true);
  if (box >= 1) angle[box] = AngleUnderOtherModel(angle[box]);
}

void DesignEditor::OnModelChange(int box) {
  if (box < 0 || box >= kDesignBoxes) return;
  RefreshMembers();
  const int row = SelectedModelRow(box);
  if (row >= 0) {
    SetupAdapters(row, box);
    RecomputeJunctions();
  }
  model[box] = ModelCodeOf(box);
  sizeClass[box] = SizeClassOf(model[box]);
  if (box >= 1) junctionCode[box] = ProposedCodeAbove(box);
  if (HasBoxBelow(box)) junctionCode[box + 1] = ProposedCodeBelow(box);
  AdjustAnglesAfterModelChange(box);
  // The aiming angle of the top box is no junction: only splays follow the frames.
  if (box >= 1) LimitAngleByAdapter(box);
  if (HasBoxBelow(box)) LimitAngleByAdapter(box + 1);
  FillControls();
}

void DesignEditor::OnAdapterChange(int k) {
  if (k < 0 || k >= kJunctions) return;
  RefreshMembers();
  const int junction = k + 1;
  const float limit = AdapterChangeAngleLimit(junctionCode[junction], sizeClass[junction]);
  if (angle[junction] > limit) angle[junction] = limit;
  RecomputeJunctions();
}

void DesignEditor::StepSplayAngle(int direction, int junction) {
  if (junction < 1 || junction > kJunctions) return;
  angle[junction] = StepSplay(angle[junction], direction, model[junction], model[junction - 1],
                              junctionCode[junction], sizeClass[junction]);
}

void DesignEditor::OnAngleKillFocus(int junction) {
  if (angleCheckBusy || junction < 1 || junction > kJunctions) return;
  BusyScope busy(angleCheckBusy);
  float typed = 0.0f;
  if (!ParseTypedAngle(AngleText(junction).c_str(), &typed)) {
    ShowNotice(kEnterNumberMessage);
    FocusAngleEdit(junction);
    return;
  }
  // A text that the data exchange refuses has been reported by it.
  if (!RefreshMembers()) return;
  if (ValidateAngle(junction, KindAt(junction))) FillControls();
}

TypedAngleKind DesignEditor::KindAt(int junction) const {
  return TypedAngleKindOf(SelectedModelRow(junction), SelectedModelRow(junction - 1));
}

bool DesignEditor::RecheckRefusedAngle() {
  const int junction = refusedJunction_;
  if (junction < 1 || junction > kJunctions || angleCheckBusy) return true;
  BusyScope busy(angleCheckBusy);
  return ValidateAngle(junction, KindAt(junction));
}

bool DesignEditor::ValidateAngle(int junction, TypedAngleKind kind) {
  const TypedAngleRule rule = TypedAngleRuleFor(kind, junctionCode[junction], sizeClass[junction]);
  const float value = angle[junction];
  const bool failures[] = {!TypedAngleHasValidForm(kind, value),
                           !TypedAngleInRange(value, rule.limit)};
  for (bool failed : failures) {
    // Cancel keeps the value and goes on to the next check.
    if (failed && AskRetry(rule.message)) {
      refusedJunction_ = junction;
      FocusAngleEdit(junction);
      return false;
    }
  }
  if (refusedJunction_ == junction) refusedJunction_ = 0;
  return true;
}

void DesignEditor::OnBoxCountChange() {
  RefreshMembers();
  const int source = SelectedModelRow(boxCount - 1);
  const int row = SelectedBoxCountRow();
  if (row < 0 || row >= kDesignBoxes) return;
  const int old = boxCount;
  boxCount = row + 1;
  SetBoxCountSpinPos(row);
  for (int b = old; b < boxCount; ++b) {
    SelectModelRow(b, source);
    model[b] = ModelCodeOf(b);
    sizeClass[b] = SizeClassOf(model[b]);
  }
  // The added boxes' junctions were last computed for whatever those rows held before.
  if (boxCount > old) RecomputeJunctions();
  EnableBoxRows();
}

void DesignEditor::StepBoxCount(int position) {
  if (position < 0 || position >= kDesignBoxes) return;
  SelectBoxCountRow(position);
  const int target = position + 1;
  while (boxCount < target) {  // a new box starts as the box above it
    const int added = boxCount;
    SelectModelRow(added, SelectedModelRow(added - 1));
    OnModelChange(added);
    boxCount = added + 1;
  }
  while (boxCount > target) {
    const int removed = boxCount - 1;
    SelectModelRow(removed, 0);
    angle[removed] = 0.0f;
    columnValue[removed] = 0.0f;
    boxCount = removed;
  }
  EnableBoxRows();
}

void DesignEditor::OnModelDropDown(int box) {
  if (box < 1 || box >= kDesignBoxes) return;
  SelectModelRow(box, SelectedModelRow(box - 1));
  model[box] = ModelCodeOf(box);
  OnModelChange(box);
}

void DesignEditor::SetAllBoxes(int sourceBox) {
  if (boxCount < 2) return;
  // Only a list strictly between the first and the last one names the source.
  const int source = sourceBox > 0 && sourceBox < kDesignBoxes - 1 ? sourceBox : 0;
  const int row = SelectedModelRow(source);
  for (int i = source + 1; i < boxCount; ++i) {
    SelectModelRow(i, row);
    OnModelChange(i);
    model[i] = ModelCodeOf(i);
    if (junctionCode[i] > 0) {
      HideAdapter(i - 1);
      junctionCode[i] = kJunctionPlain;
    }
  }
}

void DesignEditor::StepGainDelay(int direction, int box) {
  if (box < 0 || box >= kDesignBoxes) return;
  // The step starts from the value the edit shows, typed or not.
  TakeColumn();
  const bool delays = columnMode == kColumnDelays;
  float& value = delays ? delay[box] : gain[box];
  if (delays ? StepDelay(value, direction) : StepGain(value, direction))
    columnValue[box] = value;
}

void DesignEditor::TakeColumn() {
  float* shown = columnMode == kColumnDelays ? delay : gain;
  for (int i = 0; i < kDesignBoxes; ++i) shown[i] = columnValue[i];
}

void DesignEditor::ShowColumn(ColumnMode mode) {
  // The radio button already shows the new mode; the values shown belong to the old one.
  const int32_t shownMode = columnMode;
  RefreshMembers();
  columnMode = shownMode;
  TakeColumn();
  const float* chosen = mode == kColumnDelays ? delay : gain;
  for (int i = 0; i < kDesignBoxes; ++i) columnValue[i] = chosen[i];
  columnMode = mode;
  FillControls();
}

int DesignEditor::FindNegativeSplayText() const {
  for (int j = 1; j <= kJunctions; ++j) {
    const std::string text = AngleText(j);
    const size_t first = text.find_first_not_of(" \t");
    if (first != std::string::npos && text[first] == '-') return j;
  }
  return 0;
}

void DesignEditor::RecomputeCodesForOk() {
  int classOf[kDesignBoxes] = {};
  for (int j = 0; j < boxCount; ++j) {
    junctionCode[j] = kJunctionPlain;
    model[j] = ModelCodeOf(j);
    classOf[j] = SizeClassOf(model[j]);
  }
  for (int j = 1; j < boxCount; ++j) {
    if (classOf[j - 1] >= classOf[j]) continue;  // OK never keeps the in-dialog code 0
    const AdapterFrame frame =
        AdapterListVisible(j - 1) ? AdapterSelection(j - 1) : AdapterFrame::kNone;
    junctionCode[j] = SmallerBelowCode(classOf[j - 1], classOf[j], model[j], frame);
  }
}

}  // namespace tarnwick
