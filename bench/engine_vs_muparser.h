#pragma once

namespace vr::bench {

// Prints the race of our engine against muparser; false (with a message)
// when either engine fails or their results differ. `only`, when given,
// names the one case to race.
bool RaceEngines(int rounds, const char* only = nullptr);

}  // namespace vr::bench
