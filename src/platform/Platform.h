// The one interface through which the game core reaches the outside world.
//
// Everything the core needs from a desktop (timers, the modal message box, sounds, the mouse
// pointer, letting pending events run, the screen, the program's directory and a dice source)
// comes through here. The desktop program implements it with Qt; tests and the script driver
// use the headless implementation with a virtual clock.
#pragma once

#include <functional>
#include <memory>
#include <string>

namespace zelvik {

// A one-handler timer in the manner of a window timer: while enabled it fires every Interval()
// milliseconds. Enabling a timer that is already enabled does not restart its count; disabling
// and enabling again does.
class Timer {
 public:
  virtual ~Timer() = default;
  virtual void SetEnabled(bool enabled) = 0;
  virtual bool Enabled() const = 0;
  virtual int Interval() const = 0;
};

struct ScreenSize {
  int width_px = 0;
  int height_px = 0;
};

struct DiceFrame {
  int die1 = 1;
  int die2 = 1;
};

// Where the dice values come from: two uniform values 1..6 for every frame of a roll animation.
// The values of the last frame are the roll.
class DiceSource {
 public:
  virtual ~DiceSource() = default;
  virtual DiceFrame NextFrame(bool last_frame) = 0;
};

class Platform {
 public:
  virtual ~Platform() = default;

  virtual std::unique_ptr<Timer> CreateTimer(int interval_ms, std::function<void()> handler) = 0;

  // Shows a modal box with OK alone and returns only when it has been closed. While it is open
  // the platform keeps firing timers, whose handlers run inside this call.
  virtual void ShowMessageBox(const std::string& text, const std::string& title) = 0;
  // Closes the innermost open message box, as pressing its default button would. Returns false
  // when no box is open.
  virtual bool CloseMessageBox() = 0;
  virtual int OpenMessageBoxes() const = 0;

  // Starts a sound by its id and returns at once; a new sound cuts off one still playing.
  virtual void PlaySound(int id) = 0;

  virtual void SetBusyPointer(bool busy) = 0;

  // Lets pending window events (clicks, repaints) run in the middle of a long operation.
  virtual void ProcessPendingEvents() = 0;

  virtual ScreenSize GetScreenSize() const = 0;

  // The directory the game keeps its state file and its snapshots in.
  virtual std::string ProgramDirectory() const = 0;

  virtual DiceSource& Dice() = 0;
};

}  // namespace zelvik
