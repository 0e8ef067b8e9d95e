// One band at a time: CI_SetFR picks the band, CI_GetCompFR1 evaluates it at seat 0 and
// CI_GetCompFR4 at all four seats; the four seats are placed by CI_Set4SeatPosition.
#include "four_seat.h"

#include <algorithm>

#include "finite_values.h"
#include "frequency_response_line_array.h"
#include "frequency_response_seats.h"
#include "registry.h"
#include "user_message.h"

int frBand = 10;

namespace {
constexpr int kSeats = product::kSeats;
// The high group's working storage: 14 boxes of 18 sub-sources, four bands.
constexpr int kHighGroupSources = 252;
constexpr int kHighGroupBands = 4;
constexpr int kHighGroupFirstBand = 17;

ResponseGroup bandGroup;

void StoreSeatTriples(float (*to)[4], const float* const* from) {
  for (int s = 0; s < kSeats; ++s) {
    for (int k = 0; k < 3; ++k) to[s][k] = from[s][k];
    to[s][3] = 0.0f;
  }
}

// Four triples present and finite: a NaN or infinite one refuses all four.
bool AllPresentAndFinite(const float* const* points) {
  return std::all_of(points, points + kSeats,
                     [](const float* p) { return p != nullptr && AllFinite(p, 3); });
}

bool Refuse(const char* message) {
  ShowUserMessage(message);
  return false;
}

// The high group of CI_GetCompFR1 checks, at each stage and for each sub-source before it
// stores a value, that the running sub-source index and the band fit its working storage, and
// stops at the first that does not with a message. A stored box count above 14 stops at
// "Error 1" on sub-source 252, a band above 20 at "Error 2" on the first sub-source; once the
// first stage has passed, the later stages' checks repeat its bounds.
bool HighGroupFits(int32_t storedBoxes, int band) {
  const int count = 18 * std::clamp<int32_t>(storedBoxes, 0, product::kMaxBoxes + 1);
  const int offset = band - kHighGroupFirstBand;
  const bool offsetFits = offset >= 0 && offset < kHighGroupBands;
  for (int i = 0; i < count; ++i) {  // distances and levels
    if (i >= kHighGroupSources) return Refuse("Error 1");
    if (!offsetFits) return Refuse("Error 2");
  }
  for (int i = 0; i < count; ++i) {  // reference and equaliser
    if (i >= kHighGroupSources) return Refuse("Error 3");
  }
  for (int i = 0; i < count; ++i) {  // amplitudes
    if (i >= kHighGroupSources) return Refuse("Error 4");
    if (!offsetFits) return Refuse("Error 5");
  }
  return true;
}
}  // namespace

bool EvaluateBandAtSeat(GroupEvaluation evaluate, int seat, float* level) {
  if (!BuildBandGroupAtSeat(frBand, seat, bandGroup)) return false;
  evaluate(bandGroup, level);
  return true;
}

PLUGIN_EXPORT int PLUGIN_CALL CI_SetFR(int band) {
  frBand = band;
  return 0;
}

PLUGIN_EXPORT int PLUGIN_CALL CI_Set4SeatPosition(const float* p0, const float* p1,
                                                  const float* p2, const float* p3) {
  const float* const points[kSeats] = {p0, p1, p2, p3};
  if (!CurrentSlot || !AllPresentAndFinite(points)) return -1;
  StoreSeatTriples(CurrentSlot->seatPosition, points);
  return 0;
}

PLUGIN_EXPORT int PLUGIN_CALL CI_Set4SeatAngles(const float* a0, const float* a1, const float* a2,
                                                const float* a3) {
  const float* const angles[kSeats] = {a0, a1, a2, a3};
  if (!CurrentSlot || !AllPresentAndFinite(angles)) return -1;
  StoreSeatTriples(CurrentSlot->seatAngles, angles);
  return 0;
}

PLUGIN_EXPORT float PLUGIN_CALL CI_GetCompDist4pos(int comp, int seat) {
  if (!CurrentSlot || seat < 0 || seat >= kSeats) return -1.0f;
  const float* point = ComponentPoint(*CurrentSlot, comp);
  if (!point) return -1.0f;
  return FiniteOrRefused(GetPointDistance(point, CurrentSlot->seatPosition[seat]));
}

PLUGIN_EXPORT int PLUGIN_CALL CI_GetCompFR1(int first, float* level, float*, float* time) {
  if (!CanEvaluateCurrentSlot(first) || !level || !time) return -1;
  // Bands below 0 have no tables to evaluate; those above 20 belong to the high group, whose
  // checks refuse them with a message.
  if (frBand < 0) return -1;
  const int group = LineArrayGroupOfBand(frBand);
  if (group == 2 && !HighGroupFits(StoredBoxCount(*CurrentSlot), frBand)) return -1;
  float levels[kBandCount] = {};
  if (!EvaluateBandAtSeat(EvaluateGroup, 0, levels)) return -1;
  // Point 0 of box 1's nine-point set in the mid group; no arrival time for the others.
  const float answer[2] = {levels[frBand], group == 1 ? bandGroup.singleTime[0] : 0.0f};
  if (!AllFinite(answer, 2)) return -1;
  level[frBand] = answer[0];
  *time = answer[1];
  return 0;
}

PLUGIN_EXPORT int PLUGIN_CALL CI_GetCompFR4(int first, float* level4, float*, float*, int) {
  if (!CanEvaluateCurrentSlot(first) || !level4 || !IsBandIndex(frBand)) return -1;
  float levels[kSeats][kBandCount] = {};
  float answer[kSeats];
  for (int s = 0; s < kSeats; ++s) {
    if (!EvaluateBandAtSeat(EvaluateGroup, s, levels[s])) return -1;
    answer[s] = levels[s][frBand];
  }
  if (!AllFinite(answer, kSeats)) return -1;
  for (int s = 0; s < kSeats; ++s) level4[kBandCount * s + frBand] = answer[s];
  return 0;
}
