// What each deliverable supplies to the shared core.
#pragma once
#include <cstdint>

struct ComponentSlot;

// Writes the deliverable's reset design into a settings block whose tag or checksum was refused.
void ResetDesign(int32_t* block);
// Load time: record 1 receives a consistent default design (it is not claimed).
void SetUpRecordOneDefault(ComponentSlot& record);
// Load time: ModelSplTable from the deliverable's sensitivity and power tables.
void ComputeModelSplTables();
// Load time: SourceSplitGain for the deliverable's sub-source counts, grid steps, K_HI, K_SPAN.
void ComputeSplitGainsForProduct();
// Rebuilds the sub-source geometry of the current slot; -1 without one.
int BuildArrayGeometry();
