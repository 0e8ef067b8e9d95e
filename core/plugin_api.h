// The host interface of every plug-in: the exported functions, their argument lists and which
// deliverable carries them. One list serves the plug-ins (declarations), the host stand-in
// (typed function pointers resolved by name) and the tests (argument sizes for the stack check).
#pragma once
#include <cstdint>

// A 32-bit Windows caller guarantees the stack only 4-byte alignment, while the compiler keeps
// 16-byte vector values on it (the response computation, the dialogs' own code): every export
// realigns the stack at entry.
#if defined(__i386__) && (defined(__GNUC__) || defined(__clang__))
#define PLUGIN_ALIGN_STACK __attribute__((force_align_arg_pointer))
#else
#define PLUGIN_ALIGN_STACK
#endif

#if defined(_WIN32)
#define PLUGIN_CALL __stdcall
#define PLUGIN_EXPORT extern "C" __declspec(dllexport) PLUGIN_ALIGN_STACK
#else
#define PLUGIN_CALL
#define PLUGIN_EXPORT extern "C" __attribute__((visibility("default"))) PLUGIN_ALIGN_STACK
#endif

// Which deliverables export an entry.
enum : unsigned { kInTarnwick = 1u, kInBrenlowe = 2u, kInPirrowan = 4u, kInAll = 7u };
enum : unsigned { kInTarnwickBrenlowe = kInTarnwick | kInBrenlowe, kInTarnwickPirrowan = kInTarnwick | kInPirrowan };

struct CsVertex;
struct CsEdge;

// X(member, exportName, result, parameters, argumentBytes, deliverables)
// member differs from exportName only where one name has different argument lists per deliverable.
#define PLUGIN_EXPORT_LIST(X)                                                                    \
  X(DLLVersion, DLLVersion, int, (), 0, kInAll)                                                  \
  X(DLLGetCaps, DLLGetCaps, int, (int cap), 4, kInAll)                                           \
  X(DLLClass, DLLClass, int, (), 0, kInAll)                                                      \
  X(DLLLock, DLLLock, int, (int* out), 4, kInAll)                                                \
  X(DLLGetComponents, DLLGetComponents, int, (), 0, kInAll)                                      \
  X(DLLGetName, DLLGetName, int, (const char** out), 4, kInAll)                                  \
  X(DLLGetManufacturer, DLLGetManufacturer, int, (const char** out), 4, kInAll)                  \
  X(DLLGetSymmetry, DLLGetSymmetry, int, (int* out), 4, kInAll)                                  \
  X(DLLGetValidBands, DLLGetValidBands, int, (int* out), 4, kInAll)                              \
  X(DLLGetDirectivity, DLLGetDirectivity, int, (float* out), 4, kInAll)                          \
  X(DLLGetSensitivity, DLLGetSensitivity, int, (void* unused), 4, kInAll)                        \
  X(DLLGetMaxPower, DLLGetMaxPower, int, (void* unused), 4, kInAll)                              \
  X(DLLGetImpedance, DLLGetImpedance, int, (float* out), 4, kInAll)                              \
  X(DLLGetFlag, DLLGetFlag, int, (int id, int* out), 8, kInAll)                                  \
  X(DLLSetFlag, DLLSetFlag, int, (int id, const int* value), 8, kInAll)                          \
  X(DLLInitLibrary, DLLInitLibrary, int, (void* unused), 4, kInAll)                              \
  X(DLLGetDataResolution, DLLGetDataResolution, int, (const char** out), 4, kInAll)              \
  X(IP_GetNumber, IP_GetNumber, int, (), 0, kInAll)                                              \
  X(IP_GetID, IP_GetID, int, (int i), 4, kInAll)                                                 \
  X(IP_GetType, IP_GetType, int, (int i), 4, kInAll)                                             \
  X(IP_GetLabel, IP_GetLabel, int, (int i, char* buffer), 8, kInAll)                             \
  X(IP_GetDefault, IP_GetDefault, int, (int i, void* out), 8, kInAll)                            \
  X(IP_GetMinimum, IP_GetMinimum, int, (int i, void* out), 8, kInAll)                            \
  X(IP_GetMaximum, IP_GetMaximum, int, (int i, void* out), 8, kInAll)                            \
  X(IP_GetFilterDef, IP_GetFilterDef, int, (float* gain, float* phase), 8, kInAll)               \
  X(IP_GetFilterMin, IP_GetFilterMin, int, (float* gain, float* phase), 8, kInAll)               \
  X(IP_GetFilterMax, IP_GetFilterMax, int, (float* gain, float* phase), 8, kInAll)               \
  X(IP_SetFilter, IP_SetFilter, int, (float* gain, float* phase), 8, kInAll)                     \
  X(IP_GetValue, IP_GetValue, int, (int i, int32_t* block), 8, kInAll)                           \
  X(IP_SetValue, IP_SetValue, int, (int i, const int32_t* block), 8, kInAll)                     \
  X(RP_GetNumber, RP_GetNumber, int, (), 0, kInAll)                                              \
  X(RP_GetID, RP_GetID, int, (int i), 4, kInAll)                                                 \
  X(RP_GetType, RP_GetType, int, (int i), 4, kInAll)                                             \
  X(RP_GetLabel, RP_GetLabel, int, (int i, char* buffer), 8, kInAll)                             \
  X(RP_GetDefault, RP_GetDefault, int, (int i, float* out), 8, kInAll)                           \
  X(RP_GetMinimum, RP_GetMinimum, int, (int i, float* out), 8, kInAll)                           \
  X(RP_GetMaximum, RP_GetMaximum, int, (int i, float* out), 8, kInAll)                           \
  X(RP_SetValue, RP_SetValue, int, (int id, float* value), 8, kInAll)                            \
  X(CI_GetComponents, CI_GetComponents, int, (), 0, kInAll)                                      \
  X(CI_GetFreeID, CI_GetFreeID, int, (), 0, kInAll)                                              \
  X(CI_MakeCurrent, CI_MakeCurrent, int, (int id), 4, kInAll)                                    \
  X(CI_Release, CI_Release, int, (), 0, kInAll)                                                  \
  X(CI_SetLspkPosition3fv, CI_SetLspkPosition3fv, int, (const float* p), 4, kInAll)              \
  X(CI_SetLspkAngles3fv, CI_SetLspkAngles3fv, int, (const float* a), 4, kInAll)                  \
  X(CI_SetSeatPosition3fv, CI_SetSeatPosition3fv, int, (const float* p), 4, kInAll)              \
  X(CI_SetSeatAngles3fv, CI_SetSeatAngles3fv, int, (const float* a), 4, kInAll)                  \
  X(CI_GetDistance, CI_GetDistance, float, (), 0, kInAll)                                        \
  X(CI_GetCompDistance, CI_GetCompDistance, float, (int c), 4, kInAll)                           \
  X(CI_GetCompPosition3fv, CI_GetCompPosition3fv, int, (int c, float* out), 8, kInAll)           \
  X(CI_GetCompAngles3fv, CI_GetCompAngles3fv, int, (int c, float* out), 8, kInAll)

// Exports declared by the layer that implements them (level engine, outline, dialogs, Brenlowe's
// four-seat evaluation), because their argument list differs by deliverable or they are window
// code; listed here so that the host resolves them like the others.
#define PLUGIN_LAYER_EXPORT_LIST(X)                                                           \
  X(IP_ShowDialog, IP_ShowDialog, int, (int i), 4, kInAll)                                       \
  X(CI_GetCompSPL1m, CI_GetCompSPL1m, int, (int box, int band, float* out), 12, kInAll)          \
  X(CI_GetHornLPi, CI_GetHornLPi, int,                                                           \
    (int group, int box, int band, float* levels, void* unused, const float* ref), 24,           \
    kInTarnwickBrenlowe)                                                                         \
  X(CI_GetHornLPi5, CI_GetHornLPi, int,                                                          \
    (int box, int band, float* levels, void* unused, const float* ref), 20, kInPirrowan)         \
  X(CI_GetLPi, CI_GetLPi, int,                                                                   \
    (int group, int box, int band, float* level, void* unused, const float* ref), 24,            \
    kInTarnwickBrenlowe)                                                                         \
  X(CI_GetCompDirectivity, CI_GetCompDirectivity, int, (int unused, int band, float* out), 12,   \
    kInAll)                                                                                      \
  X(CI_GetPulse, CI_GetPulse, int, (void* a, void* b, void* c), 12, kInAll)                      \
  X(CI_GetPulses, CI_GetPulses, int, (void* a, void* b), 8, kInAll)                              \
  X(CI_GetCompFR, CI_GetCompFR, int, (int first, float* level, float* phase, float* time), 16,   \
    kInAll)                                                                                      \
  X(CS_GetSymmetry, CS_GetSymmetry, int, (int* kind, float* value), 8, kInAll)                   \
  X(CS_GetVertexNumber, CS_GetVertexNumber, int, (int* count), 4, kInAll)                        \
  X(CS_GetVertexArray, CS_GetVertexArray, int, (CsVertex* array), 4, kInAll)                     \
  X(CS_GetEdgeNumber, CS_GetEdgeNumber, int, (int* count), 4, kInAll)                            \
  X(CS_GetEdgeArray, CS_GetEdgeArray, int, (CsEdge* array), 4, kInAll)                           \
  X(CI_SetFR, CI_SetFR, int, (int band), 4, kInBrenlowe)                                         \
  X(CI_Set4SeatPosition, CI_Set4SeatPosition, int,                                               \
    (const float* p0, const float* p1, const float* p2, const float* p3), 16, kInBrenlowe)       \
  X(CI_Set4SeatAngles, CI_Set4SeatAngles, int,                                                   \
    (const float* a0, const float* a1, const float* a2, const float* a3), 16, kInBrenlowe)       \
  X(CI_GetCompDist4pos, CI_GetCompDist4pos, float, (int comp, int seat), 8, kInBrenlowe)         \
  X(CI_GetCompFR1, CI_GetCompFR1, int, (int first, float* level, float* phase, float* time), 16, \
    kInBrenlowe)                                                                                 \
  X(CI_GetCompFR4, CI_GetCompFR4, int,                                                           \
    (int first, float* level4, float* phase, float* time4, int unused), 20, kInBrenlowe)

// Declarations of the exports whose argument list is the same in every deliverable.
#define PLUGIN_DECLARE_EXPORT(member, name, result, params, bytes, where) \
  PLUGIN_EXPORT result PLUGIN_CALL name params;
PLUGIN_EXPORT_LIST(PLUGIN_DECLARE_EXPORT)
#undef PLUGIN_DECLARE_EXPORT
