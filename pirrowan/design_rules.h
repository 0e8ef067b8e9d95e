// The rules of Pirrowan's design dialog that are not window code: what each up-down steps and
// by how much, and which typed values OK refuses.
#pragma once
#include <functional>
#include <string>

#include "design_form.h"

namespace pirrowan {

// The value up-downs run from -100 to 100 and are put back to 0 after every step, so the sign
// of the position a click gives is its direction. The high-frequency level up-downs run from 2
// down to 0 (up moves toward "+3") and keep their position: it is the level's list row.
constexpr int kSpinLowest = -100;
constexpr int kSpinHighest = 100;

enum class SpinKind { None, OverallAiming, OverallAtt, Attenuation, Delay, HfLevel };

struct SpinTarget {
  SpinKind kind = SpinKind::None;
  int row = 0;  // box 0..5 of the per-box up-downs
};

SpinTarget SpinOfControl(int controlId);
// A step of the value up-down by the sign of its new position: the aiming by 0.5 degrees
// without limits, attenuations by 0.5 dB and delays by 0.022 ms, neither below 0.
// Position 0 changes nothing.
void StepBySign(SpinKind kind, int pos, float& value);
// The high-frequency level row a level up-down's position stands for.
int HfLevelOfPosition(int pos);
// The member a value up-down steps (the overall aiming for anything that is not one).
float& SpinValue(DesignForm& form, const SpinTarget& target);

constexpr char kAttenuationRefused[] = "The value of attenuation should be > 0";
constexpr char kDelayRefused[] = "The delay value should be > 0";

struct OkRefusal {
  int editId = 0;  // 0: nothing refused
  const char* message = nullptr;
};

// OK refuses the first edit, box by box the attenuation then the delay of all six rows whatever
// the box count, whose text begins with '-'.
OkRefusal FindOkRefusal(const std::function<std::string(int editId)>& textOf);

}  // namespace pirrowan
