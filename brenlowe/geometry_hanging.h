// How Brenlowe boxes hang: each box is a trapezoid in the profile plane, turned by its cumulative
// tilt and hinged to the box above at the front or at the rear corners depending on how far the
// pair is splayed. Shared by the sub-source geometry and the cabinet outline.
#pragma once
#include <cstdint>

#include "array_rotation.h"
#include "product_config.h"

namespace brenlowe {

constexpr float kFrontHeight = 0.533f;
constexpr float kFrontHalfWidth = 0.675f;

// The cabinet of one model code: depth, rear height, the nominal splay its panels are drawn for
// (whole degrees) and the outline's rear half-width and side-panel depth.
struct BoxShape {
  float depth;
  float rearHeight;
  int nominalAngle;
  float rearHalfWidth;
  float sideDepth;

  // Drop of the top panel from front to rear: (F - c) / 2.
  float Taper() const { return (kFrontHeight - rearHeight) / 2.0f; }
};

// The shape of box b's model code; a stored code outside 0..5 is laid out as model 0.
const BoxShape& ShapeOf(const int32_t* settings, int b);

// Corners of a box in its own frame (origin at its front top): 0 front top, 1 rear top,
// 2 rear bottom, 3 front bottom.
enum Corner { kFrontTop, kRearTop, kRearBottom, kFrontBottom, kCornerCount };
void BoxCorners(const BoxShape& shape, ProfilePoint corners[kCornerCount]);

// Placement of one box in the array frame: a point p of its own frame goes to
// target + R(tilt) (p - pivot).
struct HungBox {
  float cosine;
  float sine;
  ProfilePoint pivot;
  ProfilePoint target;

  ProfilePoint Place(ProfilePoint p) const {
    return target + TurnProfilePoint(p - pivot, cosine, sine);
  }
};

// Hangs boxes 0 .. n - 1 (n <= kMaxBoxes) with the given degrees-to-radians factor.
void HangBoxes(const int32_t* settings, int n, float degreesToRadians, HungBox boxes[]);

// Cumulative tilt of box b in degrees, from the stored tenths (aiming plus hinges 1..b).
float BoxTiltDegrees(const int32_t* settings, int b);

}  // namespace brenlowe
