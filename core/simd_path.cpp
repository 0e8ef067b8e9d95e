#include "simd_path.h"

const char* SimdPathName(SimdPath path) { return path == SimdPath::kAvx2 ? "avx2" : "sse2"; }

#if PLUGINS_AVX2_KERNEL
#include <cpuid.h>

#include <cstdlib>
#include <cstring>

namespace {
constexpr int kRequestLength = 16;
char requested[kRequestLength] = "";
bool chosen = false;
SimdPath active = SimdPath::kSse2;

bool DetectAvx2() {
  unsigned eax = 0, ebx = 0, ecx = 0, edx = 0;
  if (!__get_cpuid(1, &eax, &ebx, &ecx, &edx)) return false;
  const bool osSavesState = (ecx & bit_OSXSAVE) != 0;
  const bool avx = (ecx & bit_AVX) != 0;
  const bool fma = (ecx & bit_FMA) != 0;
  if (!osSavesState || !avx || !fma) return false;
  // The operating system must save both the xmm and the upper ymm halves on a switch.
  unsigned low = 0, high = 0;
  __asm__ volatile("xgetbv" : "=a"(low), "=d"(high) : "c"(0));
  if ((low & 6u) != 6u) return false;
  if (!__get_cpuid_count(7, 0, &eax, &ebx, &ecx, &edx)) return false;
  return (ebx & bit_AVX2) != 0;
}

void Choose() {
  if (chosen) return;
  chosen = true;
  const char* request = std::getenv("PLUGINS_SIMD");
  if (request) {
    std::strncpy(requested, request, kRequestLength - 1);
    requested[kRequestLength - 1] = '\0';
  }
  const bool wantsSse2 = request && std::strcmp(request, "sse2") == 0;
  active = !wantsSse2 && ProcessorHasAvx2() ? SimdPath::kAvx2 : SimdPath::kSse2;
}
}  // namespace

bool ProcessorHasAvx2() {
  static const bool has = DetectAvx2();
  return has;
}

SimdPath ActiveSimdPath() {
  Choose();
  return active;
}

const char* RequestedSimdPath() {
  Choose();
  return requested;
}

bool UseSimdPath(SimdPath path) {
  Choose();
  const bool possible = path == SimdPath::kSse2 || ProcessorHasAvx2();
  active = possible ? path : SimdPath::kSse2;
  return possible;
}
#endif
