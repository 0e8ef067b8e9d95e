#include "load_setup.h"

#include <cstring>

#include "air_state.h"
#include "directivity_index.h"
#include "level_tables.h"
#include "product_hooks.h"
#include "registry.h"

void RunLoadTimeSetUp() {
  // Module-wide state as a fresh load leaves it.
  CurrentSlot = nullptr;
  DllFlagWord = 0;
  std::memset(DirectivityIndexTable, 0, sizeof DirectivityIndexTable);

  ComputeModelSplTables();
  ResetAirState();
  for (ComponentSlot& record : SlotTable) ResetComponent(&record);
  SetUpRecordOneDefault(SlotTable[1]);
  ComputeSplitGainsForProduct();
}
