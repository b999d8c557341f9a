// A game timer on a Qt timer: precise, repeating while enabled, one handler.
#pragma once

#include <QTimer>
#include <functional>

#include "platform/Platform.h"

namespace zelvik {

class QtPlatform;

class QtTimer : public Timer {
 public:
  QtTimer(QtPlatform& platform, int interval_ms, std::function<void()> handler);
  ~QtTimer() override;
  QtTimer(const QtTimer&) = delete;
  QtTimer& operator=(const QtTimer&) = delete;

  void SetEnabled(bool enabled) override;
  bool Enabled() const override { return timer_.isActive(); }
  int Interval() const override { return timer_.interval(); }

  // Runs a firing that fell due while the platform held its timers back, if the timer is
  // still enabled; the next firing comes a full interval after the original one.
  void FireHeld();

 private:
  void OnTimeout();

  QtPlatform& platform_;
  QTimer timer_;
  std::function<void()> handler_;
  bool held_firing_ = false;
};

}  // namespace zelvik
