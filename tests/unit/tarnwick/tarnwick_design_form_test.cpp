// The design as the dialog shows it, read from and written back into Tarnwick's design data.
#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <cstring>
#include <vector>

#include "design_data.h"
#include "design_form.h"

namespace {
using namespace tarnwick;

std::vector<int32_t> EmptyBlock() { return std::vector<int32_t>(product::kBlockWords, 0); }

uint8_t* Bytes(std::vector<int32_t>& block, int word) {
  return reinterpret_cast<uint8_t*>(block.data() + word);
}

DesignForm Loaded(const std::vector<int32_t>& block) {
  DesignForm form;
  LoadDesignForm(block.data(), form);
  return form;
}

TEST(TarnwickDesignForm, BoxCountIsLimitedOnLoadAndStoredAsEdited) {
  std::vector<int32_t> block = EmptyBlock();
  for (auto [stored, shown] : {std::pair{0, 1}, {30, 24}, {-5, 1}, {7, 7}}) {
    block[design::kBoxCount] = stored;
    EXPECT_EQ(shown, Loaded(block).boxCount) << stored;
  }
  DesignForm form = Loaded(block);
  form.boxCount = 12;
  StoreDesignForm(form, block.data());
  EXPECT_EQ(12, block[design::kBoxCount]);
}

TEST(TarnwickDesignForm, ScalingsOfAnglesGainsAndDelays) {
  std::vector<int32_t> block = EmptyBlock();
  block[design::kAiming] = -25;
  block[design::kSplayBase + 3] = 13;
  block[design::kGain + 2] = 35;
  block[design::kDelay + 4] = 1234;
  DesignForm form = Loaded(block);
  EXPECT_EQ(2.5f, form.angle[0]);
  EXPECT_EQ(13.0f, form.angle[3]);
  EXPECT_EQ(3.5f, form.gain[2]);
  EXPECT_EQ(1.234f, form.delay[4]);

  form.angle[5] = 13.5f;   // splays keep whole degrees
  form.angle[6] = 7.5f;
  form.gain[7] = 2.3f;     // tenths, truncated toward zero in single precision
  form.gain[8] = -0.35f;
  form.delay[9] = 0.0226f;  // to the nearest microsecond
  form.delay[10] = 0.0224f;
  StoreDesignForm(form, block.data());
  EXPECT_EQ(-25, block[design::kAiming]);
  EXPECT_EQ(13, block[design::kSplayBase + 3]);
  EXPECT_EQ(13, block[design::kSplayBase + 5]);
  EXPECT_EQ(7, block[design::kSplayBase + 6]);
  EXPECT_EQ(35, block[design::kGain + 2]);
  EXPECT_EQ(23, block[design::kGain + 7]);
  EXPECT_EQ(-3, block[design::kGain + 8]);
  EXPECT_EQ(1234, block[design::kDelay + 4]);
  EXPECT_EQ(23, block[design::kDelay + 9]);
  EXPECT_EQ(22, block[design::kDelay + 10]);
}

TEST(TarnwickDesignForm, ValuesBeyondAWordAreHeldAtItsLimits) {
  std::vector<int32_t> block = EmptyBlock();
  block[design::kAiming] = INT_MIN;  // negating it must not overflow
  DesignForm form = Loaded(block);
  EXPECT_EQ(214748364.8f, form.angle[0]);
  form.angle[1] = 1e30f;
  form.gain[0] = -1e30f;
  form.delay[0] = std::nanf("");
  StoreDesignForm(form, block.data());
  EXPECT_EQ(INT_MAX, block[design::kSplayBase + 1]);
  EXPECT_EQ(INT_MIN, block[design::kGain]);
  EXPECT_EQ(0, block[design::kDelay]);
  EXPECT_EQ(INT_MAX, TruncatedWord(2147483648.0f));
  EXPECT_EQ(2147483520, TruncatedWord(2147483520.0f));
}

TEST(TarnwickDesignForm, EqualiserRowsAndGroups) {
  std::vector<int32_t> block = EmptyBlock();
  uint8_t* row3 = Bytes(block, design::kEqRows + 6 * 3);
  row3[0] = 0xED;
  row3[1] = 0xF2;
  row3[20] = 0x06;
  uint8_t* lastRow = Bytes(block, design::kEqRows + 6 * 23);
  lastRow[21] = 0xA1;
  lastRow[22] = 0xB2;
  lastRow[23] = 0xC3;
  // Group 2 of box 1 lists bands 0 and 7 but is not active.
  uint8_t* group2 = Bytes(block, design::kEqGroups + 8 * 1) + 3 * 2;
  group2[0] = 0x02;
  group2[1] = 0x01;

  DesignForm form = Loaded(block);
  EXPECT_EQ(EQ_GAIN_OFF, form.eqGain[3][0]);
  EXPECT_EQ(-14, form.eqGain[3][1]);
  EXPECT_EQ(6, form.eqGain[3][20]);
  EXPECT_FALSE(form.eqGroups[1][2].active);
  EXPECT_TRUE(form.eqGroups[1][2].member[0]);
  EXPECT_TRUE(form.eqGroups[1][2].member[7]);

  form.eqGroups[5][0].active = 1;
  form.eqGroups[5][0].member[20] = 7;
  StoreDesignForm(form, block.data());
  EXPECT_EQ(0xED, row3[0]);
  EXPECT_EQ(0, group2[0]);  // an inactive group is stored without its members
  EXPECT_EQ(0, group2[1]);
  const uint8_t* group0 = Bytes(block, design::kEqGroups + 8 * 5);
  EXPECT_EQ(0x01, group0[0]);
  EXPECT_EQ(0x20, group0[2]);  // band 20 is bit 5 of the third byte
  // Every row ends in the spare bytes that the last row held.
  for (int box = 0; box < kDesignBoxes; ++box) {
    const uint8_t* row = Bytes(block, design::kEqRows + 6 * box);
    EXPECT_EQ(0xA1, row[21]) << box;
    EXPECT_EQ(0xC3, row[23]) << box;
  }
}

TEST(TarnwickDesignForm, AStoredDesignComesBackWordForWord) {
  std::vector<int32_t> block = EmptyBlock();
  for (int w = 2; w < product::kBlockWords; ++w) block[w] = (w * 7919) % 97 - 48;
  block[design::kBoxCount] = 9;
  for (int b = 0; b < kDesignBoxes; ++b) {  // what the stored form can carry
    block[design::kDelay + b] = b * 1001;      // delays round to the nearest microsecond from 0 up
    std::memset(Bytes(block, design::kEqRows + 6 * b) + 21, 0x5A, 3);
    uint8_t* groups = Bytes(block, design::kEqGroups + 8 * b);
    for (int g = 0; g < kEqGroupsPerBox; ++g) {
      groups[3 * g] |= 1;  // active, so its members are kept
      groups[3 * g + 2] &= 0x3F;
    }
    std::memset(groups + 24, 0, 8);
  }
  std::vector<int32_t> after = block;
  StoreDesignForm(Loaded(block), after.data());
  for (int w = 0; w < product::kBlockWords; ++w) {
    if (w == design::kReserved4 || w == design::kReserved5) {
      EXPECT_EQ(0, after[w]);
    } else {
      EXPECT_EQ(block[w], after[w]) << "word " << w;  // the gaps and the checksum untouched
    }
  }
}

}  // namespace
