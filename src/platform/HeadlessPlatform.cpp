#include "platform/HeadlessPlatform.h"

#include <algorithm>
#include <limits>
#include <utility>

namespace zelvik {

class HeadlessPlatform::VirtualTimer : public Timer {
 public:
  VirtualTimer(HeadlessPlatform* owner, int interval_ms, std::function<void()> handler)
      : owner_(owner), interval_(interval_ms), handler_(std::move(handler)) {}
  ~VirtualTimer() override {
    if (owner_ != nullptr) {
      auto& list = owner_->timers_;
      list.erase(std::remove(list.begin(), list.end(), this), list.end());
    }
  }

  void SetEnabled(bool enabled) override {
    if (enabled && !enabled_) {
      due_ = owner_->now_ + interval_;
      sequence_ = ++owner_->arm_sequence_;
    }
    enabled_ = enabled;
  }
  bool Enabled() const override { return enabled_; }
  int Interval() const override { return interval_; }

  HeadlessPlatform* owner_;
  int interval_;
  std::function<void()> handler_;
  bool enabled_ = false;
  std::int64_t due_ = 0;
  std::uint64_t sequence_ = 0;
};

HeadlessPlatform::HeadlessPlatform(std::string program_dir, ScreenSize screen, std::uint64_t seed)
    : program_dir_(std::move(program_dir)), screen_(screen), dice_(seed) {}

HeadlessPlatform::~HeadlessPlatform() {
  for (VirtualTimer* timer : timers_) timer->owner_ = nullptr;
}

std::unique_ptr<Timer> HeadlessPlatform::CreateTimer(int interval_ms,
                                                     std::function<void()> handler) {
  auto timer = std::make_unique<VirtualTimer>(this, interval_ms, std::move(handler));
  timers_.push_back(timer.get());
  return timer;
}

HeadlessPlatform::VirtualTimer* HeadlessPlatform::NextDue(std::int64_t deadline) const {
  VirtualTimer* next = nullptr;
  for (VirtualTimer* timer : timers_) {
    if (!timer->enabled_ || timer->due_ > deadline) continue;
    if (next == nullptr || timer->due_ < next->due_ ||
        (timer->due_ == next->due_ && timer->sequence_ < next->sequence_)) {
      next = timer;
    }
  }
  return next;
}

void HeadlessPlatform::Fire(VirtualTimer* timer) {
  now_ = std::max(now_, timer->due_);
  // A timer left enabled by its handler fires again one interval later.
  timer->due_ = now_ + timer->interval_;
  timer->sequence_ = ++arm_sequence_;
  timer->handler_();
  if (after_timer) after_timer();
}

void HeadlessPlatform::RunFor(std::int64_t ms) {
  const std::int64_t deadline = now_ + ms;
  while (VirtualTimer* timer = NextDue(deadline)) Fire(timer);
  now_ = std::max(now_, deadline);
}

void HeadlessPlatform::ShowMessageBox(const std::string& text, const std::string& /*title*/) {
  if (on_message) on_message(text);
  const int depth = ++open_boxes_;
  while (open_boxes_ >= depth) {
    VirtualTimer* timer = NextDue(std::numeric_limits<std::int64_t>::max());
    if (timer == nullptr) {
      // Nothing would ever close the box: a person reading it presses OK.
      --open_boxes_;
      break;
    }
    Fire(timer);
  }
}

bool HeadlessPlatform::CloseMessageBox() {
  if (open_boxes_ == 0) return false;
  --open_boxes_;
  return true;
}

void HeadlessPlatform::PlaySound(int id) {
  if (on_sound) on_sound(id);
}

}  // namespace zelvik
