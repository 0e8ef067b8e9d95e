// The design data keeps angles and levels in tenths (of a degree, of a dB) and delays in
// microseconds; the dialog shows degrees, dB and milliseconds. Going in, the stored integer is
// multiplied by the single-precision factor; coming back, the exact product (what the FPU's
// wide registers hold before the conversion) is truncated toward zero, so 0.7 dB, held as
// 0.699999988, is stored as 6 tenths. Delays go to the nearest microsecond.
#pragma once
#include <cstdint>

namespace design_units {

// Truncation toward zero, saturated to the 32-bit range: a typed 1e30 must not overflow.
inline int32_t TruncateToStored(double value) {
  if (!(value > -2147483648.0)) return value < 0 ? INT32_MIN : 0;  // NaN gives 0
  if (value >= 2147483647.0) return INT32_MAX;
  return static_cast<int32_t>(value);
}

inline float TenthsToUnits(int32_t stored) { return static_cast<float>(stored) * 0.1f; }
inline int32_t UnitsToTenths(float value) { return TruncateToStored(static_cast<double>(value) * 10.0); }

// An aiming angle is stored with its sign inverted. Negating a stored 0 gives -0, which an edit
// would show as "-0": it opens as 0.
inline float NegatedTenthsToUnits(int32_t stored) {
  const float units = -TenthsToUnits(stored);
  return units == 0.0f ? 0.0f : units;
}

inline float MicrosecondsToMs(int32_t stored) { return static_cast<float>(stored) * 0.001f; }
inline int32_t MsToMicroseconds(float ms) {
  return TruncateToStored(static_cast<double>(ms) * 1000.0 + 0.5);
}

// A shown value beyond the range its control allows; the opening of a design dialog clears it.
// A NaN is not outside: no comparison holds for it.
inline bool Outside(float value, float low, float high) { return value < low || value > high; }

}  // namespace design_units
