// Which vector instructions the response engine's pair sums run on.
//
// The 32-bit plug-ins run SSE2 alone and choose nothing at run time. On some processors a 32-bit
// process that has executed a single 256-bit instruction runs every later legacy-SSE instruction
// several times slower until the system next switches it out, VZEROUPPER notwithstanding: the
// plug-in's own code around the kernel paid for it, and so did the host's code after the call
// returned. 64-bit builds (the native workbench, its tests and benchmarks) do not show that, and
// keep the wider AVX2 kernel, chosen at run time when the processor and the system support it.
#pragma once

#if defined(__x86_64__)
#define PLUGINS_AVX2_KERNEL 1
#else
#define PLUGINS_AVX2_KERNEL 0
#endif

enum class SimdPath { kSse2, kAvx2 };

// "sse2" or "avx2".
const char* SimdPathName(SimdPath path);

#if PLUGINS_AVX2_KERNEL
// True when the processor has AVX2 and FMA and the operating system saves the ymm registers.
bool ProcessorHasAvx2();

// The path the engine uses. Chosen once, at first use: AVX2 when ProcessorHasAvx2(), unless the
// environment variable PLUGINS_SIMD is "sse2". PLUGINS_SIMD=avx2 on a processor without AVX2
// still gives SSE2.
SimdPath ActiveSimdPath();

// What PLUGINS_SIMD asked for when the path was chosen ("" when it was not set).
const char* RequestedSimdPath();

// Makes the engine use path from now on (tests and benchmarks); false, and SSE2, when the
// processor cannot run it.
bool UseSimdPath(SimdPath path);
#else
inline SimdPath ActiveSimdPath() { return SimdPath::kSse2; }
inline bool UseSimdPath(SimdPath path) { return path == SimdPath::kSse2; }
#endif
