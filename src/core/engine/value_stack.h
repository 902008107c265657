#pragma once

#include <vector>

#include "values/value.h"

namespace vr {

// The bounded stack of the evaluator. A capacity request below 20 or above
// 100 becomes 40, and a push fails once capacity - 1 Values are held, so the
// evaluator's 50 slots hold at most 49 Values.
class ValueStack {
 public:
  explicit ValueStack(int capacityRequest = 50);
  virtual ~ValueStack() = default;

  // The new count, or -1 when full.
  int Push(const Value& v) {
    if (count_ >= capacity_ - 1) return -1;
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
  int Capacity() const { return capacity_; }
  void Clear() { count_ = 0; }

  // The Value `depth` places below the top (0 is the top), for operations
  // that inspect before popping.
  Value& Peek(int depth = 0) { return slots_[static_cast<std::size_t>(count_ - 1 - depth)]; }

 private:
  int capacity_;
  int count_ = 0;
  std::vector<Value> slots_;
};

}  // namespace vr
