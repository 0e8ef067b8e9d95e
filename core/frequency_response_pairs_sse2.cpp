// The pair sums of a band group, four lanes at a time in SSE2.
//
// The 32-bit build has eight xmm registers, and the inner loop is written to fit them: four
// running sums, the reciprocal gaps of two blocks and two products. Two blocks of four partners
// go through each pass and their products are added to each other before they meet the running
// sum, so that each sum waits for one addition latency per eight partners instead of per four;
// with four sums and one block per pass the loop would run at that latency, not at the adders'
// rate.
#include <emmintrin.h>

#include "frequency_response_pairs.h"

namespace {
// Lanes of the block starting at first that lie after sub-source a.
__m128 LanesAfter(int a, int first) {
  const __m128i lane = _mm_add_epi32(_mm_set1_epi32(first), _mm_set_epi32(3, 2, 1, 0));
  return _mm_castsi128_ps(_mm_cmpgt_epi32(lane, _mm_set1_epi32(a)));
}

// Adds the lanes of partial to lanes 0..3 of a band's running sums.
void Accumulate(__m128 partial, double* lanes) {
  const __m128d low = _mm_cvtps_pd(partial);
  const __m128d high = _mm_cvtps_pd(_mm_movehl_ps(partial, partial));
  _mm_storeu_pd(lanes, _mm_add_pd(_mm_loadu_pd(lanes), low));
  _mm_storeu_pd(lanes + 2, _mm_add_pd(_mm_loadu_pd(lanes + 2), high));
}

// inv x row, for the four lanes of row at j.
inline __m128 Weighted(__m128 inv, const float* row, int j) {
  return _mm_mul_ps(inv, _mm_load_ps(row + j));
}

// inv0 x row + inv1 x row, for the blocks of row at j and j + 4.
inline __m128 TwoBlocks(__m128 inv0, __m128 inv1, const float* row, int j) {
  return _mm_add_ps(Weighted(inv0, row, j), Weighted(inv1, row, j + 4));
}

// The reciprocal gaps 1/(t_a - t_j) of the block at j into inverseGap, 0 for the near pairs,
// whose j go to nearList, and, in the block of a itself (firstOfRow), for the lanes up to a;
// returns the new count of near pairs. Past the first block every lane is a partner, and no mask
// is held: the loop keeps ta, the limit and 2 in registers beside its temporaries.
template <bool firstOfRow>
inline int GapsOfBlock(__m128d ta, const double* time, __m128 limit, int a, int j,
                       float* inverseGap, int* nearList, int nearCount) {
  const __m128 magnitudeMask = _mm_castsi128_ps(_mm_set1_epi32(0x7fffffff));
  const __m128d d01 = _mm_sub_pd(ta, _mm_load_pd(time + j));
  const __m128d d23 = _mm_sub_pd(ta, _mm_load_pd(time + j + 2));
  const __m128 dt = _mm_movelh_ps(_mm_cvtpd_ps(d01), _mm_cvtpd_ps(d23));
  __m128 near = _mm_cmplt_ps(_mm_and_ps(dt, magnitudeMask), limit);
  // 1/dt from the reciprocal estimate and one Newton step, r (2 - dt r): a few units in the
  // last place, at a fraction of the cost of a division.
  const __m128 estimate = _mm_rcp_ps(dt);
  __m128 inverse = _mm_mul_ps(estimate, _mm_sub_ps(_mm_set1_ps(2.0f), _mm_mul_ps(dt, estimate)));
  if (firstOfRow) {
    const __m128 after = LanesAfter(a, j);
    near = _mm_and_ps(after, near);
    inverse = _mm_and_ps(after, inverse);
  }
  _mm_store_ps(inverseGap + j, _mm_andnot_ps(near, inverse));
  int nearMask = _mm_movemask_ps(near);
  for (int lane = 0; nearMask; ++lane, nearMask >>= 1)
    if (nearMask & 1) nearList[nearCount++] = j + lane;
  return nearCount;
}
}  // namespace

int AddFarPairsSse2(const PairTables& t, int a, FarPairSums& sums, int* nearList) {
  const int firstBlock = (a + 1) & ~3;
  const int stride = t.stride;
  // The tables' pointers in locals: the stores below could otherwise alias t for the compiler.
  const double* time = t.relativeTime;
  float* inverseGap = t.inverseGap;
  const __m128 limit = _mm_set1_ps(t.nearLimit);
  const __m128d ta = _mm_set1_pd(time[a]);
  int nearCount = GapsOfBlock<true>(ta, time, limit, a, firstBlock, inverseGap, nearList, 0);
  for (int j = firstBlock + 4; j < stride; j += 4)
    nearCount = GapsOfBlock<false>(ta, time, limit, a, j, inverseGap, nearList, nearCount);

  // An odd block count starts with one block alone; the rest go two at a time.
  const bool oddBlock = ((stride - firstBlock) & 4) != 0;
  for (int k = 0; k < t.bandCount; ++k) {
    const int row = k * stride;
    const float* upperCos = t.upperCos + row;
    const float* upperSin = t.upperSin + row;
    const float* lowerCos = t.lowerCos + row;
    const float* lowerSin = t.lowerSin + row;
    __m128 sumV = _mm_setzero_ps();
    __m128 sumU = _mm_setzero_ps();
    __m128 sumZ = _mm_setzero_ps();
    __m128 sumW = _mm_setzero_ps();
    int j = firstBlock;
    if (oddBlock) {
      const __m128 inv = _mm_load_ps(inverseGap + j);
      sumV = Weighted(inv, upperCos, j);
      sumU = Weighted(inv, upperSin, j);
      sumZ = Weighted(inv, lowerCos, j);
      sumW = Weighted(inv, lowerSin, j);
      j += 4;
    }
    for (; j < stride; j += 8) {
      const __m128 inv0 = _mm_load_ps(inverseGap + j);
      const __m128 inv1 = _mm_load_ps(inverseGap + j + 4);
      sumV = _mm_add_ps(sumV, TwoBlocks(inv0, inv1, upperCos, j));
      sumU = _mm_add_ps(sumU, TwoBlocks(inv0, inv1, upperSin, j));
      sumZ = _mm_add_ps(sumZ, TwoBlocks(inv0, inv1, lowerCos, j));
      sumW = _mm_add_ps(sumW, TwoBlocks(inv0, inv1, lowerSin, j));
    }
    // U_a sum(V/dt) - V_a sum(U/dt) - (W_a sum(Z/dt) - Z_a sum(W/dt)), lane by lane; the lanes
    // are added up once, after the last sub-source.
    const __m128 upper = _mm_sub_ps(_mm_mul_ps(_mm_set1_ps(upperSin[a]), sumV),
                                    _mm_mul_ps(_mm_set1_ps(upperCos[a]), sumU));
    const __m128 lower = _mm_sub_ps(_mm_mul_ps(_mm_set1_ps(lowerSin[a]), sumZ),
                                    _mm_mul_ps(_mm_set1_ps(lowerCos[a]), sumW));
    Accumulate(_mm_sub_ps(upper, lower), sums.lane[k]);
  }
  return nearCount;
}
