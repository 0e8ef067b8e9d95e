// The loudest level the response engine gives a sub-source.
#pragma once

// dB at the seat. A stored gain or attenuation word can hold any 32-bit number, which puts a
// sub-source millions of dB up; the engine takes a level above this one as this level (and
// leaves every level below it as it is, bit for bit).
//
// Why 280 dB keeps the pair kernels finite: the amplitude is at most P = 10^(280/20) = 1e14, and
// the kernels' single-precision products are p_a x (sum over j of (1/dt) p_j sin or cos), four
// of them added. A far pair has |dt| >= nearLimit = 0.25 / (K w) with K = sqrt(2) and w at most
// 2 pi x 10 kHz, so 1/dt <= 3.6e5 s^-1; a group holds at most 24 x 18 = 432 sub-sources. The
// largest magnitude is then 4 x 432 x 3.6e5 x P^2 = 6.2e36, a factor 55 below the largest float
// (3.4e38): the bound P^2 < 3.4e38 / 6.2e8 allows about 297 dB. The sums of squares and the near
// pairs are added in double precision, which a level of 280 dB cannot overflow either, and the
// band total stays below 280 + 20 log10(432) = 333 dB.
constexpr float kLoudestSubSourceLevel = 280.0f;
