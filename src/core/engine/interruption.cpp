#include "engine/interruption.h"

#include <atomic>
#include <cstdint>

#include "options/options_record.h"

namespace vr {

namespace {

using Clock = std::chrono::steady_clock;

std::atomic<bool> interruptRequested{false};
// Set once the deadline has been seen to pass; cleared by the next line.
std::atomic<bool> timeUp{false};
// A deadline of zero (the epoch) means the line has no time limit.
std::atomic<Clock::rep> deadline{0};
std::atomic<std::uint32_t> callsSinceClock{0};

std::atomic<InterruptPoll> pollHook{nullptr};
std::atomic<Clock::rep> pollInterval{0};
std::atomic<Clock::rep> nextPoll{0};
std::atomic<bool> polling{false};

// Reading the clock costs some tens of nanoseconds, a check a few; one read
// in this many checks keeps the cost out of sight while a step of a
// microsecond still notices a deadline within a fraction of a millisecond.
constexpr std::uint32_t kCallsPerClockRead = 64;

void RunPoll(Clock::rep now) {
  const InterruptPoll poll = pollHook.load(std::memory_order_relaxed);
  if (poll == nullptr || now < nextPoll.load(std::memory_order_relaxed)) return;
  if (polling.exchange(true)) return;  // the poll itself ran into long work
  poll();
  nextPoll.store(Clock::now().time_since_epoch().count() + pollInterval.load(),
                 std::memory_order_relaxed);
  polling.store(false);
}

}  // namespace

void RequestInterrupt() noexcept { interruptRequested.store(true, std::memory_order_relaxed); }

void BeginInterruptibleWork(std::chrono::milliseconds limit) {
  interruptRequested.store(false, std::memory_order_relaxed);
  timeUp.store(false, std::memory_order_relaxed);
  callsSinceClock.store(0, std::memory_order_relaxed);
  const Clock::rep end =
      limit.count() > 0 ? (Clock::now() + limit).time_since_epoch().count() : Clock::rep{0};
  deadline.store(end, std::memory_order_relaxed);
}

void EndInterruptibleWork() noexcept {
  interruptRequested.store(false, std::memory_order_relaxed);
  timeUp.store(false, std::memory_order_relaxed);
  deadline.store(0, std::memory_order_relaxed);
}

ErrorCode CheckInterrupt() noexcept {
  if (interruptRequested.load(std::memory_order_relaxed)) return kInterrupted;
  if (timeUp.load(std::memory_order_relaxed)) return kTimeLimitReached;
  const Clock::rep end = deadline.load(std::memory_order_relaxed);
  if (end == 0 && pollHook.load(std::memory_order_relaxed) == nullptr) return kOk;
  if (callsSinceClock.fetch_add(1, std::memory_order_relaxed) % kCallsPerClockRead != 0) return kOk;
  const Clock::rep now = Clock::now().time_since_epoch().count();
  if (end != 0 && now >= end) {
    timeUp.store(true, std::memory_order_relaxed);
    return kTimeLimitReached;
  }
  RunPoll(now);
  return interruptRequested.load(std::memory_order_relaxed) ? kInterrupted : kOk;
}

std::chrono::milliseconds LineTimeLimit() {
  const std::int32_t seconds = Options().timeLimit;
  return std::chrono::milliseconds(seconds > 0 ? std::int64_t{seconds} * 1000 : 0);
}

void SetInterruptPoll(InterruptPoll poll, std::chrono::milliseconds interval) {
  pollInterval.store(std::chrono::duration_cast<Clock::duration>(interval).count());
  nextPoll.store(0);
  pollHook.store(poll);
}

}  // namespace vr
