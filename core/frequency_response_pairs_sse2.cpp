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

// What the gap passes read and write, held by value: the stores into the gap row could otherwise
// alias the tables for the compiler, which then reloads their pointers every block.
struct GapRows {
  const float* timeHigh;
  const float* timeLow;
  float* inverseGap;
  int stride;
  __m128 taHigh;  // the time of sub-source a, high and low parts in every lane
  __m128 taLow;
  __m128 limit;   // the near limit in every lane
};

// t_a - t_j for the block at j, from the high and low parts: the difference of the high parts is
// exact where they lie within a factor of two of each other and rounded once elsewhere.
inline __m128 GapsOf(const GapRows& r, int j) {
  return _mm_add_ps(_mm_sub_ps(r.taHigh, _mm_load_ps(r.timeHigh + j)),
                    _mm_sub_ps(r.taLow, _mm_load_ps(r.timeLow + j)));
}

// The lanes of a block whose gap is below the near limit.
inline __m128 NearLanes(const GapRows& r, __m128 dt) {
  const __m128 magnitudeMask = _mm_castsi128_ps(_mm_set1_epi32(0x7fffffff));
  return _mm_cmplt_ps(_mm_and_ps(dt, magnitudeMask), r.limit);
}

// 1/dt from the reciprocal estimate and one Newton step, r (2 - dt r): a few units in the last
// place, at a fraction of the cost of a division.
inline __m128 Reciprocal(__m128 dt) {
  const __m128 estimate = _mm_rcp_ps(dt);
  return _mm_mul_ps(estimate, _mm_sub_ps(_mm_set1_ps(2.0f), _mm_mul_ps(dt, estimate)));
}

// The reciprocal gaps 1/(t_a - t_j) of every partner j > a into the gap row, 0 in the lanes up
// to a of the first block. Near pairs are rare: this pass only notes where it saw one, so that
// its loop holds no lane mask and takes no branch.
inline __m128 StoreGaps(const GapRows& r, int a, int firstBlock) {
  const __m128 after = LanesAfter(a, firstBlock);
  __m128 dt = GapsOf(r, firstBlock);
  __m128 anyNear = _mm_and_ps(after, NearLanes(r, dt));
  _mm_store_ps(r.inverseGap + firstBlock, _mm_and_ps(after, Reciprocal(dt)));
  for (int j = firstBlock + 4; j < r.stride; j += 4) {
    dt = GapsOf(r, j);
    anyNear = _mm_or_ps(anyNear, NearLanes(r, dt));
    _mm_store_ps(r.inverseGap + j, Reciprocal(dt));
  }
  return anyNear;
}

// Takes the near pairs of a out of the gap row (their gap 0) and writes their j to nearList;
// returns how many there are.
int TakeOutNearPairs(const GapRows& r, int a, int firstBlock, int* nearList) {
  int nearCount = 0;
  for (int j = firstBlock; j < r.stride; j += 4) {
    __m128 near = NearLanes(r, GapsOf(r, j));
    if (j == firstBlock) near = _mm_and_ps(LanesAfter(a, j), near);
    int nearMask = _mm_movemask_ps(near);
    if (!nearMask) continue;
    _mm_store_ps(r.inverseGap + j, _mm_andnot_ps(near, _mm_load_ps(r.inverseGap + j)));
    for (int lane = 0; nearMask; ++lane, nearMask >>= 1)
      if (nearMask & 1) nearList[nearCount++] = j + lane;
  }
  return nearCount;
}
}  // namespace

int AddFarPairsSse2(const PairTables& t, int a, FarPairSums& sums, int* nearList) {
  const int firstBlock = (a + 1) & ~3;
  const int stride = t.stride;
  const float* inverseGap = t.inverseGap;
  const GapRows rows{t.timeHigh, t.timeLow, t.inverseGap, stride, _mm_set1_ps(t.timeHigh[a]),
                     _mm_set1_ps(t.timeLow[a]), _mm_set1_ps(t.nearLimit)};
  const bool hasNearPairs = _mm_movemask_ps(StoreGaps(rows, a, firstBlock)) != 0;
  const int nearCount = hasNearPairs ? TakeOutNearPairs(rows, a, firstBlock, nearList) : 0;

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
