// What the program's window logic needs from a desktop: the notification-area icon, the
// window animation, showing and hiding the two windows, and ending the program.
#pragma once

#include <string>

namespace zelvik {

class BoardWindow;

enum class WindowKind { kGame, kHelp };

class DesktopShell {
 public:
  virtual ~DesktopShell() = default;

  virtual void AddTrayIcon(const std::string& tip) = 0;
  virtual void SetTrayTip(const std::string& tip) = 0;
  virtual void RemoveTrayIcon() = 0;

  // The rectangle animation between a window and the tray icon; only an effect, skipped where
  // no icon geometry is known.
  virtual void AnimateToTray(WindowKind window) = 0;
  virtual void AnimateFromTray(WindowKind window) = 0;

  virtual void SetVisible(WindowKind window, bool visible) = 0;
  virtual bool IsVisible(WindowKind window) const = 0;

  // The board window has just been created (its game is set up): the desktop builds its view.
  virtual void BoardCreated(BoardWindow& board) = 0;
  // The board window closes for good (the program is ending).
  virtual void CloseBoard() = 0;
  virtual void Quit() = 0;
};

}  // namespace zelvik
