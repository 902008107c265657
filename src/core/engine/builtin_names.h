#pragma once

#include <array>
#include <string_view>

namespace vr {

constexpr int kBuiltinCount = 57;

// The built-in names in their index order; the index is what the evaluator
// dispatches on. Entries 12 and 24 only keep the numbering.
extern const std::array<std::string_view, kBuiltinCount> kBuiltinNames;

// Exact, case-sensitive lookup of an already lower-cased name; -1 if absent.
int FindBuiltinFunction(std::string_view name);

enum BuiltinIndex : int {
  kFnSin = 0, kFnCos = 1, kFnTan = 2, kFnAsin = 3, kFnAcos = 4, kFnAtan = 5,
  kFnSinh = 6, kFnCosh = 7, kFnTanh = 8, kFnAsinh = 9, kFnAcosh = 10, kFnAtanh = 11,
  kFnPlaceholder12 = 12, kFnRound = 13, kFnFrac = 14, kFnGcd = 15, kFnLcm = 16,
  kFnRoot = 17, kFnIntegral = 18, kFnSqrt = 19, kFnAbs = 20, kFnLn = 21, kFnLog = 22,
  kFnExp = 23, kFnPlaceholder24 = 24, kFnOdd = 25, kFnSqr = 26, kFnHms = 27,
  kFnRatio = 28, kFnCeil = 29, kFnFloor = 30, kFnSolve = 31, kFnAngle = 32,
  kFnConj = 33, kFnMin = 34, kFnMax = 35, kFnAvga = 36, kFnAvgg = 37, kFnIif = 38,
  kFnSolve3 = 39, kFnEval = 40, kFnCopy = 41, kFnLength = 42, kFnLower = 43,
  kFnUpper = 44, kFnTrim = 45, kFnStrToDate = 46, kFnYear = 47, kFnMonth = 48,
  kFnDay = 49, kFnGetType = 50, kFnMaximum = 51, kFnMinimum = 52, kFnA2r = 53,
  kFnR2a = 54, kFnPeriodLen = 55, kFnPeriod = 56,
};

}  // namespace vr
