#pragma once

#include <cstdint>

namespace vr {

// 0 is success; 1 to 49 index the bilingual message table. Every routine of
// the engine, the operations and the scripts returns one; nothing throws.
enum ErrorCode : std::int32_t {
  kOk = 0,
  kIntegerOverflow = 1,
  kInvalidComplexTypecast = 2,
  kStackEmpty = 3,
  kStackOverflow = 4,
  kTooManyOpenParens = 5,
  kErrorInExpression = 6,
  kDivisionByZero = 7,
  kFloatingPointOverflow = 8,
  kNotForTime = 9,
  kNotForFraction = 10,
  kNotForComplex = 11,
  kNotForReal = 12,
  kNegativePowerBase = 13,
  kFactorialDomain = 14,
  kNotForInteger = 15,
  kNoParameters = 16,
  kVariableNotFound = 17,
  kLogarithmOfZero = 18,
  kNotEnoughParameters = 19,
  kFunctionDoesNotExist = 20,
  kNotYetForComplex = 21,
  kMustBeOnlyFunction = 22,
  kFunctionUnexpected = 23,
  kOpenParenExpected = 24,
  kOpenParenAfterClose = 25,
  kSemicolonOutsideFunction = 26,
  kUnexpectedSemicolon = 27,
  kTooManyCloseParens = 28,
  kUnexpectedCloseParen = 29,
  kInvalidExpression30 = 30,
  kInvalidExpression31 = 31,
  kInvalidExpression32 = 32,
  kCannotChangeConstant = 33,
  kInvalidStringOperation = 34,
  kInvalidDateOperation = 35,
  kInvalidFunctionDeclaration = 36,
  kLabelNotFound = 37,
  kEndFuncNotFound = 38,
  kIfCalculationError = 39,
  kEndIfNotFound = 40,
  kRootNotFound = 41,
  kInvalidDigit = 42,
  // Our own limits and the results that cannot be shown as numbers: reaching
  // any of them is said in words, never shown as a silent or blank result.
  kStringTooLong = 43,
  kOutOfMemory = 44,
  kInterrupted = 45,
  kLineTooLong = 46,
  kResultNotANumber = 47,
  kResultInfinite = 48,
  kTimeLimitReached = 49,
};

constexpr int kLastErrorCode = 49;

}  // namespace vr
