// Directivity sets of the three plug-ins, generated at build time by tools/dirgen and linked in
// as read-only data.
//
// Every value is the attenuation below the cabinet's on-axis level in hundredths of a dB
// (positive = quieter). A set is a 5-degree grid (polar rows 0..180 by 5, azimuth columns 0..355
// by 5) for the lower bands, followed directly by a 1-degree grid (polar rows 0..180 by 1) for
// the upper bands whose azimuth range each plug-in folds by the symmetry it assumes. Sets follow
// one another without padding, in the order of the plug-in's model codes (or enclosure types).
//
//   5-degree grid element: (band * 37 + row) * 72 + column
//   1-degree grid element: ((band - firstHighBand) * 181 + row) * highColumns + column
//
// Box frame of the angles: polar is measured from the cabinet's main axis; azimuth 0 and 180
// degrees lie in the horizontal plane, 90 (up) and 270 (down) in the vertical plane along the
// front face.
#ifndef DATA_DIRECTIVITY_TABLES_H
#define DATA_DIRECTIVITY_TABLES_H

#include <cstddef>
#include <cstdint>

constexpr int kDirectivityLowPolarRows = 37;       // 0..180 degrees in 5-degree steps
constexpr int kDirectivityLowAzimuthColumns = 72;  // 0..355 degrees in 5-degree steps
constexpr int kDirectivityHighPolarRows = 181;     // 0..180 degrees in 1-degree steps
constexpr int kDirectivityLowStepDegrees = 5;
constexpr int kDirectivityHighStepDegrees = 1;

// Tarnwick: sets Orlex-R7, TK-610, TK-520, TK-430, TK-340 (model codes 0, 1-3, 4-5, 6-8, 9).
// The 1-degree grid holds the quarter circle 0..90 degrees.
constexpr int kTarnwickDirectivitySetCount = 5;
constexpr int kTarnwickLowGridBands = 12;  // bands 0..11
constexpr int kTarnwickHighGridFirstBand = 12;
constexpr int kTarnwickHighGridBands = 9;  // bands 12..20
constexpr int kTarnwickHighAzimuthColumns = 91;
constexpr std::size_t kTarnwickLowGridValues =
    std::size_t(kTarnwickLowGridBands) * kDirectivityLowPolarRows * kDirectivityLowAzimuthColumns;
constexpr std::size_t kTarnwickHighGridValues =
    std::size_t(kTarnwickHighGridBands) * kDirectivityHighPolarRows * kTarnwickHighAzimuthColumns;
constexpr std::size_t kTarnwickSetValues = kTarnwickLowGridValues + kTarnwickHighGridValues;
constexpr std::size_t kTarnwickDirectivityValues = kTarnwickDirectivitySetCount * kTarnwickSetValues;
static_assert(kTarnwickLowGridValues == 31968 && kTarnwickHighGridValues == 148239 &&
                  kTarnwickDirectivityValues == 901035,
              "Tarnwick directivity layout");

// Brenlowe: sets BW-11H, BW-12H, BW-13H, BW-11, BW-12, BW-13 (model codes 0..5).
// The 1-degree grid holds the half circle 0..180 degrees.
constexpr int kBrenloweDirectivitySetCount = 6;
constexpr int kBrenloweLowGridBands = 12;  // bands 0..11
constexpr int kBrenloweHighGridFirstBand = 12;
constexpr int kBrenloweHighGridBands = 9;  // bands 12..20
constexpr int kBrenloweHighAzimuthColumns = 181;
constexpr std::size_t kBrenloweLowGridValues =
    std::size_t(kBrenloweLowGridBands) * kDirectivityLowPolarRows * kDirectivityLowAzimuthColumns;
constexpr std::size_t kBrenloweHighGridValues =
    std::size_t(kBrenloweHighGridBands) * kDirectivityHighPolarRows * kBrenloweHighAzimuthColumns;
constexpr std::size_t kBrenloweSetValues = kBrenloweLowGridValues + kBrenloweHighGridValues;
constexpr std::size_t kBrenloweDirectivityValues = kBrenloweDirectivitySetCount * kBrenloweSetValues;
static_assert(kBrenloweLowGridValues == 31968 && kBrenloweHighGridValues == 294849 &&
                  kBrenloweDirectivityValues == 1960902,
              "Brenlowe directivity layout");

// Pirrowan: sets PW-21S, PW-22S (enclosure types 0, 1). The 5-degree grid stores all 21 bands
// (the lookup reads it for bands 0..16); the 1-degree grid holds the full circle 0..359 degrees.
constexpr int kPirrowanDirectivitySetCount = 2;
constexpr int kPirrowanLowGridBands = 21;  // bands 0..20
constexpr int kPirrowanHighGridFirstBand = 17;
constexpr int kPirrowanHighGridBands = 4;  // bands 17..20
constexpr int kPirrowanHighAzimuthColumns = 360;
constexpr std::size_t kPirrowanLowGridValues =
    std::size_t(kPirrowanLowGridBands) * kDirectivityLowPolarRows * kDirectivityLowAzimuthColumns;
constexpr std::size_t kPirrowanHighGridValues =
    std::size_t(kPirrowanHighGridBands) * kDirectivityHighPolarRows * kPirrowanHighAzimuthColumns;
constexpr std::size_t kPirrowanSetValues = kPirrowanLowGridValues + kPirrowanHighGridValues;
constexpr std::size_t kPirrowanDirectivityValues = kPirrowanDirectivitySetCount * kPirrowanSetValues;
static_assert(kPirrowanLowGridValues == 55944 && kPirrowanHighGridValues == 260640 &&
                  kPirrowanDirectivityValues == 633168,
              "Pirrowan directivity layout");

// The tables themselves, 16-byte aligned, with the number of values actually linked beside each
// (a check that the generated data and the constants above agree).
extern "C" const std::int16_t kTarnwickDirectivity[];
extern "C" const std::int32_t kTarnwickDirectivityCount;
extern "C" const std::int16_t kBrenloweDirectivity[];
extern "C" const std::int32_t kBrenloweDirectivityCount;
extern "C" const std::int16_t kPirrowanDirectivity[];
extern "C" const std::int32_t kPirrowanDirectivityCount;

#endif  // DATA_DIRECTIVITY_TABLES_H
