// The fixed arc of a Pirrowan array: every box spans 15 degrees of a circle whose radius depends
// on the enclosure type. Shared by the sub-source geometry and the cabinet outline.
#pragma once
#include <cstdint>

#include "design_data.h"

namespace pirrowan {

constexpr float kBoxArcDegrees = 15.0f;
constexpr int kSourcesPerBox = 6;

// The enclosure type of the array: 0 the PW-21S, 1 the PW-22S. A stored value other than 0 is
// taken as the PW-22S, the type the outline has always drawn for it.
inline int EnclosureTypeOf(const int32_t* settings) {
  return settings[design::kEnclosureType] == 0 ? 0 : 1;
}

// Radius of the arc and the depth of its front point below the array origin, metres.
struct ArcConstants {
  float radius;
  float centreDepth;
};
inline const ArcConstants& ArcOf(int enclosureType) {
  static const ArcConstants kArc[2] = {{0.8757f, 0.115f}, {1.325f, 0.1745f}};
  return kArc[enclosureType];
}

}  // namespace pirrowan
