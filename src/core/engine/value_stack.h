#pragma once

#include <vector>

#include "values/value.h"

namespace vr {

// The most Values the evaluator's stack holds; a line that needs more fails
// with a stack overflow, and the compiled numeric programs keep to it too.
inline constexpr int kValueStackLimit = 49;

// The bounded stack of the evaluator.
class ValueStack {
 public:
  ValueStack() : slots_(kValueStackLimit) {}
  virtual ~ValueStack() = default;

  // The new count, or -1 when full.
  int Push(const Value& v) {
    if (count_ >= kValueStackLimit) return -1;
    slots_[static_cast<std::size_t>(count_)] = v;
    return ++count_;
  }
  // The new count, or -1 when empty (out is then untouched).
  int Pop(Value& out) {
    if (count_ == 0) return -1;
    out = slots_[static_cast<std::size_t>(--count_)];
    return count_;
  }
  int Count() const { return count_; }
  bool IsEmpty() const { return count_ == 0; }
  void Clear() { count_ = 0; }

  // The Value `depth` places below the top (0 is the top), for operations
  // that inspect before popping.
  Value& Peek(int depth = 0) { return slots_[static_cast<std::size_t>(count_ - 1 - depth)]; }

 private:
  int count_ = 0;
  std::vector<Value> slots_;
};

}  // namespace vr
