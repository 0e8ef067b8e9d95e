// Module-wide air state set by the host, and the per-band air absorption derived from it.
#pragma once
#include "bands.h"

struct AirState {
  float speedOfSound;  // m/s
  float humidity;      // % relative humidity
  float temperature;   // degrees Celsius
  float pressure;      // hPa
};

extern AirState Air;
extern float airAbsorption[kBandCount];  // dB per metre at the current air state

// Atmospheric absorption of a pure tone after ISO 9613-1, in dB per metre.
float GetAirAbsorption(float temperature, float pressure, float humidity, float frequency);

// Restores the load-time air state and recomputes airAbsorption.
void ResetAirState();
void RecomputeAirAbsorption();
