// Identity and capacities of the Pirrowan plug-in (6-box family, two enclosure types).
#pragma once
#include <cstdint>

namespace product {
constexpr char kName[] = "Kestrane Prw";
constexpr char kParameterLabel[] = "Kestrane Prw Setup";
constexpr char kAppName[] = "Pirrowan.dll";
constexpr int kVersion = 1503000;
constexpr int kMaxBoxes = 6;
constexpr int kSeats = 1;
constexpr int kBlockWords = 264;
constexpr char kTag[4] = {'P', 'r', 'w', 0};
constexpr bool kReportsDirectivityIndex = true;
constexpr int kModelKinds = 2;  // one ModelSplTable row per enclosure type
}  // namespace product
