#pragma once
// A clock whose time passes only when the test says so: the waits that end
// within the time let pass time out in the order they end, each at its own
// moment, so a timeout that starts another wait is served as real time would.

#include <algorithm>
#include <chrono>
#include <memory>
#include <optional>
#include <vector>

#include "session/wait_clock.h"

namespace verstak::testing {

class ManualClock final : public WaitClock {
 public:
  std::unique_ptr<WaitTimer> makeTimer() override { return std::make_unique<Timer>(*this); }

  std::chrono::milliseconds now() const { return now_; }

  void advance(std::chrono::milliseconds span) {
    const std::chrono::milliseconds until = now_ + span;
    while (Timer* next = NextDue(until)) {
      now_ = *next->due;
      next->due.reset();
      emit next->timeout();
    }
    now_ = until;
  }

 private:
  class Timer final : public WaitTimer {
   public:
    explicit Timer(ManualClock& clock) : clock_(clock) { clock_.timers_.push_back(this); }
    ~Timer() override { std::erase(clock_.timers_, this); }
    void start(std::chrono::milliseconds wait) override { due = clock_.now_ + wait; }
    void stop() override { due.reset(); }
    bool isActive() const override { return due.has_value(); }

    std::optional<std::chrono::milliseconds> due;

   private:
    ManualClock& clock_;
  };

  Timer* NextDue(std::chrono::milliseconds until) const {
    Timer* next = nullptr;
    for (Timer* timer : timers_) {
      if (timer->due && *timer->due <= until && (!next || *timer->due < *next->due)) next = timer;
    }
    return next;
  }

  std::vector<Timer*> timers_;
  std::chrono::milliseconds now_{0};
};

}  // namespace verstak::testing
