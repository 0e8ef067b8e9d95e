// Tarnwick's cabinet outline: 30 vertices and 41 edges a box, from one of two box layouts and one
// of nine dimension sets, hung box below box with the design's aiming, splay and junction data.
//
// The outline keeps its own dimension sets and its own anchor rule: they draw the cabinets, while
// the front heights of the sub-source geometry describe where they radiate.
#include <cmath>

#include "geometry_tables.h"
#include "outline.h"

namespace {
using namespace tarnwick;

constexpr float kTan5Degrees = 0.0874886635f;  // tan(pi / 36)
// The hinge of a model-0 box lies this far behind its front bottom edge.
constexpr float kOutlineHingeOffset = 0.10159505f;

// W half width, P side depth, F front height, R rear edge height, A and B the x of the inner front
// and recess points, C the recess depth, J and E the front and recess insets.
struct BoxDimensions {
  float W, P, F, R, A, B, C, J, E;
  float Taper() const { return (F - R) / 2.0f; }
};

constexpr float RearEdge(float front, float taperLength) { return front - taperLength * kTan5Degrees; }
constexpr float kOrlexFront = 0.414f;
constexpr float kOrlexRear = RearEdge(kOrlexFront, 1.0250098621614456f);
constexpr float kOrlexTaper = (kOrlexFront - kOrlexRear) / 2.0f;

const BoxDimensions kDimensionSets[] = {
    {0.6115f, 0.6141f, kOrlexFront, kOrlexRear, 0.1576f, 0.014f, 0.1016f, kOrlexTaper,
     kOrlexFront - kOrlexTaper},
    {0.607f, 0.541f, 0.494f, RearEdge(0.494f, 1.082f), 0.1576f, 0.014f, 0.1433f, 0.02496f, 0.0437f},
    {0.5f, 0.526f, 0.378f, RearEdge(0.378f, 1.052f), 0.1283f, 0.014f, 0.1235f, 0.0152f, 0.0572f},
    {0.3935f, 0.415f, 0.279f, RearEdge(0.279f, 0.83f), 0.1194f, 0.0127f, 0.0954f, 0.0152f, 0.047f},
    {0.2895f, 0.255f, 0.2f, 0.131f, 0.0945f, 0.0123f, 0.055f, 0.0125f, 0.0175f},
    {0.607f, 0.86f, 0.493f, RearEdge(0.493f, 1.72f), 0.1576f, 0.1576f, 0.0f, 0.02496f, 0.02496f},
    {0.5f, 0.86f, 0.457f, RearEdge(0.457f, 1.72f), 0.1283f, 0.1283f, 0.0f, 0.0152f, 0.0152f},
    {0.3935f, 0.654f, 0.569f, 0.569f, 0.378f, 0.378f, 0.0f, 0.0155f, 0.0155f},
    {0.2895f, 0.637f, 0.398f, 0.398f, 0.274f, 0.274f, 0.0f, 0.0155f, 0.0155f},
};
constexpr int kDimensionSetOfModel[kLastModelCode + 1] = {0, 1, 1, 1, 2, 2, 3, 3, 3, 4,
                                                         5, 5, 5, 6, 6, 7, 7, 7, 8};

// The rear frame of the models that carry one: x, depth behind the side panel, front and rear
// heights.
struct RearFrame {
  float fx, fd, f1, f2;
};
constexpr RearFrame kWideFrame = {0.42f, 0.147f, 0.238f, 0.199f};
constexpr RearFrame kNarrowFrame = {0.34f, 0.145f, 0.186f, 0.16f};
constexpr RearFrame kTallFrame = {0.266f, 0.145f, 0.314f, 0.273f};

// Model 14 is a frame model of the 0.5 m wide cabinet without frame values of its own; it takes
// the frame of the other models of that width.
const RearFrame* RearFrameOf(int model) {
  switch (model) {
    case 3: case 5: case 12: case 14: return &kWideFrame;
    case 8: return &kNarrowFrame;
    case 17: return &kTallFrame;
    default: return nullptr;
  }
}

// The thirty vertices of one box in its own frame (element j - 1 holds vertex j).
void BoxVertices(int model, OutlinePoint v[kOutlineVerticesPerBox]) {
  const BoxDimensions& d = kDimensionSets[kDimensionSetOfModel[model]];
  const float t = d.Taper();
  if (model == 0) {
    const OutlinePoint layout[10] = {{d.W, 0, 0},   {d.W, d.C, 0},  {d.W, d.P, -t},
                                     {d.W, d.P, -(d.F - t)},       {d.W, d.C, -d.F},
                                     {d.W, 0, -d.F}, {d.A, 0, 0},   {d.A, 0, -d.F},
                                     {d.B, d.C, 0},  {d.B, d.C, -d.F}};
    for (int j = 0; j < 10; ++j) v[j] = layout[j];
  } else {
    const OutlinePoint layout[10] = {{d.W, 0, 0},
                                     {d.W, d.P, -t},
                                     {d.W, d.P, -(d.F - t)},
                                     {d.W, 0, -d.F},
                                     {d.A, 0, -d.J},
                                     {d.B, d.C, -d.E},
                                     {d.B, d.C, -(d.F - d.E)},
                                     {d.A, 0, -(d.F - d.J)},
                                     {d.W - d.J, 0, -d.J},
                                     {d.W - d.J, 0, -(d.F - d.J)}};
    for (int j = 0; j < 10; ++j) v[j] = layout[j];
  }

  // Vertices 11..26: the circle of the front grille.
  float cx = (d.A + d.W - d.J) / 2.0f;
  float rho = 0.45f * (d.W - d.J - d.A);
  if (model == 0) {
    cx = (d.W + d.A) / 2.0f;
    rho = 0.45f * d.F;
  } else if (model >= 15 && model <= 17) {
    cx = 0.0f;
    rho = d.F / 2.0f - d.J;
  }
  for (int i = 0; i < 16; ++i) {
    const float angle = static_cast<float>(i) * 22.5f * kDegreesToRadians;
    v[10 + i] = model == 18 ? v[0]
                            : OutlinePoint{cx + rho * std::cos(angle), 0.0f,
                                           -(d.F / 2.0f + rho * std::sin(angle))};
  }

  // Vertices 27..30: the rear frame, or four copies of vertex 3 where there is none.
  const RearFrame* frame = RearFrameOf(model);
  for (int j = 26; j < 30; ++j) v[j] = v[2];
  if (frame) {
    const float front = (d.F - frame->f1) / 2.0f;
    const float rear = (d.F - frame->f2) / 2.0f;
    v[26] = {frame->fx, d.P, -front};
    v[27] = {frame->fx, d.P, -(front + frame->f1)};
    v[28] = {frame->fx, d.P + frame->fd, -rear};
    v[29] = {frame->fx, d.P + frame->fd, -(rear + frame->f2)};
  }
}

ProfilePoint YZ(const OutlinePoint& p) { return {p.y, p.z}; }

// Where the front top of box b >= 1 goes, from the placed vertices of the box above.
ProfilePoint AnchorBelow(const int32_t* settings, const BoxTilts& tilts, int b,
                         const OutlinePoint above[kOutlineVerticesPerBox]) {
  const int model = ModelOf(settings, b);
  const bool aboveIsOrlex = ModelOf(settings, b - 1) == 0;
  const float own = tilts.total[b];
  ProfilePoint anchor;
  if (model != 0) {
    // Below the front bottom edge, or below the hinge point behind it on a model-0 box.
    anchor = YZ(above[aboveIsOrlex ? 4 : 3]);
  } else if (aboveIsOrlex) {
    // Hinged on the hinge point of the model-0 box above, which lies as far behind its own top.
    anchor = YZ(above[4]) - ProfilePoint{kOutlineHingeOffset * std::cos(own),
                                         kOutlineHingeOffset * std::sin(own)};
  } else {
    // A model-0 box below another model turns about a hinge behind the front bottom edge of the
    // box above, as its sound sources do (vertex 5 of the other layout is a front point near that
    // box's top).
    const float aboveTilt = tilts.total[b - 1];
    anchor = YZ(above[3]) +
             ProfilePoint{kOutlineHingeOffset * (std::cos(aboveTilt) - std::cos(own)),
                          kOutlineHingeOffset * (std::sin(aboveTilt) - std::sin(own))};
  }
  const int32_t junction = JunctionOf(settings, b);
  if (HasAdapter(junction))
    anchor = anchor + DownTheFace(AdapterGap(junction), AdapterDirection(tilts, b, junction, model));
  return anchor;
}

const OutlineEdgeRule kOrlexEdges[] = {
    {1, 1, 2}, {1, 2, 3}, {1, 3, 4}, {1, 4, 5},  {1, 5, 6},  {1, 6, 1},  {0, 3, -3},  {0, 4, -4},
    {1, 1, 7}, {1, 6, 8}, {1, 7, 9}, {1, 8, 10}, {1, 7, 8},  {1, 9, 10}, {1, 7, 8},   {0, 9, -9},
    {0, 10, -10}};
const OutlineEdgeRule kCabinetEdges[] = {
    {0, 1, -1}, {0, 2, -2}, {0, 3, -3}, {0, 4, -4}, {1, 1, 2}, {1, 2, 3},  {1, 3, 4},   {1, 4, 1},
    {0, 6, -6}, {0, 7, -7}, {1, 5, 6},  {1, 7, 8},  {1, 5, 8}, {1, 6, 7},  {1, 5, 9},   {1, 9, 10},
    {1, 10, 8}};
// Grille circle and rear frame, the same for every box.
const OutlineEdgeRule kCommonEdges[] = {
    {1, 11, 12}, {1, 12, 13}, {1, 13, 14}, {1, 14, 15}, {1, 15, 16}, {1, 16, 17},  {1, 17, 18},
    {1, 18, 19}, {1, 19, 20}, {1, 20, 21}, {1, 21, 22}, {1, 22, 23}, {1, 23, 24},  {1, 24, 25},
    {1, 25, 26}, {1, 11, 26}, {0, 27, -27}, {0, 28, -28}, {0, 29, -29}, {0, 30, -30}, {1, 27, 28},
    {1, 28, 30}, {1, 29, 30}, {1, 29, 27}};
constexpr int kPatternEdges = 17;
constexpr int kCommonEdgeCount = 24;
static_assert(sizeof kOrlexEdges / sizeof kOrlexEdges[0] == kPatternEdges, "");
static_assert(sizeof kCabinetEdges / sizeof kCabinetEdges[0] == kPatternEdges, "");
static_assert(sizeof kCommonEdges / sizeof kCommonEdges[0] == kCommonEdgeCount, "");
static_assert(kPatternEdges + kCommonEdgeCount == kOutlineEdgesPerBox, "");
}  // namespace

void WriteOutlineVertices(const int32_t* settings, int boxCount, CsVertex* out) {
  BoxTilts tilts;
  ComputeBoxTilts(settings, boxCount, tilts);
  OutlinePoint placed[kOutlineVerticesPerBox];
  for (int b = 0; b < boxCount; ++b) {
    const ProfilePoint anchor =
        b == 0 ? ProfilePoint{0.0f, 0.0f} : AnchorBelow(settings, tilts, b, placed);
    const float cosine = std::cos(tilts.total[b]);
    const float sine = std::sin(tilts.total[b]);
    OutlinePoint local[kOutlineVerticesPerBox];
    BoxVertices(ModelOf(settings, b), local);
    for (int j = 0; j < kOutlineVerticesPerBox; ++j) {
      const ProfilePoint p = TurnProfilePoint(YZ(local[j]), cosine, sine) + anchor;
      placed[j] = {local[j].x, p.u, p.v};
      PutVertex(out[kOutlineVerticesPerBox * b + j], placed[j]);
    }
  }
}

void WriteOutlineEdges(const int32_t* settings, int boxCount, CsEdge* out) {
  for (int b = 0; b < boxCount; ++b) {
    const int base = kOutlineVerticesPerBox * b;
    const OutlineEdgeRule* pattern = ModelOf(settings, b) == 0 ? kOrlexEdges : kCabinetEdges;
    out = PutEdgePattern(pattern, kPatternEdges, base, out);
    out = PutEdgePattern(kCommonEdges, kCommonEdgeCount, base, out);
  }
}
