// A second evaluation of the response at a seat, written straight from the acoustics in double
// precision, one sub-source and one pair at a time: the level at 1 m from the cabinets' rated
// sensitivity and power, distance spreading, ISO 9613-1 air absorption, the directivity read
// from the raw balloon tables by bilinear interpolation, gain, equaliser and the split among a
// box's sub-sources, then the band-averaged interference sum over every pair. It shares with
// the engine only the sub-source positions and aims the geometry builder wrote into the slot and
// the raw directivity tables, so a fault in the engine's band levels, its reference levels, its
// pair sums or its directivity probe shows up as a difference.
#pragma once
#include <array>
#include <cstdint>
#include <vector>

#include "bands.h"

struct ComponentSlot;

namespace independent {

using BandLevels = std::array<double, kBandCount>;

// One sub-source as heard at the seat: its box, arrival time and level in the bands of its group.
struct Source {
  int box;
  double time;       // seconds
  BandLevels level;  // dB, entries of the group's bands only
};

// The sub-sources that radiate bands firstBand .. firstBand + bandCount - 1 together.
struct Group {
  int firstBand;
  int bandCount;
  std::vector<Source> sources;
};

// --- The shared evaluation ---

// The band groups of the current slot's array with every sub-source's level and arrival time at
// the seat, from the slot's design, host filter, geometry and the module's air state.
std::vector<Group> SourceGroups(const double* seat);

// 10 log10(S + 2 C) per band: S the power sum, C the sum over every pair a < j of one group of
// p_a p_j times the band-averaged interference factor of their arrival-time difference.
BandLevels SumGroups(const std::vector<Group>& groups);

inline BandLevels Response(const double* seat) { return SumGroups(SourceGroups(seat)); }

// The directivity index of the current slot's array as it is placed: 71 probes on a horizontal
// and a vertical circle of 50 m around the on-axis seat (0, -50, 0), weighted by their angle from
// the axis, relative to the on-axis level.
BandLevels DirectivityIndex();

// --- Building blocks for the deliverables' parts ---

// Pure-tone atmospheric absorption after ISO 9613-1 in dB per metre.
double AirAbsorption(double temperatureC, double pressureHpa, double humidityPercent,
                     double frequency);

double Distance(const float* point, const double* seat);
// 20 log10(d), or -20 dB for a sub-source closer than 0.1 m.
double SpreadingLoss(double distance);

// Direction of the seat from point in the frame of a box aimed by the three angles (turn, tilt,
// roll, radians) stored with it; the box radiates along its -Y.
struct Direction {
  double polar;    // 0 on axis .. pi behind
  double azimuth;  // [0, 2 pi): 0 toward +X, pi / 2 up along the front face
};
Direction DirectionFromBox(const float* point, const float* angles, const double* seat);

// How the stored azimuth columns of a grid cover the circle.
enum class Fold { kNone, kHalf, kQuarter };

// One stored directivity grid: values (band * polarRows + row) * storedColumns + column, in
// hundredths of a dB below on-axis, over polar 0..180 degrees and the azimuth circle.
struct Grid {
  const int16_t* values;
  double stepDegrees;  // 5 or 1
  int storedColumns;
  Fold fold;
};

// Attenuation in dB at storedBand of the grid toward the direction, interpolated bilinearly
// between the four grid points around it (straight behind: the stored polar-180 value). With
// mirrorMean every grid point is the mean of its azimuth a and of 180 degrees - a.
double LookUp(const Grid& grid, int storedBand, const Direction& direction, bool mirrorMean);

// The low byte of band's entry in a box's stored equaliser row, as a level change in dB: the
// gain, or -200 dB for a band switched off.
double EqualiserStep(const int32_t* rowWords, int band);

// The equalisers of a mixed design: on cutAndLiftBox 6 dB off band 3 and 4 dB onto band 14, on
// cutAndOffBox 18 dB off band 0 and band 18 switched off.
void SetMixedEqualisers(std::vector<int32_t>& block, int cutAndLiftBox, int cutAndOffBox);

// --- What each deliverable's test folder supplies ---

// A run of bands that perBox sub-sources of every box radiate together.
struct BandGroup {
  int firstBand;
  int bandCount;
  int perBox;
};

// Where a balloon's 1-degree grid stands in its directivity set; every set starts with a
// 5-degree grid over the full circle, read below band fromBand.
struct OneDegreeGrid {
  int fromBand;
  int offset;  // values from the start of the set
  int storedColumns;
  Fold fold;
};

// How a deliverable's boxes radiate: all that tells one family's sub-sources from another's
// in the shared per-box, per-sub-source loop of SourceGroups. words are the slot's settings.
struct ArrayModel {
  std::vector<BandGroup> groups;
  // Where sub-source k of box stands for the band group with index group.
  const float* (*subSource)(const ComponentSlot& slot, int group, int box, int k);
  // The direction of the seat from the point a box is seen from, in the frame of its aim.
  Direction (*toSeat)(const ComponentSlot& slot, int box, const double* seat);
  // The cabinet of a box: the index of its linked directivity set and of its rated levels.
  int (*cabinet)(const int32_t* words, int box);
  // Rated sensitivity plus 10 log10 of the rated power: the level at 1 m in dB.
  double (*levelAt1m)(int cabinet, int band);
  // What the box's own settings add at band: its gain or minus its attenuation, and any step
  // the family adds in some bands.
  double (*boxLevel)(const int32_t* words, int box, int band);
  // Whether the balloons are read with every point the mean of it and its left-right mirror.
  bool (*mirrorMean)(const int32_t* words);
  OneDegreeGrid oneDegree;
};

const ArrayModel& DeliverableArray();

// A design as a user would build it: several boxes, mixed cabinets where the family has them,
// a curved splay, per-box gains or attenuations and equaliser settings, air absorption on.
// Returns the box count it wrote into the block.
int SetMixedDesign(std::vector<int32_t>& block);

}  // namespace independent
