#include "values/c_locale_scope.h"

namespace vr {

#if defined(__unix__) || defined(__APPLE__)

namespace {

locale_t ClassicLocale() {
  // Made once and kept for the life of the process.
  static const locale_t c = newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(nullptr));
  return c;
}

}  // namespace

CLocaleScope::CLocaleScope() {
  if (const locale_t c = ClassicLocale()) previous_ = uselocale(c);
}

CLocaleScope::~CLocaleScope() {
  if (previous_ != nullptr) uselocale(previous_);
}

#else

CLocaleScope::CLocaleScope() = default;
CLocaleScope::~CLocaleScope() = default;

#endif

}  // namespace vr
