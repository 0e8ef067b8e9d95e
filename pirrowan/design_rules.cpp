#include "design_rules.h"

#include "design_control_ids.h"

namespace pirrowan {

namespace {

constexpr float kAimingStep = 0.5f;
constexpr float kAttenuationStep = 0.5f;
constexpr float kDelayStep = 0.022f;

bool InRow(int id, int first, int* row) {
  *row = id - first;
  return *row >= 0 && *row < kDesignRows;
}

bool StartsWithMinus(const std::string& text) { return !text.empty() && text[0] == '-'; }

}  // namespace

SpinTarget SpinOfControl(int controlId) {
  int row = 0;
  if (controlId == IDC_OVERALL_AIMING_SPIN) return {SpinKind::OverallAiming, 0};
  if (controlId == IDC_OVERALL_ATT_SPIN) return {SpinKind::OverallAtt, 0};
  if (InRow(controlId, IDC_ATTENUATION_SPIN, &row)) return {SpinKind::Attenuation, row};
  if (InRow(controlId, IDC_DELAY_SPIN, &row)) return {SpinKind::Delay, row};
  if (InRow(controlId, IDC_HF_LEVEL_SPIN, &row)) return {SpinKind::HfLevel, row};
  return {};
}

void StepBySign(SpinKind kind, int pos, float& value) {
  if (pos == 0) return;
  const bool up = pos > 0;
  switch (kind) {
    case SpinKind::OverallAiming:
      value = up ? value + kAimingStep : value - kAimingStep;
      break;
    case SpinKind::OverallAtt:
    case SpinKind::Attenuation:
      value = up ? value + kAttenuationStep : value - kAttenuationStep;
      if (value < 0.0f) value = 0;
      break;
    case SpinKind::Delay:
      if (up) {
        value += kDelayStep;
      } else {
        value = value < kDelayStep ? 0.0f : value - kDelayStep;
      }
      break;
    default:
      break;
  }
}

int HfLevelOfPosition(int pos) { return pos < 0 ? 0 : pos >= kHfLevels ? kHfLevels - 1 : pos; }

float& SpinValue(DesignForm& form, const SpinTarget& target) {
  switch (target.kind) {
    case SpinKind::OverallAtt: return form.overallAtt;
    case SpinKind::Attenuation: return form.attenuation[target.row];
    case SpinKind::Delay: return form.delay[target.row];
    default: return form.overallAiming;
  }
}

OkRefusal FindOkRefusal(const std::function<std::string(int editId)>& textOf) {
  for (int r = 0; r < kDesignRows; ++r) {
    if (StartsWithMinus(textOf(IDC_ATTENUATION_EDIT + r))) return {IDC_ATTENUATION_EDIT + r, kAttenuationRefused};
    if (StartsWithMinus(textOf(IDC_DELAY_EDIT + r))) return {IDC_DELAY_EDIT + r, kDelayRefused};
  }
  return {};
}

}  // namespace pirrowan
