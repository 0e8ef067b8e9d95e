// How Tarnwick boxes hang: model and junction codes, front heights, adapter gaps and the tilt of
// every box. Shared by the sub-source geometry and the cabinet outline.
#pragma once
#include <cmath>
#include <cstdint>

#include "array_rotation.h"
#include "design_data.h"
#include "product_config.h"

namespace tarnwick {

constexpr int kLastModelCode = 18;
// Code of the plain standard box (TK-610): what a stored model code outside 0..18 is laid out
// and drawn as, so that it takes none of the special hanging rules of codes 0, 9, 15..17 and 18.
constexpr int kFallbackModelCode = 1;

// The model code of box b (0-based), always inside 0..18.
inline int ModelOf(const int32_t* settings, int b) {
  const int32_t code = settings[design::kModelCode + b];
  return code < 0 || code > kLastModelCode ? kFallbackModelCode : static_cast<int>(code);
}

// The junction code of box b: the adapter between box b - 1 and box b.
inline int32_t JunctionOf(const int32_t* settings, int b) {
  return settings[design::kJunctionCode + b];
}

// Codes 1..5 name an adapter frame laid between the boxes; anything else (-1 = none, and codes
// no adapter exists for) hinges the boxes directly.
inline bool HasAdapter(int32_t junction) { return junction >= 1 && junction <= 5; }

// Distance an adapter lays between two boxes, metres.
inline float AdapterGap(int32_t junction) {
  static constexpr float kGap[6] = {0.0f, 0.07619628f, 0.01904907f, 0.07619628f, 0.03809814f,
                                    0.03809814f};
  return HasAdapter(junction) ? kGap[junction] : 0.0f;
}

// Length of the front face line of each model code, metres.
inline float FrontHeight(int model) {
  static constexpr float kHeight[kLastModelCode + 1] = {
      0.41399977f, 0.49273598f, 0.49273598f, 0.49273598f, 0.37844154f, 0.37844154f, 0.27938637f,
      0.27938637f, 0.27938637f, 0.19988824f, 0.49273598f, 0.49273598f, 0.49273598f, 0.4571777f,
      0.4571777f,  0.56893224f, 0.56893224f, 0.56893224f, 0.39672863f};
  return kHeight[model];
}

// The rear hinge of a model-0 box lies this far behind its front face line.
constexpr float kHingeOffset = 0.101595044f;

// How far down its face the front top of a first box of model 9 or 18 lies; 0 for the others.
inline float TopOffset(int model) {
  if (model == 9) return 0.004825764801353216f;
  if (model == 18) return 0.00660367775708437f;
  return 0.0f;
}

// The stored tilt steps of boxes 0 .. n - 1 (radians): step[0] the aiming of the top box, step[b]
// the splay of junction b; total[b] the cumulative tilt of box b (positive = aims down).
struct BoxTilts {
  float step[product::kMaxBoxes];
  float total[product::kMaxBoxes];
};

inline void ComputeBoxTilts(const int32_t* settings, int n, BoxTilts& tilts) {
  for (int b = 0; b < n; ++b) {
    if (b == 0) {
      tilts.step[0] = static_cast<float>(settings[design::kAiming]) * kDegreesToRadians / 10.0f;
      tilts.total[0] = tilts.step[0];
    } else {
      tilts.step[b] = static_cast<float>(settings[design::kSplayBase + b]) * kDegreesToRadians;
      tilts.total[b] = tilts.total[b - 1] + tilts.step[b];
    }
  }
}

// Direction (as a tilt angle) along which the adapter above box b >= 1 is laid: the mean of the
// two stored steps on either side of the box above, or box b's own tilt when a code-1 adapter
// carries a box of models 15..17.
inline float AdapterDirection(const BoxTilts& tilts, int b, int32_t junction, int modelBelow) {
  if (junction == 1 && modelBelow >= 15 && modelBelow <= 17) return tilts.total[b];
  return tilts.total[b - 1] + (tilts.step[b - 1] + tilts.step[b]) / 2.0f;
}

// The offset `length` along the tilt direction phi: (sin phi, -cos phi) in the profile plane.
inline ProfilePoint DownTheFace(float length, float phi) {
  return {length * std::sin(phi), -length * std::cos(phi)};
}

}  // namespace tarnwick
