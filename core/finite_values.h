// Whether what the host passes, or what an export is about to hand out, is a finite number.
// Every number an export hands out with success is finite: the setters refuse NaN and
// infinities, and the exports that hand out computed numbers form them in locals, check them
// here and only then copy them to the caller's buffers; what cannot be answered is refused.
#pragma once
#include <cmath>

// True when none of values[0 .. count - 1] is NaN or infinite.
inline bool AllFinite(const float* values, int count) {
  for (int i = 0; i < count; ++i)
    if (!std::isfinite(values[i])) return false;
  return true;
}

// Copies values[0 .. count - 1] to out when all of them are finite; otherwise leaves out as it
// is and returns false.
inline bool HandOutFinite(const float* values, int count, float* out) {
  if (!AllFinite(values, count)) return false;
  for (int i = 0; i < count; ++i) out[i] = values[i];
  return true;
}

// A float-returning export's answer: the value, or the refusal -1 when it is not finite.
inline float FiniteOrRefused(float value) { return std::isfinite(value) ? value : -1.0f; }
