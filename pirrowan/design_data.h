// Word numbers of Pirrowan's design data inside its settings block (box i counts from 0).
#pragma once

namespace design {
constexpr int kBoxCount = 2;
constexpr int kEnclosureType = 3;    // 0 PW-21S, 1 PW-22S
constexpr int kExcessAir = 4;
constexpr int kOverallAttenuation = 6;
constexpr int kAiming = 7;           // tenths of a degree, sign inverted
constexpr int kAttenuation = 8;      // + i, tenths of a dB
constexpr int kDelay = 14;           // + i, microseconds
constexpr int kHfLevelIndex = 20;    // + i: 0 "+3", 1 "0", 2 "-3"
constexpr int kEqRows = 26;          // + 6i
constexpr int kEqGroups = 62;        // + 8i
constexpr int kEqRowCapacity = 6;
}  // namespace design
