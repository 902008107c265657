#pragma once

// Runs one operator on a stack of operands and compares the outcome with a
// table row: the result's kind and text, or the error code and the name its
// message shows.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/error_messages.h"
#include "engine/expression_engine.h"
#include "engine/operator_code.h"
#include "engine/value_stack.h"
#include "operations/operands.h"
#include "operations/standard_operations.h"
#include "settings/options_record.h"
#include "values/value.h"
#include "values/value_conversion.h"
#include "values/value_text.h"

namespace vr::operators_test {

inline Value R(double x) { return Value::MakeReal(x); }
inline Value I(double x) { return Value::MakeInteger(x); }
inline Value F(int w, int n, int d) { return Value::MakeFraction(w, n, d); }
inline Value T(int h, int m, int s) { return Value::MakeTime(h, m, s); }
inline Value C(double re, double im) { return Value::MakeComplex(re, im); }
inline Value S(const char* text) { return Value::MakeString(text); }
inline Value D(int y, int m, int d, int hour = 0) {
  return Value::MakeDate(DayDate::FromYmdHms(y, m, d, hour, 0, 0));
}
inline Value Var(const char* name) { return Value::MakeVariableRef(name); }

struct Expect {
  ValueKind kind = ValueKind::Real;
  std::string text;
  ErrorCode error = kOk;
  std::string name;  // the error name a "%s" message shows; empty: not checked
};

inline Expect Gives(ValueKind kind, std::string text) { return {kind, std::move(text), kOk, {}}; }
inline Expect Real(std::string text) { return Gives(ValueKind::Real, std::move(text)); }
inline Expect Fails(ErrorCode code, std::string name = {}) {
  return {ValueKind::Real, {}, code, std::move(name)};
}

struct Row {
  const char* what;
  std::vector<Value> operands;  // the left operand first
  int op;
  Expect expect;
};

// One engine per test, with a few variables the rows may refer to.
class OperatorTest : public ::testing::Test {
 protected:
  OperatorTest() {
    RegisterArithmeticOperators(table_);
    engine_.Variables().Set("x", Value::MakeReal(5));
    engine_.Variables().Set("day", Value::MakeDate(DayDate::FromYmd(2024, 1, 1)));
  }

  // Runs the operator as the evaluator does: the operands are pushed, the
  // table entry is called with its extra argument.
  ErrorCode Run(int op, const std::vector<Value>& operands, const std::string& tokenText = "") {
    stack_.Clear();
    for (const Value& v : operands) stack_.Push(v);
    const OperationEntry& entry = table_.operators[static_cast<std::size_t>(op)];
    if (entry.run == nullptr) return kErrorInExpression;
    const OperationCall call{engine_, stack_, 0, entry.extra, tokenText};
    return entry.run(call);
  }

  void Check(const Row& row, const std::string& tokenText = "") {
    SCOPED_TRACE(row.what);
    ErrorName() = "-";
    const ErrorCode code = Run(row.op, row.operands, tokenText);
    const Expect& e = row.expect;
    if (e.error != kOk) {
      EXPECT_EQ(code, e.error);
      if (!e.name.empty()) {
        EXPECT_EQ(ErrorName(), e.name);
      }
      return;
    }
    ASSERT_EQ(code, kOk);
    ASSERT_EQ(stack_.Count(), 1);
    const Value& result = stack_.Peek();
    EXPECT_EQ(static_cast<int>(result.kind), static_cast<int>(e.kind));
    EXPECT_EQ(FormatValue(result), e.text);
  }

  void CheckAll(const std::vector<Row>& rows) {
    for (const Row& row : rows) Check(row);
  }

  ScopedOptions options_;  // default number format "%.15g"
  OperationTable table_;
  ExpressionEngine engine_;
  ValueStack stack_{50};
};

}  // namespace vr::operators_test
