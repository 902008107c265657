#include "gui/graphs/vector_state.h"

namespace vr {

#if defined(__x86_64__) && (defined(__GNUC__) || defined(__clang__))

namespace {

__attribute__((target("avx"))) void ZeroUpperHalves() { __builtin_ia32_vzeroupper(); }

bool HasAvx() {
  static const bool has = __builtin_cpu_supports("avx");
  return has;
}

}  // namespace

void LeaveWideVectorState() {
  if (HasAvx()) ZeroUpperHalves();
}

#else

void LeaveWideVectorState() {}

#endif

}  // namespace vr
