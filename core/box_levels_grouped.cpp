#include "box_levels_grouped.h"

#include "bands.h"
#include "design_data.h"
#include "finite_values.h"
#include "level_tables.h"
#include "settings_block.h"

namespace {
struct BandGroup {
  int firstBand;
  int entries;
};
constexpr int kGroupCount = 3;
constexpr BandGroup kBandGroups[kGroupCount] = {{0, 12}, {12, 5}, {17, 4}};

bool IsGroup(int group) { return group >= 0 && group < kGroupCount; }

// Entry of a band in its own group's array.
int EntryOfBand(int band) {
  for (int g = kGroupCount - 1; g >= 0; --g)
    if (band >= kBandGroups[g].firstBand) return band - kBandGroups[g].firstBand;
  return band;
}

const int32_t* CurrentBoxEqRow(int box) {
  return CurrentBoxWords(design::kEqRows, kEqRowWords, box);
}


void StepsOfRow(const int32_t* eq, GroupedBoxSteps& steps) {
  for (int b = 0; b < kBandCount; ++b) steps.eqGain[b] = StoredEqGain(eq, b);
}
}  // namespace

bool ReadGroupedBoxSteps(int box, GroupedBoxSteps& steps) {
  const int32_t* eq = CurrentBoxEqRow(box);
  if (eq) StepsOfRow(eq, steps);
  return eq != nullptr;
}

void ApplyGroupedBoxSteps(const GroupedBoxSteps& steps, int group, const float* ref,
                          float* levels) {
  // A group without an array leaves the levels as they are.
  if (!IsGroup(group)) return;
  const BandGroup& g = kBandGroups[group];
  for (int k = 0; k < g.entries; ++k) {
    const int b = g.firstBand + k;
    levels[k] = WithReferenceAndEq(levels[k], ref[b], steps.eqGain[b]);
  }
  // The split covers the whole array.
  for (int k = 0; k < g.entries; ++k) levels[k] -= SourceSplitGain[group];
}

namespace {
// CI_GetHornLPi's arithmetic on levels, for a box with the row eq and band 0..21.
int HornLevels(int group, const int32_t* eq, int band, float* levels, const float* ref) {
  if (band == 0) {
    GroupedBoxSteps steps;
    StepsOfRow(eq, steps);
    ApplyGroupedBoxSteps(steps, group, ref, levels);
    return 0;
  } else {
    // The entry follows the band, not the group; a band whose entry lies past the end of the
    // group's array is refused rather than written beyond the caller's array.
    const int b = band - 1;
    const int entry = EntryOfBand(b);
    if (IsGroup(group) && entry >= kBandGroups[group].entries) return -1;
    levels[entry] = WithReferenceAndEq(levels[entry], ref[b], StoredEqGain(eq, b));
  }
  if (IsGroup(group)) {
    // The split covers the whole array, in one-band mode too.
    for (int k = 0; k < kBandGroups[group].entries; ++k) levels[k] -= SourceSplitGain[group];
  }
  return 0;
}

// The largest group's entries.
constexpr int kMostEntries = 12;
}  // namespace

int GroupedHornLevels(int group, int box, int band, float* levels, const float* ref) {
  const int32_t* eq = CurrentBoxEqRow(box);
  if (!eq || !levels || !ref || band < 0 || band > kBandCount) return -1;
  // The entries handed back: the whole group, or for a number that names no group the band's
  // own entry (none in band 0). They are worked on in a copy and handed back only when every
  // one is finite: the host's levels or references can be anything.
  int first = 0;
  int end = 0;
  if (IsGroup(group)) {
    end = kBandGroups[group].entries;
  } else if (band != 0) {
    first = EntryOfBand(band - 1);
    end = first + 1;
  }
  float work[kMostEntries];
  for (int k = first; k < end; ++k) work[k] = levels[k];
  if (HornLevels(group, eq, band, work, ref) != 0) return -1;
  if (!AllFinite(work + first, end - first)) return -1;
  for (int k = first; k < end; ++k) levels[k] = work[k];
  return 0;
}

int GroupedBandLevel(int group, int box, int band, float* level, const float* ref) {
  const int32_t* eq = CurrentBoxEqRow(box);
  if (!eq || !level || !ref || !IsBandIndex(band)) return -1;
  float work = WithReferenceAndEq(*level, ref[band], StoredEqGain(eq, band));
  if (IsGroup(group)) work -= SourceSplitGain[group];
  return HandOutFinite(&work, 1, level) ? 0 : -1;
}
