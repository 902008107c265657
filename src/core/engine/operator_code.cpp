#include "engine/operator_code.h"

#include <array>

namespace vr {

namespace {

// Higher binds tighter. Unary plus has none: the postfix pass drops it.
constexpr std::array<int, kOperatorCodeCount> kPrecedence = {
    -1,  // 0 none
    -1,  // 1 unary +
    10,  // 2 unary -
    6,   // 3 +
    6,   // 4 -
    7,   // 5 *
    7,   // 6 /
    7,   // 7 %
    10,  // 8 !!
    8,   // 9 **
    1,   // 10 ==
    1,   // 11 !=
    1,   // 12 <
    1,   // 13 >
    1,   // 14 <=
    1,   // 15 >=
    0,   // 16 =
    4,   // 17 <<
    4,   // 18 >>
    10,  // 19 ~
    6,   // 20 &
    5,   // 21 |
    5,   // 22 ^
    10,  // 23 !
    3,   // 24 &&
    2,   // 25 ||
    9,   // 26 *%
    9,   // 27 /%
    9,   // 28 +%
    9,   // 29 -%
};

}  // namespace

int Precedence(int op) {
  if (op < 0 || op >= kOperatorCodeCount) return -1;
  return kPrecedence[static_cast<std::size_t>(op)];
}

}  // namespace vr
