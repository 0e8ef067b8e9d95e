// Brenlowe's evaluation of one band at one of its four seats, shared by the single-band and
// four-seat exports.
#pragma once
#include "frequency_response.h"

// The band that CI_GetCompFR1 and CI_GetCompFR4 evaluate: module-wide, 10 (1 kHz) at load,
// set only by CI_SetFR, whatever value it is given.
extern int frBand;

// Writes ref[frBand]: box's directivity toward seat (0..3) in band frBand plus its attenuation.
// -1 without a current slot, or for a box, seat or frBand outside the tables.
int GetBoxReferenceLevelForSeat(int box, float* ref, int seat);

// Fills group with the sub-sources of the band group of band (0..20, which must be frBand)
// toward seat: one level each (CI_GetLPi's steps) and their arrival times.
bool BuildBandGroupAtSeat(int band, int seat, ResponseGroup& group);
