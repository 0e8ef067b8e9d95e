// Constant descriptions of the input parameter (the array design) and the air parameters.
#pragma once

struct AirParameter {
  int id;
  const char* label;
  float defaultValue;
  float minimum;
  float maximum;
};

constexpr int kAirParameterCount = 4;
extern const AirParameter kAirParameters[kAirParameterCount];

// Null for an id outside 1..4.
const AirParameter* FindAirParameter(int id);

struct FilterLimit {
  float gain;   // dB
  float phase;  // degrees
};
constexpr FilterLimit kFilterDefault = {0.0f, 0.0f};
constexpr FilterLimit kFilterMinimum = {-60.0f, -180.0f};
constexpr FilterLimit kFilterMaximum = {0.0f, 180.0f};
