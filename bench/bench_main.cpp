// The engine race against muparser, then the graph benchmarks.
//   vadaderivo-bench [--rounds=N] [--race-only] [--case=NAME] [benchmark flags...]
// --case races that one line only, for profiling it.
// Ends with status 1 when the engines' results differ.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "engine_vs_muparser.h"

int main(int argc, char** argv) {
  int rounds = 15;
  bool raceOnly = false;
  const char* only = nullptr;
  std::vector<char*> rest;
  for (int i = 0; i < argc; ++i) {
    if (std::strncmp(argv[i], "--rounds=", 9) == 0) {
      rounds = std::max(1, std::atoi(argv[i] + 9));
    } else if (std::strncmp(argv[i], "--case=", 7) == 0) {
      only = argv[i] + 7;
    } else if (std::strcmp(argv[i], "--race-only") == 0) {
      raceOnly = true;
    } else {
      rest.push_back(argv[i]);
    }
  }
  if (!vr::bench::RaceEngines(rounds, only)) return 1;
  if (raceOnly) return 0;
  int restCount = static_cast<int>(rest.size());
  benchmark::Initialize(&restCount, rest.data());
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
