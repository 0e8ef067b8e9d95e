#include "directivity_model.h"

#include <cmath>

const double kBandCentresHz[kBandCount] = {100,  125,  160,  200,  250,  315,  400,
                                           500,  630,  800,  1000, 1250, 1600, 2000,
                                           2500, 3150, 4000, 5000, 6300, 8000, 10000};

namespace {

constexpr double kPi = 3.14159265358979323846;
// sin(u)/u = 1/2 at u = kHalfPressureU: the -6 dB point of a uniform aperture is where
// k * size / 2 * (direction cosine) reaches this value.
constexpr double kHalfPressureU = 1.8954942670339809;

// Sine and cosine of an angle in degrees inside [0, 90], exact at both ends, so that the
// rear direction and the two symmetry planes carry no rounding residue.
double SinQuarterDeg(double deg) {
  if (deg <= 0) return 0;
  if (deg >= 90) return 1;
  return std::sin(deg * kPi / 180);
}
double CosQuarterDeg(double deg) { return SinQuarterDeg(90 - deg); }

// Folds an azimuth onto 0..90 degrees: the model is symmetric about the horizontal and the
// vertical plane, and computing from the folded angle makes mirrored values bit-identical.
double FoldAzimuthToQuarter(double deg) {
  double a = std::fmod(deg, 360.0);
  if (a < 0) a += 360;
  if (a > 180) a = 360 - a;
  if (a > 90) a = 180 - a;
  return a;
}

double SincSquared(double u) {
  if (u == 0) return 1;
  const double s = std::sin(u) / u;
  return s * s;
}

}  // namespace

DirectivityModel::DirectivityModel(const CabinetModel& cabinet) : rearShape_(cabinet.rearShape) {
  const double sinHalfNominal = std::sin(cabinet.horizontalNominalDeg / 2 * kPi / 180);
  // Radius of the sphere of the box's volume: the size of the obstacle that shadows the rear.
  const double shadowRadius =
      std::cbrt(3 * cabinet.frontWidth * cabinet.frontHeight * cabinet.depth / (4 * kPi));

  for (int band = 0; band < kBandCount; ++band) {
    for (int j = 0; j < kSamplesPerBand; ++j) {
      // Midpoints of equal logarithmic slices of the band f_c * 2^(-1/6) .. f_c * 2^(1/6).
      const double octaves = ((j + 0.5) / kSamplesPerBand - 0.5) / 3;
      const double f = kBandCentresHz[band] * std::pow(2.0, octaves);
      const double k = 2 * kPi * f / kModelSpeedOfSound;

      Sample& s = samples_[band][j];
      s.halfKH = k * cabinet.frontHeight / 2;

      // -6 dB lateral direction cosine: the mouth's diffraction limit 2 u6 / (k W) combined
      // with the waveguide's nominal half angle; it tends to sin(nominal / 2) at high frequency.
      const double mouthLimit = 2 * kHalfPressureU / (k * cabinet.frontWidth);
      const double s6Squared = sinHalfNominal * sinHalfNominal + mouthLimit * mouthLimit;
      s.lateralExponent = std::log(4.0) / s6Squared;

      const double ka = k * shadowRadius / cabinet.rearKaHalf;
      const double frontToBackDb = cabinet.rearMaxDb * ka * ka / (1 + ka * ka);
      s.rearExponent = frontToBackDb * std::log(10.0) / 10;
    }
  }
}

double DirectivityModel::AttenuationDb(int band, double polarDeg, double azimuthDeg) const {
  // Direction cosines in the box frame: lateral (horizontal plane), vertical (along the front
  // face) and along the axis.
  const double polarFolded = polarDeg <= 90 ? polarDeg : 180 - polarDeg;
  const double sinPolar = SinQuarterDeg(polarFolded);
  const double cosPolar = polarDeg <= 90 ? CosQuarterDeg(polarFolded) : -CosQuarterDeg(polarFolded);
  const double azimuth = FoldAzimuthToQuarter(azimuthDeg);
  const double lateral = sinPolar * CosQuarterDeg(azimuth);
  const double vertical = sinPolar * SinQuarterDeg(azimuth);
  const double rearWeight = std::pow((1 - cosPolar) / 2, rearShape_);

  double power = 0;
  for (const Sample& s : samples_[band]) {
    power += SincSquared(s.halfKH * vertical) *
             std::exp(-(s.lateralExponent * lateral * lateral + s.rearExponent * rearWeight));
  }
  power /= kSamplesPerBand;
  return power >= 1 ? 0.0 : -10 * std::log10(power);
}
