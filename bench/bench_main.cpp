// The engine race against muparser, then the graph benchmarks.
//   vadaderivo-bench [--rounds=N] [--race-only] [benchmark flags...]
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
  std::vector<char*> rest;
  for (int i = 0; i < argc; ++i) {
    if (std::strncmp(argv[i], "--rounds=", 9) == 0) {
      rounds = std::max(1, std::atoi(argv[i] + 9));
    } else if (std::strcmp(argv[i], "--race-only") == 0) {
      raceOnly = true;
    } else {
      rest.push_back(argv[i]);
    }
  }
  if (!vr::bench::RaceEngines(rounds)) return 1;
  if (raceOnly) return 0;
  int restCount = static_cast<int>(rest.size());
  benchmark::Initialize(&restCount, rest.data());
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
