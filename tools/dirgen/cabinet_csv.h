// Model parameters of one cabinet, read from a deliverable's cabinets.csv.
#ifndef DIRGEN_CABINET_CSV_H
#define DIRGEN_CABINET_CSV_H

#include <string>
#include <vector>

struct CabinetModel {
  std::string name;
  double frontHeight = 0;           // m, the vertical line source
  double frontWidth = 0;            // m, the horizontal aperture
  double depth = 0;                 // m
  double horizontalNominalDeg = 0;  // full -6 dB coverage approached at high frequencies
  double rearMaxDb = 0;             // front-to-back ratio at high frequencies
  double rearKaHalf = 0;            // k*a at which half of rearMaxDb is reached
  double rearShape = 0;             // exponent of the angular weight of the rear attenuation
};

// Rows in file order. Lines starting with '#' and blank lines are skipped; the first other line
// names the columns. Throws std::runtime_error on a missing column or a malformed value.
std::vector<CabinetModel> ReadCabinetCsv(const std::string& path);

#endif  // DIRGEN_CABINET_CSV_H
