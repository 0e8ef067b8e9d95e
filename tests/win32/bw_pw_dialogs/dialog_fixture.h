// A freshly loaded plug-in with a current slot, for opening its design dialog from the test's
// thread while a script drives it from a second one.
#pragma once
#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <functional>
#include <initializer_list>
#include <utility>
#include <vector>

#include "design_data.h"
#include "design_dialog_view.h"
#include "plugin_fixture.h"
#include "ui_driver.h"

using Block = std::vector<int32_t>;

class DesignDialogTest : public ::testing::Test {
 protected:
  DesignDialogTest(const char* dll, const char* caption) : dll_(dll), caption_(caption) {}

  void SetUp() override {
    ASSERT_TRUE(plugin.Load(BesideThisProgram(dll_))) << plugin.loadError;
    ASSERT_TRUE(fn.IP_ShowDialog) << "no IP_ShowDialog in " << dll_;
    const int id = fn.CI_GetFreeID();
    ASSERT_EQ(0, fn.CI_MakeCurrent(id));
  }
  void TearDown() override { plugin.Unload(); }

  // The block as the host reads it out (checksum refreshed).
  Block ReadBlock() {
    Block block(264, 0);
    block[0] = 264;
    EXPECT_EQ(0, fn.IP_GetValue(1, block.data()));
    return block;
  }
  // Stores the design words as they are, with the right length, tag and checksum.
  void StoreBlock(Block block) {
    Block current = ReadBlock();
    block[0] = 264;
    block[1] = current[1];
    uint32_t sum = 0;
    for (int w = 2; w < 263; ++w) sum += static_cast<uint32_t>(block[w]);
    block[263] = static_cast<int32_t>(sum);
    ASSERT_EQ(0, fn.IP_SetValue(1, block.data()));
  }
  // Stores the current block with the given words (index, value) changed.
  void StoreWords(std::initializer_list<std::pair<int, int32_t>> words) {
    Block block = ReadBlock();
    for (const auto& [index, value] : words) block[index] = value;
    StoreBlock(block);
  }
  std::vector<float> DirectivityIndex() {
    std::vector<float> index(21, -1.0f);
    EXPECT_EQ(0, fn.DLLGetDirectivity(index.data()));
    return index;
  }

  // Opens the design dialog through IP_ShowDialog and runs the script on it; returns what the
  // export returned.
  int Show(const std::function<void(UiDriver&, DesignDialogView&)>& script) {
    int result = -100;
    UiDriver::Run([&] { result = fn.IP_ShowDialog(1); },
                  [&](UiDriver& ui) {
                    HWND dialog = ui.WaitForWindow(caption_);
                    if (!dialog) return;
                    DesignDialogView view(ui, dialog);
                    script(ui, view);
                  });
    return result;
  }

  LoadedPlugin plugin;
  PluginExports& fn = plugin.fn;

 private:
  const char* dll_;
  const char* caption_;
};

inline bool AllZero(const std::vector<float>& values) {
  for (float v : values) {
    if (v != 0.0f) return false;
  }
  return true;
}

// The stored equaliser byte of one band of a box.
inline int8_t EqByte(const Block& block, int box, int band) {
  int8_t value = 0;
  std::memcpy(&value, reinterpret_cast<const char*>(&block[design::kEqRows + 6 * box]) + band, 1);
  return value;
}

inline void ExpectEnabled(const DesignDialogView& view, std::initializer_list<int> ids) {
  for (int id : ids) EXPECT_TRUE(view.Enabled(id)) << id;
}
inline void ExpectDisabled(const DesignDialogView& view, std::initializer_list<int> ids) {
  for (int id : ids) EXPECT_FALSE(view.Enabled(id)) << id;
}
// Neither shown nor usable.
inline void ExpectHidden(const DesignDialogView& view, std::initializer_list<int> ids) {
  for (int id : ids) {
    EXPECT_FALSE(view.Visible(id)) << id;
    EXPECT_FALSE(view.Enabled(id)) << id;
  }
}
inline void ExpectSpinPositions(const DesignDialogView& view, std::initializer_list<int> spinIds,
                                int position) {
  for (int id : spinIds) EXPECT_EQ(position, view.SpinPosition(id)) << id;
}

// A click on an up-down's arrow and what the user sees after it: the text of the edit it steps
// and the position the up-down then reports.
struct SpinStep {
  int spin;
  bool up;
  int edit;
  const char* shown;
  int position;
};

// Makes the clicks in order, checking what each one leaves.
inline void ExpectSpinSteps(DesignDialogView& view, std::initializer_list<SpinStep> steps) {
  for (const SpinStep& step : steps) {
    view.Spin(step.spin, step.up);
    EXPECT_EQ(step.shown, view.Text(step.edit)) << "after a click on " << step.spin;
    EXPECT_EQ(step.position, view.SpinPosition(step.spin)) << "after a click on " << step.spin;
  }
}
