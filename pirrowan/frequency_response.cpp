// Pirrowan's response at the seat: one band group of six sub-sources per box radiating all 21
// bands, one enclosure type for the whole array, attenuations in tenths of a dB.
#include <algorithm>

#include "air_state.h"
#include "box_levels_hf.h"
#include "design_data.h"
#include "directivity.h"
#include "frequency_response_line_array.h"
#include "registry.h"

namespace {
constexpr int kPerBox = 6;

float DelayOf(const ComponentSlot& slot, int box) {
  return static_cast<float>(slot.settings[design::kDelay + box]) * 0.000001f;
}

ResponseGroup group;
}  // namespace

void BoxReferenceLevels(int box, const float* seat, float* ref) {
  const ComponentSlot& slot = *CurrentSlot;
  // Between the middle two sub-sources, aimed as the upper of them.
  const float* upper = slot.sourcePos6[kPerBox * box + 2];
  const float* lower = slot.sourcePos6[kPerBox * box + 3];
  const float middle[3] = {(upper[0] + lower[0]) * 0.5f, (upper[1] + lower[1]) * 0.5f,
                           (upper[2] + lower[2]) * 0.5f};
  const SeatDirection direction =
      DirectionInBoxFrame(middle, slot.sourceAngles[kPerBox * box + 2], seat);
  const float attRef = static_cast<float>(slot.settings[design::kAttenuation + box]) * 0.1f;
  GetDirectivityBands(slot.settings[design::kEnclosureType], direction.polar, direction.azimuth,
                      ref);
  for (int band = 0; band < kBandCount; ++band) ref[band] += attRef;
}

int ComputeResponse(GroupEvaluation evaluate, float* level, float* phase, float* time) {
  const ComponentSlot& slot = *CurrentSlot;
  const int n = BoundedBoxCount(slot);
  if (!StartGroup(group, 0, kBandCount, kPerBox * n)) return -1;
  const bool excessAir = slot.settings[design::kExcessAir] != 0;
  const float* seat = slot.seatPosition[0];
  // Every component has the same level at 1 m; component 1 names it.
  float atOneMetre[kBandCount] = {};
  for (int band = 0; band < kBandCount; ++band) CI_GetCompSPL1m(1, band + 1, &atOneMetre[band]);

  float smallestDelay = DelayOf(slot, 0);
  for (int b = 0; b < n; ++b) {
    float ref[kBandCount];
    BoxReferenceLevels(b, seat, ref);
    const float delay = DelayOf(slot, b);
    smallestDelay = std::min(smallestDelay, delay);
    for (int k = 0; k < kPerBox; ++k) {
      const int i = kPerBox * b + k;
      const float* point = slot.sourcePos6[i];
      const float d = GetPointDistance(point, seat);
      const float spreading = SpreadingTerm(d);
      float levels[kBandCount];
      for (int band = 0; band < kBandCount; ++band)
        levels[band] = LevelBeforeBoxTerms(atOneMetre[band], band, d, spreading, excessAir);
      HornLevelsOfBox(b + 1, 0, levels, ref);
      for (int band = 0; band < kBandCount; ++band) group.LevelAt(band, i) = levels[band];
      SetArrivalTimes(group, i, d, ExactDistance(point, seat), delay,
                      slot.settings[design::kDelay + b] * 1e-6, false);
    }
  }
  evaluate(group, level);
  for (int b = 0; b < kBandCount; ++b) phase[b] = 0.0f;
  // The last sub-source of the upper half of the array, with the earliest box delay.
  const float upperHalfEnd = GetPointDistance(slot.sourcePos6[3 * n - 1], seat);
  *time = upperHalfEnd / Air.speedOfSound + smallestDelay;
  return 0;
}
