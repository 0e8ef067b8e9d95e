// The host's per-band filter and the air state with its ISO 9613-1 absorption.
#include <cmath>
#include <cstring>

#include "air_state.h"
#include "engine_fixture.h"

using FilterTest = EngineTest;
using AirTest = EngineTest;

TEST_F(FilterTest, LimitsTables) {
  float gain[21], phase[21];
  EXPECT_EQ(0, IP_GetFilterDef(gain, phase));
  EXPECT_EQ(0.0f, gain[20]);
  EXPECT_EQ(0.0f, phase[0]);
  EXPECT_EQ(0, IP_GetFilterMin(gain, phase));
  EXPECT_EQ(-60.0f, gain[7]);
  EXPECT_EQ(-180.0f, phase[7]);
  EXPECT_EQ(0, IP_GetFilterMax(gain, phase));
  EXPECT_EQ(0.0f, gain[3]);
  EXPECT_EQ(180.0f, phase[3]);
}

TEST_F(FilterTest, SetFilterClampsInPlaceAndStores) {
  float gain[21], phase[21];
  for (int b = 0; b < 21; ++b) {
    gain[b] = -b;
    phase[b] = 10.0f * b;
  }
  gain[4] = 3.0f;
  phase[4] = -200.0f;
  gain[5] = -75.0f;
  phase[5] = 999.0f;
  gain[6] = NAN;

  float before[21];
  std::copy(gain, gain + 21, before);
  EXPECT_EQ(-1, IP_SetFilter(gain, phase));  // no current slot: nothing clamped
  EXPECT_EQ(3.0f, gain[4]);

  ClaimCurrent();
  // A NaN or infinite gain or phase in any band refuses the filter: nothing clamped or stored.
  for (float bad : {NAN, INFINITY, -INFINITY}) {
    EXPECT_EQ(-1, IP_SetFilter(gain, phase)) << bad;
    EXPECT_EQ(3.0f, gain[4]);
    EXPECT_EQ(999.0f, phase[5]);
    EXPECT_EQ(0.0f, CurrentSlot->filterGain[6]);
    gain[6] = 0.0f;
    phase[9] = bad;
    EXPECT_EQ(-1, IP_SetFilter(gain, phase)) << bad;
    EXPECT_EQ(-75.0f, gain[5]);
    phase[9] = 90.0f;
    gain[6] = bad;
  }
  gain[6] = -6.0f;

  EXPECT_EQ(0, IP_SetFilter(gain, phase));
  EXPECT_EQ(0.0f, gain[4]);
  EXPECT_EQ(-180.0f, phase[4]);
  EXPECT_EQ(-60.0f, gain[5]);
  EXPECT_EQ(180.0f, phase[5]);
  EXPECT_EQ(0.0f, CurrentSlot->filterGain[4]);
  EXPECT_EQ(-180.0f, CurrentSlot->filterPhase[4]);
  EXPECT_EQ(-7.0f, CurrentSlot->filterGain[7]);
}

TEST_F(AirTest, AbsorptionMatchesIso9613Reference) {
  // ISO 9613-1 table: 20 degC, 70 %, 101.325 kPa: 4.98 dB/km at 1 kHz, about 118 dB/km at 10 kHz.
  EXPECT_NEAR(0.0050f, GetAirAbsorption(20.0f, 1013.25f, 70.0f, 1000.0f), 0.0001f);
  EXPECT_NEAR(0.118f, GetAirAbsorption(20.0f, 1013.25f, 70.0f, 10000.0f), 0.002f);
  EXPECT_NEAR(0.00443f, GetAirAbsorption(18.0f, 900.0f, 60.0f, 1000.0f), 0.00005f);
}

TEST_F(AirTest, DefaultTableRisesWithFrequency) {
  for (int b = 1; b < 21; ++b) EXPECT_GT(airAbsorption[b], airAbsorption[b - 1]) << b;
  EXPECT_FLOAT_EQ(GetAirAbsorption(18.0f, 1013.0f, 60.0f, 1000.0f), airAbsorption[10]);
}

TEST_F(AirTest, SetValueClampsStoresAndRecomputes) {
  float v = 10.0f;
  EXPECT_EQ(0, RP_SetValue(2, &v));
  EXPECT_EQ(20.0f, v);
  EXPECT_EQ(20.0f, Air.humidity);
  EXPECT_FLOAT_EQ(GetAirAbsorption(18.0f, 1013.0f, 20.0f, 4000.0f), airAbsorption[16]);

  v = 2000.0f;
  EXPECT_EQ(0, RP_SetValue(4, &v));
  EXPECT_EQ(1050.0f, Air.pressure);
  v = 0.0f;
  EXPECT_EQ(0, RP_SetValue(1, &v));
  EXPECT_EQ(1.0f, Air.speedOfSound);
  v = -5.0f;
  EXPECT_EQ(0, RP_SetValue(3, &v));
  EXPECT_EQ(0.0f, Air.temperature);

  // Any id recomputes, the speed of sound included, with unchanged results.
  float table[21];
  std::copy(airAbsorption, airAbsorption + 21, table);
  v = 340.0f;
  EXPECT_EQ(0, RP_SetValue(1, &v));
  for (int b = 0; b < 21; ++b) EXPECT_EQ(table[b], airAbsorption[b]);
}

TEST_F(AirTest, UnknownIdOrValueThatIsNotANumberChangesNothing) {
  float v = 12.0f;
  const AirState before = Air;
  float table[21];
  std::copy(airAbsorption, airAbsorption + 21, table);
  EXPECT_EQ(-1, RP_SetValue(5, &v));
  EXPECT_EQ(-1, RP_SetValue(0, &v));
  EXPECT_EQ(12.0f, v);
  for (int id = 1; id <= 4; ++id) {
    for (float bad : {NAN, INFINITY, -INFINITY}) {
      v = bad;
      EXPECT_EQ(-1, RP_SetValue(id, &v)) << id;
      EXPECT_EQ(0, std::memcmp(&bad, &v, sizeof v)) << id << ": not clamped";
    }
  }
  EXPECT_EQ(0, std::memcmp(&before, &Air, sizeof Air));
  for (int b = 0; b < 21; ++b) EXPECT_EQ(table[b], airAbsorption[b]);
}
