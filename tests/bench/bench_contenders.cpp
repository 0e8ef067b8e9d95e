#include "bench_contenders.h"

#include "frequency_response.h"
#include "reference_response.h"

const Contender kContenders[kContenderCount] = {
    {"engine sse2", EngineResponse, true, SimdPath::kSse2},
    {"engine avx2", EngineResponse, true, SimdPath::kAvx2},
    {"four-wide reference", FourWideResponse, false, SimdPath::kSse2},
    {"scalar reference", SinglePrecisionResponse, false, SimdPath::kSse2},
    {"double precision", DoublePrecisionResponse, false, SimdPath::kSse2},
};

bool PrepareContender(const Contender& contender) {
  if (!contender.isEngine) return true;
  return UseSimdPath(contender.path);
}

// For the engine this is ComputeDirectivityIndex, with a table of its own.
void DirectivityIndexWith(const Contender& contender, float* table) {
  ProbeDirectivityIndex(contender.response, table);
}
