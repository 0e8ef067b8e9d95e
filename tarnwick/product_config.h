// Identity and capacities of the Tarnwick plug-in (24-box family).
#pragma once
#include <cstdint>

namespace product {
constexpr char kName[] = "Kestrane Orlex-Tarnwick";
constexpr char kParameterLabel[] = "Kestrane Orlex-Tarnwick Setup";
constexpr char kAppName[] = "Tarnwick.dll";
constexpr int kVersion = 3000000;
constexpr int kMaxBoxes = 24;
constexpr int kSeats = 1;
constexpr int kBlockWords = 518;
constexpr char kTag[4] = {'T', 'n', 'k', 0};
// Tarnwick reports no directivity index through DLLGetDirectivity.
constexpr bool kReportsDirectivityIndex = false;
constexpr int kModelKinds = 9;
}  // namespace product
