// Word numbers of Tarnwick's design data inside its settings block (box i counts from 0).
#pragma once

namespace design {
constexpr int kBoxCount = 2;
constexpr int kExcessAir = 3;
constexpr int kReserved4 = 4;
constexpr int kReserved5 = 5;
constexpr int kAiming = 6;       // tenths of a degree, sign inverted
constexpr int kSplayBase = 6;    // junction j (1..23) at kSplayBase + j, whole degrees
constexpr int kGain = 34;        // + i, tenths of a dB
constexpr int kDelay = 62;       // + i, microseconds
constexpr int kModelCode = 90;   // + i
constexpr int kEqRows = 118;     // + 6i: 21 signed bytes of EqGain
constexpr int kEqGroups = 286;   // + 8i: 8 packed groups and 8 zero bytes
constexpr int kJunctionCode = 486;  // + i
constexpr int kEqRowCapacity = 28;
}  // namespace design
