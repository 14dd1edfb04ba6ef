// Included ahead of every benchmark source. Each source may end with BENCHMARK_MAIN() so
// that it also builds on its own; in the one combined program the main function comes
// from benchmark_main instead, so the macro defines nothing here.
#pragma once

#include <benchmark/benchmark.h>

#undef BENCHMARK_MAIN
#define BENCHMARK_MAIN() static_assert(true)
