// The host's road through each real DLL: identity, parameters, slots, the settings block, air.
#include <cstring>
#include <vector>

#include "host_road.h"
#include "plugin_fixture.h"

using HostRoadTest = PluginTest;

TEST_P(HostRoadTest, IdentityAnswers) {
  const DeliverableInfo& d = GetParam();
  EXPECT_EQ(d.version, fn.DLLVersion());
  const char* text = nullptr;
  ASSERT_EQ(0, fn.DLLGetName(&text));
  EXPECT_STREQ(d.name, text);
  ASSERT_EQ(0, fn.DLLGetDataResolution(&text));
  EXPECT_STREQ("5\xB0 Magnitude Balloon", text);
  char label[64] = {};
  ASSERT_EQ(0, fn.IP_GetLabel(1, label));
  EXPECT_EQ(std::string(d.name) + " Setup", label);
  const int caps[] = {0, -1, -1, 1, 0, 1, 0};
  for (int c = 0; c <= 6; ++c) EXPECT_EQ(caps[c], fn.DLLGetCaps(c));
  float di[21];
  std::fill(di, di + 21, 9.0f);
  if (d.mask == kInTarnwick) {
    EXPECT_EQ(-1, fn.DLLGetDirectivity(di));
  } else {
    EXPECT_EQ(0, fn.DLLGetDirectivity(di));
    EXPECT_EQ(0.0f, di[10]);
  }
}

TEST_P(HostRoadTest, SlotsAndSettingsBlock) {
  const DeliverableInfo& d = GetParam();
  EXPECT_EQ(-1, fn.CI_GetComponents());
  EXPECT_EQ(-1, fn.CI_MakeCurrent(1));
  EXPECT_EQ(1, ClaimCurrent());
  EXPECT_EQ(1, fn.CI_GetComponents());
  EXPECT_EQ(24, fn.DLLGetComponents());  // record 1 holds four boxes at load

  int32_t size = 0;
  ASSERT_EQ(0, fn.IP_GetValue(1, &size));
  EXPECT_EQ(d.blockWords, size);
  std::vector<int32_t> block(size, 0);
  block[0] = size;
  ASSERT_EQ(0, fn.IP_GetValue(1, block.data()));
  EXPECT_EQ(0, std::memcmp(&block[1], d.tag, 4));
  uint32_t sum = 0;
  for (int w = 2; w < size - 1; ++w) sum += static_cast<uint32_t>(block[w]);
  EXPECT_EQ(static_cast<int32_t>(sum), block[size - 1]);

  block[2] = 2;
  block[size - 1] -= 2;  // four boxes became two: the sum drops by 2
  ASSERT_EQ(0, fn.IP_SetValue(1, block.data()));
  EXPECT_EQ(12, fn.DLLGetComponents());
  std::vector<int32_t> back(size, 0);
  back[0] = size;
  ASSERT_EQ(0, fn.IP_GetValue(1, back.data()));
  EXPECT_EQ(block, back);

  block[3] += 1;  // checksum no longer matches: the design resets to four boxes
  ASSERT_EQ(0, fn.IP_SetValue(1, block.data()));
  EXPECT_EQ(24, fn.DLLGetComponents());
  EXPECT_EQ(-1, fn.IP_GetValue(2, back.data()));
  ASSERT_EQ(0, fn.CI_Release());
  EXPECT_EQ(-1, fn.CI_Release());
}

TEST_P(HostRoadTest, HostileBlockStaysInsideTheTables) {
  ClaimCurrent();
  const int size = GetParam().blockWords;
  std::vector<int32_t> block(size, 0);
  block[0] = size;
  std::memcpy(&block[1], GetParam().tag, 4);
  for (int w = 2; w < size - 1; ++w) block[w] = (w % 3 == 0) ? -5 : 1000000007 * w;
  block[2] = 10000;
  uint32_t sum = 0;
  for (int w = 2; w < size - 1; ++w) sum += static_cast<uint32_t>(block[w]);
  block[size - 1] = static_cast<int32_t>(sum);
  ASSERT_EQ(0, fn.IP_SetValue(1, block.data()));
  const int count = fn.DLLGetComponents();
  EXPECT_EQ(6 * GetParam().maxBoxes, count);
  float out[3];
  EXPECT_EQ(0, fn.CI_GetCompPosition3fv(count, out));
  EXPECT_EQ(-1, fn.CI_GetCompPosition3fv(count + 1, out));
  EXPECT_EQ(-1.0f, fn.CI_GetCompDistance(100000));
}

TEST_P(HostRoadTest, AirParametersClamp) {
  float v = 10.0f;
  EXPECT_EQ(0, fn.RP_SetValue(2, &v));
  EXPECT_EQ(20.0f, v);
  v = 2000.0f;
  EXPECT_EQ(0, fn.RP_SetValue(4, &v));
  EXPECT_EQ(1050.0f, v);
  v = 5.0f;
  EXPECT_EQ(-1, fn.RP_SetValue(5, &v));
  EXPECT_EQ(5.0f, v);
  float def = 0;
  EXPECT_EQ(0, fn.RP_GetDefault(4, &def));
  EXPECT_EQ(1013.0f, def);
}

TEST_P(HostRoadTest, PlacementAndDistance) {
  ClaimCurrent();
  const float origin[3] = {0, 0, 0};
  const float seat[3] = {3, 4, 0};
  EXPECT_EQ(0, fn.CI_SetLspkPosition3fv(origin));
  EXPECT_EQ(0, fn.CI_SetSeatPosition3fv(seat));
  EXPECT_EQ(5.0f, fn.CI_GetDistance());
  fn.CI_Release();
  EXPECT_EQ(-1.0f, fn.CI_GetDistance());
}

TEST_P(HostRoadTest, StandInWalksTheRoadWithoutProblems) {
  RoadOptions options;
  std::FILE* sink = std::tmpfile();
  ASSERT_NE(nullptr, sink);
  EXPECT_EQ(0, WalkHostRoad(plugin, options, sink));
  std::fclose(sink);
}

INSTANTIATE_FOR_EVERY_DELIVERABLE(HostRoadTest);
