#pragma once

#include <complex>
#include <span>

#include "engine/operation.h"
#include "values/error_code.h"
#include "values/value.h"

namespace vr {

// The rows of each family, gathered by RegisterBuiltinFunctions.
std::span<const BuiltinFunction> TrigonometryFunctions();
std::span<const BuiltinFunction> RoundingFunctions();
std::span<const BuiltinFunction> LogarithmFunctions();
std::span<const BuiltinFunction> AggregateFunctions();
std::span<const BuiltinFunction> StringFunctions();
std::span<const BuiltinFunction> DateFunctions();
std::span<const BuiltinFunction> NumericProcedures();
std::span<const BuiltinFunction> ExpressionProcedures();

// ---- Taking the parameters ----------------------------------------------------

// The skeleton of the functions of one parameter (the evaluator has
// checked the count): all parameters are popped, the first is kept and
// resolved, and a kind its row refuses is an error.
ErrorCode PopSingleParameter(const OperationCall& call, Value& x);

// Pops all argCount parameters (kStackEmpty when fewer lie on the stack) and
// keeps the first min(argCount, kept.size()) of them, unresolved, in order.
// Later parameters are discarded.
ErrorCode PopParameters(const OperationCall& call, std::span<Value> kept);

// ---- Kinds and numbers ----------------------------------------------------------

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
