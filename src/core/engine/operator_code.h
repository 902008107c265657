#pragma once

#include <cstdint>

namespace vr {

enum OperatorCode : std::int32_t {
  kOpNone = 0,
  kOpUnaryPlus = 1,
  kOpUnaryMinus = 2,
  kOpAdd = 3,
  kOpSubtract = 4,
  kOpMultiply = 5,
  kOpDivide = 6,
  kOpRemainder = 7,
  kOpFactorial = 8,  // postfix "!!"
  kOpPower = 9,
  kOpEqual = 10,
  kOpNotEqual = 11,
  kOpLess = 12,
  kOpGreater = 13,
  kOpLessEqual = 14,
  kOpGreaterEqual = 15,
  kOpAssign = 16,
  kOpShiftLeft = 17,
  kOpShiftRight = 18,
  kOpBitNot = 19,
  kOpBitAnd = 20,
  kOpBitOr = 21,
  kOpBitXor = 22,
  kOpLogicalNot = 23,
  kOpLogicalAnd = 24,
  kOpLogicalOr = 25,
  kOpPercentOf = 26,     // "*%"
  kOpPercentRatio = 27,  // "/%"
  kOpPercentAdd = 28,    // "+%"
  kOpPercentSub = 29,    // "-%"
};

constexpr int kOperatorCodeCount = 30;

// Binding strength for the postfix ordering; -1 for codes without one.
int Precedence(int op);

}  // namespace vr
