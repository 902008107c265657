#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

#include "operations/builtins/number_theory.h"

namespace vr {
namespace {

// The cycle found step by step, remainder after remainder: slow, but
// plainly right for small denominators.
std::int64_t StepwiseLength(std::int64_t n, std::int64_t d) {
  std::int64_t r = n;
  for (std::int64_t i = 0; i <= d; ++i) r = (10 * r) % d;
  if (r == 0) return 0;
  std::int64_t s = (10 * r) % d;
  std::int64_t length = 1;
  while (s != r) {
    s = (10 * s) % d;
    ++length;
  }
  return length;
}

std::string StepwiseText(std::int64_t n, std::int64_t d) {
  std::string out = std::to_string(n / d) + ".";
  std::vector<std::int64_t> remainders(static_cast<std::size_t>(d) + 1);
  remainders[0] = n % d;
  for (std::int64_t i = 1; i <= d; ++i) {
    remainders[static_cast<std::size_t>(i)] = (10 * remainders[static_cast<std::size_t>(i - 1)]) % d;
  }
  std::int64_t rem = n % d;
  const std::int64_t length = StepwiseLength(n, d);
  if (length == 0) {
    while (rem != 0) {
      out.push_back(static_cast<char>('0' + 10 * rem / d));
      rem = 10 * rem % d;
    }
    return out;
  }
  // In the cycle: the remainder comes back after `length` steps.
  std::int64_t start = 0;
  while (remainders[static_cast<std::size_t>(start + length)] != remainders[static_cast<std::size_t>(start)]) {
    ++start;
  }
  for (std::int64_t i = 0; i < start + length; ++i) {
    if (i == start) out.push_back('(');
    out.push_back(static_cast<char>('0' + 10 * rem / d));
    rem = 10 * rem % d;
  }
  return out + ")";
}

TEST(RepeatingDecimalTest, AgreesWithTheStepwiseExpansion) {
  for (std::int64_t d = 1; d <= 300; ++d) {
    for (std::int64_t n = 0; n <= 40; ++n) {
      SCOPED_TRACE(std::to_string(n) + "/" + std::to_string(d));
      ASSERT_EQ(RepeatingLength(n, d), StepwiseLength(n, d));
      std::string text;
      ASSERT_EQ(RepeatingDecimalText(n, d, text), kOk);
      ASSERT_EQ(text, StepwiseText(n, d));
    }
  }
}

TEST(LeastCommonMultipleTest, MatchesSteppingThroughMultiples) {
  for (std::int64_t a = -30; a <= 30; ++a) {
    for (std::int64_t b = -30; b <= 30; ++b) {
      const std::int64_t big = std::max(a, b);
      const std::int64_t small = std::min(a, b);
      std::int64_t result = 0;
      const ErrorCode code = LeastCommonMultiple(a, b, result);
      SCOPED_TRACE(std::to_string(a) + ", " + std::to_string(b));
      if (small == 0) {
        EXPECT_EQ(code, kDivisionByZero);
        continue;
      }
      std::int64_t m = big;
      while (m % small >= 1) m += big;
      ASSERT_EQ(code, kOk);
      EXPECT_EQ(result, m);
    }
  }
  // The ends of the 32-bit range, whose products need the 64 bits.
  struct Case {
    std::int64_t a, b, lcm;
  };
  const Case cases[] = {
      {INT32_MIN, 6, 6442450944},
      {INT32_MAX, INT32_MIN, 4611686016279904256},
      {INT32_MIN, INT32_MIN, INT32_MIN},
      {INT32_MAX, INT32_MAX - 1, 4611686011984936962},
  };
  for (const Case& c : cases) {
    std::int64_t result = 0;
    ASSERT_EQ(LeastCommonMultiple(c.a, c.b, result), kOk);
    EXPECT_EQ(result, c.lcm) << c.a << ", " << c.b;
  }
}

}  // namespace
}  // namespace vr
