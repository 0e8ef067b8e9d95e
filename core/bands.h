// The 21 one-third-octave bands (100 Hz .. 10 kHz) that index every per-band array.
#pragma once

constexpr int kBandCount = 21;
extern const float BandCentres[kBandCount];

inline bool IsBandIndex(int band) { return band >= 0 && band < kBandCount; }
