// The four-lane single-precision approximations of a sine, a cosine and a power that the
// reference evaluations of the response are built on, written lane by lane. The engine itself
// uses more accurate functions.
#pragma once

struct Float4 {
  float v[4];
};

// Odd degree-7 polynomial after reduction by quarter turns; absolute error about 1.5e-4 for
// |x| up to a few tens, growing slowly with |x|.
Float4 FastSin4(const Float4& x);
Float4 FastCos4(const Float4& x);
// Each lane base^exponent through a rational log2 and exp2; 0 for a base that is not positive.
Float4 FastPow4(const Float4& base, const Float4& exponent);

inline Float4 Broadcast4(float value) { return Float4{{value, value, value, value}}; }
