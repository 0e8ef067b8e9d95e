// Fuzz target of one deliverable's engine: each input is a sequence of host calls with hostile
// arguments - settings blocks with correct tags and checksums but absurd design words, ids,
// components, bands, seats, `first`, NaN and huge placements and air values - run against the
// exports as the host would call them. Every output buffer is exactly as large as the host
// interface promises, so a write past it is caught by AddressSanitizer.
//
// Built once per deliverable with -DFUZZ_TARNWICK, -DFUZZ_BRENLOWE or -DFUZZ_PIRROWAN (see
// run_fuzz.sh).
#include <fuzzer/FuzzedDataProvider.h>

#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>
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

void CallResponse(FuzzedDataProvider& in) {
  if (!TakeResponse()) return;
  std::vector<float> level(kBandCount), phase(kBandCount), time(1);
  CI_GetCompFR(in.ConsumeIntegralInRange<int>(0, 3) ? 1 : HostileInt(in), level.data(),
               phase.data(), time.data());
}

void CallBoxLevels(FuzzedDataProvider& in) {
  std::vector<float> one(1), levels(kBandCount), ref(kBandCount);
  for (float& r : ref) r = HostileFloat(in);
  for (float& l : levels) l = HostileFloat(in);
  const int32_t box = HostileInt(in);
  const int32_t band = HostileInt(in);
  CI_GetCompSPL1m(box, band, one.data());
  CI_GetCompDirectivity(0, band, one.data());
#if defined(FUZZ_PIRROWAN)
  CI_GetHornLPi(box, band, levels.data(), nullptr, ref.data());
#else
  // The group's array has 12 entries at most; the host passes one group array.
  std::vector<float> groupLevels(12);
  const int32_t group = HostileInt(in);
  CI_GetHornLPi(group, box, band, groupLevels.data(), nullptr, ref.data());
  CI_GetLPi(group, box, band, one.data(), nullptr, ref.data());
#endif
}

void CallComponents(FuzzedDataProvider& in) {
  std::vector<float> out(3);
  const int32_t c = HostileInt(in);
  CI_GetCompPosition3fv(c, out.data());
  CI_GetCompAngles3fv(c, out.data());
  CI_GetCompDistance(c);
  CI_GetDistance();
  DLLGetComponents();
}

void CallOutline() {
  int vertices = 0;
  int edges = 0;
  if (CS_GetVertexNumber(&vertices) == 0 && vertices >= 0 && vertices < 100000) {
    std::vector<CsVertex> array(static_cast<size_t>(vertices) + (vertices == 0 ? 1 : 0));
    CS_GetVertexArray(array.data());
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
  std::vector<float> table(kBandCount);
  DLLGetDirectivity(table.data());
}

#if defined(FUZZ_BRENLOWE)
void CallFourSeats(FuzzedDataProvider& in) {
  switch (in.ConsumeIntegralInRange<int>(0, 4)) {
    case 0: CI_SetFR(HostileInt(in)); break;
    case 1: {
      float p[4][3];
      for (auto& point : p) HostilePoint(in, point);
      if (in.ConsumeBool()) {
        CI_Set4SeatPosition(p[0], p[1], p[2], p[3]);
      } else {
        CI_Set4SeatAngles(p[0], p[1], p[2], p[3]);
      }
      break;
    }
    case 2: CI_GetCompDist4pos(HostileInt(in), HostileInt(in)); break;
    case 3: {
      if (!TakeResponse()) break;
      std::vector<float> level(kBandCount), phase(kBandCount), time(1);
      CI_GetCompFR1(in.ConsumeIntegralInRange<int>(0, 3) ? 1 : HostileInt(in), level.data(),
                    phase.data(), time.data());
      break;
    }
    default: {
      if (!TakeResponse()) break;
      // A host that passes a single float for the four times gets nothing written there.
      std::vector<float> level4(4 * kBandCount), phase(kBandCount), time4(1);
      CI_GetCompFR4(in.ConsumeIntegralInRange<int>(0, 3) ? 1 : HostileInt(in), level4.data(),
                    phase.data(), time4.data(), HostileInt(in));
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
    switch (in.ConsumeIntegralInRange<int>(0, 15)) {
      case 0: CI_GetFreeID(); break;
      case 1: CI_MakeCurrent(HostileInt(in)); break;
      case 2: CI_Release(); break;
      case 3: case 4: StoreHostileBlock(in); break;
      case 5: HostilePoint(in, p); CI_SetLspkPosition3fv(p); break;
      case 6: HostilePoint(in, p); CI_SetLspkAngles3fv(p); break;
      case 7: HostilePoint(in, p); CI_SetSeatPosition3fv(p); break;
      case 8: HostilePoint(in, p); CI_SetSeatAngles3fv(p); break;
      case 9: case 10: CallResponse(in); break;
      case 11: {
        float value = HostileFloat(in);
        RP_SetValue(HostileInt(in), &value);
        break;
      }
      case 12: {
        float phase[kBandCount];
        HostilePoint(in, p, kBandCount);
        HostilePoint(in, phase, kBandCount);
        IP_SetFilter(p, phase);
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
