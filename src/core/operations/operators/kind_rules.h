#pragma once

#include <array>
#include <cstddef>
#include <initializer_list>

#include "values/error_code.h"
#include "values/value.h"

namespace vr {

// What an operator does for one kind of operand, looked up by the kind code
// instead of being spelled out in a switch in every operator.
//
// A binary rule leaves its result in `left`; `variant` is the operation's
// extra argument (the operator code for a family of operators).
using BinaryRule = ErrorCode (*)(Value& left, const Value& right, int variant);
using UnaryRule = ErrorCode (*)(Value& operand, int variant);

template <typename Rule>
class KindRules {
 public:
  struct Entry {
    ValueKind kind;
    Rule rule;
  };

  // Kinds without an entry get `otherwise`.
  constexpr KindRules(std::initializer_list<Entry> entries, Rule otherwise) : otherwise_(otherwise) {
    rules_.fill(otherwise);
    for (const Entry& e : entries) rules_[Index(e.kind)] = e.rule;
  }

  constexpr Rule For(ValueKind kind) const {
    const std::size_t i = Index(kind);
    return i < rules_.size() ? rules_[i] : otherwise_;
  }

 private:
  static constexpr std::size_t Index(ValueKind kind) {
    return static_cast<std::size_t>(static_cast<unsigned>(kind));
  }

  std::array<Rule, 10> rules_{};
  Rule otherwise_;
};

// Rules shared by many operators.
inline ErrorCode StringOperandRule(Value&, const Value&, int) { return kInvalidStringOperation; }
inline ErrorCode DateOperandRule(Value&, const Value&, int) { return kInvalidDateOperation; }
inline ErrorCode StringUnaryRule(Value&, int) { return kInvalidStringOperation; }
inline ErrorCode DateUnaryRule(Value&, int) { return kInvalidDateOperation; }
// Kinds that cannot reach an operator once its operands are resolved.
inline ErrorCode UnexpectedKindRule(Value&, const Value&, int) { return kErrorInExpression; }
inline ErrorCode UnexpectedUnaryRule(Value&, int) { return kErrorInExpression; }

}  // namespace vr
