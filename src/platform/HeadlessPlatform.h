// The platform for tests and the script driver: a virtual clock instead of real time.
//
// Time passes only when asked (RunFor) or while a message box is open: the box's loop jumps
// the clock to the next timer that falls due and fires it, exactly as a real box keeps the
// window's timers running. Timers falling due at the same instant fire in the order they were
// armed.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/Platform.h"
#include "platform/SeededDice.h"

namespace zelvik {

class HeadlessPlatform : public Platform {
 public:
  explicit HeadlessPlatform(std::string program_dir, ScreenSize screen = {1024, 768},
                            std::uint64_t seed = 1);
  ~HeadlessPlatform() override;

  std::unique_ptr<Timer> CreateTimer(int interval_ms, std::function<void()> handler) override;
  void ShowMessageBox(const std::string& text, const std::string& title) override;
  bool CloseMessageBox() override;
  int OpenMessageBoxes() const override { return open_boxes_; }
  void PlaySound(int id) override;
  void SetBusyPointer(bool busy) override { busy_ = busy; }
  void ProcessPendingEvents() override {}
  ScreenSize GetScreenSize() const override { return screen_; }
  std::string ProgramDirectory() const override { return program_dir_; }
  DiceSource& Dice() override { return dice_; }

  SeededDice& seeded_dice() { return dice_; }
  bool busy() const { return busy_; }
  std::int64_t now() const { return now_; }

  // Lets `ms` milliseconds of virtual time pass, firing every timer that falls due.
  void RunFor(std::int64_t ms);

  // Observers for the transcript and for checks after every timer firing.
  std::function<void(const std::string&)> on_message;
  std::function<void(int)> on_sound;
  std::function<void()> after_timer;

 private:
  class VirtualTimer;
  friend class VirtualTimer;

  VirtualTimer* NextDue(std::int64_t deadline) const;
  void Fire(VirtualTimer* timer);

  std::string program_dir_;
  ScreenSize screen_;
  SeededDice dice_;
  bool busy_ = false;
  std::int64_t now_ = 0;
  std::uint64_t arm_sequence_ = 0;
  int open_boxes_ = 0;
  std::vector<VirtualTimer*> timers_;
};

}  // namespace zelvik
