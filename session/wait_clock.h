#pragma once
// The program's waits (the autosave interval, the preview's delay after a
// change) are asked of a clock, so that tests let time pass at will instead
// of sleeping and hoping the machine keeps up.

#include <QObject>
#include <chrono>
#include <memory>

namespace verstak {

// One wait at a time: timeout() once it has passed, unless stopped first.
class WaitTimer : public QObject {
  Q_OBJECT

 public:
  using QObject::QObject;

  // Starts the wait afresh, a wait under way given up.
  virtual void start(std::chrono::milliseconds wait) = 0;
  virtual void stop() = 0;
  virtual bool isActive() const = 0;

 signals:
  void timeout();
};

class WaitClock {
 public:
  virtual ~WaitClock() = default;
  virtual std::unique_ptr<WaitTimer> makeTimer() = 0;

  // Real time, kept by Qt's timers.
  static WaitClock& System();
};

}  // namespace verstak
