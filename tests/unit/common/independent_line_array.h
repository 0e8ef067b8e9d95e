// The sub-sources of a line-array box for the independent evaluation, for the deliverables whose
// slot holds the nine- and eighteen-point tables: three sub-sources in bands 0..11 (points 1, 4
// and 7 of the nine along the front), all nine in bands 12..16, the eighteen-point set in bands
// 17..20. A box is aimed like its middle point and sees the seat from there.
#pragma once
#include "independent_response.h"
#include "registry.h"

namespace independent {

inline std::vector<BandGroup> LineArrayGroups() { return {{0, 12, 3}, {12, 5, 9}, {17, 4, 18}}; }

inline const float* LineArraySubSource(const ComponentSlot& slot, int group, int box, int k) {
  if (group == 0) return slot.sourcePos9[9 * box + 1 + 3 * k];
  if (group == 1) return slot.sourcePos9[9 * box + k];
  return slot.sourcePos18[18 * box + k];
}

inline Direction LineArrayToSeat(const ComponentSlot& slot, int box, const double* seat) {
  return DirectionFromBox(slot.sourcePos9[9 * box + 4], slot.sourceAngles[9 * box + 4], seat);
}

}  // namespace independent
