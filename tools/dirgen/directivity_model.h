// The physical model behind the directivity sets (data/README.md gives the equations).
//
// A cabinet radiates from a front aperture: vertically a uniform line segment of its front
// height, horizontally a waveguide whose coverage narrows from wide at low frequencies toward a
// nominal angle at high frequencies, and to the rear it is shadowed by its own box, more so as
// the frequency rises. Every value is the power average over its one-third-octave band.
#ifndef DIRGEN_DIRECTIVITY_MODEL_H
#define DIRGEN_DIRECTIVITY_MODEL_H

#include <array>

#include "cabinet_csv.h"

constexpr int kBandCount = 21;
extern const double kBandCentresHz[kBandCount];

// Speed of sound of the model, m/s (the host's default air).
constexpr double kModelSpeedOfSound = 343.0;

class DirectivityModel {
 public:
  explicit DirectivityModel(const CabinetModel& cabinet);

  // Attenuation below on-axis in dB (>= 0) for band 0..20, toward the direction at polarDeg
  // (0..180, angle from the main axis) and azimuthDeg (around the axis: 0/180 horizontal,
  // 90/270 vertical). Symmetric about both planes by construction.
  double AttenuationDb(int band, double polarDeg, double azimuthDeg) const;

  // Frequencies per band over which the power is averaged.
  static constexpr int kSamplesPerBand = 16;

 private:
  struct Sample {
    double halfKH;           // k * frontHeight / 2: argument scale of the line source
    double lateralExponent;  // ln 4 / s6^2: Gaussian beam in the lateral direction cosine
    double rearExponent;     // front-to-back ratio in nepers of power
  };
  std::array<std::array<Sample, kSamplesPerBand>, kBandCount> samples_;
  double rearShape_;
};

#endif  // DIRGEN_DIRECTIVITY_MODEL_H
