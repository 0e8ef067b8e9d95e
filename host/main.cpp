// The host stand-in: loads a plug-in DLL, resolves its exports and walks a host's road.
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "host_road.h"

namespace {
const char kUsage[] =
    "usage: %s <plugin.dll> [--design file] [--dialog] [--save file] [--seat x y z]\n"
    "  --design file  restore a stored settings block before anything else\n"
    "  --dialog       open the plug-in's design dialog (as the host's setup button does)\n"
    "  --save file    write the settings block the road ends with (after the dialog)\n"
    "  --seat x y z   where the listener sits, in metres\n";
}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) {
    std::fprintf(stderr, kUsage, argv[0]);
    return 2;
  }
  RoadOptions options;
  for (int i = 2; i < argc; ++i) {
    if (!std::strcmp(argv[i], "--design") && i + 1 < argc) {
      options.blockFile = argv[++i];
    } else if (!std::strcmp(argv[i], "--save") && i + 1 < argc) {
      options.saveFile = argv[++i];
    } else if (!std::strcmp(argv[i], "--dialog")) {
      options.showDialog = true;
    } else if (!std::strcmp(argv[i], "--seat") && i + 3 < argc) {
      for (float& v : options.seat) v = static_cast<float>(std::atof(argv[++i]));
    } else {
      std::fprintf(stderr, "unknown or incomplete argument: %s\n", argv[i]);
      std::fprintf(stderr, kUsage, argv[0]);
      return 2;
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
