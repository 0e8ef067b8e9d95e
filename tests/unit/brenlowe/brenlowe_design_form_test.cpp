// Brenlowe's design between the settings block and the design dialog's members.
#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <cstring>
#include <vector>

#include "design_data.h"
#include "design_form.h"
#include "design_form_test_support.h"

namespace brenlowe {
namespace {

using namespace design_form_test;

DesignForm Opened(const Block& block) { return OpenedAs<DesignForm>(block); }
Block ConfirmedUnchanged(const Block& block) { return ConfirmedUnchangedAs<DesignForm>(block); }

TEST(BrenloweDesignForm, BoxCountIsLimitedOnLoadAndStoredAsShown) {
  const struct {
    int32_t stored, shown;
  } cases[] = {{0, 1}, {-7, 1}, {1, 1}, {14, 14}, {30, 14}, {INT32_MIN, 1}};
  for (const auto& c : cases) {
    Block block = ResetBlock();
    block[design::kBoxCount] = c.stored;
    EXPECT_EQ(c.shown, Opened(block).boxCount) << c.stored;
    EXPECT_EQ(c.shown, ConfirmedUnchanged(block)[design::kBoxCount]) << c.stored;
  }
}

TEST(BrenloweDesignForm, AimingIsStoredNegatedAndHingesAsTheyAre) {
  Block block = ResetBlock();
  block[design::kAiming] = 25;
  block[design::kHingeBase + 1] = -50;  // the opening keeps a negative hinge: OK refuses it
  block[design::kHingeBase + 13] = 75;
  const DesignForm form = Opened(block);
  EXPECT_FLOAT_EQ(-2.5f, form.angle[0]);
  EXPECT_FLOAT_EQ(-5.0f, form.angle[1]);
  EXPECT_FLOAT_EQ(7.5f, form.angle[13]);
  const Block out = ConfirmedUnchanged(block);
  EXPECT_EQ(25, out[design::kAiming]);
  EXPECT_EQ(-50, out[design::kHingeBase + 1]);
  EXPECT_EQ(75, out[design::kHingeBase + 13]);
  block[design::kAiming] = 0;  // opens as 0, not -0 (shown as "-0")
  EXPECT_FALSE(std::signbit(Opened(block).angle[0]));
}

TEST(BrenloweDesignForm, OpeningReplacesValuesOutsideTheirRangesByZero) {
  Block block = ResetBlock();
  block[design::kAiming] = -1801;
  block[design::kHingeBase + 2] = 1800;  // the bound itself stays
  block[design::kHingeBase + 3] = 1801;
  block[design::kAttenuation + 0] = 1001;
  block[design::kAttenuation + 1] = 1000;
  block[design::kAttenuation + 2] = -1;
  block[design::kDelay + 0] = 10001;
  block[design::kDelay + 1] = 10000;
  block[design::kDelay + 2] = -1;
  block[design::kModelCode + 0] = 6;
  block[design::kModelCode + 1] = -1;
  block[design::kModelCode + 2] = 5;
  block[design::kOverallAttenuation] = -5;
  const DesignForm form = Opened(block);
  EXPECT_EQ(0.0f, form.angle[0]);
  EXPECT_FLOAT_EQ(180.0f, form.angle[2]);
  EXPECT_EQ(0.0f, form.angle[3]);
  EXPECT_EQ(0.0f, form.attenuation[0]);
  EXPECT_FLOAT_EQ(100.0f, form.attenuation[1]);
  EXPECT_EQ(0.0f, form.attenuation[2]);
  EXPECT_EQ(0.0f, form.delay[0]);
  EXPECT_FLOAT_EQ(10.0f, form.delay[1]);
  EXPECT_EQ(0.0f, form.delay[2]);
  EXPECT_EQ(0, form.model[0]);
  EXPECT_EQ(0, form.model[1]);
  EXPECT_EQ(5, form.model[2]);
  EXPECT_EQ(0.0f, form.overallAtt);
}

TEST(BrenloweDesignForm, StoringTruncatesTheSinglePrecisionValues) {
  Block block = ResetBlock();
  block[design::kAttenuation + 0] = 7;  // loads as 0.699999988 and comes back as 6
  block[design::kAttenuation + 1] = 6;
  block[design::kOverallAttenuation] = 7;
  DesignForm form = Opened(block);
  EXPECT_EQ(0.7f, form.attenuation[0]);
  form.attenuation[2] = 0.7f;  // typed
  form.delay[0] = 0.022f;
  form.delay[1] = 0.0224f;
  form.delay[2] = 0.0225f;
  form.angle[1] = 13.55f;
  form.angle[2] = -0.07f;
  StoreDesignForm(form, block.data());
  EXPECT_EQ(6, block[design::kAttenuation + 0]);
  EXPECT_EQ(6, block[design::kAttenuation + 1]);
  EXPECT_EQ(6, block[design::kAttenuation + 2]);
  EXPECT_EQ(6, block[design::kOverallAttenuation]);
  EXPECT_EQ(22, block[design::kDelay + 0]);
  EXPECT_EQ(22, block[design::kDelay + 1]);
  EXPECT_EQ(23, block[design::kDelay + 2]);
  EXPECT_EQ(135, block[design::kHingeBase + 1]);
  EXPECT_EQ(0, block[design::kHingeBase + 2]);  // toward zero
}

TEST(BrenloweDesignForm, EveryDelayInRangeComesBackUnchanged) {
  Block block = ResetBlock();
  for (int32_t us = 0; us <= 10000; ++us) {
    block[design::kDelay + 3] = us;
    ASSERT_EQ(us, ConfirmedUnchanged(block)[design::kDelay + 3]);
  }
}

TEST(BrenloweDesignForm, TypedValuesBeyondTheStoredRangeSaturate) {
  Block block = ResetBlock();
  DesignForm form = Opened(block);
  form.angle[0] = 1e30f;
  form.angle[1] = -1e30f;
  form.attenuation[0] = 3e9f;
  form.delay[0] = 1e30f;
  StoreDesignForm(form, block.data());
  EXPECT_EQ(INT32_MIN, block[design::kAiming]);
  EXPECT_EQ(INT32_MIN, block[design::kHingeBase + 1]);
  EXPECT_EQ(INT32_MAX, block[design::kAttenuation]);
  EXPECT_EQ(INT32_MAX, block[design::kDelay]);
}

TEST(BrenloweDesignForm, EqualiserBytesAreSignExtendedAndTheSpareBytesFollowTheLastRow) {
  Block block = ResetBlock();
  RowBytes(block, design::kEqRows, 6, 0)[0] = 0xED;
  RowBytes(block, design::kEqRows, 6, 0)[20] = 0xF2;
  RowBytes(block, design::kEqRows, 6, 4)[7] = 0x06;
  RowBytes(block, design::kEqRows, 6, 0)[21] = 0x11;  // spare bytes of box 1: not kept
  const unsigned char lastSpare[3] = {0xA1, 0xB2, 0xC3};
  std::memcpy(RowBytes(block, design::kEqRows, 6, 13) + 21, lastSpare, 3);
  DesignForm form = Opened(block);
  EXPECT_EQ(-19, form.eqGain[0][0]);
  EXPECT_EQ(-14, form.eqGain[0][20]);
  EXPECT_EQ(6, form.eqGain[4][7]);
  form.eqGain[2][3] = -18;
  StoreDesignForm(form, block.data());
  EXPECT_EQ(0xEE, RowBytes(block, design::kEqRows, 6, 2)[3]);
  EXPECT_EQ(0xED, RowBytes(block, design::kEqRows, 6, 0)[0]);
  for (int k = 0; k < kDesignRows; ++k) {
    EXPECT_EQ(0, std::memcmp(lastSpare, RowBytes(block, design::kEqRows, 6, k) + 21, 3)) << k;
  }
}

TEST(BrenloweDesignForm, GroupMembersLoadEvenWhenInactiveButOnlyActiveGroupsAreStored) {
  Block block = ResetBlock();
  unsigned char* row = RowBytes(block, design::kEqGroups, 8, 1);
  row[6] = 0x0C;  // group 2: members 1 and 2, not active
  row[3] = 0x01 | 0x80;  // group 1: active, member 6
  row[4] = 0x01;         // member 7
  row[5] = 0x20 | 0xC0;  // member 20, and bits 6, 7 that mean nothing
  row[30] = 0x55;        // bytes 24..31 mean nothing
  DesignForm form = Opened(block);
  EXPECT_FALSE(form.eqGroups[1][2].active);
  EXPECT_TRUE(form.eqGroups[1][2].member[1] && form.eqGroups[1][2].member[2]);
  EXPECT_TRUE(form.eqGroups[1][1].active);
  for (int b = 0; b < kBandCount; ++b) {
    EXPECT_EQ(b == 6 || b == 7 || b == 20, form.eqGroups[1][1].member[b] != 0) << b;
  }
  StoreDesignForm(form, block.data());
  const unsigned char expected[32] = {0, 0, 0, 0x81, 0x01, 0x20};
  EXPECT_EQ(0, std::memcmp(expected, row, 32));
}

TEST(BrenloweDesignForm, AllRowsTravelAndTheFrameWordsStayUntouched) {
  Block block(product::kBlockWords, 0x5A5A5A5A);
  block[design::kBoxCount] = 4;
  for (int k = 0; k < kDesignRows; ++k) {
    block[design::kHingeBase + k] = k == 0 ? -20 : 10 * k;
    block[design::kAttenuation + k] = 5 * k;
    block[design::kDelay + k] = 100 * k;
    block[design::kModelCode + k] = k % kModelCodes;
  }
  block[design::kHorizSymmetric] = 1;
  block[design::kExcessAir] = 1;
  block[design::kOverallAttenuation] = 30;
  Block out = block;
  std::fill(out.begin() + 2, out.begin() + 258, 0x77777777);  // everything the store must write
  StoreDesignForm(Opened(block), out.data());
  for (int w : {0, 1, 258, 259, 260, 261, 262, 263}) EXPECT_EQ(0x5A5A5A5A, out[w]) << w;
  for (int w = 2; w < 62; ++w) EXPECT_EQ(block[w], out[w]) << w;
}

TEST(BrenloweDesignForm, BoxCountOfTheListRow) {
  EXPECT_EQ(1, BoxCountOfRow(-1));  // no selection
  EXPECT_EQ(1, BoxCountOfRow(0));
  EXPECT_EQ(14, BoxCountOfRow(13));
  EXPECT_EQ(14, BoxCountOfRow(20));
}

}  // namespace
}  // namespace brenlowe
