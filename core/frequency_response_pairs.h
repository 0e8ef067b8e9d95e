// The pair sums of one band group, the part of the response that grows with the square of the
// sub-source count: an SSE2 kernel, the only one of the 32-bit plug-ins, and in 64-bit builds an
// AVX2 kernel with FMA beside it, chosen at run time (simd_path.h).
#pragma once
#include "bands.h"
#include "simd_path.h"

// Entries the per-pair rows reserve after the last sub-source: enough to end a row on a whole
// block of eight lanes.
constexpr int kPairLanePadding = 8;

// What the kernels read and write for one group. Rows hold stride entries, stride a multiple of
// 8, padded with silent sub-sources far away in time; every table starts on a 32-byte boundary
// (the SSE2 kernel reads whole aligned blocks of four).
struct PairTables {
  int bandCount;
  int stride;
  // Arrival times relative to the group's first sub-source (seconds), stride entries; and the
  // same times as the sum of two floats, high + low (high the time rounded to single precision),
  // from which the SSE2 kernel forms differences good to a few units in the last place of a float.
  const double* relativeTime;
  const float* timeHigh;
  const float* timeLow;
  // p sin(K w t), p cos(K w t), p sin(w t / K), p cos(w t / K) per sub-source, band row k at
  // k * stride.
  const float* upperSin;
  const float* upperCos;
  const float* lowerSin;
  const float* lowerCos;
  // Pairs closer in time than this (seconds) are left to the caller's direct evaluation.
  float nearLimit;
  // Scratch row of stride entries: 1/dt of the pairs of one sub-source.
  float* inverseGap;
};

// Running sums over the far pairs, eight lanes per band (the SSE2 kernel fills four of them);
// S_far[k] = sum of the lanes of band k.
struct FarPairSums {
  double lane[kBandCount][8];
};

// Adds the far pairs (a, j), j > a, to sums: per band the sum of
// p_a p_j (sin(K w dt) - sin(w dt / K)) / dt. Writes the j of the near pairs (a < j, |dt| below
// nearLimit) to nearList (room for stride entries) and returns how many there are.
int AddFarPairsSse2(const PairTables& tables, int a, FarPairSums& sums, int* nearList);
#if PLUGINS_AVX2_KERNEL
int AddFarPairsAvx2(const PairTables& tables, int a, FarPairSums& sums, int* nearList);
#endif

using FarPairKernel = int (*)(const PairTables& tables, int a, FarPairSums& sums, int* nearList);

// The kernel of the engine's active path.
inline FarPairKernel ActiveFarPairKernel() {
#if PLUGINS_AVX2_KERNEL
  if (ActiveSimdPath() == SimdPath::kAvx2) return AddFarPairsAvx2;
#endif
  return AddFarPairsSse2;
}
