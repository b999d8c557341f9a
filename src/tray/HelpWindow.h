// The information window: the program's first window, owner of the tray icon and its menu.
//
// It shows the game's description at start; closing it sends it to the tray and shows the
// board window, which is created the first time it is needed. The menu shows and hides the two
// windows and ends the program.
#pragma once

#include <memory>
#include <string>
#include <string_view>

#include "board/BoardWindow.h"
#include "platform/Platform.h"
#include "tray/DesktopShell.h"

namespace zelvik {

// Tray icon mouse messages, as the icon reports them.
inline constexpr int kTrayRightButtonUp = 517;
inline constexpr int kTrayLeftButtonUp = 514;
inline constexpr int kTrayLeftDoubleClick = 515;

inline constexpr const char* kTrayTip = "ZELVIK";

class HelpWindow {
 public:
  HelpWindow(Platform& platform, DesktopShell& shell);
  ~HelpWindow();

  // Program start: the icon with its tip, the window at the screen's size, shown.
  void Launch();

  // The user asks the window to close (its close box): it goes to the tray instead.
  void OnCloseRequest();

  // A menu item by its caption ("Show Game", "Hide Game", "Show Help", "Hide Help", "Exit");
  // false for an unknown caption.
  bool OnMenu(std::string_view caption);
  void OnShowGame();
  void OnHideGame();
  void OnShowHelp();
  void OnHideHelp();
  void OnExit();

  // A mouse message of the tray icon. Returns true when the menu is to be opened.
  bool OnTrayMessage(int message);

  // The board window, created (and its game set up) on first use.
  BoardWindow& Board();
  BoardWindow* board_if_created() { return board_.get(); }

  bool Exiting() const { return exiting_; }

  static std::string Caption();
  // The twenty lines of the information text, each ending in a carriage return and line feed.
  static std::string InformationText();
  // Font size of the text, in points, for the current screen.
  double TextFontSize() const;

 private:
  bool GameVisible();
  void ExitFromBoardLabel();

  Platform& platform_;
  DesktopShell& shell_;
  std::unique_ptr<BoardWindow> board_;
  bool exiting_ = false;
};

}  // namespace zelvik
