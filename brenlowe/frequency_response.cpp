// Brenlowe's response at a seat: three band groups from the nine-point and eighteen-point sets
// of every box, attenuations in tenths of a dB, delays scaled by the single-precision 1e-6.
#include "box_levels.h"
#include "box_levels_grouped.h"
#include "design_data.h"
#include "directivity.h"
#include "frequency_response_line_array.h"
#include "frequency_response_seats.h"
#include "registry.h"

namespace {
constexpr int kMiddlePoint = 4;
constexpr int kSeats = product::kSeats;

const float* SourcePoint(int group, int box, int k) {
  ComponentSlot& slot = *CurrentSlot;
  if (group == 0) return slot.sourcePos9[9 * box + 1 + 3 * k];
  if (group == 1) return slot.sourcePos9[9 * box + k];
  return slot.sourcePos18[18 * box + k];
}

SeatDirection DirectionOfSeat(int box, const float* seat) {
  const ComponentSlot& slot = *CurrentSlot;
  const int middle = 9 * box + kMiddlePoint;
  return DirectionInBoxFrame(slot.sourcePos9[middle], slot.sourceAngles[middle], seat);
}

float AttenuationRef(int box) {
  return static_cast<float>(CurrentSlot->settings[design::kAttenuation + box]) * 0.1f;
}

int ModelCodeOf(int box) { return CurrentSlot->settings[design::kModelCode + box]; }

float DelayOf(int box) {
  return static_cast<float>(CurrentSlot->settings[design::kDelay + box]) * 0.000001f;
}

double ExactDelayOf(int box) { return CurrentSlot->settings[design::kDelay + box] * 1e-6; }

bool IsBoxOfArray(int box) { return box >= 0 && box < BoundedBoxCount(*CurrentSlot); }
}  // namespace

void BoxReferenceLevels(int box, const float* seat, float* ref) {
  const SeatDirection direction = DirectionOfSeat(box, seat);
  const float attRef = AttenuationRef(box);
  GetDirectivityBands(ModelCodeOf(box), direction.polar, direction.azimuth, ref);
  for (int band = 0; band < kBandCount; ++band) ref[band] += attRef;
}

int GetBoxReferenceLevelForSeat(int box, float* ref, int seat) {
  if (!CurrentSlot || !ref || !IsBoxOfArray(box)) return -1;
  if (seat < 0 || seat >= kSeats || !IsBandIndex(frBand)) return -1;
  const SeatDirection direction = DirectionOfSeat(box, CurrentSlot->seatPosition[seat]);
  ref[frBand] = GetDirectivity(ModelCodeOf(box), frBand, direction.polar, direction.azimuth) +
                AttenuationRef(box);
  return 0;
}

int ComputeResponse(GroupEvaluation evaluate, float* level, float* phase, float* time) {
  LineArraySeat array = CurrentLineArray(SourcePoint, false);
  for (int b = 0; b < array.boxCount; ++b) {
    array.delay[b] = DelayOf(b);
    array.exactDelay[b] = ExactDelayOf(b);
  }
  // The phase of every band is reported as 0, as the other plug-ins of the family do.
  const ResponseGroup* groups = EvaluateLineArray(array, evaluate, level, phase);
  if (!groups) return -1;
  // Point 0 of box 1's nine-point set.
  *time = groups[1].singleTime[0];
  return 0;
}

bool BuildBandGroupAtSeat(int band, int seat, ResponseGroup& group) {
  const ComponentSlot& slot = *CurrentSlot;
  const int g = LineArrayGroupOfBand(band);
  const LineArrayBandGroup& layout = kLineArrayBandGroups[g];
  const int n = BoundedBoxCount(slot);
  if (!IsBandIndex(band) || seat < 0 || seat >= kSeats) return false;
  if (!StartGroup(group, band, 1, n * layout.perBox)) return false;
  const bool excessAir = slot.settings[design::kExcessAir] != 0;
  const float* seatPoint = slot.seatPosition[seat];
  for (int b = 0; b < n; ++b) {
    float atOneMetre = 0.0f;
    CI_GetCompSPL1m(b + 1, band, &atOneMetre);
    float ref[kBandCount] = {};
    GetBoxReferenceLevelForSeat(b, ref, seat);
    for (int k = 0; k < layout.perBox; ++k) {
      const int i = b * layout.perBox + k;
      const float* point = SourcePoint(g, b, k);
      const float d = GetPointDistance(point, seatPoint);
      float level = LevelBeforeBoxTerms(atOneMetre, band, d, SpreadingTerm(d), excessAir);
      GroupedBandLevel(g, b + 1, band, &level, ref);
      group.LevelAt(0, i) = level;
      SetArrivalTimes(group, i, d, ExactDistance(point, seatPoint), DelayOf(b), ExactDelayOf(b),
                      false);
    }
  }
  return true;
}
