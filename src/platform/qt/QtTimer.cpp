#include "platform/qt/QtTimer.h"

#include <utility>

#include "platform/qt/QtPlatform.h"

namespace zelvik {

QtTimer::QtTimer(QtPlatform& platform, int interval_ms, std::function<void()> handler)
    : platform_(platform), handler_(std::move(handler)) {
  // Coarse timers may fire up to 5% early or late, and intervals of two seconds or more would
  // be rounded to whole seconds: the game's pacing relies on its intervals.
  timer_.setTimerType(Qt::PreciseTimer);
  timer_.setInterval(interval_ms);
  QObject::connect(&timer_, &QTimer::timeout, [this] { OnTimeout(); });
  platform_.Register(this);
}

QtTimer::~QtTimer() { platform_.Unregister(this); }

void QtTimer::SetEnabled(bool enabled) {
  if (!enabled) {
    timer_.stop();
    held_firing_ = false;
  } else if (!timer_.isActive()) {
    timer_.start();
  }
}

void QtTimer::OnTimeout() {
  if (platform_.shut_down()) return;
  if (platform_.timers_held()) {
    held_firing_ = true;
    return;
  }
  handler_();
  platform_.Refresh();
}

void QtTimer::FireHeld() {
  if (!held_firing_) return;
  held_firing_ = false;
  if (timer_.isActive()) OnTimeout();
}

}  // namespace zelvik
