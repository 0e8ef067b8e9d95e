// Identity, capabilities, flag word and the constant parameter descriptions.
#include <cstring>

#include "engine_fixture.h"

using IdentityTest = EngineTest;

TEST_F(IdentityTest, IdentityStringsAndConstants) {
  EXPECT_EQ(product::kVersion, DLLVersion());
  EXPECT_EQ(2, DLLClass());
  const char* text = nullptr;
  EXPECT_EQ(0, DLLGetName(&text));
  EXPECT_STREQ(product::kName, text);
  EXPECT_EQ(0, DLLGetManufacturer(&text));
  EXPECT_STREQ("Kestrane Professional", text);
  EXPECT_EQ(0, DLLGetDataResolution(&text));
  EXPECT_STREQ("5\xB0 Magnitude Balloon", text);
  int value = 7;
  EXPECT_EQ(0, DLLLock(&value));
  EXPECT_EQ(0, value);
  EXPECT_EQ(0, DLLGetSymmetry(&value));
  EXPECT_EQ(-1, value);
  int bands[21];
  std::memset(bands, 0, sizeof bands);
  EXPECT_EQ(0, DLLGetValidBands(bands));
  for (int b : bands) EXPECT_EQ(-1, b);
  EXPECT_EQ(-1, DLLGetSensitivity(nullptr));
  EXPECT_EQ(-1, DLLGetMaxPower(nullptr));
  EXPECT_EQ(0, DLLInitLibrary(nullptr));
}

TEST_F(IdentityTest, CapabilitiesByNumber) {
  const int expected[] = {0, -1, -1, 1, 0, 1, 0};
  for (int cap = 0; cap <= 6; ++cap) EXPECT_EQ(expected[cap], DLLGetCaps(cap)) << cap;
  EXPECT_EQ(0, DLLGetCaps(-1));
  EXPECT_EQ(0, DLLGetCaps(1 << 30));
}

TEST_F(IdentityTest, FlagWordHasOnlyBitZeroForIdOne) {
  int out = 5;
  EXPECT_EQ(0, DLLGetFlag(1, &out));
  EXPECT_EQ(0, out);
  const int on = 42;
  EXPECT_EQ(0, DLLSetFlag(1, &on));
  EXPECT_EQ(0, DLLGetFlag(1, &out));
  EXPECT_EQ(-1, out);
  EXPECT_EQ(0, DLLGetFlag(2, &out));
  EXPECT_EQ(0, out);
  // Other ids neither change the word nor read the value.
  EXPECT_EQ(0, DLLSetFlag(2, nullptr));
  DllFlagWord |= 0x10;
  const int off = 0;
  EXPECT_EQ(0, DLLSetFlag(1, &off));
  EXPECT_EQ(0x10, DllFlagWord);
  EXPECT_EQ(0, DLLGetFlag(1, &out));
  EXPECT_EQ(0, out);
}

TEST_F(IdentityTest, ComponentCountNeedsACurrentSlot) {
  EXPECT_EQ(-1, DLLGetComponents());
  ClaimCurrent();
  StoreBoxCount(4);
  EXPECT_EQ(24, DLLGetComponents());
  StoreBoxCount(2);
  EXPECT_EQ(12, DLLGetComponents());
}

TEST_F(IdentityTest, DesignParameterDescription) {
  EXPECT_EQ(1, IP_GetNumber());
  EXPECT_EQ(4, IP_GetID(1));
  EXPECT_EQ(-1, IP_GetID(2));
  EXPECT_EQ(21, IP_GetType(1));
  EXPECT_EQ(-1, IP_GetType(0));
  char label[64];
  std::memset(label, 'x', sizeof label);
  EXPECT_EQ(-1, IP_GetLabel(2, label));
  EXPECT_EQ('x', label[0]);
  EXPECT_EQ(0, IP_GetLabel(1, label));
  EXPECT_STREQ(product::kParameterLabel, label);
  float untouched = 9.0f;
  EXPECT_EQ(0, IP_GetDefault(1, &untouched));
  EXPECT_EQ(0, IP_GetMinimum(1, &untouched));
  EXPECT_EQ(0, IP_GetMaximum(1, &untouched));
  EXPECT_EQ(9.0f, untouched);
  EXPECT_EQ(-1, IP_GetDefault(0, &untouched));
  EXPECT_EQ(-1, IP_GetMaximum(2, &untouched));
}

TEST_F(IdentityTest, AirParameterDescriptionsAreTheConstantTable) {
  EXPECT_EQ(4, RP_GetNumber());
  const char* labels[] = {"Speed Of Sound", "Humidity", "Air Temperature", "Air Pressure"};
  const float limits[4][3] = {{343, 1, 1000000}, {60, 20, 100}, {18, 0, 40}, {1013, 900, 1050}};
  for (int id = 1; id <= 4; ++id) {
    EXPECT_EQ(id, RP_GetID(id));
    EXPECT_EQ(8, RP_GetType(id));
    char label[64];
    EXPECT_EQ(0, RP_GetLabel(id, label));
    EXPECT_STREQ(labels[id - 1], label);
    float v = 0;
    EXPECT_EQ(0, RP_GetDefault(id, &v));
    EXPECT_EQ(limits[id - 1][0], v);
    EXPECT_EQ(0, RP_GetMinimum(id, &v));
    EXPECT_EQ(limits[id - 1][1], v);
    EXPECT_EQ(0, RP_GetMaximum(id, &v));
    EXPECT_EQ(limits[id - 1][2], v);
  }
  for (int id : {0, 5, -1}) {
    char label[8] = "keep";
    float v = 3.0f;
    EXPECT_EQ(-1, RP_GetID(id));
    EXPECT_EQ(-1, RP_GetType(id));
    EXPECT_EQ(-1, RP_GetLabel(id, label));
    EXPECT_STREQ("keep", label);
    EXPECT_EQ(-1, RP_GetDefault(id, &v));
    EXPECT_EQ(-1, RP_GetMinimum(id, &v));
    EXPECT_EQ(-1, RP_GetMaximum(id, &v));
    EXPECT_EQ(3.0f, v);
  }
  // The default is the table's, never the current value.
  float speed = 300.0f;
  EXPECT_EQ(0, RP_SetValue(1, &speed));
  float v = 0;
  EXPECT_EQ(0, RP_GetDefault(1, &v));
  EXPECT_EQ(343.0f, v);
}

TEST_F(IdentityTest, DirectivityIndexIsZeroUntilADesignIsConfirmed) {
  float out[21];
  for (float& v : out) v = 5.0f;
  if (product::kReportsDirectivityIndex) {
    EXPECT_EQ(0, DLLGetDirectivity(out));
    for (float v : out) EXPECT_EQ(0.0f, v);
  } else {
    EXPECT_EQ(-1, DLLGetDirectivity(out));
    for (float v : out) EXPECT_EQ(5.0f, v);
  }
}
