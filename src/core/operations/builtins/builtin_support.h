#pragma once

#include <complex>
#include <span>

#include "engine/operation.h"
#include "values/error_code.h"
#include "values/value.h"

namespace vr {

// One row of a family's table: the built-in index, its operation, the fixed
// variant argument the operation receives, and whether on one Real
// parameter it computes just its Real rule (engine/real_rules.h).
struct BuiltinRow {
  int index;
  Operation run;
  int extra;
  bool realRule = false;
};

void InstallBuiltins(OperationTable& table, std::span<const BuiltinRow> rows);

// Each family registers its own rows.
void RegisterTrigonometryFunctions(OperationTable& table);
void RegisterRoundingFunctions(OperationTable& table);
void RegisterLogarithmFunctions(OperationTable& table);
void RegisterAggregateFunctions(OperationTable& table);
void RegisterStringFunctions(OperationTable& table);
void RegisterDateFunctions(OperationTable& table);
void RegisterNumericProcedures(OperationTable& table);
void RegisterExpressionProcedures(OperationTable& table);

// ---- Taking the parameters ----------------------------------------------------

// The skeleton of the functions of one parameter: no parameters is
// kNoParameters, a short stack kStackEmpty; all parameters are popped, the
// first is kept and resolved.
ErrorCode PopSingleParameter(const OperationCall& call, Value& x);

// Pops all argCount parameters (kStackEmpty when fewer lie on the stack) and
// keeps the first min(argCount, kept.size()) of them, unresolved, in order.
// Later parameters are discarded.
ErrorCode PopParameters(const OperationCall& call, std::span<Value> kept);

// ---- Kinds and numbers ----------------------------------------------------------

// kInvalidStringOperation / kInvalidDateOperation for a String or a Date,
// kOk for any other kind: the guard of functions that take neither.
ErrorCode RejectTextAndDate(const Value& v);

// The number of a Value taken to Real; a Complex with an imaginary part,
// which has no real form, gives its real part.
double RealNumber(const Value& v);

// The Value taken to String / Date (conversions to these kinds never fail).
std::string TextOf(Value v);

// TextOf for a parameter that is read as text: a number that is not finite
// has no text, and gives its NonFiniteCode instead (`text` left alone).
ErrorCode TextParameter(Value v, std::string& text);

// A Complex result; a part that is not finite is kFloatingPointOverflow.
ErrorCode PushComplex(const OperationCall& call, std::complex<double> z);

ErrorCode PushReal(const OperationCall& call, double x);

}  // namespace vr
