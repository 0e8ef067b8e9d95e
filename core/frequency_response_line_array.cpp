#include "frequency_response_line_array.h"

#include "air_state.h"
#include "box_levels.h"
#include "box_levels_grouped.h"
#include "design_data.h"
#include "registry.h"

namespace {
ResponseGroup lineArrayGroups[kLineArrayGroups];
constexpr int kMaxSourcesPerBox = 18;
static_assert(kLineArrayBandGroups[0].perBox <= kMaxSourcesPerBox &&
                  kLineArrayBandGroups[1].perBox <= kMaxSourcesPerBox &&
                  kLineArrayBandGroups[2].perBox <= kMaxSourcesPerBox,
              "room for every group's sub-sources of a box");
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
    // The box's equaliser, read once for its 30 sub-sources: each one's levels then take the
    // steps of CI_GetHornLPi (band 0) as the export would apply them (and, like the export,
    // leave them as they are for a box it refuses, which a box of the array never is).
    GroupedBoxSteps steps;
    const bool hasSteps = ReadGroupedBoxSteps(b + 1, steps);

    for (int g = 0; g < kLineArrayGroups; ++g) {
      const LineArrayBandGroup& layout = kLineArrayBandGroups[g];
      ResponseGroup& group = groups[g];
      // Distances first, then their spreading terms in a loop of their own, whose logarithms
      // do not wait for one another.
      float distance[kMaxSourcesPerBox];
      float spreading[kMaxSourcesPerBox];
      for (int k = 0; k < layout.perBox; ++k) {
        const float* point = array.sourcePoint(g, b, k);
        distance[k] = GetPointDistance(point, array.seat);
        SetArrivalTimes(group, b * layout.perBox + k, distance[k],
                        ExactDistance(point, array.seat), array.delay[b], array.exactDelay[b],
                        array.timeByDivision);
      }
      for (int k = 0; k < layout.perBox; ++k) spreading[k] = SpreadingTerm(distance[k]);
      for (int k = 0; k < layout.perBox; ++k) {
        const int i = b * layout.perBox + k;
        float levels[kBandCount];
        for (int e = 0; e < layout.bandCount; ++e) {
          const int band = layout.firstBand + e;
          levels[e] = LevelBeforeBoxTerms(atOneMetre[band], band, distance[k], spreading[k],
                                          array.excessAir);
        }
        if (hasSteps) ApplyGroupedBoxSteps(steps, g, ref, levels);
        for (int e = 0; e < layout.bandCount; ++e) group.LevelAt(e, i) = levels[e];
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
