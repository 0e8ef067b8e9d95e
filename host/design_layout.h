// Where each deliverable keeps its array design inside the settings block, as the host stand-in
// reads it to print what a design dialog left. The stand-in does not link a plug-in's code: it
// knows only the block layout, found by the block's tag.
#pragma once
#include <cstdint>
#include <cstdio>
#include <vector>

struct DesignLayout {
  char tag[4];
  int maxBoxes;
  int boxCount;
  int excessAir;
  int aiming;             // tenths of a degree, stored with the sign inverted
  int angleBase;          // the angle above box b (2..) at angleBase + b - 1; -1: a fixed arc
  int angleUnitsPerDegree;  // 1 (whole degrees) or 10 (tenths)
  int level;              // + box, tenths of a dB
  const char* levelName;  // "gain" or "attenuation"
  int delay;              // + box, microseconds
  int model;              // + box; -1 when one enclosure type holds for the whole array
  int enclosure;          // the array's enclosure type; -1 when each box has its model
  const char* const* modelNames;
  int modelNameCount;
  int hfLevel;            // + box: a row of kHfLevelNames; -1 when absent
};

// The layout whose tag the block carries in word 1, or null.
const DesignLayout* FindDesignLayout(const std::vector<int32_t>& block);

// Prints the design as the dialog shows it: box count, aiming, and per box its model, angle,
// level and delay. Words outside the block are never read.
void PrintDesign(const DesignLayout& layout, const std::vector<int32_t>& block, std::FILE* out);
