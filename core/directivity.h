// The directivity lookup of the deliverable: how far below its on-axis level a box radiates in
// one band toward one direction of its own frame. Each deliverable supplies these functions.
#pragma once
#include <cstdint>

// Attenuation in dB below on-axis (positive = quieter) of the set of a model code (Tarnwick,
// Brenlowe) or enclosure type (Pirrowan), band 0..20, polar in [0, pi] and azimuth in [0, 2 pi)
// radians. A code without a set or a band outside 0..20 gives 0 dB; nothing outside the sets is
// read whatever the arguments. Brenlowe reads the current slot's "Horizontally symmetrical".
float GetDirectivity(int code, int band, float polar, float azimuth);

// GetDirectivity in every band 0..20 at once, into out[21] (the same values): what a box's
// reference levels read.
void GetDirectivityBands(int code, float polar, float azimuth, float* out);

// Number of the set that a model code or enclosure type uses, or -1 when it has none.
int DirectivitySetIndex(int code);

// The deliverable's lookup on one set laid out as the deliverable ships it (5-degree grid, then
// 1-degree grid); null gives 0 dB.
float LookUpDirectivitySet(const int16_t* set, int band, float polar, float azimuth);

// LookUpDirectivitySet for every band 0..20 at once, into out[21].
void LookUpDirectivitySetBands(const int16_t* set, float polar, float azimuth, float* out);

// The linked set of a set number, or null for a number without one (or when the linked data is
// shorter than its layout says).
const int16_t* LinkedDirectivitySet(int setIndex);
