#include "frequency_response.h"

#include <cfloat>
#include <cmath>
#include <cstdint>
#include <cstring>

#include "finite_values.h"
#include "registry.h"

namespace {
constexpr float kTwoPi = 6.2831854820251465f;
constexpr float kHalfPi = 1.5707964f;
constexpr float kPi = 3.1415927f;
constexpr float kNearestSpreadingDistance = 0.1f;
constexpr float kAzimuthZeroBand = 0.0001f;

// A band total that is not positive (no sub-source at all, or every amplitude lost below the
// smallest number) is reported at this floor instead of minus infinity.
constexpr double kSilentTotal = 1e-30;
}  // namespace

bool StartGroup(ResponseGroup& group, int firstBand, int bandCount, int count) {
  const int stride = (count + 3) & ~3;
  const bool fits = firstBand >= 0 && bandCount >= 0 && firstBand + bandCount <= kBandCount &&
                    count >= 0 && count <= kMaxGroupSources && bandCount * stride <= kMaxGroupLevels;
  group.firstBand = firstBand;
  group.bandCount = fits ? bandCount : 0;
  group.count = fits ? count : 0;
  group.stride = fits ? stride : 0;
  return fits;
}

void EvaluateGroup(const ResponseGroup& group, float* level) {
  double powerSum[kBandCount] = {};
  double crossSum[kBandCount] = {};
  SumGroupEngine(group, powerSum, crossSum);
  for (int k = 0; k < group.bandCount; ++k) {
    double total = powerSum[k] + 2.0 * crossSum[k];
    if (total < kSilentTotal) total = kSilentTotal;  // NaN stays NaN
    level[group.firstBand + k] = static_cast<float>(10.0 * std::log10(total));
  }
}

float BandAngularFrequency(int band) { return kTwoPi * BandCentres[band]; }

namespace {
// 20 log10(d) for a finite d >= 0.1, in double precision from the exponent and the mantissa of d:
// with d = 2^e m, m in [sqrt(1/2), sqrt(2)), ln m = 2 atanh(s), s = (m - 1) / (m + 1), |s| < 0.172,
// whose series to s^11 is good to 2e-11. Rounded to single precision it agrees with the runtime's
// logarithm to the last place or so, and it is several times cheaper than the 32-bit runtime's
// log10f, which the builders call once per sub-source.
double TwentyLog10(float d) {
  uint32_t bits;
  std::memcpy(&bits, &d, sizeof bits);
  int exponent = static_cast<int>((bits >> 23) & 0xffu) - 127;
  bits = (bits & 0x007fffffu) | 0x3f800000u;
  float mantissaF;
  std::memcpy(&mantissaF, &bits, sizeof bits);
  double m = mantissaF;
  if (m > 1.4142135623730951) {
    m *= 0.5;
    ++exponent;
  }
  const double s = (m - 1.0) / (m + 1.0);
  const double s2 = s * s;
  const double series =
      1.0 + s2 * (1.0 / 3 + s2 * (1.0 / 5 + s2 * (1.0 / 7 + s2 * (1.0 / 9 + s2 * (1.0 / 11)))));
  const double lnD = exponent * 0.6931471805599453 + 2.0 * s * series;
  return lnD * 8.685889638065035;  // 20 / ln 10
}
}  // namespace

float SpreadingTerm(float distance) {
  if (distance < kNearestSpreadingDistance) return -20.0f;
  // Infinity and NaN (an absurd placement) as the runtime gives them.
  if (!(distance <= FLT_MAX)) return 20.0f * std::log10(distance);
  return static_cast<float>(TwentyLog10(distance));
}

double ExactDistance(const float* a, const float* b) {
  const double dx = static_cast<double>(a[0]) - b[0];
  const double dy = static_cast<double>(a[1]) - b[1];
  const double dz = static_cast<double>(a[2]) - b[2];
  return std::sqrt(dx * dx + dy * dy + dz * dz);
}

SeatDirection DirectionInBoxFrame(const float* boxPoint, const float* boxAngles,
                                  const float* seat) {
  const float dx = seat[0] - boxPoint[0];
  const float dy = seat[1] - boxPoint[1];
  const float dz = seat[2] - boxPoint[2];
  float s[3];
  float c[3];
  for (int k = 0; k < 3; ++k) {
    s[k] = std::sin(boxAngles[k]);
    c[k] = std::cos(boxAngles[k]);
  }
  // Undo turn, tilt and roll in that order.
  const float x1 = c[0] * dx + s[0] * dy;
  const float y1 = c[0] * dy - s[0] * dx;
  const float y = c[1] * y1 - s[1] * dz;
  const float z2 = s[1] * y1 + c[1] * dz;
  const float x = c[2] * x1 + s[2] * z2;
  float z = c[2] * z2 - s[2] * x1;
  if (-kAzimuthZeroBand < z && z < kAzimuthZeroBand) z = 0.0f;

  float azimuth = std::atan2(z, x);
  if (azimuth < 0.0f) azimuth += kTwoPi;
  float polar = kHalfPi;
  if (y != 0.0f) {
    polar = std::atan2(std::sqrt(x * x + z * z), -y);
    if (polar < 0.0f) polar += kPi;
  }
  // The lookup is promised angles inside its ranges: a placement of NaN or of absurd size
  // (and an azimuth that rounded up to the full turn) is read as the axis direction.
  if (!(azimuth >= 0.0f && azimuth < kTwoPi)) azimuth = 0.0f;
  if (!(polar >= 0.0f && polar <= kPi)) polar = 0.0f;
  return {polar, azimuth};
}

int GetBoxReferenceLevels(int box, float* ref) {
  if (!CurrentSlot || !ref || box < 0 || box >= BoundedBoxCount(*CurrentSlot)) return -1;
  BoxReferenceLevels(box, CurrentSlot->seatPosition[0], ref);
  return 0;
}

bool CanEvaluateCurrentSlot(int first) {
  // `first` moves the sub-source positions to those of later boxes, which hold nothing the
  // array radiates from; only the array's own response (first = 1) is evaluated.
  return CurrentSlot && first == 1 && BoundedBoxCount(*CurrentSlot) > 0;
}

PLUGIN_EXPORT int PLUGIN_CALL CI_GetCompFR(int first, float* level, float* phase,
                                                         float* time) {
  if (!CanEvaluateCurrentSlot(first) || !level || !phase || !time) return -1;
  // The answer is formed here and handed out only when every number of it is finite (a seat
  // more than 1.8e19 m away makes an infinite arrival time).
  float answer[2 * kBandCount + 1] = {};
  if (EngineResponse(answer, answer + kBandCount, answer + 2 * kBandCount) != 0 ||
      !AllFinite(answer, 2 * kBandCount + 1))
    return -1;
  std::memcpy(level, answer, kBandCount * sizeof(float));
  std::memcpy(phase, answer + kBandCount, kBandCount * sizeof(float));
  *time = answer[2 * kBandCount];
  return 0;
}

int EngineResponse(float* level, float* phase, float* time) {
  return ComputeResponse(EvaluateGroup, level, phase, time);
}
