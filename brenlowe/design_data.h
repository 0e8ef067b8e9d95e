// Word numbers of Brenlowe's design data inside its settings block (box i counts from 0).
#pragma once

namespace design {
constexpr int kBoxCount = 2;
constexpr int kExcessAir = 3;
constexpr int kAiming = 4;           // tenths of a degree, sign inverted
constexpr int kHingeBase = 4;        // junction j (1..13) at kHingeBase + j, tenths of a degree
constexpr int kAttenuation = 18;     // + i, tenths of a dB
constexpr int kDelay = 32;           // + i, microseconds
constexpr int kModelCode = 46;       // + i, 0..5
constexpr int kHorizSymmetric = 60;
constexpr int kOverallAttenuation = 61;
constexpr int kEqRows = 62;          // + 6i
constexpr int kEqGroups = 146;       // + 8i
constexpr int kEqRowCapacity = 14;
}  // namespace design
