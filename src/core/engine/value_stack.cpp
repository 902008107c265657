#include "engine/value_stack.h"

namespace vr {

namespace {

// A request outside this range is a caller's mistake, not a reason to
// allocate nothing or a great deal.
constexpr int kMinCapacity = 20;
constexpr int kMaxCapacity = 100;
constexpr int kFallbackCapacity = 40;

int SaneCapacity(int request) {
  return (request < kMinCapacity || request > kMaxCapacity) ? kFallbackCapacity : request;
}

}  // namespace

ValueStack::ValueStack(int capacityRequest)
    : capacity_(SaneCapacity(capacityRequest)),
      slots_(static_cast<std::size_t>(capacity_)) {}

}  // namespace vr
