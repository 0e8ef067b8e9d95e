// SVG polar plots of the stored directivity sets, for a person to look at.
#ifndef DIRGEN_POLAR_PLOT_H
#define DIRGEN_POLAR_PLOT_H

#include <cstdint>
#include <string>
#include <vector>

#include "cabinet_csv.h"
#include "table_layout.h"

// Writes <plotsDir>/<deliverable>_<set>.svg for every set: horizontal plane (top view) and
// vertical plane (side view) at 250 Hz, 1 kHz, 4 kHz and 10 kHz, read back from the table as
// the lookup reads it.
void WriteDirectivityPlots(const std::string& plotsDir, const DeliverableLayout& layout,
                           const std::vector<CabinetModel>& cabinets,
                           const std::vector<std::int16_t>& table);

#endif  // DIRGEN_POLAR_PLOT_H
