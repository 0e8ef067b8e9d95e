#include "air_state.h"

#include <cmath>

#include "finite_values.h"
#include "parameter_tables.h"
#include "plugin_api.h"

AirState Air = {343.0f, 60.0f, 18.0f, 1013.0f};
float airAbsorption[kBandCount];

float GetAirAbsorption(float T, float p, float hr, float f) {
  // Every intermediate is held in single precision, as the plug-ins always did.
  const float f2 = f * f;
  const float tK = T + 273.15f;
  const float pRel = p / 1013.25f;
  const float c = 4.6151f - 6.8346f * std::pow(273.16f / tK, 1.261f);
  const float satRel = std::pow(10.0f, c);
  const float h = hr * satRel / pRel;
  const float tRel = tK / 293.15f;
  const float frO = pRel * (24.0f + 40400.0f * h * (0.02f + h) / (0.391f + h));
  const float frN = pRel * std::pow(tRel, -0.5f) *
                    (9.0f + 280.0f * h * std::exp(-4.17f * (std::pow(tRel, -1.0f / 3.0f) - 1.0f)));
  const float classical = 1.84e-11f * (1.0f / pRel) * std::sqrt(tRel);
  const float oxygen = 0.01275f * std::exp(-2239.1f / tK) / (frO + f2 / frO);
  const float nitrogen = 0.1068f * std::exp(-3352.0f / tK) / (frN + f2 / frN);
  const float alpha = 8.686f * f2 * (classical + std::pow(tRel, -2.5f) * (oxygen + nitrogen));
  return alpha;
}

void RecomputeAirAbsorption() {
  for (int b = 0; b < kBandCount; ++b)
    airAbsorption[b] = GetAirAbsorption(Air.temperature, Air.pressure, Air.humidity, BandCentres[b]);
}

void ResetAirState() {
  Air = AirState{kAirParameters[0].defaultValue, kAirParameters[1].defaultValue,
                 kAirParameters[2].defaultValue, kAirParameters[3].defaultValue};
  RecomputeAirAbsorption();
}

PLUGIN_EXPORT int PLUGIN_CALL RP_SetValue(int id, float* value) {
  const AirParameter* parameter = FindAirParameter(id);
  // NaN and infinities are refused (the host's value is left as it came); a finite value is
  // clamped, upper limit first, then lower, and the host sees the clamped value.
  if (!parameter || !AllFinite(value, 1)) return -1;
  if (*value > parameter->maximum) *value = parameter->maximum;
  if (*value < parameter->minimum) *value = parameter->minimum;
  switch (id) {
    case 1: Air.speedOfSound = *value; break;
    case 2: Air.humidity = *value; break;
    case 3: Air.temperature = *value; break;
    case 4: Air.pressure = *value; break;
  }
  RecomputeAirAbsorption();
  return 0;
}
