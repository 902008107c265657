#pragma once

#include "engine/operation.h"
#include "operations/operators/kind_rules.h"

namespace vr {

// Which operand goes first into UnifyOperands; its kind wins between
// Fraction, Time and Integer. "+", "-" and "*" give the right operand first,
// every other binary operator the left one.
enum class KindLeader { Right, Left };

// Pops and resolves both operands, brings them to their common kind and
// applies the rule of that kind. The result is left in `left`.
ErrorCode EvaluateBinary(const OperationCall& call, KindLeader leader,
                         const KindRules<BinaryRule>& rules, Value& left);

// EvaluateBinary, then the result is pushed on success.
ErrorCode RunBinary(const OperationCall& call, KindLeader leader, const KindRules<BinaryRule>& rules);

// Pops and resolves one operand, applies the rule of its kind and pushes the
// result on success.
ErrorCode RunUnary(const OperationCall& call, const KindRules<UnaryRule>& rules);

}  // namespace vr
