#pragma once

// Lines through the whole engine: each row is a line as the user types it
// and the text the window would show for it (the result's text form, or the
// error message).

#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <vector>

#include "engine/error_messages.h"
#include "engine/expression_engine.h"
#include "operations/standard_operations.h"
#include "settings/options_record.h"
#include "values/value.h"
#include "values/value_text.h"

namespace vr::builtins_test {

struct LineRow {
  const char* line;
  const char* shows;
};

class BuiltinLineTest : public ::testing::Test {
 protected:
  BuiltinLineTest() {
    options_->english = 1;
    SetPrecision(15);
  }

  void SetPrecision(int digits) {
    options_->format = 1;
    options_->precision = digits;
    options_->RebuildNumberFormat();
  }

  // The text of the result, or the message of the error.
  std::string Show(std::string_view line) {
    Value result;
    const ErrorCode code = engine_.EvaluateLine(line, result);
    lastCode_ = code;
    lastValue_ = result;
    return code == kOk ? FormatValue(result) : GetErrorText(code);
  }

  void CheckAll(const std::vector<LineRow>& rows) {
    for (const LineRow& row : rows) {
      SCOPED_TRACE(row.line);
      EXPECT_EQ(Show(row.line), row.shows);
    }
  }

  ScopedOptions options_;
  ExpressionEngine engine_{EngineServices{&StandardOperations(), nullptr}};
  ErrorCode lastCode_ = kOk;
  Value lastValue_;
};

}  // namespace vr::builtins_test
