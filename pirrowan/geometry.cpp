// Sub-source geometry of the current Pirrowan array: six sources a box on a fixed arc, the whole
// arc turned by the overall aiming angle and carried into the room.
#include <cmath>

#include "array_rotation.h"
#include "geometry_arc.h"
#include "product_hooks.h"
#include "registry.h"

namespace {
using namespace pirrowan;
static_assert(kSourcesPerBox * product::kMaxBoxes <= kComponentEntries, "sources of every box");
}  // namespace

int BuildArrayGeometry() {
  if (!CurrentSlot) return -1;
  ComponentSlot& slot = *CurrentSlot;
  const int n = BoundedBoxCount(slot);
  if (kSourcesPerBox * n < 1) return 0;

  const ArcConstants& arc = ArcOf(EnclosureTypeOf(slot.settings));
  const int32_t aimingWord = slot.settings[design::kAiming];
  const float aiming = static_cast<float>(aimingWord) * kDegreesToRadians * 0.1f;
  const float cosAiming = std::cos(aiming);
  const float sinAiming = std::sin(aiming);
  const ArrayRotation place(slot.arrayAngles, slot.arrayPosition);

  for (int b = 0; b < n; ++b) {
    const float psi = 0.1f * static_cast<float>(aimingWord) + kBoxArcDegrees * static_cast<float>(b);
    float aim[3];
    SourceAimAngles(psi, slot.arrayAngles, aim);
    for (int k = 0; k < kSourcesPerBox; ++k) {
      const int s = kSourcesPerBox * b + k;
      // Sources sit 2.5 degrees apart, box b's six around 15 b degrees down the arc.
      const float phi = (2.5f * static_cast<float>(s) - 6.25f) * kDegreesToRadians;
      const ProfilePoint onArc = {arc.radius * (1.0f - std::cos(phi)),
                                  -(arc.centreDepth + arc.radius * std::sin(phi))};
      place.Place(TurnProfilePoint(onArc, cosAiming, sinAiming), slot.sourcePos6[s]);
      for (int i = 0; i < 3; ++i) slot.sourceAngles[s][i] = aim[i];
    }
  }
  return 0;
}
