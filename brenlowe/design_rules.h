// The rules of Brenlowe's design dialog that are not window code: which value an up-down
// steps and by how much, when a step down is refused, and which typed values OK refuses.
#pragma once
#include <cstdint>
#include <functional>
#include <string>

#include "design_form.h"

namespace brenlowe {

// The up-downs have no buddy: the dialog moves the numbers itself, comparing each new position
// with the last one it saw. Their positions run from -100 to 100.
constexpr int kSpinLowest = -100;
constexpr int kSpinHighest = 100;
constexpr int kSpinCount = 3 * kDesignRows;  // angle, attenuation and delay up-downs

enum class SpinColumn { None, Aiming, Hinge, Attenuation, Delay };

struct SpinTarget {
  SpinColumn column = SpinColumn::None;
  int row = 0;   // box 0..13
  int slot = 0;  // its entry of the last-seen positions: angles 0..13, attenuations 14..27, delays 28..41
};

// The up-down with this control id; column None for any other id (the hidden 1175 included).
SpinTarget SpinOfControl(int controlId);
// The member the up-down steps.
float& SpinValue(DesignForm& form, const SpinTarget& target);
// Where an up-down starts for its value (angle and attenuation x 2, delay / 0.022 ms),
// truncated and kept inside the up-down's range.
int StartPosition(SpinColumn column, float value);
// One new position pos of an up-down whose last seen position is last: above it steps the value
// up, below it tries a step down. Returns false when the step down is refused; value and last
// then stay and the caller puts the up-down back to last.
bool ApplySpinPosition(SpinColumn column, int pos, float& value, int32_t& last);

constexpr char kAttenuationRefused[] = "The value of attenuation should be > 0";
constexpr char kDelayRefused[] = "The delay value should be > 0";
constexpr char kHingeRefused[] = "The aiming angle should be > 0";

struct OkRefusal {
  int editId = 0;  // 0: nothing refused
  const char* message = nullptr;
};

// OK refuses the first edit, in the order it checks them, whose text begins with '-': the
// attenuation and the delay of box 1, then row by row the attenuation, hinge and delay of boxes
// 2..14, enabled or not. The aiming of box 1 may be negative.
OkRefusal FindOkRefusal(const std::function<std::string(int editId)>& textOf);

}  // namespace brenlowe
