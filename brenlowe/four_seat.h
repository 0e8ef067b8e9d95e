// Brenlowe's single-band and four-seat exports.
#pragma once
#include "frequency_response.h"

PLUGIN_EXPORT int PLUGIN_CALL CI_SetFR(int band);
PLUGIN_EXPORT int PLUGIN_CALL CI_Set4SeatPosition(const float* p0, const float* p1,
                                                  const float* p2, const float* p3);
PLUGIN_EXPORT int PLUGIN_CALL CI_Set4SeatAngles(const float* a0, const float* a1, const float* a2,
                                                const float* a3);
PLUGIN_EXPORT float PLUGIN_CALL CI_GetCompDist4pos(int comp, int seat);
PLUGIN_EXPORT int PLUGIN_CALL CI_GetCompFR1(int first, float* level, float* phase,
                                                          float* time);
PLUGIN_EXPORT int PLUGIN_CALL CI_GetCompFR4(int first, float* level4, float* phase,
                                                          float* time4, int unused);

// The band frBand at one seat, its group added up by evaluate, into level[frBand]; false when
// frBand or the seat lies outside the tables.
bool EvaluateBandAtSeat(GroupEvaluation evaluate, int seat, float* level);
