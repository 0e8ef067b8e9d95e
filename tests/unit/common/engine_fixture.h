// A freshly loaded plug-in engine for every test.
#pragma once
#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "load_setup.h"
#include "plugin_api.h"
#include "product_config.h"
#include "registry.h"
#include "settings_block.h"

class EngineTest : public ::testing::Test {
 protected:
  void SetUp() override { RunLoadTimeSetUp(); }

  // Claims an id and makes it current; returns the id.
  int ClaimCurrent() {
    const int id = CI_GetFreeID();
    EXPECT_GT(id, 0);
    EXPECT_EQ(0, CI_MakeCurrent(id));
    return id;
  }

  // The current slot's block as IP_GetValue hands it out.
  std::vector<int32_t> ReadBlock() {
    std::vector<int32_t> block(product::kBlockWords, 0);
    block[0] = product::kBlockWords;
    EXPECT_EQ(0, IP_GetValue(1, block.data()));
    return block;
  }

  // Stores a block with a correct tag and checksum, whatever its design words hold.
  void StoreValidBlock(std::vector<int32_t> block) {
    block[0] = product::kBlockWords;
    WriteProductTag(block.data());
    block[kChecksumWord] = DesignChecksum(block.data());
    ASSERT_EQ(0, IP_SetValue(1, block.data()));
  }

  void StoreBoxCount(int32_t boxCount) {
    std::vector<int32_t> block = ReadBlock();
    block[2] = boxCount;
    StoreValidBlock(block);
  }
};
