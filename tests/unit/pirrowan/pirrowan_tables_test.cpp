// Pirrowan's load-time tables, reset design and impedance.
#include <cmath>

#include "engine_fixture.h"
#include "level_tables.h"

using PirrowanTablesTest = EngineTest;

TEST_F(PirrowanTablesTest, MaximumLevelTablesAndSplit) {
  EXPECT_NEAR(114.03f, ModelSplTable[0][0], 0.005f);
  EXPECT_NEAR(129.04f, ModelSplTable[1][20], 0.005f);
  EXPECT_NEAR(15.563025f, SourceSplitGain[0], 1e-5f);
}

TEST_F(PirrowanTablesTest, RecordOneDefault) {
  for (int i = 0; i < 6; ++i) EXPECT_EQ(1, SlotTable[1].settings[20 + i]);
  EXPECT_EQ(4, SlotTable[1].settings[263]);
}

TEST_F(PirrowanTablesTest, ResetDesign) {
  ClaimCurrent();
  std::vector<int32_t> junk(product::kBlockWords, 0);
  ASSERT_EQ(0, IP_SetValue(1, junk.data()));
  const int32_t* s = CurrentSlot->settings;
  EXPECT_EQ(4, s[2]);
  EXPECT_EQ(1, s[3]);
  EXPECT_EQ(0, s[4]);
  for (int i = 20; i <= 25; ++i) EXPECT_EQ(1, s[i]);
}

TEST_F(PirrowanTablesTest, ImpedanceByEnclosureType) {
  float out[21];
  for (float& v : out) v = -1.0f;
  EXPECT_EQ(-1, DLLGetImpedance(out));
  EXPECT_EQ(-1.0f, out[0]);
  ClaimCurrent();
  for (int type : {0, 1}) {
    CurrentSlot->settings[3] = type;
    for (float& v : out) v = -1.0f;
    EXPECT_EQ(0, DLLGetImpedance(out));
    for (float v : out) EXPECT_EQ(8.0f, v);
  }
  CurrentSlot->settings[3] = 7;
  for (float& v : out) v = -1.0f;
  EXPECT_EQ(0, DLLGetImpedance(out));
  EXPECT_EQ(-1.0f, out[0]);
}

TEST_F(PirrowanTablesTest, ThreeBoxesGiveEighteenComponents) {
  ClaimCurrent();
  StoreBoxCount(3);
  EXPECT_EQ(18, DLLGetComponents());
  CurrentSlot->sourcePos6[6][0] = 1.25f;
  float out[3];
  ASSERT_EQ(0, CI_GetCompPosition3fv(7, out));
  EXPECT_EQ(1.25f, out[0]);
}
