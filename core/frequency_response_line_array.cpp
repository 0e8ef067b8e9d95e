#include "frequency_response_line_array.h"

#include "air_state.h"
#include "box_levels.h"
#include "box_levels_grouped.h"
#include "design_data.h"
#include "registry.h"

namespace {
ResponseGroup lineArrayGroups[kLineArrayGroups];
}  // namespace

float LevelBeforeBoxTerms(float levelAt1m, int band, float distance, float spreading,
                          bool excessAir) {
  float level = levelAt1m;
  if (excessAir) level = level - airAbsorption[band] * distance;
  return level - spreading;
}

void SetArrivalTimes(ResponseGroup& group, int i, float distance, double exactDistance,
                     float delay, double exactDelay, bool timeByDivision) {
  const float c = Air.speedOfSound;
  const float travel = timeByDivision ? distance / c : distance * (1.0f / c);
  group.singleTime[i] = travel + delay;
  group.time[i] = exactDistance / static_cast<double>(c) + exactDelay;
}

bool BuildLineArrayGroups(const LineArraySeat& array, ResponseGroup* groups) {
  const int n = array.boxCount;
  for (int g = 0; g < kLineArrayGroups; ++g) {
    const LineArrayBandGroup& layout = kLineArrayBandGroups[g];
    if (!StartGroup(groups[g], layout.firstBand, layout.bandCount, n * layout.perBox)) return false;
  }
  for (int b = 0; b < n; ++b) {
    float atOneMetre[kBandCount] = {};
    for (int band = 0; band < kBandCount; ++band) CI_GetCompSPL1m(b + 1, band, &atOneMetre[band]);
    float ref[kBandCount] = {};
    BoxReferenceLevels(b, array.seat, ref);

    for (int g = 0; g < kLineArrayGroups; ++g) {
      const LineArrayBandGroup& layout = kLineArrayBandGroups[g];
      ResponseGroup& group = groups[g];
      for (int k = 0; k < layout.perBox; ++k) {
        const int i = b * layout.perBox + k;
        const float* point = array.sourcePoint(g, b, k);
        const float d = GetPointDistance(point, array.seat);
        const float spreading = SpreadingTerm(d);
        float levels[kBandCount];
        for (int e = 0; e < layout.bandCount; ++e) {
          const int band = layout.firstBand + e;
          levels[e] = LevelBeforeBoxTerms(atOneMetre[band], band, d, spreading, array.excessAir);
        }
        GroupedHornLevels(g, b + 1, 0, levels, ref);
        for (int e = 0; e < layout.bandCount; ++e) group.LevelAt(e, i) = levels[e];
        SetArrivalTimes(group, i, d, ExactDistance(point, array.seat), array.delay[b],
                        array.exactDelay[b], array.timeByDivision);
      }
    }
  }
  return true;
}

LineArraySeat CurrentLineArray(const float* (*sourcePoint)(int group, int box, int k),
                               bool timeByDivision) {
  const ComponentSlot& slot = *CurrentSlot;
  LineArraySeat array{};
  array.boxCount = BoundedBoxCount(slot);
  array.excessAir = slot.settings[design::kExcessAir] != 0;
  array.seat = slot.seatPosition[0];
  array.sourcePoint = sourcePoint;
  array.timeByDivision = timeByDivision;
  return array;
}

const ResponseGroup* EvaluateLineArray(const LineArraySeat& array, GroupEvaluation evaluate,
                                       float* level, float* phase) {
  if (!BuildLineArrayGroups(array, lineArrayGroups)) return nullptr;
  for (const ResponseGroup& group : lineArrayGroups) evaluate(group, level);
  for (int b = 0; b < kBandCount; ++b) phase[b] = 0.0f;
  return lineArrayGroups;
}
