#include "plugin_loader.h"

#include <algorithm>
#include <cctype>
#include <type_traits>

const std::vector<ExportInfo>& KnownExports() {
  static const std::vector<ExportInfo> table = [] {
    std::vector<ExportInfo> rows;
#define PLUGIN_INFO_ROW(member, name, result, params, bytes, where) \
  rows.push_back({#member, #name, bytes, where, std::is_floating_point<result>::value});
    PLUGIN_EXPORT_LIST(PLUGIN_INFO_ROW)
    PLUGIN_LAYER_EXPORT_LIST(PLUGIN_INFO_ROW)
#undef PLUGIN_INFO_ROW
    return rows;
  }();
  return table;
}

namespace {
unsigned DeliverableFromPath(const std::string& path) {
  std::string lower(path);
  std::transform(lower.begin(), lower.end(), lower.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  if (lower.find("tarnwick") != std::string::npos) return kInTarnwick;
  if (lower.find("brenlowe") != std::string::npos) return kInBrenlowe;
  if (lower.find("pirrowan") != std::string::npos) return kInPirrowan;
  return 0;
}
}  // namespace

LoadedPlugin::~LoadedPlugin() { Unload(); }

void LoadedPlugin::Unload() {
  if (module_) FreeLibrary(module_);
  module_ = nullptr;
  fn = PluginExports{};
  missing.clear();
}

void* LoadedPlugin::Address(const char* name) const {
  return module_ ? reinterpret_cast<void*>(GetProcAddress(module_, name)) : nullptr;
}

bool LoadedPlugin::Load(const std::string& path) {
  Unload();
  module_ = LoadLibraryA(path.c_str());
  if (!module_) {
    loadError = "LoadLibrary failed with error " + std::to_string(GetLastError());
    return false;
  }
  deliverable_ = DeliverableFromPath(path);
  auto resolve = [&](auto& pointer, const char* name, unsigned where) {
    pointer = reinterpret_cast<std::remove_reference_t<decltype(pointer)>>(
        reinterpret_cast<void*>(GetProcAddress(module_, name)));
    if (!pointer && (where & deliverable_)) missing.push_back(name);
  };
  // A member whose deliverables exclude this DLL stays null even if the name exists
  // (Pirrowan's CI_GetHornLPi has another argument list than Tarnwick's).
  auto keepFor = [&](auto& pointer, unsigned where) {
    if (!(where & deliverable_)) pointer = nullptr;
  };
#define PLUGIN_RESOLVE(member, name, result, params, bytes, where) \
  resolve(fn.member, #name, where);                                \
  keepFor(fn.member, where);
  PLUGIN_EXPORT_LIST(PLUGIN_RESOLVE)
  PLUGIN_LAYER_EXPORT_LIST(PLUGIN_RESOLVE)
#undef PLUGIN_RESOLVE
  return true;
}
