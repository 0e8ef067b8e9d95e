// The settings block the host stores: size query, round trip, tag and checksum tests, packing.
#include <cstring>

#include "engine_fixture.h"

using SettingsBlockTest = EngineTest;

TEST_F(SettingsBlockTest, NeedsIndexOneAndACurrentSlot) {
  std::vector<int32_t> block(product::kBlockWords, 0);
  EXPECT_EQ(-1, IP_GetValue(1, block.data()));
  EXPECT_EQ(-1, IP_SetValue(1, block.data()));
  ClaimCurrent();
  EXPECT_EQ(-1, IP_GetValue(2, block.data()));
  EXPECT_EQ(-1, IP_SetValue(2, block.data()));
  EXPECT_EQ(0, block[0]);
}

TEST_F(SettingsBlockTest, SizeQueryWritesOnlyTheLength) {
  ClaimCurrent();
  std::vector<int32_t> block(product::kBlockWords, 0x55);
  block[0] = 0;
  EXPECT_EQ(0, IP_GetValue(1, block.data()));
  EXPECT_EQ(product::kBlockWords, block[0]);
  EXPECT_EQ(0x55, block[1]);
  EXPECT_EQ(0x55, block[product::kBlockWords - 1]);
}

TEST_F(SettingsBlockTest, ReadOutCarriesTagAndWrappingChecksum) {
  ClaimCurrent();
  std::vector<int32_t> design = ReadBlock();
  design[3] = INT32_MAX;
  design[4] = INT32_MAX;  // the sum wraps past 32 bits and must still match
  design[5] = -123456;
  StoreValidBlock(design);
  std::vector<int32_t> block = ReadBlock();
  EXPECT_EQ(0, std::memcmp(&block[1], product::kTag, 4));
  uint32_t sum = 0;
  for (int w = 2; w < product::kBlockWords - 1; ++w) sum += static_cast<uint32_t>(block[w]);
  EXPECT_EQ(static_cast<int32_t>(sum), block[product::kBlockWords - 1]);
  EXPECT_EQ(INT32_MAX, block[4]);
}

TEST_F(SettingsBlockTest, RoundTripLeavesTheDesignUnchanged) {
  ClaimCurrent();
  std::vector<int32_t> design = ReadBlock();
  for (int w = 2; w < product::kBlockWords - 1; ++w) design[w] = w * 7 - 300;
  design[2] = 3;
  StoreValidBlock(design);
  const std::vector<int32_t> first = ReadBlock();
  ASSERT_EQ(0, IP_SetValue(1, first.data()));
  const std::vector<int32_t> second = ReadBlock();
  EXPECT_EQ(first, second);
  EXPECT_EQ(3, CurrentSlot->settings[2]);
}

TEST_F(SettingsBlockTest, LengthWordIsTakenUnchecked) {
  ClaimCurrent();
  std::vector<int32_t> block = ReadBlock();
  block[0] = 12345;
  ASSERT_EQ(0, IP_SetValue(1, block.data()));
  EXPECT_EQ(12345, CurrentSlot->settings[0]);
  // The next read-out puts the real length back.
  EXPECT_EQ(product::kBlockWords, ReadBlock()[0]);
}

TEST_F(SettingsBlockTest, RejectedBlocksResetTheDesign) {
  ClaimCurrent();
  std::vector<int32_t> good = ReadBlock();
  good[2] = 2;
  for (int w = 3; w < 40; ++w) good[w] = 9;
  StoreValidBlock(good);
  const std::vector<int32_t> stored = ReadBlock();

  std::vector<int32_t> badSum = stored;
  badSum[7] += 1;  // checksum no longer matches
  ASSERT_EQ(0, IP_SetValue(1, badSum.data()));
  EXPECT_EQ(4, CurrentSlot->settings[2]);
  std::vector<int32_t> reset(CurrentSlot->settings, CurrentSlot->settings + product::kBlockWords);

  StoreValidBlock(stored);
  std::vector<int32_t> lowerCase = stored;
  char tag[4];
  std::memcpy(tag, product::kTag, 4);
  tag[0] = static_cast<char>(tag[0] + ('a' - 'A'));
  std::memcpy(&lowerCase[1], tag, 4);
  ASSERT_EQ(0, IP_SetValue(1, lowerCase.data()));
  EXPECT_EQ(0, std::memcmp(reset.data() + 2, CurrentSlot->settings + 2,
                           sizeof(int32_t) * (product::kBlockWords - 2)));

  StoreValidBlock(stored);
  std::vector<int32_t> foreign = stored;
  const char otherTag[4] = {'X', 'y', 'z', 0};
  std::memcpy(&foreign[1], otherTag, 4);
  ASSERT_EQ(0, IP_SetValue(1, foreign.data()));
  EXPECT_EQ(4, CurrentSlot->settings[2]);
}

TEST_F(SettingsBlockTest, TagWithoutItsZeroByteIsRefused) {
  ClaimCurrent();
  std::vector<int32_t> block = ReadBlock();
  block[2] = 1;
  reinterpret_cast<char*>(&block[1])[3] = 'x';
  block[product::kBlockWords - 1] = DesignChecksum(block.data());
  ASSERT_EQ(0, IP_SetValue(1, block.data()));
  EXPECT_EQ(4, CurrentSlot->settings[2]);
}

TEST(EqPacking, GainsKeepTheirSignAndOff) {
  int16_t gains[21];
  for (int b = 0; b < 21; ++b) gains[b] = static_cast<int16_t>(6 - b);
  gains[20] = EQ_GAIN_OFF;
  int32_t row[6];
  std::memset(row, 0x7F, sizeof row);
  PackEqGains(gains, row);
  int16_t back[21];
  UnpackEqGains(row, back);
  for (int b = 0; b < 21; ++b) EXPECT_EQ(gains[b], back[b]);
  EXPECT_EQ(-19, StoredEqGain(row, 20));
  EXPECT_EQ(0, reinterpret_cast<uint8_t*>(row)[23]);  // spare bytes are zero
}

TEST(EqPacking, GroupsPackThreeBytesEach) {
  EqGroup groups[8] = {};
  groups[0].active = 1;
  groups[0].member[0] = 1;
  groups[0].member[7] = 5;  // any non-zero flag packs as 1
  groups[0].member[20] = 1;
  groups[3].active = 0;  // inactive with members: packs to zeros
  groups[3].member[2] = 1;
  int32_t row[8];
  std::memset(row, 0xFF, sizeof row);
  PackEqGroups(groups, row);
  const uint8_t* bytes = reinterpret_cast<const uint8_t*>(row);
  EXPECT_EQ(0x03, bytes[0]);  // active + band 0
  EXPECT_EQ(0x01, bytes[1]);  // band 7
  EXPECT_EQ(0x20, bytes[2]);  // band 20
  for (int i = 9; i < 12; ++i) EXPECT_EQ(0, bytes[i]);
  for (int i = 24; i < 32; ++i) EXPECT_EQ(0, bytes[i]);

  EqGroup back[8];
  UnpackEqGroups(row, back);
  EXPECT_EQ(1, back[0].active);
  EXPECT_EQ(1, back[0].member[7]);
  EXPECT_EQ(0, back[0].member[8]);
  EXPECT_EQ(0, back[3].member[2]);
}

TEST(EqPacking, InactiveStoredGroupUnpacksItsMembers) {
  int32_t row[8] = {};
  reinterpret_cast<uint8_t*>(row)[3] = 0x04;  // group 1: bit 0 clear, band 1 set
  EqGroup back[8];
  UnpackEqGroups(row, back);
  EXPECT_EQ(0, back[1].active);
  EXPECT_EQ(1, back[1].member[1]);
}
