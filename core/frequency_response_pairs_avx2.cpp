// The pair sums of a band group, eight lanes at a time with AVX2 and FMA: 64-bit builds only, and
// only reached when the processor and the operating system support them (simd_path.h).
// Everything in this file is compiled for that instruction set and nothing outside it calls into
// it but the engine's choice of kernel.
#include "frequency_response_pairs.h"

#if PLUGINS_AVX2_KERNEL
#include <immintrin.h>

#define AVX2_FMA __attribute__((target("avx2,fma")))

namespace {
// Lane masks for the first block of a row: entries 8 - offset .. 15 - offset give the lanes
// lane >= offset.
alignas(32) const int kLaneMaskTable[16] = {0, 0, 0, 0, 0, 0, 0, 0, -1, -1, -1, -1, -1, -1, -1, -1};

// inv0 x row + inv1 x row, for the blocks of row at j and j + 8. Always inlined: the kernel
// must stay a leaf.
AVX2_FMA __attribute__((always_inline)) inline __m256 TwoBlocks(__m256 inv0, __m256 inv1,
                                                                const float* row, int j) {
  return _mm256_add_ps(_mm256_mul_ps(inv0, _mm256_loadu_ps(row + j)),
                       _mm256_mul_ps(inv1, _mm256_loadu_ps(row + j + 8)));
}
}  // namespace

AVX2_FMA int AddFarPairsAvx2(const PairTables& t, int a, FarPairSums& sums, int* nearList) {
  const int firstBlock = (a + 1) & ~7;
  const int stride = t.stride;
  // The tables' pointers in locals: the stores below could otherwise alias t for the compiler.
  const double* time = t.relativeTime;
  float* inverseGap = t.inverseGap;
  const __m256d ta = _mm256_set1_pd(time[a]);
  const __m256 limit = _mm256_set1_ps(t.nearLimit);
  const __m256 magnitudeMask = _mm256_castsi256_ps(_mm256_set1_epi32(0x7fffffff));
  const __m256 two = _mm256_set1_ps(2.0f);
  // Lanes at or before a in the first block are no pairs of a.
  __m256 after = _mm256_loadu_ps(
      reinterpret_cast<const float*>(&kLaneMaskTable[8 - (a + 1 - firstBlock)]));
  int nearCount = 0;
  for (int j = firstBlock; j < stride; j += 8) {
    const __m256d d0 = _mm256_sub_pd(ta, _mm256_loadu_pd(time + j));
    const __m256d d1 = _mm256_sub_pd(ta, _mm256_loadu_pd(time + j + 4));
    const __m256 dt =
        _mm256_insertf128_ps(_mm256_castps128_ps256(_mm256_cvtpd_ps(d0)), _mm256_cvtpd_ps(d1), 1);
    const __m256 near =
        _mm256_and_ps(after, _mm256_cmp_ps(_mm256_and_ps(dt, magnitudeMask), limit, _CMP_LT_OQ));
    const __m256 far = _mm256_andnot_ps(near, after);
    // 1/dt from the reciprocal estimate and one Newton step: r (2 - dt r).
    const __m256 estimate = _mm256_rcp_ps(dt);
    const __m256 inverse = _mm256_mul_ps(estimate, _mm256_fnmadd_ps(dt, estimate, two));
    _mm256_storeu_ps(inverseGap + j, _mm256_and_ps(far, inverse));
    unsigned nearMask = static_cast<unsigned>(_mm256_movemask_ps(near));
    for (int lane = 0; nearMask; ++lane, nearMask >>= 1)
      if (nearMask & 1u) nearList[nearCount++] = j + lane;
    after = _mm256_castsi256_ps(_mm256_set1_epi32(-1));
  }

  // As in the SSE2 kernel, two blocks per pass with their products added to each other first:
  // each running sum then waits for one addition per sixteen partners.
  const bool oddBlock = ((stride - firstBlock) & 8) != 0;
  for (int k = 0; k < t.bandCount; ++k) {
    const int row = k * stride;
    const float* upperCos = t.upperCos + row;
    const float* upperSin = t.upperSin + row;
    const float* lowerCos = t.lowerCos + row;
    const float* lowerSin = t.lowerSin + row;
    __m256 sumV = _mm256_setzero_ps();
    __m256 sumU = _mm256_setzero_ps();
    __m256 sumZ = _mm256_setzero_ps();
    __m256 sumW = _mm256_setzero_ps();
    const int pairedEnd = oddBlock ? stride - 8 : stride;
    int j = firstBlock;
    for (; j < pairedEnd; j += 16) {
      // Multiply, then add: the running sums wait only for the shorter latency of an add.
      const __m256 inv0 = _mm256_loadu_ps(inverseGap + j);
      const __m256 inv1 = _mm256_loadu_ps(inverseGap + j + 8);
      sumV = _mm256_add_ps(sumV, TwoBlocks(inv0, inv1, upperCos, j));
      sumU = _mm256_add_ps(sumU, TwoBlocks(inv0, inv1, upperSin, j));
      sumZ = _mm256_add_ps(sumZ, TwoBlocks(inv0, inv1, lowerCos, j));
      sumW = _mm256_add_ps(sumW, TwoBlocks(inv0, inv1, lowerSin, j));
    }
    if (oddBlock) {  // the last block of the row, alone
      const __m256 inv = _mm256_loadu_ps(inverseGap + j);
      sumV = _mm256_fmadd_ps(inv, _mm256_loadu_ps(upperCos + j), sumV);
      sumU = _mm256_fmadd_ps(inv, _mm256_loadu_ps(upperSin + j), sumU);
      sumZ = _mm256_fmadd_ps(inv, _mm256_loadu_ps(lowerCos + j), sumZ);
      sumW = _mm256_fmadd_ps(inv, _mm256_loadu_ps(lowerSin + j), sumW);
    }
    // U_a sum(V/dt) - V_a sum(U/dt) - W_a sum(Z/dt) + Z_a sum(W/dt), lane by lane.
    __m256 partial = _mm256_mul_ps(_mm256_set1_ps(upperSin[a]), sumV);
    partial = _mm256_fnmadd_ps(_mm256_set1_ps(upperCos[a]), sumU, partial);
    partial = _mm256_fnmadd_ps(_mm256_set1_ps(lowerSin[a]), sumZ, partial);
    partial = _mm256_fmadd_ps(_mm256_set1_ps(lowerCos[a]), sumW, partial);
    double* lanes = sums.lane[k];
    const __m256d low = _mm256_cvtps_pd(_mm256_castps256_ps128(partial));
    const __m256d high = _mm256_cvtps_pd(_mm256_extractf128_ps(partial, 1));
    _mm256_storeu_pd(lanes, _mm256_add_pd(_mm256_loadu_pd(lanes), low));
    _mm256_storeu_pd(lanes + 4, _mm256_add_pd(_mm256_loadu_pd(lanes + 4), high));
  }
  return nearCount;
}
#endif
