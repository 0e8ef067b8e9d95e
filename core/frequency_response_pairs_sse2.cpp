// The pair sums of a band group, four lanes at a time in SSE2.
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
}  // namespace

int AddFarPairsSse2(const PairTables& t, int a, FarPairSums& sums, int* nearList) {
  const int firstBlock = (a + 1) & ~3;
  const __m128d ta = _mm_set1_pd(t.relativeTime[a]);
  const __m128 limit = _mm_set1_ps(t.nearLimit);
  const __m128 magnitudeMask = _mm_castsi128_ps(_mm_set1_epi32(0x7fffffff));
  const __m128 two = _mm_set1_ps(2.0f);
  int nearCount = 0;
  for (int j = firstBlock; j < t.stride; j += 4) {
    const __m128d d01 = _mm_sub_pd(ta, _mm_loadu_pd(&t.relativeTime[j]));
    const __m128d d23 = _mm_sub_pd(ta, _mm_loadu_pd(&t.relativeTime[j + 2]));
    const __m128 dt = _mm_movelh_ps(_mm_cvtpd_ps(d01), _mm_cvtpd_ps(d23));
    const __m128 after = j == firstBlock ? LanesAfter(a, j) : _mm_castsi128_ps(_mm_set1_epi32(-1));
    const __m128 near = _mm_and_ps(after, _mm_cmplt_ps(_mm_and_ps(dt, magnitudeMask), limit));
    const __m128 far = _mm_andnot_ps(near, after);
    // 1/dt from the reciprocal estimate and one Newton step, r (2 - dt r): a few units in the
    // last place, at a fraction of the cost of a division.
    const __m128 estimate = _mm_rcp_ps(dt);
    const __m128 inverse = _mm_mul_ps(estimate, _mm_sub_ps(two, _mm_mul_ps(dt, estimate)));
    _mm_storeu_ps(&t.inverseGap[j], _mm_and_ps(far, inverse));
    int nearMask = _mm_movemask_ps(near);
    for (int lane = 0; nearMask; ++lane, nearMask >>= 1)
      if (nearMask & 1) nearList[nearCount++] = j + lane;
  }

  for (int k = 0; k < t.bandCount; ++k) {
    const int row = k * t.stride;
    __m128 sumV = _mm_setzero_ps();
    __m128 sumU = _mm_setzero_ps();
    __m128 sumZ = _mm_setzero_ps();
    __m128 sumW = _mm_setzero_ps();
    for (int j = firstBlock; j < t.stride; j += 4) {
      const __m128 inv = _mm_loadu_ps(&t.inverseGap[j]);
      sumV = _mm_add_ps(sumV, _mm_mul_ps(inv, _mm_loadu_ps(&t.upperCos[row + j])));
      sumU = _mm_add_ps(sumU, _mm_mul_ps(inv, _mm_loadu_ps(&t.upperSin[row + j])));
      sumZ = _mm_add_ps(sumZ, _mm_mul_ps(inv, _mm_loadu_ps(&t.lowerCos[row + j])));
      sumW = _mm_add_ps(sumW, _mm_mul_ps(inv, _mm_loadu_ps(&t.lowerSin[row + j])));
    }
    // U_a sum(V/dt) - V_a sum(U/dt) - (W_a sum(Z/dt) - Z_a sum(W/dt)), lane by lane; the lanes
    // are added up once, after the last sub-source.
    const __m128 upper = _mm_sub_ps(_mm_mul_ps(_mm_set1_ps(t.upperSin[row + a]), sumV),
                                    _mm_mul_ps(_mm_set1_ps(t.upperCos[row + a]), sumU));
    const __m128 lower = _mm_sub_ps(_mm_mul_ps(_mm_set1_ps(t.lowerSin[row + a]), sumZ),
                                    _mm_mul_ps(_mm_set1_ps(t.lowerCos[row + a]), sumW));
    Accumulate(_mm_sub_ps(upper, lower), sums.lane[k]);
  }
  return nearCount;
}
