// dirgen: generates the directivity tables of the three plug-ins from the cabinet model
// parameters in <data-dir>/<deliverable>/cabinets.csv.
//
//   dirgen <data-dir> <out-dir> [<plots-dir>]
//
// writes <out-dir>/<deliverable>_directivity.bin and .S for tarnwick, brenlowe and pirrowan, and
// with <plots-dir> an SVG polar plot per directivity set.
#include <cstdio>
#include <exception>
#include <string>

#include "cabinet_csv.h"
#include "polar_plot.h"
#include "table_layout.h"
#include "table_writer.h"

int main(int argc, char** argv) {
  if (argc < 3 || argc > 4) {
    std::fprintf(stderr, "usage: %s <data-dir> <out-dir> [<plots-dir>]\n", argv[0]);
    return 2;
  }
  const std::string dataDir = argv[1];
  const std::string outDir = argv[2];
  try {
    for (const DeliverableLayout& layout : AllDeliverables()) {
      const auto cabinets = ReadCabinetCsv(dataDir + "/" + layout.name + "/cabinets.csv");
      const auto table = BuildDirectivityTable(layout, cabinets);
      WriteTableFiles(outDir, layout, table);
      if (argc == 4) WriteDirectivityPlots(argv[3], layout, cabinets, table);
      std::printf("%s: %d sets, %zu values\n", layout.name, layout.setCount, table.size());
    }
  } catch (const std::exception& e) {
    std::fprintf(stderr, "dirgen: %s\n", e.what());
    return 1;
  }
  return 0;
}
