#pragma once

#if defined(__unix__) || defined(__APPLE__)
#include <locale.h>
#endif

namespace vr {

// Makes the C library read and print numbers the "C" way (a point as the
// decimal mark) on this thread while it lives. The window's toolkit sets the
// user's locale at start-up, and a comma there would turn 0.5 into "0,5", a
// text the lexer then reads as two numbers.
class CLocaleScope {
 public:
  CLocaleScope();
  ~CLocaleScope();
  CLocaleScope(const CLocaleScope&) = delete;
  CLocaleScope& operator=(const CLocaleScope&) = delete;

 private:
#if defined(__unix__) || defined(__APPLE__)
  locale_t previous_ = nullptr;
#endif
};

}  // namespace vr
