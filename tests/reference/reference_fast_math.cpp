#include "reference_fast_math.h"

#include <cmath>

namespace {
// Quarter turns per radian and the polynomial's constants, as single-precision values.
constexpr float kQuarterTurnsPerRadian = 0.63662f;
constexpr float kQuarterTurn = 1.5708f;
// Lanes at or beyond this many quarter turns (or NaN) have no meaningful integer part in single
// precision; they are reduced as 0 rather than converted out of range.
constexpr float kLargestReducible = 16777216.0f;

struct Reduced {
  float r;      // position inside the quarter turn, 0..1
  unsigned q;   // number of whole quarter turns
};

Reduced ReduceQuarterTurns(float magnitude) {
  float u = magnitude * kQuarterTurnsPerRadian;
  if (!(u < kLargestReducible)) u = 0.0f;
  const unsigned q = static_cast<unsigned>(u);
  float r = u - static_cast<float>(q);
  if (r > 1.0f) r = 1.0f;
  if (q & 1u) r = 1.0f - r;
  return {r, q};
}

float QuarterSinePolynomial(float r) {
  const float r2 = r * r;
  return r * (kQuarterTurn + r2 * (-0.645964f + r2 * (0.0796926f + r2 * -0.00468175f)));
}

float FastSin1(float x) {
  const Reduced red = ReduceQuarterTurns(std::fabs(x));
  bool negative = x < 0.0f;
  if (red.q & 2u) negative = !negative;
  const float magnitude = QuarterSinePolynomial(red.r);
  return negative ? -magnitude : magnitude;
}

float FastCos1(float x) {
  const Reduced red = ReduceQuarterTurns(std::fabs(x) + kQuarterTurn);
  const float magnitude = QuarterSinePolynomial(red.r);
  return (red.q & 2u) ? -magnitude : magnitude;
}

float FastPow1(float base, float exponent) {
  if (!(base > 0.0f)) return 0.0f;
  const float smallestNormal = 1.17549435e-38f;  // 2^-126
  if (base < smallestNormal) base = smallestNormal;
  int e = 0;
  const float half = std::frexp(base, &e);  // base = half x 2^e, half in [0.5, 1)
  const float m = 2.0f * half;
  e -= 1;

  const float z = 2.0f * (m - 1.0f) * (1.0f / (m + 1.0f));
  const float u = z * z;
  const float p = (-0.78958f * u + 16.3867f) * u - 64.141f;
  const float q = (-35.6723f * u + 312.094f) * u - 769.692f;
  const float log2Base = static_cast<float>(e) + 1.4427f * (z + z * u * p * (1.0f / q));

  float w = exponent * log2Base;
  if (!(w > -127.5f)) w = -127.5f;  // NaN is held at the lower end as well
  if (w > 127.5f) w = 127.5f;
  int n = static_cast<int>(w + 0.5f);
  if (w + 0.5f <= 0.0f) n -= 1;
  const float f = w - static_cast<float>(n);
  const float f2 = f * f;
  const float bigE = f * ((0.0230933f * f2 + 20.2021f) * f2 + 1513.91f);
  const float bigF = 233.184f * f2 + 4368.21f;
  const float twoToF = 1.0f + 2.0f * bigE * (1.0f / (bigF - bigE));
  return std::ldexp(twoToF, n);
}
}  // namespace

Float4 FastSin4(const Float4& x) {
  Float4 out;
  for (int lane = 0; lane < 4; ++lane) out.v[lane] = FastSin1(x.v[lane]);
  return out;
}

Float4 FastCos4(const Float4& x) {
  Float4 out;
  for (int lane = 0; lane < 4; ++lane) out.v[lane] = FastCos1(x.v[lane]);
  return out;
}

Float4 FastPow4(const Float4& base, const Float4& exponent) {
  Float4 out;
  for (int lane = 0; lane < 4; ++lane) out.v[lane] = FastPow1(base.v[lane], exponent.v[lane]);
  return out;
}
