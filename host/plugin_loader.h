// The host stand-in's view of a plug-in: the DLL loaded by path and every export it knows
// resolved by name into a typed function pointer.
#pragma once
#include <windows.h>

#include <string>
#include <vector>

#include "plugin_api.h"

struct PluginExports {
#define PLUGIN_POINTER_MEMBER(member, name, result, params, bytes, where) \
  result(PLUGIN_CALL* member) params = nullptr;
  PLUGIN_EXPORT_LIST(PLUGIN_POINTER_MEMBER)
  PLUGIN_LAYER_EXPORT_LIST(PLUGIN_POINTER_MEMBER)
#undef PLUGIN_POINTER_MEMBER
};

// One row per known export, for checks that walk the whole table.
struct ExportInfo {
  const char* member;
  const char* name;
  int argumentBytes;
  unsigned deliverables;
  bool returnsFloat;
};
const std::vector<ExportInfo>& KnownExports();

class LoadedPlugin {
 public:
  LoadedPlugin() = default;
  ~LoadedPlugin();
  LoadedPlugin(const LoadedPlugin&) = delete;
  LoadedPlugin& operator=(const LoadedPlugin&) = delete;

  // Loads the DLL and resolves every export; false when the DLL itself cannot be loaded.
  bool Load(const std::string& path);
  void Unload();

  // Which deliverable this is (kInTarnwick, kInBrenlowe or kInPirrowan), from the DLL's file name.
  unsigned deliverable() const { return deliverable_; }
  HMODULE module() const { return module_; }
  // Raw address of an export by name, null when absent.
  void* Address(const char* name) const;

  PluginExports fn;
  std::vector<std::string> missing;  // required exports of this deliverable that were not found
  std::string loadError;

 private:
  HMODULE module_ = nullptr;
  unsigned deliverable_ = 0;
};

// Calls a __stdcall function with the given 32-bit arguments and reports by how many bytes the
// caller's stack pointer moved (0 when the callee removed exactly what was pushed).
extern "C" int CallWithStackCheck(void* function, const unsigned* arguments, int count,
                                  int returnsFloat, int* stackDelta);
