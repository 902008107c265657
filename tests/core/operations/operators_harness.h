#pragma once

// Runs one operator on a stack of operands built by hand: for result kinds
// the display does not tell apart (Integer or Real), operands no line can
// type (NaN, a fraction with a zero denominator) and stacks that are too
// short.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/error_messages.h"
#include "engine/expression_engine.h"
#include "engine/operator_code.h"
#include "engine/value_stack.h"
#include "operations/operands.h"
#include "operations/standard_operations.h"
#include "options/options_record.h"
#include "values/value.h"
#include "values/value_text.h"

namespace vr::operators_test {

inline Value R(double x) { return Value::MakeReal(x); }
inline Value I(double x) { return Value::MakeInteger(x); }
inline Value F(int w, int n, int d) { return Value::MakeFraction(w, n, d); }
inline Value T(int h, int m, int s) { return Value::MakeTime(h, m, s); }
inline Value C(double re, double im) { return Value::MakeComplex(re, im); }
inline Value S(const char* text) { return Value::MakeString(text); }
inline Value D(int y, int m, int d) { return Value::MakeDate(DayDate::FromYmd(y, m, d)); }
inline Value Var(const char* name) { return Value::MakeVariableRef(name); }

struct Row {
  const char* what;
  std::vector<Value> operands;  // the left operand first
  int op;
  ValueKind kind;
  const char* text;  // the result's text, or the error message
};

class OperatorTest : public ::testing::Test {
 protected:
  OperatorTest() {
    RegisterArithmeticOperators(table_);
    engine_.Variables().Set("x", Value::MakeReal(5));
  }

  // Runs the operator as the evaluator does: the operands are pushed, the
  // table entry is called with its extra argument.
  ErrorCode Run(int op, const std::vector<Value>& operands) {
    stack_.Clear();
    for (const Value& v : operands) stack_.Push(v);
    const OperationEntry& entry = table_.operators[static_cast<std::size_t>(op)];
    const OperationCall call{engine_, stack_, 0, entry.extra, "v", nullptr};
    return entry.run(call);
  }

  void CheckAll(const std::vector<Row>& rows) {
    for (const Row& row : rows) {
      SCOPED_TRACE(row.what);
      const ErrorCode code = Run(row.op, row.operands);
      if (code != kOk) {
        EXPECT_EQ(GetErrorText(code), row.text);
        continue;
      }
      ASSERT_EQ(stack_.Count(), 1);
      EXPECT_EQ(static_cast<int>(stack_.Peek().kind), static_cast<int>(row.kind));
      EXPECT_EQ(FormatValue(stack_.Peek()), row.text);
    }
  }

  ScopedOptions options_;  // English messages, "%.15g"
  OperationTable table_;
  ExpressionEngine engine_;
  ValueStack stack_;
};

}  // namespace vr::operators_test
