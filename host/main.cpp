// The host stand-in: loads a plug-in DLL, resolves its exports and walks a host's road.
// Usage: host_standin <plugin.dll> [--design <block file>] [--seat x y z]
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "host_road.h"

int main(int argc, char** argv) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: %s <plugin.dll> [--design file] [--seat x y z]\n", argv[0]);
    return 2;
  }
  RoadOptions options;
  for (int i = 2; i < argc; ++i) {
    if (!std::strcmp(argv[i], "--design") && i + 1 < argc) {
      options.blockFile = argv[++i];
    } else if (!std::strcmp(argv[i], "--seat") && i + 3 < argc) {
      for (float& v : options.seat) v = static_cast<float>(std::atof(argv[++i]));
    }
  }
  LoadedPlugin plugin;
  if (!plugin.Load(argv[1])) {
    std::fprintf(stderr, "%s: %s\n", argv[1], plugin.loadError.c_str());
    return 1;
  }
  std::printf("Plug-in %s\n", argv[1]);
  for (const std::string& name : plugin.missing) std::printf("  missing export: %s\n", name.c_str());
  const int failures = WalkHostRoad(plugin, options, stdout);
  std::printf("== %s\n", failures == 0 && plugin.missing.empty() ? "road complete" : "road had problems");
  return failures == 0 && plugin.missing.empty() ? 0 : 1;
}
