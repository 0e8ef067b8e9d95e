// The engine's evaluation of a band group, four lanes at a time in SSE2.
//
// The interference factor of a pair in band w is the mean of cos(w' dt) over the band,
//   X = (sin(K w dt) - sin(w dt / K)) / (w dt (K - 1/K)),   dt = t_a - t_j.
// With U = p sin(K w t), V = p cos(K w t), W = p sin(w t / K), Z = p cos(w t / K) per
// sub-source, the pair term p_a p_j X becomes
//   (U_a V_j - V_a U_j - W_a Z_j + Z_a W_j) / dt / (w (K - 1/K)),
// so the sines and cosines are taken once per sub-source and band, and a pair costs only
// multiply-adds and one reciprocal shared by all bands of the group. For fixed a the four
// products factor out of the sum over j, leaving four running sums of (1/dt) x {V, U, Z, W}.
//
// That form loses accuracy where dt is small (it subtracts nearly equal products): pairs whose
// phase difference K w dt stays below kNearPhase in every band of the group are taken out of it
// and evaluated from dt directly with the power series of X, in double precision.
//
// The far pairs go to the pair kernel (frequency_response_pairs.h): SSE2, or in 64-bit builds the
// AVX2 kernel when simd_path.h chose it; everything else here is SSE2.
#include <emmintrin.h>

#include <cmath>

#include "frequency_response.h"
#include "frequency_response_pairs.h"
#include "level_limits.h"
#include "level_tables.h"

namespace {
constexpr double kSameTime = 1e-9;
// Padding entries behind the last sub-source: far from every real one, and silent.
constexpr double kPaddingTime = 1e30;
// Pairs whose phase difference K w dt stays below this in every band of the group (radians)
// are evaluated directly. Above it the separated form's rounding (a few units of 1e-7 of
// p_a p_j over w dt) stays far below what the band's total can notice even in its lowest band.
constexpr double kNearPhase = 0.25;
// Terms of the power series of X in (w dt)^2: enough for 1e-9 when K w dt <= 1.
constexpr int kSeriesTerms = 7;

// The engine's rows: one entry per sub-source, padded to a whole block of eight lanes.
constexpr int kRowCapacity = kMaxGroupSources + kPairLanePadding;
constexpr int kTableCapacity = kBandCount * kRowCapacity;
alignas(32) float amplitude[kTableCapacity];
alignas(32) float upperSin[kTableCapacity];
alignas(32) float upperCos[kTableCapacity];
alignas(32) float lowerSin[kTableCapacity];
alignas(32) float lowerCos[kTableCapacity];
alignas(32) double relativeTime[kRowCapacity];
alignas(32) float timeHigh[kRowCapacity];
alignas(32) float timeLow[kRowCapacity];
alignas(32) float inverseGap[kRowCapacity];
int nearList[kRowCapacity];
FarPairSums farPairSums;

// 10^(L/20) to within a few units in the last place: 2^y by a degree-7 polynomial on the
// fraction and the integer part put into the exponent field. A level above the loudest one
// counts as the loudest (the bound goes first into the min, so a NaN level takes the road it
// always took).
__m128 AmplitudeOfLevel(__m128 level) {
  const __m128 log2TenOver20 = _mm_set1_ps(0.16609640474436813f);
  level = _mm_min_ps(_mm_set1_ps(kLoudestSubSourceLevel), level);
  __m128 y = _mm_mul_ps(level, log2TenOver20);
  y = _mm_min_ps(_mm_max_ps(y, _mm_set1_ps(-126.0f)), _mm_set1_ps(127.0f));
  const __m128i n = _mm_cvtps_epi32(y);
  const __m128 f = _mm_sub_ps(y, _mm_cvtepi32_ps(n));
  // ln(2)^k / k!
  __m128 poly = _mm_set1_ps(1.5252733804059841e-05f);
  poly = _mm_add_ps(_mm_mul_ps(poly, f), _mm_set1_ps(1.5403530393381609e-04f));
  poly = _mm_add_ps(_mm_mul_ps(poly, f), _mm_set1_ps(1.3333558146428443e-03f));
  poly = _mm_add_ps(_mm_mul_ps(poly, f), _mm_set1_ps(9.6181291076284772e-03f));
  poly = _mm_add_ps(_mm_mul_ps(poly, f), _mm_set1_ps(5.5504108664821580e-02f));
  poly = _mm_add_ps(_mm_mul_ps(poly, f), _mm_set1_ps(2.4022650695910071e-01f));
  poly = _mm_add_ps(_mm_mul_ps(poly, f), _mm_set1_ps(6.9314718055994531e-01f));
  poly = _mm_add_ps(_mm_mul_ps(poly, f), _mm_set1_ps(1.0f));
  const __m128i exponentBits = _mm_slli_epi32(_mm_add_epi32(n, _mm_set1_epi32(127)), 23);
  return _mm_mul_ps(poly, _mm_castsi128_ps(exponentBits));
}

// Sine and cosine of four phases given in double precision: the reduction by quarter turns in
// double precision (two-part pi/2), the polynomials on [-pi/4, pi/4] in single precision. Always
// inlined: as a call it kept the phase loop from overlapping one block's work with the next.
inline __attribute__((always_inline)) void SinCos4(__m128d phase01, __m128d phase23,
                                                   __m128* sine, __m128* cosine) {
  const __m128d quartersPerRadian = _mm_set1_pd(0.63661977236758134);
  const __m128d quarterHigh = _mm_set1_pd(1.5707963267341256);
  const __m128d quarterLow = _mm_set1_pd(6.077100506506192e-11);
  const __m128i k01 = _mm_cvtpd_epi32(_mm_mul_pd(phase01, quartersPerRadian));
  const __m128i k23 = _mm_cvtpd_epi32(_mm_mul_pd(phase23, quartersPerRadian));
  const __m128d kd01 = _mm_cvtepi32_pd(k01);
  const __m128d kd23 = _mm_cvtepi32_pd(k23);
  const __m128d r01 = _mm_sub_pd(_mm_sub_pd(phase01, _mm_mul_pd(kd01, quarterHigh)),
                                 _mm_mul_pd(kd01, quarterLow));
  const __m128d r23 = _mm_sub_pd(_mm_sub_pd(phase23, _mm_mul_pd(kd23, quarterHigh)),
                                 _mm_mul_pd(kd23, quarterLow));
  const __m128 r = _mm_movelh_ps(_mm_cvtpd_ps(r01), _mm_cvtpd_ps(r23));
  const __m128i k = _mm_unpacklo_epi64(k01, k23);

  const __m128 r2 = _mm_mul_ps(r, r);
  __m128 s = _mm_set1_ps(2.7557319223985893e-06f);
  s = _mm_add_ps(_mm_mul_ps(s, r2), _mm_set1_ps(-1.9841269841269841e-04f));
  s = _mm_add_ps(_mm_mul_ps(s, r2), _mm_set1_ps(8.3333333333333332e-03f));
  s = _mm_add_ps(_mm_mul_ps(s, r2), _mm_set1_ps(-1.6666666666666666e-01f));
  s = _mm_add_ps(_mm_mul_ps(_mm_mul_ps(s, r2), r), r);
  __m128 c = _mm_set1_ps(-2.7557319223985888e-07f);
  c = _mm_add_ps(_mm_mul_ps(c, r2), _mm_set1_ps(2.4801587301587302e-05f));
  c = _mm_add_ps(_mm_mul_ps(c, r2), _mm_set1_ps(-1.3888888888888889e-03f));
  c = _mm_add_ps(_mm_mul_ps(c, r2), _mm_set1_ps(4.1666666666666664e-02f));
  c = _mm_add_ps(_mm_mul_ps(c, r2), _mm_set1_ps(-0.5f));
  c = _mm_add_ps(_mm_mul_ps(c, r2), _mm_set1_ps(1.0f));

  // Quarter turn q = k mod 4: odd q swaps sine and cosine; the sine is negative for q = 2, 3,
  // the cosine for q = 1, 2.
  const __m128i one = _mm_set1_epi32(1);
  const __m128 swap = _mm_castsi128_ps(_mm_cmpeq_epi32(_mm_and_si128(k, one), one));
  const __m128 sinValue = _mm_or_ps(_mm_and_ps(swap, c), _mm_andnot_ps(swap, s));
  const __m128 cosValue = _mm_or_ps(_mm_and_ps(swap, s), _mm_andnot_ps(swap, c));
  const __m128i two = _mm_set1_epi32(2);
  const __m128i sinSign = _mm_slli_epi32(_mm_and_si128(k, two), 30);
  const __m128i cosSign = _mm_slli_epi32(_mm_and_si128(_mm_add_epi32(k, one), two), 30);
  *sine = _mm_xor_ps(sinValue, _mm_castsi128_ps(sinSign));
  *cosine = _mm_xor_ps(cosValue, _mm_castsi128_ps(cosSign));
}

// Lanes of sub-sources i .. i + 3 that exist (i + lane < count).
__m128 ExistingLanes(int i, int count) {
  const __m128i lane = _mm_add_epi32(_mm_set1_epi32(i), _mm_set_epi32(3, 2, 1, 0));
  return _mm_castsi128_ps(_mm_cmplt_epi32(lane, _mm_set1_epi32(count)));
}

struct GroupConstants {
  double omega[kBandCount];
  double seriesCoefficient[kSeriesTerms];  // of (w dt)^(2n)
  float nearLimit;                         // |dt| below which a pair is evaluated directly
};

GroupConstants ConstantsOf(const ResponseGroup& g) {
  GroupConstants c{};
  const double kHi = K_HI;
  double highest = 0.0;
  for (int k = 0; k < g.bandCount; ++k) {
    c.omega[k] = BandAngularFrequency(g.firstBand + k);
    if (c.omega[k] > highest) highest = c.omega[k];
  }
  // X = sum over n of (-1)^n x^(2n) (K^(2n+1) - K^-(2n+1)) / ((2n+1)! (K - 1/K)).
  double kPower = kHi;
  double factorial = 1.0;
  for (int n = 0; n < kSeriesTerms; ++n) {
    const double sign = (n % 2) ? -1.0 : 1.0;
    c.seriesCoefficient[n] = sign * (kPower - 1.0 / kPower) / (factorial * (kHi - 1.0 / kHi));
    kPower *= kHi * kHi;
    factorial *= (2.0 * n + 2.0) * (2.0 * n + 3.0);
  }
  c.nearLimit = highest > 0.0 ? static_cast<float>(kNearPhase / (kHi * highest)) : 0.0f;
  return c;
}

// Entries per row of the engine's tables for a group of count sub-sources.
int RowStride(int count) { return (count + kPairLanePadding - 1) & ~(kPairLanePadding - 1); }

// Amplitudes of band row k (silent past the last sub-source) into the engine's table; returns
// their power sum. The squares are exact in double precision; two running sums of two lanes.
double PrepareAmplitudes(const ResponseGroup& g, int k, int stride) {
  const int row = k * stride;
  __m128d power01 = _mm_setzero_pd();
  __m128d power23 = _mm_setzero_pd();
  for (int i = 0; i < stride; i += 4) {
    const __m128 exists = ExistingLanes(i, g.count);
    // The group's own rows end at its stride; the lanes beyond are silent padding.
    const __m128 level =
        i < g.stride ? _mm_and_ps(exists, _mm_load_ps(&g.level[k * g.stride + i])) : _mm_setzero_ps();
    const __m128 p = _mm_and_ps(exists, AmplitudeOfLevel(level));
    _mm_store_ps(&amplitude[row + i], p);
    const __m128d p01 = _mm_cvtps_pd(p);
    const __m128d p23 = _mm_cvtps_pd(_mm_movehl_ps(p, p));
    power01 = _mm_add_pd(power01, _mm_mul_pd(p01, p01));
    power23 = _mm_add_pd(power23, _mm_mul_pd(p23, p23));
  }
  alignas(16) double lanes[2];
  _mm_store_pd(lanes, _mm_add_pd(power01, power23));
  return lanes[0] + lanes[1];
}

// p sin(w t) and p cos(w t) of every sub-source of band row k, from its amplitude, into the rows
// sine and cosine.
void PreparePhases(double omega, int k, int stride, int count, float* sine, float* cosine) {
  const int row = k * stride;
  const __m128d w = _mm_set1_pd(omega);
  for (int i = 0; i < stride; i += 4) {
    const __m128 exists = ExistingLanes(i, count);
    const __m128 p = _mm_load_ps(&amplitude[row + i]);
    __m128 s;
    __m128 co;
    SinCos4(_mm_mul_pd(_mm_load_pd(&relativeTime[i]), w),
            _mm_mul_pd(_mm_load_pd(&relativeTime[i + 2]), w), &s, &co);
    _mm_store_ps(&sine[row + i], _mm_and_ps(exists, _mm_mul_ps(p, s)));
    _mm_store_ps(&cosine[row + i], _mm_and_ps(exists, _mm_mul_ps(p, co)));
  }
}

void PrepareSubSources(const ResponseGroup& g, const GroupConstants& c, int stride,
                       double* powerSum) {
  const double origin = g.time[0];
  for (int i = 0; i < stride; ++i) {
    const double t = i < g.count ? g.time[i] - origin : kPaddingTime;
    relativeTime[i] = t;
    timeHigh[i] = static_cast<float>(t);
    timeLow[i] = static_cast<float>(t - timeHigh[i]);
  }
  // Amplitudes and phases in loops of their own, whose iterations do not wait for each other.
  for (int k = 0; k < g.bandCount; ++k) powerSum[k] = PrepareAmplitudes(g, k, stride);
  const double kHi = K_HI;
  for (int k = 0; k < g.bandCount; ++k) {
    PreparePhases(c.omega[k] * kHi, k, stride, g.count, upperSin, upperCos);
    PreparePhases(c.omega[k] / kHi, k, stride, g.count, lowerSin, lowerCos);
  }
}

// The pair (a, other), evaluated from dt with the power series of X.
void AddNearPair(const ResponseGroup& g, const GroupConstants& c, int stride, int a, int other,
                 double* nearSum) {
  const double dt = relativeTime[a] - relativeTime[other];
  const bool sameTime = -kSameTime < dt && dt < kSameTime;
  for (int k = 0; k < g.bandCount; ++k) {
    double factor = 1.0;
    if (!sameTime) {
      const double x = c.omega[k] * dt;
      const double y = x * x;
      factor = c.seriesCoefficient[kSeriesTerms - 1];
      for (int n = kSeriesTerms - 2; n >= 0; --n) factor = factor * y + c.seriesCoefficient[n];
    }
    const int row = k * stride;
    nearSum[k] += static_cast<double>(amplitude[row + a]) * amplitude[row + other] * factor;
  }
}
}  // namespace

void SumGroupEngine(const ResponseGroup& g, double* powerSum, double* crossSum) {
  for (int k = 0; k < g.bandCount; ++k) powerSum[k] = crossSum[k] = 0.0;
  if (g.count == 0) return;
  const GroupConstants c = ConstantsOf(g);
  const int stride = RowStride(g.count);
  PrepareSubSources(g, c, stride, powerSum);

  const PairTables tables{g.bandCount, stride,   relativeTime, timeHigh,    timeLow,   upperSin,
                          upperCos,    lowerSin, lowerCos,     c.nearLimit, inverseGap};
  const FarPairKernel addFarPairs = ActiveFarPairKernel();
  farPairSums = FarPairSums{};
  double nearSum[kBandCount] = {};
  for (int a = 0; a + 1 < g.count; ++a) {
    const int nearCount = addFarPairs(tables, a, farPairSums, nearList);
    for (int n = 0; n < nearCount; ++n) AddNearPair(g, c, stride, a, nearList[n], nearSum);
  }
  const double span = static_cast<double>(K_HI) - 1.0 / K_HI;
  for (int k = 0; k < g.bandCount; ++k) {
    const double* lanes = farPairSums.lane[k];
    const double far = ((lanes[0] + lanes[1]) + (lanes[2] + lanes[3])) +
                       ((lanes[4] + lanes[5]) + (lanes[6] + lanes[7]));
    crossSum[k] = far / (c.omega[k] * span) + nearSum[k];
  }
}
