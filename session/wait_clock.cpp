#include "session/wait_clock.h"

#include <QTimer>

namespace verstak {
namespace {

class SystemTimer final : public WaitTimer {
 public:
  SystemTimer() {
    timer_.setSingleShot(true);
    connect(&timer_, &QTimer::timeout, this, &WaitTimer::timeout);
  }
  void start(std::chrono::milliseconds wait) override { timer_.start(wait); }
  void stop() override { timer_.stop(); }
  bool isActive() const override { return timer_.isActive(); }

 private:
  QTimer timer_;
};

class SystemClock final : public WaitClock {
 public:
  std::unique_ptr<WaitTimer> makeTimer() override { return std::make_unique<SystemTimer>(); }
};

}  // namespace

WaitClock& WaitClock::System() {
  static SystemClock clock;
  return clock;
}

}  // namespace verstak
