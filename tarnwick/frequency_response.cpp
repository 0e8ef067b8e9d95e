// Tarnwick's response at the seat: three band groups from the nine-point and eighteen-point
// sets, the box centre for the low group of the larger cabinets, gains in tenths of a dB.
#include "design_data.h"
#include "directivity.h"
#include "frequency_response_line_array.h"
#include "registry.h"

namespace {
// Model codes from here on radiate their low group from the box centre.
constexpr int kFirstCentreRadiatingCode = 10;
constexpr int kMiddlePoint = 4;

int ModelCodeOf(const ComponentSlot& slot, int box) {
  return slot.settings[design::kModelCode + box];
}

const float* SourcePoint(int group, int box, int k) {
  ComponentSlot& slot = *CurrentSlot;
  if (group == 0) {
    if (ModelCodeOf(slot, box) >= kFirstCentreRadiatingCode) return slot.boxCentrePos[box];
    return slot.sourcePos9[9 * box + 1 + 3 * k];
  }
  if (group == 1) return slot.sourcePos9[9 * box + k];
  return slot.sourcePos18[18 * box + k];
}
}  // namespace

void BoxReferenceLevels(int box, const float* seat, float* ref) {
  const ComponentSlot& slot = *CurrentSlot;
  const int middle = 9 * box + kMiddlePoint;
  const SeatDirection direction =
      DirectionInBoxFrame(slot.sourcePos9[middle], slot.sourceAngles[middle], seat);
  const float gainRef = -static_cast<float>(slot.settings[design::kGain + box]) / 10.0f;
  GetDirectivityBands(ModelCodeOf(slot, box), direction.polar, direction.azimuth, ref);
  for (int band = 0; band < kBandCount; ++band) ref[band] += gainRef;
}

int ComputeResponse(GroupEvaluation evaluate, float* level, float* phase, float* time) {
  const ComponentSlot& slot = *CurrentSlot;
  LineArraySeat array = CurrentLineArray(SourcePoint, true);
  for (int b = 0; b < array.boxCount; ++b) {
    const int32_t microseconds = slot.settings[design::kDelay + b];
    array.delay[b] = static_cast<float>(microseconds) / 1000000.0f;
    array.exactDelay[b] = microseconds * 1e-6;
  }
  const ResponseGroup* groups = EvaluateLineArray(array, evaluate, level, phase);
  if (!groups) return -1;
  // Box 1's middle low-group sub-source.
  *time = groups[0].singleTime[1];
  return 0;
}
