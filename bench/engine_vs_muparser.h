#pragma once

namespace vr::bench {

// Prints the race of our engine against muparser; false (with a message)
// when either engine fails or their results differ.
bool RaceEngines(int rounds);

}  // namespace vr::bench
