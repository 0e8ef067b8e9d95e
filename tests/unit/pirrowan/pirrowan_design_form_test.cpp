// Pirrowan's design between the settings block and the design dialog's members.
#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <cstring>
#include <vector>

#include "design_data.h"
#include "design_form.h"
#include "design_form_test_support.h"

namespace pirrowan {
namespace {

using namespace design_form_test;

DesignForm Opened(const Block& block) { return OpenedAs<DesignForm>(block); }
Block ConfirmedUnchanged(const Block& block) { return ConfirmedUnchangedAs<DesignForm>(block); }

TEST(PirrowanDesignForm, BoxCountAndEnclosureTypeAreLimitedOnLoad) {
  const struct {
    int32_t boxes, shownBoxes, type, shownType;
  } cases[] = {{0, 1, 5, 1}, {9, 6, -1, 0}, {3, 3, 0, 0}, {6, 6, 1, 1}, {INT32_MIN, 1, INT32_MAX, 1}};
  for (const auto& c : cases) {
    Block block = ResetBlock();
    block[design::kBoxCount] = c.boxes;
    block[design::kEnclosureType] = c.type;
    const Block out = ConfirmedUnchanged(block);
    EXPECT_EQ(c.shownBoxes, Opened(block).boxCount);
    EXPECT_EQ(c.shownBoxes, out[design::kBoxCount]);
    EXPECT_EQ(c.shownType, Opened(block).enclosureType);
    EXPECT_EQ(c.shownType, out[design::kEnclosureType]);
  }
}

TEST(PirrowanDesignForm, OpeningCorrectsValuesOutsideTheirRanges) {
  Block block = ResetBlock();
  block[design::kAiming] = 1801;
  block[design::kOverallAttenuation] = 1001;
  block[design::kAttenuation + 0] = -1;
  block[design::kAttenuation + 1] = 1000;
  block[design::kDelay + 0] = 12000;
  block[design::kDelay + 1] = 10000;
  block[design::kHfLevelIndex + 0] = 3;
  block[design::kHfLevelIndex + 1] = -1;
  block[design::kHfLevelIndex + 2] = 0;
  block[design::kHfLevelIndex + 3] = 2;
  const DesignForm form = Opened(block);
  EXPECT_EQ(0.0f, form.overallAiming);
  EXPECT_EQ(0.0f, form.overallAtt);
  EXPECT_EQ(0.0f, form.attenuation[0]);
  EXPECT_FLOAT_EQ(100.0f, form.attenuation[1]);
  EXPECT_EQ(0.0f, form.delay[0]);
  EXPECT_FLOAT_EQ(10.0f, form.delay[1]);
  EXPECT_EQ(1, form.hfLevel[0]);
  EXPECT_EQ(1, form.hfLevel[1]);
  EXPECT_EQ(0, form.hfLevel[2]);
  EXPECT_EQ(2, form.hfLevel[3]);
  block[design::kAiming] = -1800;
  EXPECT_FLOAT_EQ(180.0f, Opened(block).overallAiming);
}

TEST(PirrowanDesignForm, AimingIsNegatedAndValuesAreTruncatedToTenths) {
  Block block = ResetBlock();
  block[design::kAiming] = 25;
  block[design::kAttenuation + 0] = 7;  // 0.7 dB comes back as 6 tenths
  block[design::kAttenuation + 1] = 6;
  block[design::kOverallAttenuation] = 15;
  DesignForm form = Opened(block);
  EXPECT_FLOAT_EQ(-2.5f, form.overallAiming);
  Block out = ConfirmedUnchanged(block);
  EXPECT_EQ(25, out[design::kAiming]);
  EXPECT_EQ(6, out[design::kAttenuation + 0]);
  EXPECT_EQ(6, out[design::kAttenuation + 1]);
  EXPECT_EQ(15, out[design::kOverallAttenuation]);
  form.overallAiming = 1e30f;
  form.delay[5] = 0.022f;
  StoreDesignForm(form, block.data());
  EXPECT_EQ(INT32_MIN, block[design::kAiming]);
  EXPECT_EQ(22, block[design::kDelay + 5]);
  block[design::kAiming] = 0;  // opens as 0, not -0 (shown as "-0")
  EXPECT_FALSE(std::signbit(Opened(block).overallAiming));
}

TEST(PirrowanDesignForm, EveryDelayInRangeComesBackUnchanged) {
  Block block = ResetBlock();
  for (int32_t us = 0; us <= 10000; ++us) {
    block[design::kDelay + 2] = us;
    ASSERT_EQ(us, ConfirmedUnchanged(block)[design::kDelay + 2]);
  }
}

TEST(PirrowanDesignForm, AllSixEqualiserRowsAreStoredAndInactiveGroupsAsZeros) {
  Block block = ResetBlock();
  block[design::kBoxCount] = 2;
  RowBytes(block, design::kEqRows, 6, 5)[0] = 0xED;  // box 6, beyond the box count
  RowBytes(block, design::kEqRows, 6, 5)[22] = 0x99;  // a spare byte
  unsigned char* groups = RowBytes(block, design::kEqGroups, 8, 4);
  groups[0] = 0x06;         // group 0 of box 5: members 0 and 1, inactive
  groups[3] = 0x03;         // group 1: active, member 0
  DesignForm form = Opened(block);
  EXPECT_EQ(-19, form.eqGain[5][0]);
  EXPECT_FALSE(form.eqGroups[4][0].active);
  EXPECT_TRUE(form.eqGroups[4][0].member[0] && form.eqGroups[4][0].member[1]);
  form.eqGain[3][20] = -3;
  StoreDesignForm(form, block.data());
  EXPECT_EQ(0xED, RowBytes(block, design::kEqRows, 6, 5)[0]);
  EXPECT_EQ(0, RowBytes(block, design::kEqRows, 6, 5)[22]);
  EXPECT_EQ(0xFD, RowBytes(block, design::kEqRows, 6, 3)[20]);
  const unsigned char expected[32] = {0, 0, 0, 0x03};
  EXPECT_EQ(0, std::memcmp(expected, groups, 32));
}

TEST(PirrowanDesignForm, TheStoreLeavesTheOtherWordsAlone) {
  Block block(product::kBlockWords, 0x01010101);
  block[design::kBoxCount] = 3;
  block[design::kEnclosureType] = 1;
  block[design::kExcessAir] = 1;
  block[design::kOverallAttenuation] = 0;
  block[design::kAiming] = -35;
  for (int k = 0; k < kDesignRows; ++k) {
    block[design::kAttenuation + k] = 5 * k;
    block[design::kDelay + k] = 1000 * k;
    block[design::kHfLevelIndex + k] = k % 3;
  }
  Block out = block;
  std::fill(out.begin() + 2, out.begin() + 110, 0x77777777);
  out[5] = 0x01010101;
  StoreDesignForm(Opened(block), out.data());
  for (int w : {0, 1, 5, 110, 200, 262, 263}) EXPECT_EQ(0x01010101, out[w]) << w;
  for (int w = 2; w < 26; ++w) EXPECT_EQ(block[w], out[w]) << w;
}

}  // namespace
}  // namespace pirrowan
