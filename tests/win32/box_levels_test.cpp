// The box-level exports of each real DLL as the host calls them: level at 1 m, the per-band level
// steps, the directivity index and the pulse entries, with their refusals.
#include <cmath>
#include <cstring>
#include <vector>

#include "plugin_fixture.h"

namespace {
constexpr float kSplit3 = 9.542425f, kSplit9 = 19.084850f, kSplit6 = 15.563025f;

class BoxLevelsTest : public PluginTest {
 protected:
  bool IsPirrowan() const { return GetParam().mask == kInPirrowan; }

  // A design of two boxes, every other design word 0 (model code or enclosure type 0, equaliser
  // flat, Pirrowan's high-frequency level "+3").
  void StoreTwoBoxes() {
    const int words = GetParam().blockWords;
    std::vector<int32_t> block(words, 0);
    block[0] = words;
    std::memcpy(&block[1], GetParam().tag, 4);
    block[2] = 2;
    block[words - 1] = 2;  // the checksum: the sum of the design words
    ASSERT_EQ(0, fn.IP_SetValue(1, block.data()));
  }

  void SetFilterGainOfFirstBand(float gain) {
    float gains[21] = {}, phases[21] = {};
    gains[0] = gain;
    ASSERT_EQ(0, fn.IP_SetFilter(gains, phases));
  }

  // Level at 1 m of the first box in the first band, in the deliverable's numbering.
  int FirstLevel(float* out) { return fn.CI_GetCompSPL1m(1, IsPirrowan() ? 1 : 0, out); }

  // The whole-array level step of box `box` on levels of 100 dB with zero reference levels.
  int HornLevels(int box, std::vector<float>& levels) {
    levels.assign(21, 100.0f);
    const std::vector<float> ref(21, 0.0f);
    if (IsPirrowan()) return fn.CI_GetHornLPi5(box, 0, levels.data(), nullptr, ref.data());
    return fn.CI_GetHornLPi(0, box, 0, levels.data(), nullptr, ref.data());
  }
};
}  // namespace

TEST_P(BoxLevelsTest, EveryLevelExportIsThere) {
  EXPECT_NE(nullptr, fn.CI_GetCompSPL1m);
  EXPECT_NE(nullptr, fn.CI_GetCompDirectivity);
  EXPECT_NE(nullptr, fn.CI_GetPulse);
  EXPECT_NE(nullptr, fn.CI_GetPulses);
  if (IsPirrowan()) {
    EXPECT_NE(nullptr, fn.CI_GetHornLPi5);
    EXPECT_EQ(nullptr, plugin.Address("CI_GetLPi"));
  } else {
    EXPECT_NE(nullptr, fn.CI_GetHornLPi);
    EXPECT_NE(nullptr, fn.CI_GetLPi);
  }
}

TEST_P(BoxLevelsTest, WithoutACurrentDesignOnlyThePulsesAnswer) {
  float out = -7.0f;
  std::vector<float> levels;
  EXPECT_EQ(-1, FirstLevel(&out));
  EXPECT_EQ(-1, fn.CI_GetCompDirectivity(0, 1, &out));
  EXPECT_EQ(-1, HornLevels(1, levels));
  EXPECT_EQ(-7.0f, out);
  EXPECT_EQ(100.0f, levels[0]);
  EXPECT_EQ(0, fn.CI_GetPulse(nullptr, nullptr, nullptr));
  EXPECT_EQ(0, fn.CI_GetPulses(nullptr, nullptr));
}

TEST_P(BoxLevelsTest, LevelAt1mAddsTheFilterGainAndRefusesWhatIsOutsideTheDesign) {
  ClaimCurrent();
  StoreTwoBoxes();
  SetFilterGainOfFirstBand(0.0f);
  float flat = 0.0f, lowered = 0.0f;
  ASSERT_EQ(0, FirstLevel(&flat));
  // Tarnwick's Orlex-R7 and Pirrowan's PW-21S at 100 Hz: 10 log10(power) + sensitivity.
  if (GetParam().mask == kInTarnwick) {
    EXPECT_NEAR(10 * std::log10(4000.0) + 92.4, flat, 1e-3);
  } else if (IsPirrowan()) {
    EXPECT_NEAR(10 * std::log10(800.0) + 85.0, flat, 1e-3);
  }
  SetFilterGainOfFirstBand(-6.0f);
  ASSERT_EQ(0, FirstLevel(&lowered));
  EXPECT_NEAR(flat - 6.0f, lowered, 1e-4f);

  float out = -7.0f;
  if (IsPirrowan()) {
    EXPECT_EQ(0, fn.CI_GetCompSPL1m(12, 21, &out));  // six components per box
    out = -7.0f;
    EXPECT_EQ(-1, fn.CI_GetCompSPL1m(13, 1, &out));
    EXPECT_EQ(-1, fn.CI_GetCompSPL1m(1, 0, &out));
    EXPECT_EQ(-1, fn.CI_GetCompSPL1m(1, 22, &out));
  } else {
    EXPECT_EQ(0, fn.CI_GetCompSPL1m(2, 20, &out));
    out = -7.0f;
    EXPECT_EQ(-1, fn.CI_GetCompSPL1m(3, 0, &out));
    EXPECT_EQ(-1, fn.CI_GetCompSPL1m(1, 21, &out));
    EXPECT_EQ(-1, fn.CI_GetCompSPL1m(1, -1, &out));
  }
  EXPECT_EQ(-7.0f, out);
}

TEST_P(BoxLevelsTest, LevelStepsSplitTheBoxAmongItsSubSources) {
  ClaimCurrent();
  StoreTwoBoxes();
  std::vector<float> levels;
  ASSERT_EQ(0, HornLevels(2, levels));
  if (IsPirrowan()) {
    EXPECT_NEAR(100.0f - kSplit6, levels[0], 1e-4f);
    EXPECT_NEAR(102.0f - kSplit6, levels[12], 1e-4f);  // "+3": 2 dB at 1.6 kHz
    EXPECT_NEAR(106.0f - kSplit6, levels[20], 1e-4f);  // and 6 dB above
  } else {
    for (int k = 0; k < 12; ++k) EXPECT_NEAR(100.0f - kSplit3, levels[k], 1e-4f) << k;
    EXPECT_EQ(100.0f, levels[12]);
    float level = 100.0f;
    const std::vector<float> ref(21, 0.0f);
    ASSERT_EQ(0, fn.CI_GetLPi(1, 2, 13, &level, nullptr, ref.data()));
    EXPECT_NEAR(100.0f - kSplit9, level, 1e-4f);
    EXPECT_EQ(-1, fn.CI_GetLPi(1, 3, 13, &level, nullptr, ref.data()));
  }
  EXPECT_EQ(-1, HornLevels(3, levels));
  EXPECT_EQ(100.0f, levels[0]);

  // Levels or references that are not finite give no finite answer: refused, levels untouched.
  for (const float bad : {NAN, INFINITY}) {
    std::vector<float> hostile(21, 100.0f), flat(21, 100.0f), ref(21, 0.0f), badRef(21, 0.0f);
    hostile[2] = bad;
    badRef[2] = bad;
    const std::vector<float> asPassed = hostile;
    if (IsPirrowan()) {
      EXPECT_EQ(-1, fn.CI_GetHornLPi5(1, 0, hostile.data(), nullptr, ref.data()));
      EXPECT_EQ(-1, fn.CI_GetHornLPi5(1, 3, flat.data(), nullptr, badRef.data()));
    } else {
      EXPECT_EQ(-1, fn.CI_GetHornLPi(0, 1, 0, hostile.data(), nullptr, ref.data()));
      EXPECT_EQ(-1, fn.CI_GetHornLPi(0, 1, 3, flat.data(), nullptr, badRef.data()));
      float level = 100.0f;
      EXPECT_EQ(-1, fn.CI_GetLPi(0, 1, 2, &level, nullptr, badRef.data()));
      EXPECT_EQ(100.0f, level);
    }
    EXPECT_EQ(0, std::memcmp(asPassed.data(), hostile.data(), 21 * sizeof(float)));
    EXPECT_EQ(std::vector<float>(21, 100.0f), flat);
  }
}

TEST_P(BoxLevelsTest, DirectivityIndexIsZeroUntilADesignIsConfirmed) {
  ClaimCurrent();
  float out = -7.0f;
  EXPECT_EQ(0, fn.CI_GetCompDirectivity(0, 1, &out));
  EXPECT_EQ(0.0f, out);
  EXPECT_EQ(0, fn.CI_GetCompDirectivity(0, 21, &out));
  out = -7.0f;
  EXPECT_EQ(-1, fn.CI_GetCompDirectivity(0, 0, &out));
  EXPECT_EQ(-1, fn.CI_GetCompDirectivity(0, 22, &out));
  EXPECT_EQ(-7.0f, out);
}

INSTANTIATE_FOR_EVERY_DELIVERABLE(BoxLevelsTest);
