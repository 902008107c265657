// The table of built-in functions, assembled from the family tables.

#include "engine/expression_engine.h"
#include "engine/error_messages.h"
#include "operations/builtins/builtin_support.h"
#include "operations/standard_operations.h"

namespace vr {

namespace {

// angle is a reserved name: it is recognised as a function so that it
// cannot become a variable, but it computes nothing.
ErrorCode Reserved(const OperationCall& call) {
  ErrorName() = call.tokenText;
  return kFunctionDoesNotExist;
}

// An unnamed slot that only keeps the numbering; no line can reach it.
ErrorCode DoNothing(const OperationCall&) { return kOk; }

constexpr BuiltinRow kRows[] = {
    {kFnPlaceholder12, Reserved, 0},
    {kFnAngle, Reserved, 0},
    {kFnPlaceholder24, DoNothing, 0},
};

}  // namespace

void RegisterBuiltinFunctions(OperationTable& table) {
  RegisterTrigonometryFunctions(table);
  RegisterRoundingFunctions(table);
  RegisterLogarithmFunctions(table);
  RegisterAggregateFunctions(table);
  RegisterStringFunctions(table);
  RegisterDateFunctions(table);
  RegisterNumericProcedures(table);
  RegisterExpressionProcedures(table);
  InstallBuiltins(table, kRows);
}

}  // namespace vr
