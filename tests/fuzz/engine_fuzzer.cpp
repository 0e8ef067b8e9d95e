// Fuzz target of one deliverable's engine: each input is a sequence of host calls with hostile
// arguments - settings blocks with correct tags and checksums but absurd design words, ids,
// components, bands, seats, `first`, NaN and huge placements and air values - run against the
// exports as the host would call them. Every output buffer is exactly as large as the host
// interface promises, so a write past it is caught by AddressSanitizer.
//
// What the exports hand out is checked too: every number given with success (0) is finite, and
// a refused call (-1) leaves the caller's buffers, the plug-in's slot and the air state as they
// were. Output buffers are filled with a sentinel bit pattern before each call; an entry the
// export did not write keeps it. A violation aborts with the export's name.
//
// Built once per deliverable with -DFUZZ_TARNWICK, -DFUZZ_BRENLOWE or -DFUZZ_PIRROWAN (see
// run_fuzz.sh).
#include <fuzzer/FuzzedDataProvider.h>

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <string>
#include <vector>

#include "air_state.h"
#include "box_levels.h"
#include "directivity_index_compute.h"
#include "frequency_response.h"
#include "load_setup.h"
#include "outline_exports.h"
#include "outline_records.h"
#include "plugin_api.h"
#include "product_config.h"
#include "registry.h"
#include "settings_block.h"
#if defined(FUZZ_PIRROWAN)
#include "box_levels_hf.h"
#else
#include "box_levels_grouped.h"
#endif
#if defined(FUZZ_BRENLOWE)
#include "four_seat.h"
#endif

namespace {
constexpr int kMaxCallsPerInput = 48;
// Responses cost up to milliseconds under the sanitizers: a few per input keep the executions
// fast; the directivity index (71 responses) runs once at most, on small arrays.
constexpr int kResponsesPerInput = 3;
constexpr int kLargestIndexedArray = 2;
int responsesLeft = 0;
bool indexLeft = false;

// A NaN no arithmetic produces: an output entry still holding it was not written.
constexpr uint32_t kSentinelBits = 0x7fa5a5a5u;

[[noreturn]] void Violation(const char* exportName, const char* what) {
  std::fprintf(stderr, "contract violation: %s %s\n", exportName, what);
  std::abort();
}

bool IsSentinel(float value) {
  uint32_t bits;
  std::memcpy(&bits, &value, sizeof bits);
  return bits == kSentinelBits;
}

std::vector<float> SentinelBuffer(size_t count) {
  float sentinel;
  std::memcpy(&sentinel, &kSentinelBits, sizeof sentinel);
  return std::vector<float>(count, sentinel);
}

// After an export wrote (or was refused writing) buffers that held the sentinel: with success
// every entry it wrote is finite, refused it wrote none.
void CheckOutput(const char* exportName, int result, const std::vector<float>& out) {
  for (float value : out) {
    if (IsSentinel(value)) continue;
    if (result != 0) Violation(exportName, "refused but wrote its buffer");
    if (!std::isfinite(value)) Violation(exportName, "handed out a number that is not finite");
  }
}

// A float-returning export: a finite answer, or the refusal -1.
void CheckAnswer(const char* exportName, float answer) {
  if (!std::isfinite(answer)) Violation(exportName, "answered a number that is not finite");
}

// The state a refused setter must leave as it was: the current slot and the air.
struct StateCopy {
  ComponentSlot* slot = CurrentSlot;
  std::vector<unsigned char> bytes;
  AirState air = Air;
  StateCopy() {
    if (slot) {
      const auto* first = reinterpret_cast<const unsigned char*>(slot);
      bytes.assign(first, first + sizeof *slot);
    }
  }
  bool Same() const {
    return CurrentSlot == slot && std::memcmp(&air, &Air, sizeof air) == 0 &&
           (!slot || std::memcmp(bytes.data(), slot, bytes.size()) == 0);
  }
};

// A setter whose arguments are the host's arrays: refused, it changes neither them nor the state.
template <typename Call>
void CheckSetter(const char* exportName, std::vector<float*> arrays, int size, Call call) {
  std::vector<std::vector<float>> before;
  for (const float* a : arrays) before.emplace_back(a, a + size);
  const StateCopy state;
  if (call() == 0) return;
  for (size_t i = 0; i < arrays.size(); ++i) {
    if (std::memcmp(before[i].data(), arrays[i], size * sizeof(float)) != 0)
      Violation(exportName, "refused but changed the caller's values");
  }
  if (!state.Same()) Violation(exportName, "refused but changed the plug-in's state");
}

bool TakeResponse() {
  if (responsesLeft == 0) return false;
  --responsesLeft;
  return true;
}

// Ids, indices and counts: mostly near the valid range, sometimes anything at all.
int32_t HostileInt(FuzzedDataProvider& in) {
  switch (in.ConsumeIntegralInRange<int>(0, 5)) {
    case 0: return in.ConsumeIntegral<int32_t>();
    case 1: return in.ConsumeIntegralInRange<int32_t>(-3, 3);
    case 2: return in.ConsumeBool() ? std::numeric_limits<int32_t>::max()
                                    : std::numeric_limits<int32_t>::min();
    default: return in.ConsumeIntegralInRange<int32_t>(-2, 260);
  }
}

float HostileFloat(FuzzedDataProvider& in) {
  switch (in.ConsumeIntegralInRange<int>(0, 7)) {
    case 0: return std::numeric_limits<float>::quiet_NaN();
    case 1: return in.ConsumeBool() ? 1e30f : -1e30f;
    case 2: return in.ConsumeBool() ? INFINITY : -INFINITY;
    case 3: {
      const uint32_t bits = in.ConsumeIntegral<uint32_t>();
      float value;
      std::memcpy(&value, &bits, sizeof value);
      return value;
    }
    case 4: return 0.0f;
    default: return in.ConsumeFloatingPointInRange<float>(-200.0f, 200.0f);
  }
}

void HostilePoint(FuzzedDataProvider& in, float* p, int count = 3) {
  for (int k = 0; k < count; ++k) p[k] = HostileFloat(in);
}

// A settings block: the current design (or zeros) with some words replaced, usually given the
// deliverable's tag and a correct checksum so that it is taken over.
void StoreHostileBlock(FuzzedDataProvider& in) {
  std::vector<int32_t> block(product::kBlockWords, 0);
  block[0] = product::kBlockWords;
  if (CurrentSlot) IP_GetValue(1, block.data());
  const int edits = in.ConsumeIntegralInRange<int>(0, 12);
  for (int e = 0; e < edits; ++e) {
    const int word = in.ConsumeIntegralInRange<int>(0, product::kBlockWords - 1);
    block[word] = HostileInt(in);
  }
  if (in.ConsumeIntegralInRange<int>(0, 7) != 0) {
    WriteProductTag(block.data());
    block[kChecksumWord] = DesignChecksum(block.data());
  }
  IP_SetValue(in.ConsumeIntegralInRange<int>(0, 7) ? 1 : HostileInt(in), block.data());
}

// The placements of the array and of seat 0.
struct Placement {
  const char* name;
  int (*call)(const float*);
};
constexpr Placement kPlacements[] = {{"CI_SetLspkPosition3fv", CI_SetLspkPosition3fv},
                                     {"CI_SetLspkAngles3fv", CI_SetLspkAngles3fv},
                                     {"CI_SetSeatPosition3fv", CI_SetSeatPosition3fv},
                                     {"CI_SetSeatAngles3fv", CI_SetSeatAngles3fv}};

void CallPlacement(FuzzedDataProvider& in, const Placement& placement) {
  float p[3];
  HostilePoint(in, p);
  CheckSetter(placement.name, {p}, 3, [&] { return placement.call(p); });
}

// A response export of the CI_GetCompFR form: levels, phases and one time.
using ResponseExport = int(PLUGIN_CALL*)(int first, float* level, float* phase, float* time);

void CallResponseExport(FuzzedDataProvider& in, const std::string& name, ResponseExport call) {
  if (!TakeResponse()) return;
  std::vector<float> level = SentinelBuffer(kBandCount), phase = SentinelBuffer(kBandCount),
                     time = SentinelBuffer(1);
  const int result = call(in.ConsumeIntegralInRange<int>(0, 3) ? 1 : HostileInt(in), level.data(),
                          phase.data(), time.data());
  CheckOutput((name + " level").c_str(), result, level);
  CheckOutput((name + " phase").c_str(), result, phase);
  CheckOutput((name + " time").c_str(), result, time);
}

void CallResponse(FuzzedDataProvider& in) { CallResponseExport(in, "CI_GetCompFR", CI_GetCompFR); }

// An export that works on the host's levels in place: refused, it leaves them as they were;
// with success the entries first .. last - 1 it hands back are finite and the others unchanged.
void CheckInPlace(const char* exportName, int result, const std::vector<float>& before,
                  const std::vector<float>& after, int first, int last) {
  for (size_t i = 0; i < after.size(); ++i) {
    const bool handedBack = result == 0 && static_cast<int>(i) >= first && static_cast<int>(i) < last;
    if (handedBack && !std::isfinite(after[i]))
      Violation(exportName, "handed out a number that is not finite");
    if (!handedBack && std::memcmp(&before[i], &after[i], sizeof(float)) != 0)
      Violation(exportName, "changed a level it does not hand back");
  }
}

#if !defined(FUZZ_PIRROWAN)
// The entries of the host's group array that CI_GetHornLPi hands back: the whole group, or for
// a number that names no group the one entry of the band (none with band 0).
void GroupedEntries(int32_t group, int32_t band, int* first, int* last) {
  constexpr int kEntries[3] = {12, 5, 4};
  constexpr int kFirstBand[3] = {0, 12, 17};
  if (group >= 0 && group < 3) {
    *first = 0;
    *last = kEntries[group];
  } else if (band >= 1 && band <= kBandCount) {
    const int b = band - 1;
    *first = b - (b >= kFirstBand[2] ? kFirstBand[2] : b >= kFirstBand[1] ? kFirstBand[1] : 0);
    *last = *first + 1;
  } else {
    *first = *last = 0;
  }
}
#endif

void CallBoxLevels(FuzzedDataProvider& in) {
  std::vector<float> ref(kBandCount);
  for (float& r : ref) r = HostileFloat(in);
  const int32_t box = HostileInt(in);
  const int32_t band = HostileInt(in);
  std::vector<float> one = SentinelBuffer(1);
  CheckOutput("CI_GetCompSPL1m", CI_GetCompSPL1m(box, band, one.data()), one);
  one = SentinelBuffer(1);
  CheckOutput("CI_GetCompDirectivity", CI_GetCompDirectivity(0, band, one.data()), one);
#if defined(FUZZ_PIRROWAN)
  std::vector<float> levels(kBandCount);
  for (float& l : levels) l = HostileFloat(in);
  const std::vector<float> before = levels;
  const int result = CI_GetHornLPi(box, band, levels.data(), nullptr, ref.data());
  CheckInPlace("CI_GetHornLPi", result, before, levels, 0, kBandCount);
#else
  // The group's array has 12 entries at most; the host passes one group array.
  std::vector<float> groupLevels(12);
  for (float& l : groupLevels) l = HostileFloat(in);
  const std::vector<float> before = groupLevels;
  const int32_t group = HostileInt(in);
  int first = 0;
  int last = 0;
  GroupedEntries(group, band, &first, &last);
  const int result = CI_GetHornLPi(group, box, band, groupLevels.data(), nullptr, ref.data());
  CheckInPlace("CI_GetHornLPi", result, before, groupLevels, first, last);
  std::vector<float> level(1, HostileFloat(in));
  const std::vector<float> levelBefore = level;
  CheckInPlace("CI_GetLPi", CI_GetLPi(group, box, band, level.data(), nullptr, ref.data()),
               levelBefore, level, 0, 1);
#endif
}

void CallComponents(FuzzedDataProvider& in) {
  const int32_t c = HostileInt(in);
  std::vector<float> out = SentinelBuffer(3);
  CheckOutput("CI_GetCompPosition3fv", CI_GetCompPosition3fv(c, out.data()), out);
  out = SentinelBuffer(3);
  CheckOutput("CI_GetCompAngles3fv", CI_GetCompAngles3fv(c, out.data()), out);
  CheckAnswer("CI_GetCompDistance", CI_GetCompDistance(c));
  CheckAnswer("CI_GetDistance", CI_GetDistance());
  DLLGetComponents();
}

void CallOutline() {
  int vertices = 0;
  int edges = 0;
  if (CS_GetVertexNumber(&vertices) == 0 && vertices >= 0 && vertices < 100000) {
    std::vector<CsVertex> array(static_cast<size_t>(vertices) + (vertices == 0 ? 1 : 0));
    if (CS_GetVertexArray(array.data()) == 0) {
      for (int v = 0; v < vertices; ++v) {
        CheckAnswer("CS_GetVertexArray", array[v].x);
        CheckAnswer("CS_GetVertexArray", array[v].y);
        CheckAnswer("CS_GetVertexArray", array[v].z);
      }
    }
  }
  if (CS_GetEdgeNumber(&edges) == 0 && edges >= 0 && edges < 100000) {
    std::vector<CsEdge> array(static_cast<size_t>(edges) + (edges == 0 ? 1 : 0));
    CS_GetEdgeArray(array.data());
  }
}

void CallDirectivityIndex() {
  if (!indexLeft || !CurrentSlot || BoundedBoxCount(*CurrentSlot) > kLargestIndexedArray) return;
  indexLeft = false;
  ComputeDirectivityIndex();
  std::vector<float> table = SentinelBuffer(kBandCount);
  CheckOutput("DLLGetDirectivity", DLLGetDirectivity(table.data()), table);
}

#if defined(FUZZ_BRENLOWE)
void CallFourSeats(FuzzedDataProvider& in) {
  switch (in.ConsumeIntegralInRange<int>(0, 4)) {
    case 0: CI_SetFR(HostileInt(in)); break;
    case 1: {
      float p[4][3];
      for (auto& point : p) HostilePoint(in, point);
      const bool positions = in.ConsumeBool();
      CheckSetter(positions ? "CI_Set4SeatPosition" : "CI_Set4SeatAngles",
                  {p[0], p[1], p[2], p[3]}, 3, [&] {
                    return positions ? CI_Set4SeatPosition(p[0], p[1], p[2], p[3])
                                     : CI_Set4SeatAngles(p[0], p[1], p[2], p[3]);
                  });
      break;
    }
    case 2: {
      const int32_t comp = HostileInt(in);
      CheckAnswer("CI_GetCompDist4pos", CI_GetCompDist4pos(comp, HostileInt(in)));
      break;
    }
    case 3: CallResponseExport(in, "CI_GetCompFR1", CI_GetCompFR1); break;
    default: {
      if (!TakeResponse()) break;
      // A host that passes a single float for the four times gets nothing written there.
      std::vector<float> level4 = SentinelBuffer(4 * kBandCount), phase = SentinelBuffer(kBandCount),
                         time4 = SentinelBuffer(1);
      const int first = in.ConsumeIntegralInRange<int>(0, 3) ? 1 : HostileInt(in);
      const int result =
          CI_GetCompFR4(first, level4.data(), phase.data(), time4.data(), HostileInt(in));
      CheckOutput("CI_GetCompFR4 level", result, level4);
      CheckOutput("CI_GetCompFR4 phase", result, phase);
      CheckOutput("CI_GetCompFR4 time", result, time4);
      break;
    }
  }
}
#endif

// Gives back every id the previous input claimed and restores the load-time air state and
// host filter, so that inputs do not depend on each other.
void StartFromLoadedModule() {
  static bool loaded = false;
  if (!loaded) {
    RunLoadTimeSetUp();
    loaded = true;
  }
  for (int id = 1; id < kSlotCount; ++id) {
    if (SlotTable[id].inUse && CI_MakeCurrent(id) == 0) CI_Release();
  }
  CurrentSlot = nullptr;
  ResetAirState();
#if defined(FUZZ_BRENLOWE)
  CI_SetFR(10);
#endif
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  StartFromLoadedModule();
  responsesLeft = kResponsesPerInput;
  indexLeft = true;
  FuzzedDataProvider in(data, size);
  // Most inputs start from a claimed, current slot, as every host road does.
  if (in.ConsumeBool()) CI_MakeCurrent(CI_GetFreeID());
  for (int call = 0; call < kMaxCallsPerInput && in.remaining_bytes() > 0; ++call) {
    float p[kBandCount];
    const int choice = in.ConsumeIntegralInRange<int>(0, 15);
    switch (choice) {
      case 0: CI_GetFreeID(); break;
      case 1: CI_MakeCurrent(HostileInt(in)); break;
      case 2: CI_Release(); break;
      case 3: case 4: StoreHostileBlock(in); break;
      case 5: case 6: case 7: case 8: CallPlacement(in, kPlacements[choice - 5]); break;
      case 9: case 10: CallResponse(in); break;
      case 11: {
        float value = HostileFloat(in);
        const int32_t id = HostileInt(in);
        CheckSetter("RP_SetValue", {&value}, 1, [&] { return RP_SetValue(id, &value); });
        break;
      }
      case 12: {
        float phase[kBandCount];
        HostilePoint(in, p, kBandCount);
        HostilePoint(in, phase, kBandCount);
        CheckSetter("IP_SetFilter", {p, phase}, kBandCount, [&] { return IP_SetFilter(p, phase); });
        break;
      }
      case 13: CallBoxLevels(in); CallComponents(in); break;
      case 14:
        if (in.ConsumeBool()) {
          CallDirectivityIndex();
        } else {
          CallOutline();
        }
        break;
      default:
#if defined(FUZZ_BRENLOWE)
        CallFourSeats(in);
#else
        CallResponse(in);
#endif
        break;
    }
  }
  return 0;
}
