// Sub-source geometry of the current Brenlowe array, and the hanging rules it shares with the
// cabinet outline.
#include <cmath>

#include "array_rotation.h"
#include "design_data.h"
#include "geometry_hanging.h"
#include "product_hooks.h"
#include "registry.h"

namespace brenlowe {
namespace {
static_assert(9 * product::kMaxBoxes <= kComponentEntries, "nine-point sets of every box");
static_assert(18 * product::kMaxBoxes <= sizeof(ComponentSlot::sourcePos18) / (3 * sizeof(float)),
              "eighteen-point sets of every box");

constexpr int kLastModelCode = 5;
// Models 0..2 and 3..5 are the same three cabinets.
const BoxShape kShapes[3] = {
    {0.638f, 0.42f, 10, 0.499f, 0.154f},
    {0.769f, 0.424f, 8, 0.472f, 0.209f},
    {1.377f, 0.411f, 5, 0.428f, 0.258f},
};

int ModelOf(const int32_t* settings, int b) {
  const int32_t code = settings[design::kModelCode + b];
  return code < 0 || code > kLastModelCode ? 0 : static_cast<int>(code);
}

float TopPanelLength(const BoxShape& shape) {
  const float m = shape.Taper();
  return std::sqrt(shape.depth * shape.depth + m * m);
}

// Hinge of box b >= 1 below the placed box above: which point of box b's own frame (pivot) meets
// which point of the box above (target).
void ChooseHinge(const int32_t* settings, int b, const HungBox& above, HungBox& box) {
  const BoxShape& prevShape = ShapeOf(settings, b - 1);
  const BoxShape& shape = ShapeOf(settings, b);
  ProfilePoint prev[kCornerCount], own[kCornerCount];
  BoxCorners(prevShape, prev);
  BoxCorners(shape, own);
  const float hinge = static_cast<float>(settings[design::kHingeBase + b]) * 0.1f;
  const float mean = static_cast<float>(prevShape.nominalAngle + shape.nominalAngle) / 2.0f;

  if (hinge < mean) {
    // Splayed less than the panels are drawn for: the boxes touch at the front.
    box.pivot = own[kFrontTop];
    box.target = above.Place(prev[kFrontBottom]);
    return;
  }
  // Splayed as far as the panels or further: the boxes touch at the rear, where the shorter of
  // the two panels ends.
  const ProfilePoint rearBottom = above.Place(prev[kRearBottom]);
  const float prevLength = TopPanelLength(prevShape);
  const float length = TopPanelLength(shape);
  box.pivot = own[kRearTop];
  box.target = rearBottom;
  if (ModelOf(settings, b) == ModelOf(settings, b - 1)) return;
  if (prevLength > length) {
    box.target = PointAlong(above.Place(prev[kFrontBottom]), rearBottom, length / prevLength);
  } else {
    box.pivot = (prevLength / length) * own[kRearTop];
  }
}
}  // namespace

const BoxShape& ShapeOf(const int32_t* settings, int b) { return kShapes[ModelOf(settings, b) % 3]; }

void BoxCorners(const BoxShape& shape, ProfilePoint corners[kCornerCount]) {
  const float m = shape.Taper();
  corners[kFrontTop] = {0.0f, 0.0f};
  corners[kRearTop] = {shape.depth, -m};
  corners[kRearBottom] = {shape.depth, -(m + shape.rearHeight)};
  corners[kFrontBottom] = {0.0f, -kFrontHeight};
}

void HangBoxes(const int32_t* settings, int n, float degreesToRadians, HungBox boxes[]) {
  float tilt = 0.0f;
  for (int b = 0; b < n; ++b) {
    const int word = b == 0 ? design::kAiming : design::kHingeBase + b;
    tilt += static_cast<float>(settings[word]) * 0.1f * degreesToRadians;
    HungBox& box = boxes[b];
    box.cosine = std::cos(tilt);
    box.sine = std::sin(tilt);
    // The top box turns about its front top, which stays at the origin.
    box.pivot = {0.0f, 0.0f};
    box.target = {0.0f, 0.0f};
    if (b > 0) ChooseHinge(settings, b, boxes[b - 1], box);
  }
}

float BoxTiltDegrees(const int32_t* settings, int b) {
  // Summed as integers first, wide enough that no stored values can overflow the sum.
  int64_t tenths = settings[design::kAiming];
  for (int i = 1; i <= b; ++i) tenths += settings[design::kHingeBase + i];
  return 0.1f * static_cast<float>(tenths);
}

}  // namespace brenlowe

int BuildArrayGeometry() {
  using namespace brenlowe;
  if (!CurrentSlot) return -1;
  ComponentSlot& slot = *CurrentSlot;
  const int n = BoundedBoxCount(slot);
  if (n <= 0) return 0;

  HungBox boxes[product::kMaxBoxes];
  HangBoxes(slot.settings, n, kDegreesToRadians, boxes);
  const ArrayRotation place(slot.arrayAngles, slot.arrayPosition);
  for (int b = 0; b < n; ++b) {
    const ProfilePoint top = boxes[b].Place({0.0f, 0.0f});
    const ProfilePoint bottom = boxes[b].Place({0.0f, -kFrontHeight});
    float aim[3];
    SourceAimAngles(BoxTiltDegrees(slot.settings, b), slot.arrayAngles, aim);
    for (int k = 0; k < 9; ++k) {
      place.Place(PointAlong(top, bottom, (2 * k + 1) / 18.0f), slot.sourcePos9[9 * b + k]);
      for (int i = 0; i < 3; ++i) slot.sourceAngles[9 * b + k][i] = aim[i];
    }
    for (int m = 0; m < 18; ++m)
      place.Place(PointAlong(top, bottom, (2 * m + 1) / 36.0f), slot.sourcePos18[18 * b + m]);
  }
  return 0;
}
