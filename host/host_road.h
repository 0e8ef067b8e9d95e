// The road a host takes through a plug-in, printed as the host would see it.
#pragma once
#include <cstdio>
#include <string>

#include "plugin_loader.h"

struct RoadOptions {
  std::string blockFile;  // optional stored design to restore
  bool showDialog = false;  // open the design dialog on the slot, after the restore
  std::string saveFile;     // optional: where to write the block the road ends with
  float seat[3] = {0.0f, -20.0f, -2.0f};
};

// Walks the road and prints it; returns the number of steps that did not give what a host expects.
int WalkHostRoad(LoadedPlugin& plugin, const RoadOptions& options, std::FILE* out);
