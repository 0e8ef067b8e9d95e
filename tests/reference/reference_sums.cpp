// Two reference evaluations of a band group: single-precision arithmetic throughout, written as
// plain scalar code lane by lane (FastPow4 amplitudes, FastSin4 sines for every pair and band),
// and a plain double-precision evaluation with the standard functions. Both go pair by pair, a
// ascending and j from a + 1.
#include <cmath>

#include "level_tables.h"
#include "reference_fast_math.h"
#include "reference_response.h"

namespace {
// Pairs whose arrival times differ by less than this add with an interference factor of 1.
constexpr float kSameTime = 1e-9f;
constexpr double kSameTimeExact = 1e-9;

float amplitudes[kMaxGroupLevels];
double exactAmplitudes[kMaxGroupLevels];

// Amplitudes 10^(L/20): FastPow4 four bands at a time, the standard power function for a band
// left over after the groups of four.
void SinglePrecisionAmplitudes(const ResponseGroup& g) {
  const Float4 ten = Broadcast4(10.0f);
  for (int i = 0; i < g.count; ++i) {
    int k = 0;
    for (; k + 4 <= g.bandCount; k += 4) {
      Float4 exponent;
      for (int lane = 0; lane < 4; ++lane) exponent.v[lane] = g.LevelAt(k + lane, i) / 20.0f;
      const Float4 p = FastPow4(ten, exponent);
      for (int lane = 0; lane < 4; ++lane) amplitudes[(k + lane) * g.stride + i] = p.v[lane];
    }
    for (; k < g.bandCount; ++k)
      amplitudes[k * g.stride + i] = std::pow(10.0f, 0.05f * g.LevelAt(k, i));
  }
}

// The band-averaged interference factor of one pair in four bands, and in one band with the
// two sines in two lanes of one call.
Float4 InterferenceFactor4(const Float4& x) {
  Float4 upper;
  Float4 lower;
  for (int lane = 0; lane < 4; ++lane) {
    upper.v[lane] = K_HI * x.v[lane];
    lower.v[lane] = x.v[lane] / K_HI;
  }
  const Float4 sinUpper = FastSin4(upper);
  const Float4 sinLower = FastSin4(lower);
  Float4 factor;
  for (int lane = 0; lane < 4; ++lane)
    factor.v[lane] = (sinUpper.v[lane] - sinLower.v[lane]) / (x.v[lane] * K_SPAN);
  return factor;
}

float InterferenceFactor1(float x) {
  const Float4 sines = FastSin4(Float4{{x * K_HI, x / K_HI, 0.0f, 0.0f}});
  return (sines.v[0] - sines.v[1]) / (x * K_SPAN);
}
}  // namespace

void EvaluateGroupSinglePrecision(const ResponseGroup& g, float* level) {
  SinglePrecisionAmplitudes(g);
  float omega[kBandCount];
  float power[kBandCount] = {};
  float cross[kBandCount] = {};
  for (int k = 0; k < g.bandCount; ++k) {
    omega[k] = BandAngularFrequency(g.firstBand + k);
    for (int i = 0; i < g.count; ++i) {
      const float p = amplitudes[k * g.stride + i];
      power[k] += p * p;
    }
  }
  for (int a = 0; a < g.count; ++a) {
    for (int j = a + 1; j < g.count; ++j) {
      const float dt = g.singleTime[a] - g.singleTime[j];
      const bool sameTime = -kSameTime < dt && dt < kSameTime;
      int k = 0;
      for (; k + 4 <= g.bandCount; k += 4) {
        Float4 factor = Broadcast4(1.0f);
        if (!sameTime) {
          Float4 x;
          for (int lane = 0; lane < 4; ++lane) x.v[lane] = omega[k + lane] * dt;
          factor = InterferenceFactor4(x);
        }
        for (int lane = 0; lane < 4; ++lane) {
          const int row = (k + lane) * g.stride;
          cross[k + lane] += amplitudes[row + a] * amplitudes[row + j] * factor.v[lane];
        }
      }
      for (; k < g.bandCount; ++k) {
        const float factor = sameTime ? 1.0f : InterferenceFactor1(omega[k] * dt);
        const int row = k * g.stride;
        cross[k] += amplitudes[row + a] * amplitudes[row + j] * factor;
      }
    }
  }
  for (int k = 0; k < g.bandCount; ++k)
    level[g.firstBand + k] = 10.0f * std::log10(power[k] + 2.0f * cross[k]);
}

void EvaluateGroupDoublePrecision(const ResponseGroup& g, float* level) {
  const double kHi = K_HI;
  const double span = kHi - 1.0 / kHi;
  double omega[kBandCount];
  double powerSum[kBandCount];
  double crossSum[kBandCount];
  for (int k = 0; k < g.bandCount; ++k) {
    omega[k] = BandAngularFrequency(g.firstBand + k);
    powerSum[k] = 0.0;
    crossSum[k] = 0.0;
    for (int i = 0; i < g.count; ++i) {
      const double p = std::pow(10.0, static_cast<double>(g.LevelAt(k, i)) / 20.0);
      exactAmplitudes[k * g.stride + i] = p;
      powerSum[k] += p * p;
    }
  }
  for (int a = 0; a < g.count; ++a) {
    for (int j = a + 1; j < g.count; ++j) {
      const double dt = g.time[a] - g.time[j];
      const bool sameTime = -kSameTimeExact < dt && dt < kSameTimeExact;
      for (int k = 0; k < g.bandCount; ++k) {
        double factor = 1.0;
        if (!sameTime) {
          const double x = omega[k] * dt;
          factor = (std::sin(kHi * x) - std::sin(x / kHi)) / (x * span);
        }
        const int row = k * g.stride;
        crossSum[k] += exactAmplitudes[row + a] * exactAmplitudes[row + j] * factor;
      }
    }
  }
  for (int k = 0; k < g.bandCount; ++k) {
    double total = powerSum[k] + 2.0 * crossSum[k];
    if (total < 1e-30) total = 1e-30;  // the engine's floor of -300 dB
    level[g.firstBand + k] = static_cast<float>(10.0 * std::log10(total));
  }
}

int SinglePrecisionResponse(float* level, float* phase, float* time) {
  return ComputeResponse(EvaluateGroupSinglePrecision, level, phase, time);
}

int DoublePrecisionResponse(float* level, float* phase, float* time) {
  return ComputeResponse(EvaluateGroupDoublePrecision, level, phase, time);
}
