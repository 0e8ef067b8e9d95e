// The road a host takes through a plug-in, printed as the host would see it.
#pragma once
#include <cstdio>
#include <string>

#include "plugin_loader.h"

struct RoadOptions {
  std::string blockFile;  // optional stored design to restore
  float seat[3] = {0.0f, -20.0f, -2.0f};
};

// Walks the road and prints it; returns the number of steps that did not give what a host expects.
int WalkHostRoad(LoadedPlugin& plugin, const RoadOptions& options, std::FILE* out);
