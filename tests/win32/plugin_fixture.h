// Loads the real plug-in DLLs that lie beside the test program.
#pragma once
#include <gtest/gtest.h>

#include <string>

#include "plugin_loader.h"

inline std::string BesideThisProgram(const char* fileName) {
  char path[MAX_PATH] = {};
  GetModuleFileNameA(nullptr, path, MAX_PATH);
  std::string dir(path);
  const size_t slash = dir.find_last_of("\\/");
  dir = slash == std::string::npos ? std::string() : dir.substr(0, slash + 1);
  return dir + fileName;
}

struct DeliverableInfo {
  const char* dll;
  unsigned mask;
  int blockWords;
  int maxBoxes;
  const char* tag;
  const char* name;
  int version;
};

inline const DeliverableInfo kDeliverables[] = {
    {"Tarnwick.dll", kInTarnwick, 518, 24, "Tnk", "Kestrane Orlex-Tarnwick", 3000000},
    {"Brenlowe.dll", kInBrenlowe, 264, 14, "Bwl", "Kestrane Bwl", 1500000},
    {"Pirrowan.dll", kInPirrowan, 264, 6, "Prw", "Kestrane Prw", 1503000},
};

// Each test gets the DLL freshly loaded, so module-wide state starts as at load time.
class PluginTest : public ::testing::TestWithParam<DeliverableInfo> {
 protected:
  void SetUp() override {
    ASSERT_TRUE(plugin.Load(BesideThisProgram(GetParam().dll))) << plugin.loadError;
  }
  void TearDown() override { plugin.Unload(); }

  int ClaimCurrent() {
    const int id = plugin.fn.CI_GetFreeID();
    EXPECT_EQ(0, plugin.fn.CI_MakeCurrent(id));
    return id;
  }

  LoadedPlugin plugin;
  PluginExports& fn = plugin.fn;
};

#define INSTANTIATE_FOR_EVERY_DELIVERABLE(suite)                                        \
  INSTANTIATE_TEST_SUITE_P(AllDeliverables, suite, ::testing::ValuesIn(kDeliverables), \
                           [](const ::testing::TestParamInfo<DeliverableInfo>& info) {  \
                             std::string n(info.param.dll);                             \
                             return n.substr(0, n.find('.'));                           \
                           })
