// Identity and capacities of the Brenlowe plug-in (14-box family, four seats).
#pragma once
#include <cstdint>

namespace product {
constexpr char kName[] = "Kestrane Bwl";
constexpr char kParameterLabel[] = "Kestrane Bwl Setup";
constexpr char kAppName[] = "Brenlowe.dll";
constexpr int kVersion = 1500000;
constexpr int kMaxBoxes = 14;
constexpr int kSeats = 4;
constexpr int kBlockWords = 264;
constexpr char kTag[4] = {'B', 'w', 'l', 0};
constexpr bool kReportsDirectivityIndex = true;
constexpr int kModelKinds = 6;
}  // namespace product
