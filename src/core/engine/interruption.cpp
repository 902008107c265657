#include "engine/interruption.h"

#include <atomic>
#include <cstdint>

namespace vr {

namespace {

using Clock = std::chrono::steady_clock;

std::atomic<bool> interruptRequested{false};
// A deadline of zero (the epoch) means the line has no time limit.
std::atomic<Clock::rep> deadline{0};
std::atomic<std::uint32_t> callsSinceClock{0};

constexpr std::uint32_t kCallsPerClockRead = 256;

}  // namespace

void RequestInterrupt() noexcept { interruptRequested.store(true, std::memory_order_relaxed); }

void BeginInterruptibleWork(std::chrono::milliseconds limit) {
  interruptRequested.store(false, std::memory_order_relaxed);
  callsSinceClock.store(0, std::memory_order_relaxed);
  const Clock::rep end =
      limit.count() > 0 ? (Clock::now() + limit).time_since_epoch().count() : Clock::rep{0};
  deadline.store(end, std::memory_order_relaxed);
}

ErrorCode CheckInterrupt() noexcept {
  if (interruptRequested.load(std::memory_order_relaxed)) return kInterrupted;
  const Clock::rep end = deadline.load(std::memory_order_relaxed);
  if (end == 0) return kOk;
  if (callsSinceClock.fetch_add(1, std::memory_order_relaxed) % kCallsPerClockRead != 0) return kOk;
  return Clock::now().time_since_epoch().count() >= end ? kTimeLimitReached : kOk;
}

}  // namespace vr
