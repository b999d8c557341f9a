// The desktop's platform: real timers, message boxes, sounds and the screen, through Qt.
//
// The game core reaches the desktop only through this class. After every timer handler and
// before pending events run, the refresh hook brings the windows up to date with the core's
// controls, so that whatever the core changed shows at once.
#pragma once

#include <QString>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/Platform.h"
#include "platform/SeededDice.h"

class QMessageBox;
class QObject;

namespace zelvik {

class QtTimer;
class SoundPlayer;

class QtPlatform : public Platform {
 public:
  // A QApplication must exist. `program_dir` empty: the executable's directory if it can be
  // written, else the per-user application data directory.
  explicit QtPlatform(const QString& program_dir = QString());
  ~QtPlatform() override;
  QtPlatform(const QtPlatform&) = delete;
  QtPlatform& operator=(const QtPlatform&) = delete;

  std::unique_ptr<Timer> CreateTimer(int interval_ms, std::function<void()> handler) override;
  void ShowMessageBox(const std::string& text, const std::string& title) override;
  bool CloseMessageBox() override;
  int OpenMessageBoxes() const override { return static_cast<int>(boxes_.size()); }
  void PlaySound(int id) override;
  void SetBusyPointer(bool busy) override;
  void ProcessPendingEvents() override;
  ScreenSize GetScreenSize() const override;
  std::string ProgramDirectory() const override { return program_dir_; }
  DiceSource& Dice() override { return dice_; }

  void SetRefresh(std::function<void()> refresh) { refresh_ = std::move(refresh); }
  void Refresh();

  // While held, timers that fall due do not run their handlers; each runs once, from the event
  // loop, when the hold ends. Used while an animation waits for its frames, as the system's
  // own animation blocks the window's thread.
  void HoldTimers(bool hold);
  bool timers_held() const { return hold_ > 0; }

  // The program is ending: open boxes close, no new box opens and no timer fires again.
  void ShutDown();
  bool shut_down() const { return shut_down_; }

  bool busy() const { return busy_; }
  QMessageBox* innermost_box() const { return boxes_.empty() ? nullptr : boxes_.back(); }

 private:
  friend class QtTimer;
  void Register(QtTimer* timer) { timers_.push_back(timer); }
  void Unregister(QtTimer* timer);

  std::unique_ptr<QObject> context_;  // receiver of queued calls, gone with the platform
  std::string program_dir_;
  SeededDice dice_;
  std::unique_ptr<SoundPlayer> sounds_;
  std::function<void()> refresh_;
  std::vector<QMessageBox*> boxes_;  // open boxes, innermost last
  std::vector<QtTimer*> timers_;
  int hold_ = 0;
  bool busy_ = false;
  bool shut_down_ = false;
};

}  // namespace zelvik
