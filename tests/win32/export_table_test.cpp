// The export table of each real DLL: bare names, the right argument sizes, nothing extra.
#include <cstring>
#include <vector>

#include "plugin_fixture.h"

using ExportTableTest = PluginTest;

TEST_P(ExportTableTest, EveryRequiredExportIsPresentUnderItsBareName) {
  EXPECT_TRUE(plugin.missing.empty()) << "first missing: " << plugin.missing.front();
  for (const ExportInfo& e : KnownExports()) {
    if (!(e.deliverables & GetParam().mask)) continue;
    const std::string decorated = std::string(e.name) + "@" + std::to_string(e.argumentBytes);
    EXPECT_EQ(nullptr, plugin.Address(decorated.c_str())) << decorated;
  }
}

TEST_P(ExportTableTest, PirrowanHasNoSingleBandLevelExport) {
  const bool isPirrowan = GetParam().mask == kInPirrowan;
  if (isPirrowan) {
    EXPECT_EQ(nullptr, plugin.Address("CI_GetLPi"));
  }
  const bool fourSeat = plugin.Address("CI_Set4SeatPosition") != nullptr;
  if (GetParam().mask != kInBrenlowe) {
    EXPECT_FALSE(fourSeat);
  }
}

// Every export is called with arguments of the size the host pushes; a callee that removes a
// different number of bytes would corrupt the host's stack.
TEST_P(ExportTableTest, EveryExportRemovesExactlyItsArguments) {
  std::vector<unsigned> scratch(4096, 0);  // valid memory for any out-pointer
  const unsigned pointer = static_cast<unsigned>(reinterpret_cast<uintptr_t>(scratch.data()));
  int current = 0;
  auto check = [&](const char* phase) {
    for (const ExportInfo& e : KnownExports()) {
      if (!(e.deliverables & GetParam().mask)) continue;
      if (!std::strcmp(e.name, "IP_ShowDialog") || !std::strcmp(e.name, "CI_GetCompFR1")) continue;
      void* address = plugin.Address(e.name);
      if (!address) continue;
      // Pointer-sized words: as ids and numbers they are far out of range, so nothing runs long.
      std::vector<unsigned> args(e.argumentBytes / 4, pointer);
      if (current) fn.CI_MakeCurrent(current);
      int delta = -1;
      CallWithStackCheck(address, args.data(), static_cast<int>(args.size()), e.returnsFloat,
                         &delta);
      EXPECT_EQ(0, delta) << e.name << " (" << phase << ")";
    }
  };
  check("no current slot");
  current = ClaimCurrent();
  check("with a current slot");
}

TEST_P(ExportTableTest, DialogExportsRefuseABadIndexWithBalancedStack) {
  for (const char* name : {"IP_ShowDialog"}) {
    void* address = plugin.Address(name);
    if (!address) continue;
    unsigned arg = 2;
    int delta = -1;
    EXPECT_EQ(-2, CallWithStackCheck(address, &arg, 1, 0, &delta)) << name;
    EXPECT_EQ(0, delta) << name;
  }
}

INSTANTIATE_FOR_EVERY_DELIVERABLE(ExportTableTest);
