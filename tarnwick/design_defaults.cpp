// Tarnwick's reset design and the default held by record 1 at load.
#include "design_data.h"
#include "product_hooks.h"
#include "registry.h"
#include "settings_block.h"

void ResetDesign(int32_t* block) {
  for (int w = 3; w < product::kBlockWords; ++w) block[w] = 0;
  block[design::kBoxCount] = 4;
  block[design::kExcessAir] = 1;
  block[design::kReserved4] = 1;
  block[kChecksumWord] = 6;  // 4 + 1 + 1: the block is consistent as it stands
}

void SetUpRecordOneDefault(ComponentSlot& record) {
  record.settings[design::kBoxCount] = 4;
  record.settings[kChecksumWord] = 4;
}
