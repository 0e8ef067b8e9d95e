// Sub-source geometry of the current Tarnwick array.
//
// The boxes are first laid out in the array's profile plane, each one a front face line tilted by
// its cumulative angle and joined to the box above through a hinge or an adapter; the points of
// that profile are then carried into the room with the host's position and angles.
#include <cmath>

#include "array_rotation.h"
#include "geometry_tables.h"
#include "product_hooks.h"
#include "registry.h"

namespace {
using namespace tarnwick;

static_assert(9 * product::kMaxBoxes <= kComponentEntries, "nine-point sets of every box");
static_assert(18 * product::kMaxBoxes <= sizeof(ComponentSlot::sourcePos18) / (3 * sizeof(float)),
              "eighteen-point sets of every box");
static_assert(product::kMaxBoxes <= sizeof(ComponentSlot::boxCentrePos) / (3 * sizeof(float)),
              "a centre for every box");

// Top of box b >= 1 below a box whose face ends at bottomAbove.
ProfilePoint TopBelow(const int32_t* settings, const BoxTilts& tilts, int b,
                      ProfilePoint bottomAbove) {
  const int model = ModelOf(settings, b);
  const int32_t junction = JunctionOf(settings, b);
  if (HasAdapter(junction)) {
    const float phi = AdapterDirection(tilts, b, junction, model);
    ProfilePoint top = bottomAbove + DownTheFace(AdapterGap(junction), phi);
    // The adapter hangs from the rear hinge of a model-0 box, behind its face line.
    if (ModelOf(settings, b - 1) == 0)
      top = top + ProfilePoint{kHingeOffset * std::cos(phi), kHingeOffset * std::sin(phi)};
    return top;
  }
  if (model != 0) return bottomAbove;
  // A model-0 box turns about a hinge lying behind the bottom of the face above.
  const float above = tilts.total[b - 1];
  const float own = tilts.total[b];
  return bottomAbove + ProfilePoint{kHingeOffset * (std::cos(above) - std::cos(own)),
                                    kHingeOffset * (std::sin(above) - std::sin(own))};
}
}  // namespace

int BuildArrayGeometry() {
  if (!CurrentSlot) return -1;
  ComponentSlot& slot = *CurrentSlot;
  const int n = BoundedBoxCount(slot);
  if (n <= 0) return 0;
  const int32_t* settings = slot.settings;

  BoxTilts tilts;
  ComputeBoxTilts(settings, n, tilts);
  const ArrayRotation place(slot.arrayAngles, slot.arrayPosition);

  ProfilePoint bottomAbove{0.0f, 0.0f};
  // The box's tilt in degrees for its aim, accumulated from the stored words themselves.
  float psi = static_cast<float>(settings[design::kAiming]) / 10.0f;
  for (int b = 0; b < n; ++b) {
    const int model = ModelOf(settings, b);
    const float theta = tilts.total[b];
    ProfilePoint top;
    if (b == 0) {
      top = DownTheFace(TopOffset(model), theta);
    } else {
      top = TopBelow(settings, tilts, b, bottomAbove);
      psi += static_cast<float>(settings[design::kSplayBase + b]);
    }
    const ProfilePoint bottom = top + DownTheFace(FrontHeight(model), theta);

    // Every box gets its nine-point set and its centre, whatever its model code, so that no
    // reader ever finds the values of an earlier design in them.
    float aim[3];
    SourceAimAngles(psi, slot.arrayAngles, aim);
    for (int k = 0; k < 9; ++k) {
      place.Place(PointAlong(top, bottom, (2 * k + 1) / 18.0f), slot.sourcePos9[9 * b + k]);
      for (int i = 0; i < 3; ++i) slot.sourceAngles[9 * b + k][i] = aim[i];
    }
    place.Place(PointAlong(top, bottom, 0.5f), slot.boxCentrePos[b]);
    // The eighteen-point set of the top box starts at the array origin even when its front top
    // lies below it.
    const ProfilePoint start = b == 0 ? ProfilePoint{0.0f, 0.0f} : top;
    for (int m = 0; m < 18; ++m)
      place.Place(PointAlong(start, bottom, (2 * m + 1) / 36.0f), slot.sourcePos18[18 * b + m]);
    bottomAbove = bottom;
  }
  return 0;
}
