#include "operations/builtins/number_theory.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <numeric>
#include <utility>
#include <vector>

#include "values/value_conversion.h"

namespace vr {

namespace {

// Longest expansion period() writes out. Cycles of n / d can be nearly d
// digits long; beyond this the text is useless and would only eat memory.
constexpr std::int64_t kMaxRepeatingDigits = 100000;

std::uint64_t MulMod(std::uint64_t a, std::uint64_t b, std::uint64_t m) {
  // Moduli here stay below 2^32, so the product fits in 64 bits.
  return (a * b) % m;
}

std::uint64_t PowMod(std::uint64_t base, std::uint64_t exp, std::uint64_t m) {
  std::uint64_t result = 1 % m;
  base %= m;
  while (exp > 0) {
    if (exp & 1U) result = MulMod(result, base, m);
    base = MulMod(base, base, m);
    exp >>= 1U;
  }
  return result;
}

std::vector<std::uint64_t> PrimeFactors(std::uint64_t n) {
  std::vector<std::uint64_t> primes;
  for (std::uint64_t p = 2; p * p <= n; ++p) {
    if (n % p != 0) continue;
    primes.push_back(p);
    while (n % p == 0) n /= p;
  }
  if (n > 1) primes.push_back(n);
  return primes;
}

// Order of 10 modulo m, for m > 1 coprime to 10. Counting the cycle step by
// step could take billions of steps; the order divides Euler's phi(m), so
// it is found by dividing phi's prime factors out.
std::uint64_t OrderOfTen(std::uint64_t m) {
  std::uint64_t phi = m;
  for (std::uint64_t p : PrimeFactors(m)) phi = phi / p * (p - 1);
  std::uint64_t order = phi;
  for (std::uint64_t p : PrimeFactors(phi)) {
    while (order % p == 0 && PowMod(10, order / p, m) == 1) order /= p;
  }
  return order;
}

}  // namespace

ErrorCode GreatestCommonDivisor(std::int64_t a, std::int64_t b, std::int64_t& result) {
  if (b == 0) return kDivisionByZero;
  do {
    std::int64_t t = b;
    b = a % b;
    a = t;
  } while (b != 0);
  result = a;
  return kOk;
}

ErrorCode LeastCommonMultiple(std::int64_t a, std::int64_t b, std::int64_t& result) {
  std::int64_t big = std::max(a, b);
  std::int64_t small = std::min(a, b);
  if (small == 0 || big == 0) {
    // Stepping through multiples of 0, or taking a remainder by 0, never
    // ends well; both are divisions by zero in effect.
    if (small == 0) return kDivisionByZero;
    result = 0;  // big == 0 > small: 0 is already a multiple of small
    return kOk;
  }
  if (big < 0) {
    // Both negative: the first multiple tried, big itself, leaves a
    // remainder below 1, so it is the answer.
    result = big;
    return kOk;
  }
  // big > 0: the multiples are positive and the first one that |small|
  // divides is the least common multiple, found without stepping.
  // The operands are 32-bit, so |small| and std::gcd never meet INT64_MIN.
  std::int64_t s = small < 0 ? -small : small;
  result = big / std::gcd(big, s) * s;
  return kOk;
}

void ContinuedFraction(double x, double tolerance, std::int32_t& pOut, std::int32_t& qOut) {
  double whole = 0.0;
  double phi = std::modf(x, &whole);
  std::int64_t p = Trunc32(whole);
  std::int64_t q = 1;
  std::int64_t pPrev = 1;
  std::int64_t qPrev = 0;
  // Denominators grow at least like Fibonacci numbers, so 32 bits are
  // exhausted long before this many terms; the count is only a backstop.
  for (int step = 0; step < 100 && phi != 0.0; ++step) {
    double y = 1.0 / phi;
    phi = std::modf(y, &whole);
    double term = std::floor(y);
    if (!(term < static_cast<double>(kIntegerMax))) break;
    auto a = static_cast<std::int64_t>(term);
    std::int64_t pNext = a * p + pPrev;
    std::int64_t qNext = a * q + qPrev;
    if (pNext > kIntegerMax || qNext > kIntegerMax) break;
    pPrev = std::exchange(p, pNext);
    qPrev = std::exchange(q, qNext);
    double error = std::fabs(static_cast<double>(p) / static_cast<double>(q) - x);
    if (error <= tolerance) break;
  }
  pOut = static_cast<std::int32_t>(p);
  qOut = static_cast<std::int32_t>(q);
}

std::int64_t RepeatingLength(std::int64_t n, std::int64_t d) {
  n %= d;
  if (n == 0) return 0;
  std::int64_t m = d / std::gcd(n, d);
  while (m % 2 == 0) m /= 2;
  while (m % 5 == 0) m /= 5;
  if (m == 1) return 0;
  return static_cast<std::int64_t>(OrderOfTen(static_cast<std::uint64_t>(m)));
}

ErrorCode RepeatingDecimalText(std::int64_t n, std::int64_t d, std::string& text) {
  char buffer[32];
  std::snprintf(buffer, sizeof buffer, "%lld.", static_cast<long long>(n / d));
  std::string out = buffer;
  std::int64_t rem = n % d;
  std::int64_t length = RepeatingLength(n, d);
  auto appendDigit = [&] {
    out.push_back(static_cast<char>('0' + (10 * rem) / d));
    rem = (10 * rem) % d;
  };
  if (length == 0) {
    while (rem != 0) appendDigit();
    text = std::move(out);
    return kOk;
  }
  // The cycle starts at the first remainder that comes back L steps later;
  // the lead-in before it is at most a few dozen digits (powers of 2 and 5).
  std::uint64_t shift = PowMod(10, static_cast<std::uint64_t>(length), static_cast<std::uint64_t>(d));
  std::int64_t start = 0;
  for (std::int64_t r = rem;
       static_cast<std::int64_t>(MulMod(static_cast<std::uint64_t>(r), shift,
                                        static_cast<std::uint64_t>(d))) != r;
       r = (10 * r) % d) {
    ++start;
  }
  if (start + length > kMaxRepeatingDigits) return kIntegerOverflow;
  out.reserve(out.size() + static_cast<std::size_t>(start + length) + 2);
  for (std::int64_t i = 0; i < start + length; ++i) {
    if (i == start) out.push_back('(');
    appendDigit();
  }
  out.push_back(')');
  text = std::move(out);
  return kOk;
}

std::string ToRoman(std::int32_t k) {
  static constexpr std::array<std::pair<std::int32_t, const char*>, 13> kNumerals = {{
      {1000, "M"}, {900, "CM"}, {500, "D"}, {400, "CD"}, {100, "C"}, {90, "XC"}, {50, "L"},
      {40, "XL"}, {10, "X"}, {9, "IX"}, {5, "V"}, {4, "IV"}, {1, "I"},
  }};
  std::string out;
  for (const auto& [value, symbol] : kNumerals) {
    while (k >= value) {
      out += symbol;
      k -= value;
    }
  }
  return out;
}

std::int64_t FromRoman(std::string_view upperText) {
  std::int64_t total = 0;
  std::int64_t previous = 1000;
  for (char c : upperText) {
    std::int64_t value = 0;
    switch (c) {
      case 'C': value = 100; break;
      case 'D': value = 500; break;
      case 'I': value = 1; break;
      case 'L': value = 50; break;
      case 'M': value = 1000; break;
      case 'V': value = 5; break;
      case 'X': value = 10; break;
      default: return total;
    }
    total += value > previous ? value - 2 * previous : value;
    previous = value;
  }
  return total;
}

}  // namespace vr
