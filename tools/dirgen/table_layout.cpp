#include "table_layout.h"

#include <cmath>
#include <stdexcept>

#include "../../data/directivity_tables.h"
#include "directivity_model.h"

namespace {

constexpr int kLowRows = kDirectivityLowPolarRows;
constexpr int kLowColumns = kDirectivityLowAzimuthColumns;
constexpr int kHighRows = kDirectivityHighPolarRows;
constexpr int kLowStep = kDirectivityLowStepDegrees;
constexpr int kHighStep = kDirectivityHighStepDegrees;

int FoldHighColumn(const DeliverableLayout& layout, int a) {
  switch (layout.fold) {
    case HighGridFold::Quarter:
      if (a > 270) return 360 - a;
      if (a > 180) return a - 180;
      if (a > 90) return 180 - a;
      return a;
    case HighGridFold::Half:
      return a > 180 ? 360 - a : a;
    case HighGridFold::Full:
      break;
  }
  return a;
}

std::int16_t ToHundredths(double db) {
  const long value = std::lround(db * 100);
  return std::int16_t(value < 0 ? 0 : value > kMaxAttenuation ? kMaxAttenuation : value);
}

// Fills one grid: for each band and polar row the model is evaluated once per azimuth of the
// quarter circle and spread over the columns by symmetry, which keeps generation cheap.
void FillGrid(const DirectivityModel& model, int firstBand, int bands, int rows, int columns,
              int step, std::int16_t* out) {
  const int quarterColumns = 90 / step + 1;
  std::vector<std::int16_t> quarter(quarterColumns);
  for (int b = 0; b < bands; ++b) {
    for (int row = 0; row < rows; ++row) {
      const int polar = row * step;
      for (int q = 0; q < quarterColumns; ++q)
        quarter[q] = row == 0 ? 0 : ToHundredths(model.AttenuationDb(firstBand + b, polar, q * step));
      std::int16_t* line = out + (std::size_t(b) * rows + row) * columns;
      for (int c = 0; c < columns; ++c) {
        int a = c * step;
        if (a > 180) a = 360 - a;
        if (a > 90) a = 180 - a;
        line[c] = quarter[a / step];
      }
    }
  }
}

}  // namespace

std::size_t DeliverableLayout::LowGridValues() const {
  return std::size_t(lowGridBands) * kLowRows * kLowColumns;
}

std::size_t DeliverableLayout::SetValues() const {
  return LowGridValues() + std::size_t(highGridBands) * kHighRows * highAzimuthColumns;
}

const std::vector<DeliverableLayout>& AllDeliverables() {
  static const std::vector<DeliverableLayout> kAll = {
      {"tarnwick", "Tarnwick", "kTarnwickDirectivity", kTarnwickDirectivitySetCount,
       kTarnwickLowGridBands, kTarnwickHighGridFirstBand, kTarnwickHighGridBands,
       kTarnwickHighAzimuthColumns, HighGridFold::Quarter},
      {"brenlowe", "Brenlowe", "kBrenloweDirectivity", kBrenloweDirectivitySetCount,
       kBrenloweLowGridBands, kBrenloweHighGridFirstBand, kBrenloweHighGridBands,
       kBrenloweHighAzimuthColumns, HighGridFold::Half},
      {"pirrowan", "Pirrowan", "kPirrowanDirectivity", kPirrowanDirectivitySetCount,
       kPirrowanLowGridBands, kPirrowanHighGridFirstBand, kPirrowanHighGridBands,
       kPirrowanHighAzimuthColumns, HighGridFold::Full},
  };
  return kAll;
}

std::vector<std::int16_t> BuildDirectivityTable(const DeliverableLayout& layout,
                                                const std::vector<CabinetModel>& cabinets) {
  if (int(cabinets.size()) != layout.setCount)
    throw std::runtime_error(std::string(layout.name) + ": expected " +
                             std::to_string(layout.setCount) + " cabinets, found " +
                             std::to_string(cabinets.size()));
  std::vector<std::int16_t> table(layout.TotalValues());
  for (int set = 0; set < layout.setCount; ++set) {
    const DirectivityModel model(cabinets[set]);
    std::int16_t* low = table.data() + std::size_t(set) * layout.SetValues();
    FillGrid(model, 0, layout.lowGridBands, kLowRows, kLowColumns, kLowStep, low);
    FillGrid(model, layout.highGridFirstBand, layout.highGridBands, kHighRows,
             layout.highAzimuthColumns, kHighStep, low + layout.LowGridValues());
  }
  return table;
}

int GridStepDegrees(const DeliverableLayout& layout, int band) {
  return band < layout.highGridFirstBand ? kLowStep : kHighStep;
}

int StoredValue(const std::vector<std::int16_t>& table, const DeliverableLayout& layout, int set,
                int band, int polarDeg, int azimuthDeg) {
  const std::size_t base = std::size_t(set) * layout.SetValues();
  if (band < layout.highGridFirstBand) {
    const std::size_t index =
        (std::size_t(band) * kLowRows + polarDeg / kLowStep) * kLowColumns + azimuthDeg / kLowStep;
    return table[base + index];
  }
  const std::size_t index =
      (std::size_t(band - layout.highGridFirstBand) * kHighRows + polarDeg) *
          layout.highAzimuthColumns +
      FoldHighColumn(layout, azimuthDeg);
  return table[base + layout.LowGridValues() + index];
}
