// Pirrowan's reset design and the default held by record 1 at load.
#include "design_data.h"
#include "product_hooks.h"
#include "registry.h"
#include "settings_block.h"

namespace {
void SetAllHfLevels(int32_t* block, int32_t index) {
  for (int i = 0; i < product::kMaxBoxes; ++i) block[design::kHfLevelIndex + i] = index;
}
}  // namespace

void ResetDesign(int32_t* block) {
  for (int w = 3; w < product::kBlockWords; ++w) block[w] = 0;
  block[design::kBoxCount] = 4;
  block[design::kEnclosureType] = 1;
  SetAllHfLevels(block, 1);
}

void SetUpRecordOneDefault(ComponentSlot& record) {
  record.settings[design::kBoxCount] = 4;
  SetAllHfLevels(record.settings, 1);
  record.settings[kChecksumWord] = 4;
}
