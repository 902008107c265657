#include "builtins_harness.h"

namespace vr::builtins_test {
namespace {

class TrigonometryTest : public BuiltinLineTest {};

TEST_F(TrigonometryTest, DegreesConvertArgumentsAndResults) {
  options_->radian = 0;
  CheckAll({
      {"sin(30)", "0.5"},
      {"cos(60)", "0.5"},
      {"tan(45)", "1"},
      // cos(pi/2) in doubles is 6e-17, not 0: a huge number, not an error.
      {"tan(90)", "1.63312393531954e+16"},
      {"asin(1)", "90"},
      {"acos(0.5)", "60"},
      {"atan(1)", "45"},
      {"asin('0.5')", "30"},
      // Hyperbolic and complex functions ignore the angle unit.
      {"sinh(1)", "1.1752011936438"},
      {"sin(1+i1)", "1.29845758141598+i0.634963914784736"},
  });
}

TEST_F(TrigonometryTest, RadiansTakeArgumentsAsTheyAre) {
  options_->radian = 1;
  CheckAll({
      {"sin(30)", "-0.988031624092862"},
      {"cos(0)", "1"},
      {"tan(1)", "1.5574077246549"},
      {"asin(1)", "1.5707963267949"},
      {"atan(1)*4", "3.14159265358979"},
      {"cos(1+i1)", "0.833730025131149-i0.988897705762865"},
      {"tan(0+i1)", "0+i0.761594155955765"},
  });
}

TEST_F(TrigonometryTest, InversesLeaveTheRealLineAsComplexNumbers) {
  options_->radian = 1;
  CheckAll({
      {"asin(2)", "1.5707963267949+i1.31695789692482"},
      {"acos(2)", "0-i1.31695789692482"},
      {"acosh(0.5)", "0+i1.0471975511966"},
      {"acosh(1)", "0"},
      {"asinh(1)", "0.881373587019543"},
      // The real formula cancels to ln(0) here; the complex function answers.
      {"asinh(-1e10)", "-23.7189981105004+i0"},
      {"atanh(0.5)", "0.549306144334055"},
      {"atan(0+i2)", "1.5707963267949+i0.549306144334055"},
  });
}

TEST_F(TrigonometryTest, KindsAndOverflowsAreReported) {
  CheckAll({
      {"sin('a')", "Invalid string operation"},
      {"cos(#1.1.2024#)", "Invalid date operation"},
      {"tan('1')", "Invalid string operation"},
      {"atan(#1.1.2024#)", "Invalid date operation"},
      {"sinh('1')", "Invalid string operation"},
      {"cosh(1000)", "Floating point overflow"},
      {"sinh(-1000)", "Floating point overflow"},
      {"tanh(1000)", "1"},
      {"atanh(1)", "Floating point overflow"},
      {"atanh(-1)", "Floating point overflow"},
      {"sin(1e300+i1e300)", "Floating point overflow"},
      {"sin(q)", "Variable \"q\" not found"},
  });
}

}  // namespace
}  // namespace vr::builtins_test
