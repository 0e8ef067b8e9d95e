// Which vector instructions the response engine's pair sums run on. The plug-ins must keep
// running on processors with SSE2 only, so the wider AVX2 kernel is chosen at run time, and
// only when both the processor and the operating system support it.
#pragma once

enum class SimdPath { kSse2, kAvx2 };

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

// "sse2" or "avx2".
const char* SimdPathName(SimdPath path);
