// The reference design of the response sums as it runs on a processor with SSE: single
// precision, four bands per vector, FastPow4 for the amplitudes and FastSin4 twice for every pair
// and four bands, pairs taken one by one (a ascending, j from a + 1). A band left over after the
// groups of four (band 16 of the mid group) takes its two sines from one FastSin4 call with two
// lanes in use, its amplitude from the standard power function.
//
// Written for speed as that design would be: every per-sub-source quantity formed once before
// the pair loop, the amplitudes of a sub-source's four bands side by side, the division by K_HI
// taken as a multiplication by 1/K_HI.
#include <emmintrin.h>

#include <cmath>

#include "level_tables.h"
#include "reference_response.h"

namespace {
constexpr int kMaxVectors = (kBandCount + 3) / 4;
constexpr float kSameTime = 1e-9f;

// Amplitudes of sub-source i: vector v holds bands 4v .. 4v + 3 of the group, then the band left
// over, if any.
alignas(16) __m128 bandAmplitudes[kMaxGroupSources][kMaxVectors];
float leftOverAmplitude[kMaxGroupSources];

__m128 Splat(float value) { return _mm_set1_ps(value); }
__m128 IntBits(int bits) { return _mm_castsi128_ps(_mm_set1_epi32(bits)); }

// |x| 0.63662 split into q whole quarter turns and r in [0, 1] (mirrored for odd q); an odd
// degree-7 polynomial in r, the sign of x flipped for q = 2, 3 (mod 4).
__m128 FastSin4(__m128 x) {
  const __m128 u = _mm_mul_ps(_mm_and_ps(x, IntBits(0x7fffffff)), Splat(0.63662f));
  const __m128i q = _mm_cvttps_epi32(u);
  __m128 r = _mm_min_ps(_mm_sub_ps(u, _mm_cvtepi32_ps(q)), Splat(1.0f));
  const __m128 odd = _mm_castsi128_ps(
      _mm_cmpeq_epi32(_mm_and_si128(q, _mm_set1_epi32(1)), _mm_set1_epi32(1)));
  r = _mm_or_ps(_mm_and_ps(odd, _mm_sub_ps(Splat(1.0f), r)), _mm_andnot_ps(odd, r));
  const __m128 sign = _mm_xor_ps(_mm_and_ps(x, IntBits(static_cast<int>(0x80000000u))),
                                 _mm_castsi128_ps(_mm_slli_epi32(
                                     _mm_and_si128(q, _mm_set1_epi32(2)), 30)));
  const __m128 r2 = _mm_mul_ps(r, r);
  __m128 poly = _mm_add_ps(_mm_mul_ps(r2, Splat(-0.00468175f)), Splat(0.0796926f));
  poly = _mm_add_ps(_mm_mul_ps(r2, poly), Splat(-0.645964f));
  poly = _mm_add_ps(_mm_mul_ps(r2, poly), Splat(1.5708f));
  return _mm_xor_ps(_mm_mul_ps(r, poly), sign);
}

// Each lane base^exponent: a rational log2 of the base (with reciprocal estimates), times the
// exponent, then 2^w from a rational 2^f and the integer part in the exponent field.
__m128 FastPow4(__m128 base, __m128 exponent) {
  const __m128 positive = _mm_cmpgt_ps(base, _mm_setzero_ps());
  const __m128 b = _mm_max_ps(base, Splat(1.17549435e-38f));
  const __m128i bits = _mm_castps_si128(b);
  const __m128 e = _mm_cvtepi32_ps(_mm_sub_epi32(_mm_srli_epi32(bits, 23), _mm_set1_epi32(127)));
  const __m128 m = _mm_castsi128_ps(
      _mm_or_si128(_mm_and_si128(bits, _mm_set1_epi32(0x007fffff)), _mm_set1_epi32(0x3f800000)));
  const __m128 z = _mm_mul_ps(_mm_mul_ps(Splat(2.0f), _mm_sub_ps(m, Splat(1.0f))),
                              _mm_rcp_ps(_mm_add_ps(m, Splat(1.0f))));
  const __m128 u = _mm_mul_ps(z, z);
  const __m128 p = _mm_sub_ps(
      _mm_mul_ps(_mm_add_ps(_mm_mul_ps(Splat(-0.78958f), u), Splat(16.3867f)), u), Splat(64.141f));
  const __m128 q = _mm_sub_ps(
      _mm_mul_ps(_mm_add_ps(_mm_mul_ps(Splat(-35.6723f), u), Splat(312.094f)), u),
      Splat(769.692f));
  const __m128 log2Base = _mm_add_ps(
      e, _mm_mul_ps(Splat(1.4427f),
                    _mm_add_ps(z, _mm_mul_ps(_mm_mul_ps(_mm_mul_ps(z, u), p), _mm_rcp_ps(q)))));

  const __m128 w = _mm_min_ps(_mm_max_ps(_mm_mul_ps(exponent, log2Base), Splat(-127.5f)),
                              Splat(127.5f));
  const __m128 half = _mm_add_ps(w, Splat(0.5f));
  // The integer part of w + 0.5, less 1 when w + 0.5 <= 0 (the mask is -1 there).
  const __m128i n = _mm_add_epi32(_mm_cvttps_epi32(half),
                                  _mm_castps_si128(_mm_cmple_ps(half, _mm_setzero_ps())));
  const __m128 f = _mm_sub_ps(w, _mm_cvtepi32_ps(n));
  const __m128 f2 = _mm_mul_ps(f, f);
  const __m128 bigE = _mm_mul_ps(
      f, _mm_add_ps(_mm_mul_ps(_mm_add_ps(_mm_mul_ps(Splat(0.0230933f), f2), Splat(20.2021f)), f2),
                    Splat(1513.91f)));
  const __m128 bigF = _mm_add_ps(_mm_mul_ps(Splat(233.184f), f2), Splat(4368.21f));
  const __m128 twoToF = _mm_add_ps(
      Splat(1.0f), _mm_mul_ps(_mm_mul_ps(Splat(2.0f), bigE), _mm_rcp_ps(_mm_sub_ps(bigF, bigE))));
  const __m128 twoToN =
      _mm_castsi128_ps(_mm_slli_epi32(_mm_add_epi32(n, _mm_set1_epi32(127)), 23));
  return _mm_and_ps(positive, _mm_mul_ps(twoToF, twoToN));
}

float Lane(__m128 v, int lane) {
  alignas(16) float lanes[4];
  _mm_store_ps(lanes, v);
  return lanes[lane];
}
}  // namespace

void EvaluateGroupFourWide(const ResponseGroup& g, float* level) {
  const int vectors = g.bandCount / 4;
  // The groups have 4n or 4n + 1 bands (12, 5, 4, 21, and 1 for a single band).
  const bool leftOver = g.bandCount % 4 != 0;
  const int leftOverBand = 4 * vectors;
  const __m128 ten = Splat(10.0f);
  const __m128 twentieth = Splat(1.0f / 20.0f);

  __m128 power[kMaxVectors];
  __m128 cross[kMaxVectors];
  __m128 omega[kMaxVectors];
  for (int v = 0; v < vectors; ++v) {
    power[v] = cross[v] = _mm_setzero_ps();
    omega[v] = _mm_setr_ps(BandAngularFrequency(g.firstBand + 4 * v),
                           BandAngularFrequency(g.firstBand + 4 * v + 1),
                           BandAngularFrequency(g.firstBand + 4 * v + 2),
                           BandAngularFrequency(g.firstBand + 4 * v + 3));
  }
  float leftOverPower = 0.0f;
  float leftOverCross = 0.0f;
  const float leftOverOmega = leftOver ? BandAngularFrequency(g.firstBand + leftOverBand) : 0.0f;

  for (int i = 0; i < g.count; ++i) {
    for (int v = 0; v < vectors; ++v) {
      const int k = 4 * v;
      const __m128 levels = _mm_setr_ps(g.LevelAt(k, i), g.LevelAt(k + 1, i),
                                        g.LevelAt(k + 2, i), g.LevelAt(k + 3, i));
      const __m128 p = FastPow4(ten, _mm_mul_ps(levels, twentieth));
      bandAmplitudes[i][v] = p;
      power[v] = _mm_add_ps(power[v], _mm_mul_ps(p, p));
    }
    if (leftOver) {
      const float p = std::pow(10.0f, 0.05f * g.LevelAt(leftOverBand, i));
      leftOverAmplitude[i] = p;
      leftOverPower += p * p;
    }
  }

  const __m128 kHi = Splat(K_HI);
  const __m128 inverseKHi = Splat(1.0f / K_HI);
  const __m128 span = Splat(K_SPAN);
  const float kHiScalar = K_HI;
  const float inverseKHiScalar = 1.0f / K_HI;
  const float spanScalar = K_SPAN;
  for (int a = 0; a < g.count; ++a) {
    const float ta = g.singleTime[a];
    for (int j = a + 1; j < g.count; ++j) {
      const float dt = ta - g.singleTime[j];
      if (-kSameTime < dt && dt < kSameTime) {
        for (int v = 0; v < vectors; ++v)
          cross[v] = _mm_add_ps(cross[v], _mm_mul_ps(bandAmplitudes[a][v], bandAmplitudes[j][v]));
        if (leftOver) leftOverCross += leftOverAmplitude[a] * leftOverAmplitude[j];
        continue;
      }
      const __m128 dt4 = Splat(dt);
      for (int v = 0; v < vectors; ++v) {
        const __m128 x = _mm_mul_ps(omega[v], dt4);
        const __m128 sines =
            _mm_sub_ps(FastSin4(_mm_mul_ps(kHi, x)), FastSin4(_mm_mul_ps(x, inverseKHi)));
        const __m128 factor = _mm_div_ps(sines, _mm_mul_ps(x, span));
        cross[v] = _mm_add_ps(
            cross[v], _mm_mul_ps(_mm_mul_ps(bandAmplitudes[a][v], bandAmplitudes[j][v]), factor));
      }
      if (leftOver) {
        const float x = leftOverOmega * dt;
        const __m128 sines = FastSin4(_mm_setr_ps(x * kHiScalar, x * inverseKHiScalar, 0.0f, 0.0f));
        const float factor = (Lane(sines, 0) - Lane(sines, 1)) / (x * spanScalar);
        leftOverCross += leftOverAmplitude[a] * leftOverAmplitude[j] * factor;
      }
    }
  }

  for (int v = 0; v < vectors; ++v) {
    const __m128 total = _mm_add_ps(power[v], _mm_mul_ps(Splat(2.0f), cross[v]));
    for (int lane = 0; lane < 4; ++lane)
      level[g.firstBand + 4 * v + lane] = 10.0f * std::log10(Lane(total, lane));
  }
  if (leftOver)
    level[g.firstBand + leftOverBand] = 10.0f * std::log10(leftOverPower + 2.0f * leftOverCross);
}

int FourWideResponse(float* level, float* phase, float* time) {
  return ComputeResponse(EvaluateGroupFourWide, level, phase, time);
}
