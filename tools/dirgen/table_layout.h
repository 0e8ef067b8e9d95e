// Layout of each deliverable's directivity table and filling it from the model.
#ifndef DIRGEN_TABLE_LAYOUT_H
#define DIRGEN_TABLE_LAYOUT_H

#include <cstddef>
#include <cstdint>
#include <vector>

#include "cabinet_csv.h"

// Azimuth range of the 1-degree grid: what the deliverable's lookup folds every azimuth into.
enum class HighGridFold { Quarter, Half, Full };

struct DeliverableLayout {
  const char* name;    // folder and file stem, e.g. "tarnwick"
  const char* title;   // e.g. "Tarnwick"
  const char* symbol;  // the table's C symbol
  int setCount;
  int lowGridBands;  // stored bands of the 5-degree grid, from band 0
  int highGridFirstBand;
  int highGridBands;
  int highAzimuthColumns;
  HighGridFold fold;

  std::size_t LowGridValues() const;
  std::size_t SetValues() const;
  std::size_t TotalValues() const { return SetValues() * setCount; }
};

const std::vector<DeliverableLayout>& AllDeliverables();

// Attenuation values in hundredths of a dB (0..kMaxAttenuation), one set per cabinet in order.
std::vector<std::int16_t> BuildDirectivityTable(const DeliverableLayout& layout,
                                                const std::vector<CabinetModel>& cabinets);

constexpr int kMaxAttenuation = 4000;  // 40 dB

// The stored value that the deliverable's lookup reads for set, band and a grid direction:
// polarDeg and azimuthDeg (0..359) must lie on the grid of the band.
int StoredValue(const std::vector<std::int16_t>& table, const DeliverableLayout& layout, int set,
                int band, int polarDeg, int azimuthDeg);

// Angle step in degrees of the grid that the lookup reads for band.
int GridStepDegrees(const DeliverableLayout& layout, int band);

#endif  // DIRGEN_TABLE_LAYOUT_H
