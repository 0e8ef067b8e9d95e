#include "design_rules.h"

#include "design_control_ids.h"

namespace brenlowe {

namespace {

constexpr float kAngleStep = 0.5f;
constexpr float kAttenuationStep = 0.5f;
constexpr float kDelayStep = 0.022f;
constexpr double kDelayPositionsPerMs = 45.454544f;  // 1 / 0.022 in single precision

bool InRow(int id, int first, int* row) {
  *row = id - first - 1;
  return *row >= 0 && *row < kDesignRows;
}

float StepOf(SpinColumn column) {
  return column == SpinColumn::Delay ? kDelayStep
         : column == SpinColumn::Attenuation ? kAttenuationStep
                                             : kAngleStep;
}

bool DownStepRefused(SpinColumn column, float value, int32_t last) {
  switch (column) {
    case SpinColumn::Hinge: return value == 0.0f;
    case SpinColumn::Attenuation: return value - kAttenuationStep < 0.0f;
    case SpinColumn::Delay: return last == 0;
    default: return false;
  }
}

bool StartsWithMinus(const std::string& text) { return !text.empty() && text[0] == '-'; }

}  // namespace

SpinTarget SpinOfControl(int controlId) {
  SpinTarget target;
  int row = 0;
  if (InRow(controlId, IDC_ANGLE_SPIN0, &row)) {
    target.column = row == 0 ? SpinColumn::Aiming : SpinColumn::Hinge;
    target.slot = row;
  } else if (InRow(controlId, IDC_ATTENUATION_SPIN0, &row)) {
    target.column = SpinColumn::Attenuation;
    target.slot = kDesignRows + row;
  } else if (InRow(controlId, IDC_DELAY_SPIN0, &row)) {
    target.column = SpinColumn::Delay;
    target.slot = 2 * kDesignRows + row;
  } else {
    return target;
  }
  target.row = row;
  return target;
}

float& SpinValue(DesignForm& form, const SpinTarget& target) {
  switch (target.column) {
    case SpinColumn::Attenuation: return form.attenuation[target.row];
    case SpinColumn::Delay: return form.delay[target.row];
    default: return form.angle[target.row];
  }
}

int StartPosition(SpinColumn column, float value) {
  const double scale = column == SpinColumn::Delay ? kDelayPositionsPerMs : 2.0;
  const double position = static_cast<double>(value) * scale;
  // Beyond the range the up-down would stand at its end while the dialog compared with a
  // position it cannot reach, so that the first click up would count as a click down.
  if (position <= kSpinLowest) return kSpinLowest;
  if (position >= kSpinHighest) return kSpinHighest;
  return static_cast<int>(position);
}

bool ApplySpinPosition(SpinColumn column, int pos, float& value, int32_t& last) {
  if (column == SpinColumn::None) return true;
  if (pos > last) {
    value += StepOf(column);
  } else if (pos < last) {
    if (DownStepRefused(column, value, last)) return false;
    value -= StepOf(column);
  }
  last = pos;
  return true;
}

OkRefusal FindOkRefusal(const std::function<std::string(int editId)>& textOf) {
  struct Check {
    int editId;
    const char* message;
  };
  auto refuses = [&](const Check& check) { return StartsWithMinus(textOf(check.editId)); };
  const Check firstRow[] = {{IDC_ATTENUATION_EDIT0 + 1, kAttenuationRefused},
                            {IDC_DELAY_EDIT0 + 1, kDelayRefused}};
  for (const Check& check : firstRow) {
    if (refuses(check)) return {check.editId, check.message};
  }
  for (int r = 2; r <= kDesignRows; ++r) {
    const Check row[] = {{IDC_ATTENUATION_EDIT0 + r, kAttenuationRefused},
                         {IDC_ANGLE_EDIT0 + r, kHingeRefused},
                         {IDC_DELAY_EDIT0 + r, kDelayRefused}};
    for (const Check& check : row) {
      if (refuses(check)) return {check.editId, check.message};
    }
  }
  return {};
}

}  // namespace brenlowe
